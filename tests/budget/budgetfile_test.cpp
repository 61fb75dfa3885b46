// SPDX-License-Identifier: GPL-3.0-or-later
#include "budget/budgetfile.h"

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

TEST(BudgetFileTest, SavedBudgetOpensWithTheSameLists)
{
    BudgetList income;
    BudgetList expenses;
    income.addRecord({"Salary", money("2000"), money("12"), money("1900")});
    income.addRecord({"Side job, cash", money("0.5"), money("1"), money("1000.125")});
    EXPECT_EQ(budgetFileContent(income, expenses), "2\r\n"
                                                   "1,\"Salary\",24000,12,22800\r\n"
                                                   "2,\"Side job, cash\",0.5,1,1000.125\r\n"
                                                   "0\r\n");

    expenses.addRecord({"Groceries", money("215.8"), money("52"), money("190")});
    QTemporaryDir folder;
    const QString path = folder.filePath("Home.BGT");
    ASSERT_TRUE(writeBudgetFile(path, income, expenses));
    BudgetList incomeBack;
    BudgetList expensesBack;
    ASSERT_TRUE(readBudgetFile(path, incomeBack, expensesBack));
    EXPECT_EQ(budgetFileContent(incomeBack, expensesBack), budgetFileContent(income, expenses));
}

TEST(BudgetFileTest, ReadsTheFormsOtherWritersUse)
{
    // Leading zero or not, a bare description, LF line ends, blanks around
    // fields, an empty figure, stale numbers and anything after the expenses.
    BudgetList income;
    BudgetList expenses;
    ASSERT_TRUE(parseBudgetFile(
        "2\n7, Tips ,.5,1,0.5\n3,\"Pay\",-0.25,2,\n 1 \r\n9,\"Rent\",12,1,12\r\nextra", income, expenses));
    EXPECT_EQ(budgetFileContent(income, expenses), "2\r\n"
                                                   "1,\"Tips\",0.5,1,0.5\r\n"
                                                   "2,\"Pay\",-0.25,2,0\r\n"
                                                   "1\r\n"
                                                   "1,\"Rent\",12,1,12\r\n");
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
                    MalformedCase{"CountTooLarge", "501\r\n0\r\n"},
                    MalformedCase{"NegativeCount", "-1\r\n0\r\n"},
                    MalformedCase{"CountNotANumber", "two\r\n0\r\n"},
                    MalformedCase{"TextForAmount", "1\r\n1,\"A\",\"lots\",1,1\r\n0\r\n"},
                    MalformedCase{"TextForNumber", "1\r\nfirst,\"A\",1,1,1\r\n0\r\n"},
                    MalformedCase{"AmountBeyondMoney", "1\r\n1,\"A\",99999999999999999999,1,1\r\n0\r\n"},
                    MalformedCase{"MissingClosingQuote", "1\r\n1,\"A,1,1,1\r\n0\r\n"},
                    MalformedCase{"LineBreakInDescription", "1\r\n1,\"Rent\r\n\",1,1,1\r\n0\r\n"},
                    MalformedCase{"MissingOpeningQuote", "1\r\n1,A\",1,1,1\r\n0\r\n"},
                    MalformedCase{"BinaryJunk", QByteArray("\x00\xff\x01,\"\x7f", 6)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BudgetFileTest, MissingOrOversizedFilesFailWithBothListsEmpty)
{
    QTemporaryDir folder;
    QFile big(folder.filePath("Big.BGT"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    big.write("0\r\n0\r\n" + QByteArray(2 << 20, ' '));
    big.close();
    for (const QString& path : {folder.filePath("None.BGT"), big.fileName()}) {
        BudgetList income;
        BudgetList expenses;
        fillWithSomething(income, expenses);
        EXPECT_FALSE(readBudgetFile(path, income, expenses));
        EXPECT_TRUE(income.isEmpty() && expenses.isEmpty());
    }
}

struct EncodingCase
{
    const char* name;
    QByteArray description; // "Café lunch" as the file holds it
};

class BudgetFileEncodingTest : public testing::TestWithParam<EncodingCase>
{
};

TEST_P(BudgetFileEncodingTest, KeepsEveryLetterAndSavesItAsUtf8)
{
    QTemporaryDir folder;
    QFile file(folder.filePath("Old.BGT"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("1\r\n1,\"" + GetParam().description + "\",6.5,1,0\r\n0\r\n");
    file.close();
    BudgetList income;
    BudgetList expenses;
    ASSERT_TRUE(readBudgetFile(file.fileName(), income, expenses));
    EXPECT_EQ(income.record(1).description, QStringLiteral("Caf\u00e9 lunch"));

    ASSERT_TRUE(writeBudgetFile(file.fileName(), income, expenses));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "1\r\n1,\"Caf\xc3\xa9 lunch\",6.5,1,0\r\n0\r\n");
}

INSTANTIATE_TEST_SUITE_P(Encodings, BudgetFileEncodingTest,
                         testing::Values(EncodingCase{"Utf8", "Caf\xc3\xa9 lunch"},
                                         EncodingCase{"Windows1252", "Caf\xe9 lunch"}),
                         [](const auto& info) { return std::string(info.param.name); });

// Both lists full, each description `length` three-byte characters long and
// every figure as long as money can write it.
void fillToCapacity(BudgetList& income, BudgetList& expenses, int length)
{
    const BudgetRecord record{0, QString(length, u'\u20ac'), Money::min(), Money::min(), Money::min()};
    for (BudgetList* list : {&income, &expenses})
        while (list->count() < BudgetList::Capacity)
            list->appendRecord(record);
}

TEST(BudgetFileTest, FullestBudgetTheBoxesAllowOpensAgainUnchanged)
{
    BudgetList income;
    BudgetList expenses;
    fillToCapacity(income, expenses, BudgetDescriptionLimit);
    QTemporaryDir folder;
    const QString path = folder.filePath("Full.BGT");
    ASSERT_TRUE(writeBudgetFile(path, income, expenses));
    BudgetList incomeBack;
    BudgetList expensesBack;
    ASSERT_TRUE(readBudgetFile(path, incomeBack, expensesBack));
    EXPECT_EQ(budgetFileContent(incomeBack, expensesBack), budgetFileContent(income, expenses));
}

TEST(BudgetFileTest, BudgetTooLargeToOpenAgainIsNotSaved)
{
    BudgetList income;
    BudgetList expenses;
    fillToCapacity(income, expenses, 1100);
    QTemporaryDir folder;
    EXPECT_FALSE(writeBudgetFile(folder.filePath("Home.BGT"), income, expenses));
    EXPECT_FALSE(QFile::exists(folder.filePath("Home.BGT")));
}

TEST(BudgetFileTest, SampleBudgetOpensAndSavesBackUnchanged)
{
    QFile sample(QDir(qEnvironmentVariable("TALLYVANE_TEST_DATA")).filePath("Sample.BGT"));
    ASSERT_TRUE(sample.open(QIODevice::ReadOnly));
    const QByteArray stored = sample.readAll();
    BudgetList income;
    BudgetList expenses;
    ASSERT_TRUE(parseBudgetFile(stored, income, expenses));
    EXPECT_EQ(income.count() + expenses.count(), 14);
    EXPECT_EQ(budgetFileContent(income, expenses), stored);
}

} // namespace
} // namespace tallyvane
