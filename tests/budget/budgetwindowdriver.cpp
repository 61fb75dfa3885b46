// SPDX-License-Identifier: GPL-3.0-or-later
#include "budgetwindowdriver.h"

#include "budget/budgetgridmodel.h"
#include "shell/grid/grid.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

namespace tallyvane::testing {

const SideNames IncomeSide{"InIncDesc",  "InIncAmt",    "InIncFreq",  "InIncBgtAmt",
                           "AddIncome1", "CorrectRec1", "DelRecord1", "AddCorRec1",
                           "BGrid1",     "TotInc",      "TotIncBgt"};
const SideNames ExpenseSide{"InExpDesc",   "InExpAmt",    "InExpFreq",  "InExpBgtAmt",
                            "AddExpense2", "CorrectRec2", "DelRecord2", "AddCorRec2",
                            "BGrid2",      "TotExp",      "TotExpBgt"};

void BudgetWindowTest::SetUp()
{
    QApplication::instance()->installEventFilter(&enterPressesButton);
}

void BudgetWindowTest::TearDown()
{
    QApplication::instance()->removeEventFilter(&enterPressesButton);
    PlannerWindowTest::TearDown();
}

void BudgetWindowTest::open()
{
    values.currencySymbol = QStringLiteral("$");
    window = std::make_unique<Budget>(values, services, host);
    attach(*window);
}

void BudgetWindowTest::typeKeys(const QString& keys)
{
    QTest::keyClicks(QApplication::focusWidget(), keys);
}

void BudgetWindowTest::pressEnterKey()
{
    QWidget* focused = QApplication::focusWidget();
    QTest::keyClick(focused, Qt::Key_Return);
    // A button pressed by Enter is released, and so clicked, a moment later.
    if (auto* button = qobject_cast<QPushButton*>(focused)) {
        EXPECT_TRUE(QTest::qWaitFor([button] { return !button->isDown(); }));
    }
    QApplication::processEvents();
}

QString BudgetWindowTest::focusName() const
{
    const QWidget* focused = QApplication::focusWidget();
    return focused ? focused->objectName() : QString();
}

void BudgetWindowTest::typeRecord(const SideNames& side, const QString& description, const QString& amount,
                                  const QString& payments, const QString& budgeted)
{
    child<QWidget>(side.description)->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    for (const QString& keys : {description, amount, payments, budgeted}) {
        if (!keys.isEmpty())
            typeKeys(keys);
        pressEnterKey();
    }
    pressEnterKey();
}

QString BudgetWindowTest::cell(const char* gridName, int row, int column) const
{
    return static_cast<BudgetGridModel*>(child<Grid>(gridName)->gridModel())->cellText(row, column);
}

int BudgetWindowTest::gridRows(const char* gridName) const
{
    return child<Grid>(gridName)->gridModel()->rows();
}

void BudgetWindowTest::clickRow(const char* gridName, int row)
{
    Grid* grid = child<Grid>(gridName);
    const QRect cell = grid->visualRect(grid->model()->index(row - 1, BudgetGridModel::Description));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    QApplication::processEvents();
}

} // namespace tallyvane::testing
