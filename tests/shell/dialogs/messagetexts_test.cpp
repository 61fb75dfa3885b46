#include "shell/dialogs/messagebox.h"
#include "shell/dialogs/yesnodialog.h"

#include <gtest/gtest.h>

namespace tallyvane {
namespace {

struct TextCase
{
    const char* name;
    QString (*textOf)(int number, const QString& detail);
    int number;
    const char* detail; // also the file name of question 3
    const char* expected;
};

QString messageOf(int number, const QString& detail)
{
    return messageText(number, detail);
}

QString questionOf(int number, const QString& detail)
{
    return questionText(number, detail, detail);
}

class DialogTextTest : public ::testing::TestWithParam<TextCase>
{
};

TEST_P(DialogTextTest, ReadsAsTheUserSeesIt)
{
    const TextCase& c = GetParam();
    EXPECT_EQ(c.textOf(c.number, QString::fromUtf8(c.detail)), QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DialogTextTest,
    ::testing::Values(
        TextCase{"MessageWithLeadingBlank", messageOf, 14, "",
                 " Bad filename, must be in the form MYFILE.BGT"},
        TextCase{"MessageDetailIgnored", messageOf, 8, "in Box 2", "Wrong entry."},
        TextCase{"MessageWithDetail", messageOf, 19, "in Box 2", "Wrong entry in Box 2"},
        TextCase{"MessageWithEmptyDetail", messageOf, 19, "", "Wrong entry "},
        TextCase{"MessageLastNumber", messageOf, 52, "", "100% limit."},
        TextCase{"MessageUnused", messageOf, 4, "", ""},
        TextCase{"QuestionNamingFile", questionOf, 3, "HOME.BGT",
                 "HOME.BGT file in memory will be erased. Do you wish to go back and save it to Disk?."},
        TextCase{"QuestionWithoutFile", questionOf, 3, "",
                 " file in memory will be erased. Do you wish to go back and save it to Disk?."},
        TextCase{"QuestionWithDetail", questionOf, 4, "3 Rent",
                 "Are you sure you wish to delete the current record: 3 Rent"},
        TextCase{"QuestionUnused", questionOf, 5, "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tallyvane
