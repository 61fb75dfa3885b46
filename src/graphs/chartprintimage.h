// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphs/chartkind.h"
#include "graphs/graphseries.h"
#include "shell/printing/imageprintout.h"

namespace tallyvane {

// The chart as it prints: drawn afresh off screen at its printed size of
// 9,530 by 5,900 twips, with three times a screen's detail, so the printout
// does not depend on how large the window is; in grey tones unless it is
// printed in colour.
ImagePrintout chartPrintout(ChartKind kind, const GraphSeries& series, const QString& currencySymbol,
                            bool colour);

} // namespace tallyvane
