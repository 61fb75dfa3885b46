// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/dialogs/yesnodialog.h"

#include <gtest/gtest.h>

namespace tallyvane {
namespace {

// The numbered messages are tested with their catalogue in the core; the
// questions belong to the yes/no dialog.
struct TextCase
{
    const char* name;
    int number;
    const char* detail; // also the file name of question 3
    const char* expected;
};

class QuestionTextTest : public ::testing::TestWithParam<TextCase>
{
};

TEST_P(QuestionTextTest, ReadsAsTheUserSeesIt)
{
    const TextCase& c = GetParam();
    const QString detail = QString::fromUtf8(c.detail);
    EXPECT_EQ(questionText(c.number, detail, detail), QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, QuestionTextTest,
    ::testing::Values(
        TextCase{"QuestionNamingFile", 3, "HOME.BGT",
                 "HOME.BGT file in memory will be erased. Do you wish to go back and save it to Disk?."},
        TextCase{"QuestionWithoutFile", 3, "",
                 " file in memory will be erased. Do you wish to go back and save it to Disk?."},
        TextCase{"QuestionWithDetail", 4, "3 Rent",
                 "Are you sure you wish to delete the current record: 3 Rent"},
        TextCase{"KeptWorkDetailOnItsOwnLine", 5, "Budget: HOME.BGT",
                 " Unsaved work from an earlier session was kept. Open it now?"},
        TextCase{"QuestionUnused", 9, "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tallyvane
