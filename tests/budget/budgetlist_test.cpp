// SPDX-License-Identifier: GPL-3.0-or-later
#include "budget/budgetfile.h"
#include "budget/budgetlist.h"
#include "budget/budgettotals.h"
#include "core/messages.h"
#include "core/plannererror.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <functional>

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

// Descriptions in list order, each behind its number: "1 Rent".
QStringList numbered(const BudgetList& list)
{
    QStringList texts;
    for (const BudgetRecord& record : list.records())
        texts << QString::number(record.number) + u' ' + record.description;
    return texts;
}

TEST(BudgetListTest, KeepsAnnualFiguresThroughAddEditAndReplace)
{
    BudgetList list;
    list.addRecord(entry("Salary", "1000", "12", "950.5"));
    list.addRecord(entry("Odd", "100", "3", "0.01"));
    EXPECT_EQ(list.record(1).annualAmount, money("12000"));
    EXPECT_EQ(list.record(1).annualBudgeted, money("11406"));

    const BudgetEntry back = list.recordEntry(2);
    EXPECT_EQ(back.amountPerPayment, money("100"));
    EXPECT_EQ(back.paymentsPerYear, money("3"));
    EXPECT_EQ(back.budgetedPerPayment, money("0.01"));

    list.replaceRecord(1, entry("Zoo passes", "25", "4", "20"));
    EXPECT_EQ(numbered(list), (QStringList{"1 Zoo passes", "2 Odd"}));
    EXPECT_EQ(list.record(1).annualBudgeted, money("80"));
}

TEST(BudgetListTest, RefusesAFiveHundredAndFirstRecord)
{
    BudgetList list;
    for (int i = 0; i < BudgetList::Capacity; ++i)
        list.addRecord(entry("Item", "1"));
    try {
        list.addRecord(entry("One too many", "1"));
        FAIL();
    } catch (const PlannerError& error) {
        EXPECT_EQ(error.messageNumber(), Message::WrongEntryWithDetail);
    }
    EXPECT_EQ(list.count(), 500);
}

struct RefusalCase
{
    const char* name;
    std::function<void(BudgetList&)> operation;
    std::int16_t message;
};

class BudgetRefusalTest : public testing::TestWithParam<RefusalCase>
{
};

TEST_P(BudgetRefusalTest, ShowsItsMessageAndChangesNothing)
{
    BudgetList list;
    list.addRecord(entry("Rent", "900", "12"));
    // Only a foreign file can hold a record paid 0 times a year.
    list.appendRecord(BudgetRecord{0, "Broken", money("5"), Money(), money("5")});
    const QByteArray before = budgetFileContent(list, BudgetList());
    try {
        GetParam().operation(list);
        ADD_FAILURE() << "not refused";
    } catch (const PlannerError& error) {
        EXPECT_EQ(error.messageNumber(), GetParam().message);
    }
    EXPECT_EQ(budgetFileContent(list, BudgetList()), before);
}

const char* const huge = "900000000000000";

INSTANTIATE_TEST_SUITE_P(
    Operations, BudgetRefusalTest,
    testing::Values(
        RefusalCase{"AddWithoutDescription", [](BudgetList& l) { l.addRecord(entry("", "1", "12")); },
                    Message::BoxesOneAndThreeNeedData},
        RefusalCase{"AddWithoutPayments", [](BudgetList& l) { l.addRecord(entry("Gas", "1", "0")); },
                    Message::BoxesOneAndThreeNeedData},
        RefusalCase{"AddAmountOutOfRange", [](BudgetList& l) { l.addRecord(entry("Gas", huge, "12")); },
                    Message::WrongEntryWithDetail},
        RefusalCase{"ReplaceOutOfRange", [](BudgetList& l) { l.replaceRecord(1, entry("Gas", huge, "12")); },
                    Message::WrongEntry},
        RefusalCase{"EditRecordPaidNever", [](BudgetList& l) { l.recordEntry(2); }, Message::WrongEntry},
        RefusalCase{"DeleteMissingRecord", [](BudgetList& l) { l.deleteRecord(3); },
                    Message::RecordDoesNotExist}),
    [](const auto& info) { return std::string(info.param.name); });

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
    EXPECT_EQ(numbered(list), GetParam().remaining);
}

INSTANTIATE_TEST_SUITE_P(Positions, BudgetDeleteTest,
                         testing::Values(DeleteCase{"First", 1, {"1 Second", "2 Third"}},
                                         DeleteCase{"Middle", 2, {"1 First", "2 Third"}},
                                         DeleteCase{"Last", 3, {"1 First", "2 Second"}}),
                         [](const auto& info) { return std::string(info.param.name); });

struct SortCase
{
    const char* name;
    SortOrder order;
    std::vector<std::pair<const char*, const char*>> records; // description, annual amount
    QStringList expected;
};

class BudgetSortTest : public testing::TestWithParam<SortCase>
{
};

TEST_P(BudgetSortTest, LeavesRecordsWhereTheShellSortPutsThemAndRenumbers)
{
    BudgetList list;
    for (const auto& [description, amount] : GetParam().records)
        list.addRecord(entry(description, amount));
    list.sortList(GetParam().order);
    EXPECT_EQ(numbered(list), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Orders, BudgetSortTest,
                         testing::Values(SortCase{"NamesIgnoreCase",
                                                  SortOrder::NamesAToZ,
                                                  {{"Banana", "1"}, {"apple", "2"}},
                                                  {"1 apple", "2 Banana"}},
                                         SortCase{"EqualNamesAreNotExchanged",
                                                  SortOrder::NamesAToZ,
                                                  {{"apple", "1"}, {"Apple", "2"}},
                                                  {"1 apple", "2 Apple"}},
                                         // The pass with gap 2 moves Apple ahead of its equal, apple.
                                         SortCase{"GapPassReordersEqualNames",
                                                  SortOrder::NamesAToZ,
                                                  {{"Zed", "1"}, {"apple", "1"}, {"Apple", "1"}, {"b", "1"}},
                                                  {"1 Apple", "2 apple", "3 b", "4 Zed"}},
                                         SortCase{"NamesDescending",
                                                  SortOrder::NamesZToA,
                                                  {{"apple", "1"}, {"Cherry", "1"}, {"banana", "1"}},
                                                  {"1 Cherry", "2 banana", "3 apple"}},
                                         SortCase{"AnnualAmountsHighFirst",
                                                  SortOrder::AmountsHiLo,
                                                  {{"Yearly", "4000"}, {"Weekly", "5200"}, {"Small", "10"}},
                                                  {"1 Weekly", "2 Yearly", "3 Small"}},
                                         // The pass with gap 2 moves C ahead of its equal, B.
                                         SortCase{"GapPassReordersEqualAmounts",
                                                  SortOrder::AmountsLoHi,
                                                  {{"A", "2"}, {"B", "1"}, {"C", "1"}, {"D", "3"}},
                                                  {"1 C", "2 B", "3 A", "4 D"}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BudgetTotalsTest, SumsBothListsAndTheirDifferences)
{
    BudgetList income;
    BudgetList expenses;
    EXPECT_TRUE(computeTotals(income, expenses).netBalance.isZero());
    income.addRecord(entry("Salary", "1000", "12", "1000"));
    income.addRecord(entry("Interest", "0.3333", "3", "0"));
    expenses.addRecord(entry("Rent", "900", "12", "1050"));
    const BudgetTotals totals = computeTotals(income, expenses);
    EXPECT_EQ(totals.totalIncome, money("12000.9999"));
    EXPECT_EQ(totals.totalExpensesBudgeted, money("12600"));
    EXPECT_EQ(totals.netBalance, money("1200.9999"));
    EXPECT_EQ(totals.netBalanceBudgeted, money("-600"));

    income.addRecord(entry("Huge", huge));
    income.addRecord(entry("Huge", huge));
    EXPECT_THROW(computeTotals(income, expenses), PlannerError);
}

} // namespace
} // namespace tallyvane
