// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The printed net worth statement: the header line, the title, the assets
// and the liabilities side by side with names cut to 25 characters, both
// totals and the net worth. It prints the tables as they stand, rows 1 to the
// larger of the two counts of the last Calculate, so a row typed since then
// prints where it was typed. The longest statement (30 rows) fits one page in
// every printer font, so it never breaks a page.

#include "core/report/printout.h"
#include "core/report/report.h"
#include "networth/networthsheet.h"

namespace tallyvane {

Report netWorthPrintout(const NetWorthSheet& sheet, const PrintoutSettings& settings);

} // namespace tallyvane
