// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/calccommands.h"
#include "commandrun.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace tallyvane::cli {
namespace {

using test::CommandRun;

CommandRun runSavings(const QStringList& arguments)
{
    return test::runCommand(runCalc, QStringList{QStringLiteral("savings")} + arguments);
}

struct CommandCase
{
    const char* name;
    QStringList arguments;
    int exitCode;
    std::vector<std::string> inOut;
    std::string inErr;
};

void PrintTo(const CommandCase& testCase, std::ostream* out)
{
    *out << testCase.name;
}

class SavingsCommandTest : public ::testing::TestWithParam<CommandCase>
{
};

TEST_P(SavingsCommandTest, AnswersWithItsExitCodeAndText)
{
    const CommandCase& command = GetParam();
    const CommandRun outcome = runSavings(command.arguments);
    EXPECT_EQ(outcome.status, command.exitCode) << outcome.err;
    for (const std::string& expected : command.inOut)
        EXPECT_NE(outcome.out.find(expected), std::string::npos) << "missing: " << expected << "\n"
                                                                 << outcome.out;
    EXPECT_NE(outcome.err.find(command.inErr), std::string::npos) << outcome.err;
    if (command.exitCode != 0) {
        EXPECT_EQ(outcome.out, "");
        EXPECT_EQ(outcome.err.rfind("tallyvane-calc: ", 0), 0u) << outcome.err;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Commands, SavingsCommandTest,
    ::testing::Values(
        // The window's defaults: 1,200 a year at 20% for 25 years.
        CommandCase{"DefaultsAsText",
                    {},
                    0,
                    {"Investment Growth Calculation", "Year", "Total:", "30,000.00", "679,652.79",
                     "Value at the end of each year"},
                    ""},
        CommandCase{"InflationExampleAsCsv",
                    {"--lump=30000", "--contribution=0", "--rate=0", "--inflation=5", "--format=csv"},
                    0,
                    {"period,year,invested,interest,value\n", "1,1,30000.0000,0.0000,28500.0000\n",
                     "total,,30000.0000,-21678.3127,8321.6873\n"},
                    ""},
        CommandCase{"MonthlyCsvMarksTheYearEnds",
                    {"--frequency", "monthly", "--contribution", "100", "--years", "2", "--format", "csv"},
                    0,
                    {"\n11,,100.0000,", "\n12,1,100.0000,", "\n24,2,100.0000,", "\ntotal,,2400.0000,"},
                    ""},
        CommandCase{"NegativeInflationAllowed", {"--inflation", "-5"}, 0, {"-5.00%"}, ""},
        // A term of 0 years still works out one period, but has nothing to graph.
        CommandCase{"ZeroYearsAsJson",
                    {"--years", "0", "--format", "json"},
                    0,
                    {"\"lastPeriod\": 0,\n    \"graphPointCount\": 0", "\"yearEnd\": []"},
                    ""},
        CommandCase{"UnknownFrequency", {"--frequency", "weekly"}, 2, {}, "--frequency takes one of"},
        CommandCase{"NegativeRate", {"--rate", "-3"}, 1, {}, "tallyvane-calc: Wrong or missing entry"},
        CommandCase{"NegativeLumpSum", {"--lump", "-5"}, 1, {}, "tallyvane-calc: Wrong or missing entry"},
        CommandCase{"InflationOfAHundredPercent", {"--inflation", "100"}, 1, {}, "Wrong or missing entry"},
        CommandCase{
            "MoreThanFortyYears", {"--years", "41"}, 1, {}, "tallyvane-calc: Wrong entry, 40 Years limit."},
        CommandCase{"FractionOfAYear", {"--years", "2.5"}, 2, {}, "--years takes a whole number"},
        CommandCase{"StrayWord", {"savings.txt"}, 2, {}, "unexpected argument"},
        CommandCase{"ReportFormatWritesThePrintout",
                    {"--header", "Smith family", "--frequency", "quarterly", "--format", "report"},
                    0,
                    {"\n Smith family\n\n\n                        Investment Growth Calculation\n",
                     " Frequency of each contribution                         Quarterly\n",
                     " Quarterly          Investment", "\f", " Total:"},
                    ""},
        CommandCase{"ZeroYearsHaveNothingToPrint",
                    {"--years", "0", "--format", "report"},
                    1,
                    {},
                    "No data to print. Calculate.\n"},
        CommandCase{"PdfWithoutGuiApplication", {"--print", "s.pdf"}, 1, {}, "GUI application"},
        CommandCase{"ValueBeyondMoneyRange",
                    {"--lump", "800000000000000"},
                    1,
                    {},
                    "Wrong or missing entry, try again.\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SavingsCommandJsonTest, WritesSummaryRowsAndYearEndValues)
{
    const CommandRun outcome =
        runSavings({"--lump", "1000", "--contribution", "0", "--years", "1", "--format", "json"});
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.out, R"({
  "summary": {
    "lastPeriod": 1,
    "graphPointCount": 1,
    "totalInvested": 1000.0000,
    "growth": 200.0000,
    "finalValue": 1200.0000
  },
  "rows": [
    {
      "period": 1,
      "invested": 1000.0000,
      "interest": 200.0000,
      "value": 1200.0000
    }
  ],
  "yearEnd": [
    1200.0000
  ]
}
)");
}

} // namespace
} // namespace tallyvane::cli
