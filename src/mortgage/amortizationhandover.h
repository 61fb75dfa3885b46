// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/sharedvalues.h"
#include "mortgage/amortizationinput.h"
#include "mortgage/amortizationresult.h"

namespace tallyvane {

// Leaves a successful calculation where the grid, the printout and the graph
// window read it: the result table, payments per year, years to the final
// payment, the view, the graph's point count and title, and the principal.
void handOverResults(const AmortizationInput& input, const AmortizationResult& result, SharedValues& shared);

} // namespace tallyvane
