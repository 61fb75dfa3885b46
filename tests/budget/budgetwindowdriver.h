// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Opens the budget worksheet for the shared planner-window driver, with Enter
// pressing the focused button as in the program.

#include "budget/budgetwindow.h"
#include "plannerwindowdriver.h"
#include "shell/enterpressesbutton.h"

#include <memory>

namespace tallyvane::testing {

// The names of one side's controls.
struct SideNames
{
    const char* description;
    const char* amount;
    const char* payments;
    const char* budgeted;
    const char* add;
    const char* whatIf;
    const char* remove;
    const char* addChanged;
    const char* grid;
    const char* total;
    const char* totalBudgeted;
};

extern const SideNames IncomeSide;
extern const SideNames ExpenseSide;

class BudgetWindowTest : public PlannerWindowTest
{
protected:
    void SetUp() override;
    void TearDown() override;
    void open();

    // Types the item into the side's boxes with the keyboard alone, moving on
    // with Enter, and presses Enter on the button that takes the focus.
    void typeRecord(const SideNames& side, const QString& description, const QString& amount,
                    const QString& payments, const QString& budgeted);
    // Keys to whichever control has the focus.
    void typeKeys(const QString& keys);
    void pressEnterKey();
    QString focusName() const;
    QString cell(const char* gridName, int row, int column) const;
    int gridRows(const char* gridName) const;
    void clickRow(const char* gridName, int row);

    std::unique_ptr<Budget> window;
    EnterPressesButton enterPressesButton;
};

} // namespace tallyvane::testing
