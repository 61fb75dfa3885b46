// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/csvtable.h"
#include "savings/savingsfrequency.h"
#include "savings/savingsresult.h"

namespace tallyvane {

// The calculated table in the calculator's columns: period, the year the
// period closes (empty when it closes none), invested, interest and value,
// then the totals row; figures rounded as the grid shows them.
CsvTable savingsCsvTable(const SavingsResult& result, SavingsFrequency frequency);

} // namespace tallyvane
