#include "budget/budgeterror.h"
#include "budget/budgetlist.h"
#include "budget/budgettotals.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <functional>
#include <numeric>
#include <vector>

namespace tallyvane {
namespace {

Money money(const char* text)
{
    return *Money::fromDecimalText(text);
}

BudgetEntry entry(const char* description, const char* amount, const char* payments = "1",
                  const char* budgeted = "0")
{
    return BudgetEntry{QString::fromUtf8(description), money(amount), money(payments), money(budgeted)};
}

QStringList descriptions(const BudgetList& list)
{
    QStringList texts;
    for (const BudgetRecord& record : list.records())
        texts << record.description;
    return texts;
}

std::vector<int> numbers(const BudgetList& list)
{
    std::vector<int> result;
    for (const BudgetRecord& record : list.records())
        result.push_back(record.number);
    return result;
}

std::int16_t messageOf(const std::function<void()>& operation)
{
    try {
        operation();
    } catch (const BudgetError& error) {
        return error.messageNumber();
    }
    return 0;
}

TEST(BudgetListTest, StoresAnnualFiguresAndGivesBackFiguresPerPayment)
{
    BudgetList list;
    list.addRecord(entry("Salary", "1000", "12", "950.5"));
    const BudgetRecord& record = list.record(1);
    EXPECT_EQ(record.number, 1);
    EXPECT_EQ(record.annualAmount, money("12000"));
    EXPECT_EQ(record.paymentsPerYear, money("12"));
    EXPECT_EQ(record.annualBudgeted, money("11406"));

    list.addRecord(entry("Odd", "100", "3", "0.01"));
    const BudgetEntry back = list.recordEntry(2);
    EXPECT_EQ(back.description, "Odd");
    EXPECT_EQ(back.amountPerPayment, money("100"));
    EXPECT_EQ(back.paymentsPerYear, money("3"));
    EXPECT_EQ(back.budgetedPerPayment, money("0.01"));
}

TEST(BudgetListTest, ReplaceKeepsNumberAndPosition)
{
    BudgetList list;
    list.addRecord(entry("Rent", "900", "12"));
    list.addRecord(entry("Food", "100", "52"));
    list.replaceRecord(1, entry("Zoo passes", "25", "4", "20"));
    EXPECT_EQ(descriptions(list), (QStringList{"Zoo passes", "Food"}));
    EXPECT_EQ(list.record(1).number, 1);
    EXPECT_EQ(list.record(1).annualAmount, money("100"));
    EXPECT_EQ(list.record(1).annualBudgeted, money("80"));
}

TEST(BudgetListTest, RefusesAFiveHundredAndFirstRecord)
{
    BudgetList list;
    for (int i = 0; i < BudgetList::Capacity; ++i)
        list.addRecord(entry("Item", "1"));
    EXPECT_EQ(messageOf([&] { list.addRecord(entry("One too many", "1")); }), MsgWrongEntryDetail);
    EXPECT_EQ(list.count(), 500);
    EXPECT_EQ(list.record(500).description, "Item");
}

TEST(BudgetListTest, FiguresOutOfTheMoneyRangeChangeNothing)
{
    BudgetList list;
    list.addRecord(entry("Rent", "900", "12"));
    const char* huge = "900000000000000";
    EXPECT_EQ(messageOf([&] { list.addRecord(entry("Huge", huge, "12")); }), MsgWrongEntryDetail);
    EXPECT_EQ(messageOf([&] { list.addRecord(entry("Huge budget", "1", "12", huge)); }), MsgWrongEntryDetail);
    EXPECT_EQ(list.count(), 1);
    EXPECT_EQ(messageOf([&] { list.replaceRecord(1, entry("Huge", huge, "12")); }), MsgWrongEntry);
    EXPECT_EQ(list.record(1).description, "Rent");
    EXPECT_EQ(list.record(1).annualAmount, money("10800"));
}

TEST(BudgetListTest, RefusesMissingDataAndRecordsThatDoNotExist)
{
    BudgetList list;
    EXPECT_EQ(messageOf([&] { list.addRecord(entry("", "1", "12")); }), MsgBoxesOneAndThree);
    EXPECT_EQ(messageOf([&] { list.addRecord(entry("Rent", "1", "0")); }), MsgBoxesOneAndThree);
    list.addRecord(entry("Rent", "900", "12"));
    EXPECT_EQ(messageOf([&] { list.recordEntry(2); }), MsgNoSuchRecord);
    EXPECT_EQ(messageOf([&] { list.replaceRecord(0, entry("X", "1")); }), MsgNoSuchRecord);
    EXPECT_EQ(messageOf([&] { list.deleteRecord(2); }), MsgNoSuchRecord);

    // Only a foreign file can hold a record paid 0 times a year.
    list.appendRecord(BudgetRecord{0, "Broken", money("5"), Money(), money("5")});
    EXPECT_EQ(messageOf([&] { list.recordEntry(2); }), MsgWrongEntry);
}

struct DeleteCase
{
    const char* name;
    int deleted;
    QStringList remaining;
};

class BudgetDeleteTest : public testing::TestWithParam<DeleteCase>
{
};

TEST_P(BudgetDeleteTest, ClosesTheGapAndRenumbers)
{
    BudgetList list;
    for (const char* description : {"First", "Second", "Third"})
        list.addRecord(entry(description, "1"));
    list.deleteRecord(GetParam().deleted);
    EXPECT_EQ(descriptions(list), GetParam().remaining);
    EXPECT_EQ(numbers(list), (std::vector<int>{1, 2}));
}

INSTANTIATE_TEST_SUITE_P(Positions, BudgetDeleteTest,
                         testing::Values(DeleteCase{"First", 1, {"Second", "Third"}},
                                         DeleteCase{"Middle", 2, {"First", "Third"}},
                                         DeleteCase{"Last", 3, {"First", "Second"}}),
                         [](const auto& info) { return std::string(info.param.name); });

struct SortCase
{
    const char* name;
    SortOrder order;
    // Description and annual amount of each record, in list order.
    std::vector<std::pair<const char*, const char*>> records;
    QStringList expected;
};

class BudgetSortTest : public testing::TestWithParam<SortCase>
{
};

TEST_P(BudgetSortTest, LeavesRecordsInTheShellSortOrderAndRenumbers)
{
    BudgetList list;
    for (const auto& [description, amount] : GetParam().records)
        list.addRecord(entry(description, amount));
    list.sortList(GetParam().order);
    EXPECT_EQ(descriptions(list), GetParam().expected);
    std::vector<int> expectedNumbers(GetParam().expected.size());
    std::iota(expectedNumbers.begin(), expectedNumbers.end(), 1);
    EXPECT_EQ(numbers(list), expectedNumbers);
}

INSTANTIATE_TEST_SUITE_P(
    Orders, BudgetSortTest,
    testing::Values(SortCase{"NamesIgnoreCase",
                             SortOrder::NamesAToZ,
                             {{"Banana", "1"}, {"apple", "2"}},
                             {"apple", "Banana"}},
                    SortCase{"EqualNamesAreNotExchanged",
                             SortOrder::NamesAToZ,
                             {{"apple", "1"}, {"Apple", "2"}},
                             {"apple", "Apple"}},
                    // The first pass with gap 2 moves Apple ahead of its equal apple.
                    SortCase{"GapPassReordersEqualNames",
                             SortOrder::NamesAToZ,
                             {{"Zed", "1"}, {"apple", "1"}, {"Apple", "1"}, {"b", "1"}},
                             {"Apple", "apple", "b", "Zed"}},
                    SortCase{"NamesDescending",
                             SortOrder::NamesZToA,
                             {{"apple", "1"}, {"Cherry", "1"}, {"banana", "1"}},
                             {"Cherry", "banana", "apple"}},
                    SortCase{"AnnualAmountsHighFirst",
                             SortOrder::AmountsHiLo,
                             {{"Yearly", "4000"}, {"Weekly", "5200"}, {"Small", "10"}},
                             {"Weekly", "Yearly", "Small"}},
                    // The gap pass moves C ahead of its equal B; insertion never swaps them back.
                    SortCase{"GapPassReordersEqualAmounts",
                             SortOrder::AmountsLoHi,
                             {{"A", "2"}, {"B", "1"}, {"C", "1"}, {"D", "3"}},
                             {"C", "B", "A", "D"}},
                    SortCase{"SingleRecord", SortOrder::AmountsHiLo, {{"Only", "1"}}, {"Only"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BudgetTotalsTest, SumsBothListsAndTheirDifferences)
{
    BudgetList income;
    BudgetList expenses;
    const BudgetTotals empty = computeTotals(income, expenses);
    EXPECT_TRUE(empty.netBalance.isZero() && empty.netBalanceBudgeted.isZero() && empty.totalIncome.isZero());

    income.addRecord(entry("Salary", "1000", "12", "1000"));
    income.addRecord(entry("Interest", "0.3333", "3", "0"));
    expenses.addRecord(entry("Rent", "900", "12", "1050"));
    const BudgetTotals totals = computeTotals(income, expenses);
    EXPECT_EQ(totals.totalIncome, money("12000.9999"));
    EXPECT_EQ(totals.totalIncomeBudgeted, money("12000"));
    EXPECT_EQ(totals.totalExpenses, money("10800"));
    EXPECT_EQ(totals.totalExpensesBudgeted, money("12600"));
    EXPECT_EQ(totals.netBalance, money("1200.9999"));
    EXPECT_EQ(totals.netBalanceBudgeted, money("-600"));
}

TEST(BudgetTotalsTest, ASumOutOfRangeIsAWrongEntry)
{
    BudgetList income;
    BudgetList expenses;
    for (int i = 0; i < 2; ++i)
        income.addRecord(entry("Huge", "900000000000000"));
    EXPECT_EQ(messageOf([&] { computeTotals(income, expenses); }), MsgWrongEntry);
}

} // namespace
} // namespace tallyvane
