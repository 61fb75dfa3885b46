// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The printed comparison of two offers: one page with both offers' inputs,
// the compared figures with B - A, and the cheaper offer in words. It follows
// the schedule's pages of a printout when a comparison is open, and is
// printed alone by the calculator. It is set in the printout's font and
// follows the same page rules as the schedule.

#include "core/report/printout.h"
#include "core/report/report.h"
#include "core/report/reportwriter.h"
#include "mortgage/offercomparison.h"

namespace tallyvane {

// Prints the page from the writer's current line on.
void printComparisonPage(ReportWriter& writer, const OfferComparison& comparison,
                         const PrintoutSettings& settings);
// The comparison page alone, under the printout's header line.
Report comparisonPrintout(const OfferComparison& comparison, const PrintoutSettings& settings);

} // namespace tallyvane
