#include "budget/budgetfile.h"
#include "budget/budgettotals.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tallyvane {
namespace {

Money money(const char* text)
{
    return *Money::fromDecimalText(text);
}

// Lists that a failed read must empty.
void fillWithSomething(BudgetList& income, BudgetList& expenses)
{
    income.addRecord({"Old income", money("1"), money("1"), money("1")});
    expenses.addRecord({"Old expense", money("1"), money("1"), money("1")});
}

TEST(BudgetFileTest, WritesCountsAndAnnualRecordLines)
{
    BudgetList income;
    BudgetList expenses;
    income.addRecord({"Salary", money("2000"), money("12"), money("1900")});
    income.addRecord({"Side job", money("0.5"), money("1"), money("1000.125")});
    EXPECT_EQ(budgetFileContent(income, expenses), "2\r\n"
                                                   "1,\"Salary\",24000,12,22800\r\n"
                                                   "2,\"Side job\",0.5,1,1000.125\r\n"
                                                   "0\r\n");
    EXPECT_EQ(budgetFileContent(BudgetList(), BudgetList()), "0\r\n0\r\n");
}

TEST(BudgetFileTest, SavedBudgetOpensWithTheSameListsAndTotals)
{
    BudgetList income;
    BudgetList expenses;
    income.addRecord({"Salary, after tax", money("1685.4"), money("26"), money("1685.4")});
    income.addRecord({"Interest", money("0.3333"), money("3"), money("0")});
    expenses.addRecord({"Groceries", money("215.8"), money("52"), money("190")});
    expenses.sortList(SortOrder::AmountsHiLo);

    QTemporaryDir folder;
    const QString path = folder.filePath("Home.BGT");
    ASSERT_TRUE(writeBudgetFile(path, income, expenses));
    BudgetList incomeBack;
    BudgetList expensesBack;
    ASSERT_TRUE(readBudgetFile(path, incomeBack, expensesBack));

    ASSERT_EQ(incomeBack.count(), 2);
    ASSERT_EQ(expensesBack.count(), 1);
    for (int n = 1; n <= 2; ++n) {
        EXPECT_EQ(incomeBack.record(n).number, n);
        EXPECT_EQ(incomeBack.record(n).description, income.record(n).description);
        EXPECT_EQ(incomeBack.record(n).annualAmount, income.record(n).annualAmount);
        EXPECT_EQ(incomeBack.record(n).paymentsPerYear, income.record(n).paymentsPerYear);
        EXPECT_EQ(incomeBack.record(n).annualBudgeted, income.record(n).annualBudgeted);
    }
    const BudgetTotals before = computeTotals(income, expenses);
    const BudgetTotals after = computeTotals(incomeBack, expensesBack);
    EXPECT_EQ(after.netBalance, before.netBalance);
    EXPECT_EQ(after.netBalanceBudgeted, before.netBalanceBudgeted);
    EXPECT_EQ(budgetFileContent(incomeBack, expensesBack), budgetFileContent(income, expenses));
}

TEST(BudgetFileTest, ReadsTheFormsOtherWritersUse)
{
    // Leading zero or not, bare descriptions, LF line ends, blanks around
    // fields, stale numbers and anything after the expenses.
    BudgetList income;
    BudgetList expenses;
    ASSERT_TRUE(
        parseBudgetFile("2\n7, Tips ,.5,1,0.5\n3,\"Pay\",-0.25,2,\n 1 \r\n9,\"Rent\",12000,12,12000\r\nextra",
                        income, expenses));
    ASSERT_EQ(income.count(), 2);
    EXPECT_EQ(income.record(1).number, 1);
    EXPECT_EQ(income.record(1).description, "Tips");
    EXPECT_EQ(income.record(1).annualAmount, money("0.5"));
    EXPECT_EQ(income.record(1).annualBudgeted, money("0.5"));
    EXPECT_EQ(income.record(2).annualAmount, money("-0.25"));
    EXPECT_TRUE(income.record(2).annualBudgeted.isZero());
    ASSERT_EQ(expenses.count(), 1);
    EXPECT_EQ(expenses.record(1).number, 1);
}

struct MalformedCase
{
    const char* name;
    QByteArray content;
};

class BudgetFileMalformedTest : public testing::TestWithParam<MalformedCase>
{
};

TEST_P(BudgetFileMalformedTest, FailsWithBothListsEmpty)
{
    BudgetList income;
    BudgetList expenses;
    fillWithSomething(income, expenses);
    EXPECT_FALSE(parseBudgetFile(GetParam().content, income, expenses));
    EXPECT_TRUE(income.isEmpty());
    EXPECT_TRUE(expenses.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Files, BudgetFileMalformedTest,
    testing::Values(MalformedCase{"Empty", ""}, MalformedCase{"OnlyBlankLines", "\r\n\r\n"},
                    MalformedCase{"TruncatedIncome", "3\r\n1,\"A\",1,1,1\r\n2,\"B\",1,1,1\r\n"},
                    MalformedCase{"MissingExpenseCount", "1\r\n1,\"A\",1,1,1\r\n"},
                    MalformedCase{"RecordCutShort", "1\r\n1,\"A\",1\r\n0\r\n"},
                    MalformedCase{"CountTooLarge", "501\r\n0\r\n"},
                    MalformedCase{"CountBeyondWhole16", "70000\r\n0\r\n"},
                    MalformedCase{"NegativeCount", "-1\r\n0\r\n"},
                    MalformedCase{"CountNotANumber", "two\r\n0\r\n"},
                    MalformedCase{"CountQuoted", "\"1\"\r\n1,\"A\",1,1,1\r\n0\r\n"},
                    MalformedCase{"TextForAmount", "1\r\n1,\"A\",\"lots\",1,1\r\n0\r\n"},
                    MalformedCase{"WordForAmount", "1\r\n1,\"A\",many,1,1\r\n0\r\n"},
                    MalformedCase{"TextForNumber", "1\r\nfirst,\"A\",1,1,1\r\n0\r\n"},
                    MalformedCase{"AmountBeyondMoney", "1\r\n1,\"A\",1e300,1,1\r\n0\r\n"},
                    MalformedCase{"HugeAmountDigits", "1\r\n1,\"A\",99999999999999999999,1,1\r\n0\r\n"},
                    MalformedCase{"MissingClosingQuote", "1\r\n1,\"A,1,1,1\r\n0\r\n"},
                    MalformedCase{"QuoteRunsIntoNextLine", "2\r\n1,\"A,1,1,1\r\n2,\"B\",1,1,1\r\n0\r\n"},
                    MalformedCase{"MissingOpeningQuote", "1\r\n1,A\",1,1,1\r\n0\r\n"},
                    MalformedCase{"BinaryJunk", QByteArray("\x00\xff\x01,\"\x7f", 6)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BudgetFileTest, MissingOrOversizedFilesFailWithBothListsEmpty)
{
    QTemporaryDir folder;
    BudgetList income;
    BudgetList expenses;
    fillWithSomething(income, expenses);
    EXPECT_FALSE(readBudgetFile(folder.filePath("None.BGT"), income, expenses));
    EXPECT_TRUE(income.isEmpty() && expenses.isEmpty());

    // A valid start followed by megabytes of padding is not a budget file.
    QFile big(folder.filePath("Big.BGT"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    big.write("0\r\n0\r\n" + QByteArray(2 << 20, ' '));
    big.close();
    fillWithSomething(income, expenses);
    EXPECT_FALSE(readBudgetFile(big.fileName(), income, expenses));
    EXPECT_TRUE(income.isEmpty() && expenses.isEmpty());
}

TEST(BudgetFileTest, SampleBudgetOpensAndSavesBackUnchanged)
{
    const QString path = QDir(qEnvironmentVariable("TALLYVANE_TEST_DATA")).filePath("Sample.BGT");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    const QByteArray stored = file.readAll();
    BudgetList income;
    BudgetList expenses;
    ASSERT_TRUE(parseBudgetFile(stored, income, expenses));
    EXPECT_EQ(income.count(), 4);
    EXPECT_EQ(expenses.count(), 10);
    EXPECT_EQ(budgetFileContent(income, expenses), stored);
}

} // namespace
} // namespace tallyvane
