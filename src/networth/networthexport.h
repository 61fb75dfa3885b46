// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/csvtable.h"
#include "networth/networthsheet.h"

namespace tallyvane {

// Both sides as last calculated, a row per named line, then both totals and
// the net worth, in the calculator's columns: side, name, value. Figures are
// rounded to the cent as the grids show them; a line without a figure leaves
// its value empty. Throws PlannerError when a typed figure leaves the money
// range.
CsvTable netWorthCsvTable(const NetWorthSheet& sheet);

} // namespace tallyvane
