// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "budget/displayperiod.h"
#include "core/money.h"

#include <QString>

namespace tallyvane {

// An annual figure converted to `period` and rounded to the cent, as shown
// and printed.
double periodFigure(Money annualValue, const DisplayPeriod& period);

// The figure in the budget's format "###,,###.00" (0.5 shows as ".50"),
// behind `prefix` (the currency symbol of the net balances), right-aligned in
// `width` characters. A figure too wide for its field is shown whole rather
// than losing digits.
QString formatFigure(double value, int width, const QString& prefix = QString());

} // namespace tallyvane
