// SPDX-License-Identifier: GPL-3.0-or-later
#include "budget/budgetgridmodel.h"
#include "budgetwindowdriver.h"
#include "core/messages.h"
#include "shell/dialogs/yesnodialog.h"
#include "shell/plannerstyle.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace tallyvane;
using namespace tallyvane::testing;

namespace {

using Column = BudgetGridModel::Column;

struct SideCase
{
    const char* name;
    const SideNames* side;
    const SideNames* otherSide;
    bool netBelowZero; // after one item on this side alone
};

class BudgetSideTest : public BudgetWindowTest, public ::testing::WithParamInterface<SideCase>
{
protected:
    const SideNames& side() const { return *GetParam().side; }
    const SideNames& otherSide() const { return *GetParam().otherSide; }
};

TEST_P(BudgetSideTest, KeyboardAloneAddsAnItemInEnterOrder)
{
    open();
    child<QWidget>(side().description)->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    typeKeys("Rent \"flat\"");
    const std::pair<const char*, const char*> steps[] = {
        {"1000", side().amount}, {"12", side().payments}, {"950.5", side().budgeted}, {"", side().add}};
    for (const auto& [keys, box] : steps) {
        pressEnterKey();
        EXPECT_EQ(focusName(), box);
        typeKeys(keys);
    }
    pressEnterKey();

    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(cell(side().grid, 1, Column::Number), "1");
    EXPECT_EQ(cell(side().grid, 1, Column::Description), "Rent flat"); // the quotes were refused
    EXPECT_EQ(cell(side().grid, 1, Column::Amount), " 12,000.00");
    EXPECT_EQ(cell(side().grid, 1, Column::Budgeted), " 11,406.00");
    EXPECT_EQ(gridRows(side().grid), 12); // headings, one record, ten empty rows
    EXPECT_EQ(label(side().total), "12,000.00");
    EXPECT_EQ(label(side().totalBudgeted), "11,406.00");
    EXPECT_TRUE(child<QLineEdit>(side().amount)->text().isEmpty());
    EXPECT_EQ(focusName(), side().description);
    EXPECT_TRUE(window->isDirty());
    for (const char* net : {"NetBalance", "NetBalanceBgt"})
        EXPECT_EQ(child<QLabel>(net)->palette().color(QPalette::WindowText) == PlannerStyle::NegativeRed,
                  GetParam().netBelowZero)
            << net;

    // The next item typed without its budgeted amount takes the last one.
    typeRecord(side(), "Apples", "10", "52", "");
    EXPECT_EQ(cell(side().grid, 1, Column::Description), "Apples");
    EXPECT_EQ(cell(side().grid, 1, Column::Budgeted), " 49,426.00");
    EXPECT_TRUE(cell(otherSide().grid, 1, Column::Description).isEmpty());
}

TEST_P(BudgetSideTest, AddRefusesAnItemWithoutDescriptionOrPayments)
{
    open();
    for (const auto& [description, payments] :
         {std::pair{"", "12"}, std::pair{"Rent", "0"}, std::pair{"Rent", ""}}) {
        typeRecord(side(), description, "100", payments, "");
        EXPECT_EQ(services.messages.back(), Message::BoxesOneAndThreeNeedData) << description << payments;
    }
    EXPECT_EQ(services.messages.size(), 3u);
    EXPECT_TRUE(cell(side().grid, 1, Column::Description).isEmpty());
    EXPECT_EQ(child<QLineEdit>(side().description)->text(), "Rent"); // kept for correcting
}

TEST_P(BudgetSideTest, WhatIfLoadsTheClickedRecordAndAddChangedRecordReplacesIt)
{
    open();
    typeRecord(side(), "Bread", "5", "52", "4");
    typeRecord(side(), "Car", "300", "12", "250");
    clickRow(side().grid, 2);
    services.recordNumbers = {2};
    click(side().whatIf);

    EXPECT_EQ(services.recordNumberPresets, std::vector<int>{2});
    EXPECT_EQ(child<QLineEdit>(side().description)->text(), "Car");
    EXPECT_EQ(child<QLineEdit>(side().amount)->text(), "    300.00");
    EXPECT_EQ(child<QLineEdit>(side().payments)->text(), "      12");
    EXPECT_EQ(child<QLineEdit>(side().budgeted)->text(), "    250.00");
    for (const char* hidden : {side().add, side().whatIf, side().remove})
        EXPECT_FALSE(button(hidden)->isVisible()) << hidden;
    EXPECT_TRUE(button(side().addChanged)->isVisible());
    typeInto(side().payments, "x"); // refused before it could empty the box
    EXPECT_EQ(child<QLineEdit>(side().payments)->text(), "      12");

    typeInto(side().amount, "320");
    pressEnter(side().amount);
    pressEnter(side().payments);
    pressEnter(side().budgeted);
    EXPECT_EQ(focusName(), side().addChanged);
    pressEnterKey();
    EXPECT_EQ(cell(side().grid, 2, Column::Description), "Car");
    EXPECT_EQ(cell(side().grid, 2, Column::Amount), "  3,840.00");
    EXPECT_EQ(cell(side().grid, 2, Column::Budgeted), "  3,000.00");
    EXPECT_TRUE(cell(side().grid, 3, Column::Number).isEmpty());
    EXPECT_TRUE(button(side().add)->isVisible());
    EXPECT_FALSE(button(side().addChanged)->isVisible());
}

TEST_P(BudgetSideTest, DeleteAsksAndRemovesOnlyOnYes)
{
    for (const bool yes : {false, true}) {
        open();
        typeRecord(side(), "A", "1", "1", "1");
        typeRecord(side(), "B", "2", "1", "2");
        typeRecord(side(), "C", "3", "1", "3");
        services.recordNumbers = {2};
        services.yesNoAnswers = {yes};
        click(side().remove);
        EXPECT_EQ(services.questionTexts.back(), "Are you sure you wish to delete the current record: 2");
        EXPECT_EQ(cell(side().grid, 2, Column::Description), yes ? "C" : "B");
        EXPECT_EQ(cell(side().grid, 3, Column::Description), yes ? "" : "C");
        EXPECT_EQ(label(side().total), yes ? "4.00" : "6.00");
    }
}

INSTANTIATE_TEST_SUITE_P(Budget, BudgetSideTest,
                         ::testing::Values(SideCase{"Income", &IncomeSide, &ExpenseSide, false},
                                           SideCase{"Expense", &ExpenseSide, &IncomeSide, true}),
                         [](const ::testing::TestParamInfo<SideCase>& info) {
                             return std::string(info.param.name);
                         });

struct PromptCase
{
    const char* name;
    const char* button;
    int records;
    std::vector<int> answers; // typed in the record-number prompt
    std::vector<int> messages;
};

class RecordPromptTest : public BudgetWindowTest, public ::testing::WithParamInterface<PromptCase>
{
};

TEST_P(RecordPromptTest, RefusesWhatDoesNotExist)
{
    const PromptCase& prompt = GetParam();
    open();
    for (int record = 1; record <= prompt.records; ++record)
        typeRecord(IncomeSide, QStringLiteral("Item %1").arg(record), "10", "1", "10");
    services.recordNumbers.assign(prompt.answers.begin(), prompt.answers.end());
    click(prompt.button);
    EXPECT_EQ(services.messages, prompt.messages);
    EXPECT_TRUE(services.questions.empty());
    EXPECT_TRUE(button("AddIncome1")->isVisible());
    EXPECT_EQ(window->incomeList().count(), prompt.records);
}

INSTANTIATE_TEST_SUITE_P(
    Budget, RecordPromptTest,
    ::testing::Values(PromptCase{"WhatIfOnEmptyList", "CorrectRec1", 0, {}, {Message::NoRecordToChange}},
                      PromptCase{"DeleteOnEmptyList", "DelRecord1", 0, {}, {Message::NoRecordsToDelete}},
                      PromptCase{"WhatIfBeyondTheList", "CorrectRec1", 2, {3}, {Message::RecordDoesNotExist}},
                      PromptCase{"DeleteBeyondTheList", "DelRecord1", 2, {3}, {Message::RecordDoesNotExist}},
                      PromptCase{"WhatIfCancelled", "CorrectRec1", 2, {0}, {}},
                      PromptCase{"DeleteCancelled", "DelRecord1", 2, {0}, {}}),
    [](const ::testing::TestParamInfo<PromptCase>& info) { return std::string(info.param.name); });

TEST_F(BudgetWindowTest, EachSideReplacesTheRecordItLoadedEvenAfterResorting)
{
    open();
    typeRecord(IncomeSide, "Bonus", "100", "1", "100");
    typeRecord(IncomeSide, "Wages", "2000", "12", "2000");
    typeRecord(ExpenseSide, "Food", "50", "52", "50");
    typeRecord(ExpenseSide, "Rent", "900", "12", "900");
    services.recordNumbers = {1, 2};
    click("CorrectRec1");                      // Bonus
    click("CorrectRec2");                      // Rent, the number typed last
    chooseFromList("SortBy", "Amounts Hi-Lo"); // Bonus moves to number 2
    typeInto("InIncAmt", "150");
    click("AddCorRec1");

    EXPECT_EQ(cell("BGrid1", 1, Column::Description), "Wages");
    EXPECT_EQ(cell("BGrid1", 1, Column::Amount), " 24,000.00");
    EXPECT_EQ(cell("BGrid1", 2, Column::Description), "Bonus");
    EXPECT_EQ(cell("BGrid1", 2, Column::Amount), "    150.00");
    EXPECT_EQ(cell("BGrid2", 1, Column::Description), "Rent");
    EXPECT_EQ(cell("BGrid2", 1, Column::Amount), " 10,800.00");
    EXPECT_TRUE(button("AddCorRec2")->isVisible());
    EXPECT_TRUE(services.messages.empty());
}

struct ListChoiceCase
{
    const char* name;
    const char* list;
    const char* entry;
    std::vector<const char*> incomeOrder;
    const char* firstAmount;
    const char* incomeCaption;
    const char* netCaption;
    const char* netBalance;
};

class ListChoiceTest : public BudgetWindowTest, public ::testing::WithParamInterface<ListChoiceCase>
{
};

TEST_P(ListChoiceTest, ChoosingRedisplaysBothSides)
{
    const ListChoiceCase& choice = GetParam();
    open();
    chooseFromList(choice.list, choice.entry);
    EXPECT_EQ(child<QLabel>("Label3")->text(), " Total annual income"); // nothing to show yet
    EXPECT_FALSE(window->isDirty());

    typeRecord(IncomeSide, "apple", "100", "52", "100");
    typeRecord(IncomeSide, "Zebra", "4000", "1", "4000");
    typeRecord(IncomeSide, "Banana", "10", "12", "10");
    typeRecord(ExpenseSide, "Rent", "1000", "12", "1000");
    chooseFromList(choice.list, choice.entry);
    for (int row = 1; row <= 3; ++row)
        EXPECT_EQ(cell("BGrid1", row, Column::Description), choice.incomeOrder[row - 1]) << row;
    EXPECT_EQ(cell("BGrid1", 1, Column::Amount), choice.firstAmount);
    EXPECT_EQ(child<QLabel>("Label3")->text(), choice.incomeCaption);
    EXPECT_EQ(label("Label7"), choice.netCaption);
    EXPECT_EQ(label("NetBalance"), choice.netBalance);

    const int beeps = services.beeps;
    QTest::keyClicks(list(choice.list), "x");
    // Arrows and Page keys would choose at once; only the drop-down chooses.
    for (const Qt::Key key : {Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_End})
        QTest::keyClick(list(choice.list), key);
    EXPECT_EQ(services.beeps, beeps + 5);
    EXPECT_EQ(list(choice.list)->currentText(), choice.entry);
    EXPECT_EQ(cell("BGrid1", 1, Column::Amount), choice.firstAmount);
}

INSTANTIATE_TEST_SUITE_P(Budget, ListChoiceTest,
                         ::testing::Values(ListChoiceCase{"Monthly",
                                                          "FreqPeriod",
                                                          "     Monthly",
                                                          {"apple", "Banana", "Zebra"},
                                                          "    433.33",
                                                          " Monthly income",
                                                          "Monthly Net Balance",
                                                          "$-223.33"},
                                           ListChoiceCase{"AmountsHiLo",
                                                          "SortBy",
                                                          "Amounts Hi-Lo",
                                                          {"apple", "Zebra", "Banana"},
                                                          "  5,200.00",
                                                          " Annual income",
                                                          "Annual Net Balance",
                                                          "$-2,680.00"}),
                         [](const ::testing::TestParamInfo<ListChoiceCase>& info) {
                             return std::string(info.param.name);
                         });

struct LeaveCase
{
    const char* name;
    bool byCloseBox;
    bool goBack;
};

class LeaveTest : public BudgetWindowTest, public ::testing::WithParamInterface<LeaveCase>
{
};

TEST_P(LeaveTest, UnsavedWorkIsLeftOnlyAfterTheQuestion)
{
    const LeaveCase& leave = GetParam();
    open();
    values.dataFileName = "Home.BGT";
    typeRecord(IncomeSide, "Wages", "1000", "12", "1000");
    services.yesNoAnswers = {leave.goBack};
    if (leave.byCloseBox)
        EXPECT_EQ(window->close(), !leave.goBack);
    else
        click("ExitBudget");

    EXPECT_EQ(
        services.questionTexts,
        std::vector<QString>{"Home.BGT file in memory will be erased. Do you wish to go back and save it to "
                             "Disk?."});
    EXPECT_EQ(host.menusShown, leave.goBack || leave.byCloseBox ? 0 : 1);
    EXPECT_EQ(window->incomeList().count(), 1);
    EXPECT_EQ(values.dataFileName, leave.goBack ? "Home.BGT" : "");
}

INSTANTIATE_TEST_SUITE_P(Budget, LeaveTest,
                         ::testing::Values(LeaveCase{"ExitGoingBackToSave", false, true},
                                           LeaveCase{"ExitDroppingTheWork", false, false},
                                           LeaveCase{"CloseGoingBackToSave", true, true}),
                         [](const ::testing::TestParamInfo<LeaveCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(BudgetWindowTest, EmptyWorksheetLeavesWithoutAsking)
{
    open();
    EXPECT_EQ(host.frameTitle, " Budget Calculations");
    click("ExitBudget");
    EXPECT_EQ(host.menusShown, 1);
    EXPECT_TRUE(services.questions.empty());
}

TEST_F(BudgetWindowTest, QuickHelpTogglesItsText)
{
    open();
    click("Help2");
    auto* help = child<QPlainTextEdit>("HelpTxt");
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(button("Help2")->text(), "Close &Help");
    const QString text = help->toPlainText();
    EXPECT_TRUE(text.startsWith("Background Color: Input boxes are green, records and results are white.\n\n"
                                "    Annual Income or Annual Expenses\n\n"));
    EXPECT_TRUE(text.endsWith("Press F1 key for more detailed information.\n\n" + QString(25, u' ') + "End"));
    EXPECT_EQ(text.count("\n\n"), 15);
    EXPECT_FALSE(child<QWidget>("BGrid1")->isVisible());

    click("Help2");
    EXPECT_FALSE(help->isVisible());
    EXPECT_EQ(button("Help2")->text(), "Quick &Help");
    EXPECT_TRUE(child<QWidget>("BGrid1")->isVisible());
}

} // namespace
