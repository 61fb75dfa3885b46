// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/reporttext.h"

#include <gtest/gtest.h>

#include <string>

namespace tallyvane::cli {
namespace {

struct FieldCase
{
    const char* name;
    const char* text;
    const char* field;
};

class CsvFieldTest : public testing::TestWithParam<FieldCase>
{
};

TEST_P(CsvFieldTest, ReadsBackAsTheSameText)
{
    EXPECT_EQ(csvField(QString::fromUtf8(GetParam().text)).toStdString(), GetParam().field);
}

INSTANTIATE_TEST_SUITE_P(Fields, CsvFieldTest,
                         testing::Values(FieldCase{"Plain", "Rent", "Rent"},
                                         FieldCase{"InnerBlank", "Sub Total", "Sub Total"},
                                         FieldCase{"Empty", "", ""},
                                         FieldCase{"Comma", "Bonus, yearly", "\"Bonus, yearly\""},
                                         FieldCase{"Quote", "12\" pipe", "\"12\"\" pipe\""},
                                         // A bare line break would split the record in two.
                                         FieldCase{"LineBreak", "Car\nused", "\"Car\nused\""},
                                         FieldCase{"CarriageReturn", "Car\rused", "\"Car\rused\""},
                                         // Many readers drop blanks at the edges of a bare field.
                                         FieldCase{"LeadingBlank", " Rent", "\" Rent\""},
                                         FieldCase{"TrailingBlank", "Rent ", "\"Rent \""}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tallyvane::cli
