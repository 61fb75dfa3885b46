// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/commandoptions.h"

#include "networth/networthsheet.h"

#include <ostream>

namespace tallyvane::cli {

// The statement of a calculated sheet: each side's rows, its total and the
// net worth, as a text table, CSV or JSON.
void writeNetWorthReport(const NetWorthSheet& sheet, OutputFormat format, std::ostream& out);

} // namespace tallyvane::cli
