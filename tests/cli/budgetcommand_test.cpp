// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/calccommands.h"
#include "cli/commandoptions.h"
#include "commandrun.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tallyvane::cli {
namespace {

using test::CommandRun;
using test::runCommand;

class BudgetCommandTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        QFile file(budgetPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("2\r\n"
                   "1,\"Salary\",24000,12,22800\r\n"
                   "2,\"Bonus, yearly\",5200,52,0\r\n"
                   "1\r\n"
                   "1,\"Rent\",12000,12,13000\r\n");
    }

    QString budgetPath() const { return m_folder.filePath("Home.BGT"); }

    CommandRun run(const QStringList& arguments) const { return runCommand(runBudgetCommand, arguments); }

    QTemporaryDir m_folder;
};

TEST_F(BudgetCommandTest, TextShowsSortedListsTotalsAndBalancesForThePeriod)
{
    const CommandRun result = run({budgetPath(), "--period", "monthly", "--sort", "amounts-lohi"});
    ASSERT_EQ(result.status, ExitSuccess) << result.err;
    EXPECT_EQ(result.out, "     Income                              Amount    Budgeted\n"
                          "  1  Bonus, yearly                       433.33         .00\n"
                          "  2  Salary                            2,000.00    1,900.00\n"
                          "     Monthly income                    2,433.33    1,900.00\n"
                          "\n"
                          "     Expenses                            Amount    Budgeted\n"
                          "  1  Rent                              1,000.00    1,083.33\n"
                          "     Monthly expenses                  1,000.00    1,083.33\n"
                          "\n"
                          "                                        Current    Budgeted\n"
                          "     Monthly Net Balance               1,433.33      816.67\n");
}

TEST_F(BudgetCommandTest, JsonAndCsvCarryPeriodFiguresWithFourDecimals)
{
    const CommandRun json = run({budgetPath(), "--format=json", "--period", "weekly"});
    ASSERT_EQ(json.status, ExitSuccess) << json.err;
    for (const char* part :
         {"{\n  \"income\": [\n    {\n      \"number\": 1,\n      \"description\": \"Bonus, yearly\",\n"
          "      \"amount\": 100.0000,\n      \"budgeted\": 0.0000\n    },",
          "\"expenses\": [\n    {\n      \"number\": 1,\n      \"description\": \"Rent\"",
          "\"totals\": {\n    \"totalIncome\": 561.5385,\n    \"totalIncomeBudgeted\": 438.4615,\n",
          "\"netBalance\": 330.7692,\n    \"netBalanceBudgeted\": 188.4615\n  }\n}\n"})
        EXPECT_NE(json.out.find(part), std::string::npos) << part << "\nin\n" << json.out;

    const CommandRun csv = run({budgetPath(), "--format", "csv", "--sort", "names-za"});
    EXPECT_EQ(csv.out.find("list,number,description,amount,budgeted\n"
                           "income,1,Salary,24000.0000,22800.0000\n"
                           "income,2,\"Bonus, yearly\",5200.0000,0.0000\n"),
              0u);
    EXPECT_NE(csv.out.find("\ntotal,,Annual Net Balance,17200.0000,9800.0000\n"), std::string::npos);
}

TEST_F(BudgetCommandTest, UnreadableFileFailsWithTheFileMessage)
{
    for (const char* name : {"Missing.BGT", "Broken.BGT"}) {
        QFile broken(m_folder.filePath("Broken.BGT"));
        ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
        broken.write("3\r\n1,\"Only one\",1,1,1\r\n");
        broken.close();
        const CommandRun result = run({m_folder.filePath(name)});
        EXPECT_EQ(result.status, ExitCalculationFailed) << name;
        EXPECT_EQ(result.err,
                  "tallyvane-calc: File not found or wrong format. Check Filename and/or Directory.\n");
        EXPECT_TRUE(result.out.empty());
    }
}

TEST_F(BudgetCommandTest, FileFromAn8BitCodePageShowsItsLetters)
{
    QFile old(m_folder.filePath("Old.BGT"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("0\r\n1\r\n1,\"Caf\xe9\",1300,52,1300\r\n");
    old.close();
    const CommandRun result = run({old.fileName()});
    ASSERT_EQ(result.status, ExitSuccess) << result.err;
    EXPECT_NE(result.out.find("  1  Caf\xc3\xa9 "), std::string::npos) << result.out;
}

TEST_F(BudgetCommandTest, ReportFormatWritesTheStatementPrintoutForThePeriodAndOrder)
{
    const CommandRun result = run({budgetPath(), "--format", "report", "--period", "monthly", "--sort",
                                   "amounts-lohi", "--header", "Smith family", "--font", "1"});
    ASSERT_EQ(result.status, ExitSuccess) << result.err;
    EXPECT_EQ(result.out.find("\n Smith family\n\n                               BUDGET STATEMENT\n"), 0u);
    const auto bonus = result.out.find(" Bonus, yearly                           433.33             .00\n");
    EXPECT_NE(bonus, std::string::npos) << result.out;
    EXPECT_LT(bonus, result.out.find(" Salary "));
    EXPECT_NE(result.out.find("\n                               Monthly Net Balance\n"), std::string::npos);
    EXPECT_EQ(result.out.find("\f"), std::string::npos); // one page
}

struct UsageCase
{
    const char* name;
    QStringList arguments;
};

class BudgetCommandUsageTest : public testing::TestWithParam<UsageCase>
{
};

TEST_P(BudgetCommandUsageTest, WrongCommandLinesExitWithUsage)
{
    const CommandRun result = runCommand(runBudgetCommand, GetParam().arguments);
    EXPECT_EQ(result.status, ExitUsage);
    EXPECT_NE(result.err.find("Usage: tallyvane-calc budget"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(CommandLines, BudgetCommandUsageTest,
                         testing::Values(UsageCase{"NoFile", {}}, UsageCase{"TwoFiles", {"a.BGT", "b.BGT"}},
                                         UsageCase{"UnknownPeriod", {"a.BGT", "--period", "daily"}},
                                         UsageCase{"UnknownSort", {"a.BGT", "--sort", "random"}},
                                         UsageCase{"UnknownOption", {"a.BGT", "--rate", "5"}},
                                         UsageCase{"UnknownFont",
                                                   {"a.BGT", "--format", "report", "--font", "4"}}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tallyvane::cli
