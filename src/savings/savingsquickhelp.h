// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tallyvane {

// The savings window's quick help: the inputs of five worked examples side by
// side, what each shows, and how to handle plans that change over the years.
QString savingsQuickHelp(const QString& currencySymbol);

} // namespace tallyvane
