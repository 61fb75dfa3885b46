// SPDX-License-Identifier: GPL-3.0-or-later
#include "mortgagewindowdriver.h"

#include "core/dates.h"
#include "mortgage/mortgagegridmodel.h"
#include "shell/grid/grid.h"

namespace tallyvane::testing {

void MortgageWindowTest::open(LoanKind kind)
{
    values.currencySymbol = QStringLiteral("$");
    values.todayText = shortDateText(QDate(2026, 3, 15));
    values.loanKind = static_cast<std::int16_t>(kind);
    window = std::make_unique<MortgageCalc>(values, services, host);
    attach(*window);
}

MortgageGridModel* MortgageWindowTest::gridModel() const
{
    return static_cast<MortgageGridModel*>(grid()->gridModel());
}

Grid* MortgageWindowTest::grid() const
{
    return child<Grid>("MGrid");
}

QString MortgageWindowTest::cell(int row, int column) const
{
    return gridModel()->text(row, column);
}

void MortgageWindowTest::chooseAllPayments()
{
    clickChild(*window, "Option1");
}

} // namespace tallyvane::testing
