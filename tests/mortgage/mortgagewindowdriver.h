// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Opens the mortgage or loan window for the shared planner-window driver.

#include "mortgage/amortizationinput.h"
#include "mortgage/mortgagewindow.h"
#include "plannerwindowdriver.h"

#include <memory>

namespace tallyvane {
class Grid;
class MortgageGridModel;
} // namespace tallyvane

namespace tallyvane::testing {

class MortgageWindowTest : public PlannerWindowTest
{
protected:
    void open(LoanKind kind);

    QString cell(int row, int column) const;
    MortgageGridModel* gridModel() const;
    Grid* grid() const;
    void chooseAllPayments();

    std::unique_ptr<MortgageCalc> window;
};

} // namespace tallyvane::testing
