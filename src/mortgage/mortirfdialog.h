// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mortgage/mortgagewindowstate.h"
#include "shell/dialogs/shareddialog.h"

namespace tallyvane {

// Lets the user choose how many days the year has, which sets the rate
// periods per year of the two-weekly and weekly payments.
class MortIRFTable : public SharedDialog
{
    Q_OBJECT

public:
    MortIRFTable(MortgageWindowState& state, SharedValues& values, QWidget* parent);
};

} // namespace tallyvane
