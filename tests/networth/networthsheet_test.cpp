// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/messages.h"
#include "core/plannererror.h"
#include "networth/networthsheet.h"
#include "sidefixture.h"

#include <gtest/gtest.h>

namespace tallyvane {
namespace {

using testing_support::describeSide;
using testing_support::fillSide;
using testing_support::TypedRow;
using Rows = std::vector<std::string>;

struct CalculateCase
{
    const char* name;
    std::vector<TypedRow> typed;
    Rows expected;
    const char* total;
};

class NetWorthCalculate : public testing::TestWithParam<CalculateCase>
{
};

TEST_P(NetWorthCalculate, CompactsRowsAndFillsSubtotals)
{
    NetWorthSheet sheet;
    fillSide(sheet.cells(NetWorthSide::Assets), GetParam().typed);
    ASSERT_NO_THROW(sheet.calculate());
    const CellTable& assets = sheet.cells(NetWorthSide::Assets);
    const int count = sheet.count(NetWorthSide::Assets);
    EXPECT_EQ(describeSide(assets, count), GetParam().expected);
    EXPECT_EQ(sheet.total(NetWorthSide::Assets).toPlainText(), GetParam().total);
    for (int row = count + 1; row < CellTable::RowCount; ++row)
        EXPECT_TRUE(assets.isRowBlank(row) && assets.name(row).isEmpty()) << "row " << row;
}

INSTANTIATE_TEST_SUITE_P(
    NetWorth, NetWorthCalculate,
    testing::Values(
        CalculateCase{"GroupThenLooseValue",
                      {{"Home", "100000"}, {"Car", "15000"}, {"Sub Total", nullptr}, {"Savings", "5000"}},
                      {"Home|100000", "Car|15000", "Sub Total|115000", "Savings|5000"},
                      "120000"},
        CalculateCase{"SubTotalInLowerCase",
                      {{"Boat", "10.5"}, {"sub total", nullptr}},
                      {"Boat|10.5", "sub total|10.5"},
                      "10.5"},
        CalculateCase{"SubTotalWithTrailingBlankIsAnOrdinaryRow",
                      {{"Boat", "10"}, {"Sub Total ", "7"}},
                      {"Boat|10", "Sub Total |7"},
                      "17"},
        CalculateCase{"SecondSubTotalInARowIsZero",
                      {{"Boat", "10"}, {"Sub Total", nullptr}, {"Sub Total", nullptr}},
                      {"Boat|10", "Sub Total|10", "Sub Total|0"},
                      "10"},
        CalculateCase{"SubTotalOwnFigureNeverCounts",
                      {{"Boat", "10"}, {"Sub Total", "999"}},
                      {"Boat|10", "Sub Total|10"},
                      "10"},
        CalculateCase{"RowWithoutNameLosesItsValue",
                      {{"Boat", "10"}, {nullptr, "500"}, {"", "300"}, {"Car", "20"}},
                      {"Boat|10", "Car|20"},
                      "30"},
        CalculateCase{"SingleSpaceNameSurvives", {{" ", "5"}}, {" |5"}, "5"},
        CalculateCase{"ClearedValueStaysEmptyText", {{"Boat", ""}}, {"Boat|"}, "0"},
        CalculateCase{"GroupsRestartAfterEachSubTotal",
                      {{"A", "1.25"}, {"Sub Total", nullptr}, {"B", "2"}, {"C", "3"}, {"Sub Total", nullptr}},
                      {"A|1.25", "Sub Total|1.25", "B|2", "C|3", "Sub Total|5"},
                      "6.25"},
        CalculateCase{"EmptySide", {}, {}, "0"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NetWorthCalculate, NetWorthIsAssetsLessLiabilities)
{
    NetWorthSheet sheet;
    fillSide(sheet.cells(NetWorthSide::Assets), {{"Car", "12000.5"}});
    fillSide(sheet.cells(NetWorthSide::Liabilities), {{"Mortgage", "90000"}, {"Sub Total", nullptr}});
    ASSERT_NO_THROW(sheet.calculate());
    EXPECT_EQ(sheet.total(NetWorthSide::Liabilities).toPlainText(), "90000");
    EXPECT_EQ(sheet.netWorth().toPlainText(), "-77999.5");
    EXPECT_EQ(sheet.count(NetWorthSide::Liabilities), 2);
}

struct OverflowCase
{
    const char* name;
    std::vector<TypedRow> assets;
    std::vector<TypedRow> liabilities;
};

class NetWorthOverflow : public testing::TestWithParam<OverflowCase>
{
};

// A sum beyond money is refused and the tables stay as typed, so the user
// can find and correct the figure.
TEST_P(NetWorthOverflow, RefusesAndChangesNothing)
{
    NetWorthSheet sheet;
    fillSide(sheet.cells(NetWorthSide::Assets), {{"Earlier", "1"}});
    ASSERT_NO_THROW(sheet.calculate());
    fillSide(sheet.cells(NetWorthSide::Assets), GetParam().assets, 3);
    fillSide(sheet.cells(NetWorthSide::Liabilities), GetParam().liabilities);
    const NetWorthSheet before = sheet;

    try {
        sheet.calculate();
        ADD_FAILURE() << "not refused";
    } catch (const PlannerError& refusal) {
        EXPECT_EQ(refusal.messageNumber(), Message::WrongOrMissingEntry);
    }
    for (const NetWorthSide side : {NetWorthSide::Assets, NetWorthSide::Liabilities}) {
        EXPECT_EQ(sheet.cells(side), before.cells(side));
        EXPECT_EQ(sheet.count(side), before.count(side));
        EXPECT_EQ(sheet.total(side), before.total(side));
    }
    EXPECT_EQ(sheet.total(NetWorthSide::Assets).toPlainText(), "1");
}

INSTANTIATE_TEST_SUITE_P(
    NetWorth, NetWorthOverflow,
    testing::Values(
        OverflowCase{"SideTotal", {{"Tower", "900000000000000"}, {"Castle", "900000000000000"}}, {}},
        OverflowCase{"NetWorth", {{"Tower", "900000000000000"}}, {{"Refund", "-900000000000000"}}},
        OverflowCase{"Subtotal",
                     {{"Debt", "-900000000000000"},
                      {"Sub Total", nullptr},
                      {"Tower", "900000000000000"},
                      {"Castle", "900000000000000"},
                      {"Sub Total", nullptr}},
                     {}}),
    [](const auto& info) { return std::string(info.param.name); });

struct InsertCase
{
    const char* name;
    int calculatedRows; // named A, B, C... and calculated before the insert
    std::vector<TypedRow> typedAfter;
    int line;
    bool inserted;
    Rows expected; // after the insert and a Calculate
};

class NetWorthInsert : public testing::TestWithParam<InsertCase>
{
};

TEST_P(NetWorthInsert, PutsBlankLineAndShiftsRows)
{
    const InsertCase& test = GetParam();
    NetWorthSheet sheet;
    CellTable& liabilities = sheet.cells(NetWorthSide::Liabilities);
    std::vector<std::string> names;
    for (int i = 0; i < test.calculatedRows; ++i)
        names.push_back("R" + std::to_string(i + 1));
    for (int i = 0; i < test.calculatedRows; ++i)
        fillSide(liabilities, {{names[i].c_str(), "1"}}, i + 1);
    ASSERT_NO_THROW(sheet.calculate());
    fillSide(liabilities, test.typedAfter, test.calculatedRows + 1);
    const NetWorthSheet before = sheet;

    ASSERT_EQ(sheet.insertBlankRow(NetWorthSide::Liabilities, test.line), test.inserted);
    if (!test.inserted) {
        EXPECT_EQ(liabilities, before.cells(NetWorthSide::Liabilities));
        return;
    }
    EXPECT_EQ(describeSide(liabilities, test.line).back(), "BlankLine|");
    ASSERT_NO_THROW(sheet.calculate());
    EXPECT_EQ(describeSide(liabilities, sheet.count(NetWorthSide::Liabilities)), test.expected);
}

INSTANTIATE_TEST_SUITE_P(
    NetWorth, NetWorthInsert,
    testing::Values(
        InsertCase{"InsideTheRows", 5, {}, 3, true, {"R1|1", "R2|1", "BlankLine|", "R3|1", "R4|1", "R5|1"}},
        InsertCase{"PastTheRowsMovesUpAtCalculate",
                   5,
                   {},
                   10,
                   true,
                   {"R1|1", "R2|1", "R3|1", "R4|1", "R5|1", "BlankLine|"}},
        InsertCase{"AtTheTop", 2, {}, 1, true, {"BlankLine|", "R1|1", "R2|1"}},
        InsertCase{"LineTwentyEight", 0, {}, 28, true, {"BlankLine|"}},
        InsertCase{"LineZero", 5, {}, 0, false, {}}, InsertCase{"LineTwentyNine", 5, {}, 29, false, {}},
        InsertCase{"NegativeLine", 5, {}, -4, false, {}}, InsertCase{"SideAlreadyFull", 30, {}, 1, false, {}},
        InsertCase{"KeepsRowsTypedSinceCalculate",
                   2,
                   {{"Typed", "7"}},
                   1,
                   true,
                   {"BlankLine|", "R1|1", "R2|1", "Typed|7"}},
        InsertCase{"TypedRowsFillTheSide", 29, {{"Typed", "7"}}, 1, false, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NetWorthInsert, LineFromTypedText)
{
    const std::vector<std::pair<QString, int>> cases{
        {"", 0}, {"7", 7}, {"12abc", 12}, {"abc", 0}, {"32767", 32767}, {"99999999", 0}, {"1e400", 1}};
    for (const auto& [typed, line] : cases)
        EXPECT_EQ(insertLineFromText(typed), line) << typed.toStdString();
}

} // namespace
} // namespace tallyvane
