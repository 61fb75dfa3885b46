// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/csvtable.h"
#include "mortgage/amortizationresult.h"

namespace tallyvane {

// The rows of the table in the view calculated, in the calculator's columns:
// row, year, date (ISO form), interest, principal, balance and both running
// totals; figures rounded as the grid shows them.
CsvTable mortgageCsvTable(const AmortizationResult& result);

} // namespace tallyvane
