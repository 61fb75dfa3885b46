// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/money.h"
#include "mortgage/mortgagewindowstate.h"
#include "shell/dialogs/shareddialog.h"

#include <QString>

class QPushButton;

namespace tallyvane {

class GreenBox;
class Grid;
class PrePayGridModel;
class UiServices;

// The additional-payments dialog: an amount paid at the start of chosen
// years, typed key by key into the amount column of a year grid, and a
// percentage by which every payment is raised. Amounts go straight into the
// window's table as they are typed; closing the dialog recounts the years
// that have one.
class MortPrePay : public SharedDialog
{
    Q_OBJECT

public:
    MortPrePay(MortgageWindowState& state, Money termYears, SharedValues& values, UiServices& services,
               QWidget* parent);

    void done(int result) override;

private:
    int typeKey(int keyCode);
    void setRowAmount(int row, Money amount);
    void storeIncrease();
    void showIncrease(Money percent);
    void eraseAll();

    MortgageWindowState& m_state;
    UiServices& m_services;
    int m_yearRows;
    PrePayGridModel* m_model;
    Grid* m_grid;
    GreenBox* m_percent;
    QString m_typed; // the amount being typed into the current cell
};

} // namespace tallyvane
