// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The chart options of the commands whose planner has a graph (savings,
// mortgage, loan). A command adds them with withChartOptions(), reads them
// with readChartRequest() and hands its calculation's graph series to
// writeChart():
//   --chart FILE.png|FILE.pdf   the graph window's chart as a picture or a
//                               one-page PDF, chosen by the file's extension
//   --chart-kind 2d|3d          flat or solid bars (2d)
//   --grey                      in grey tones, as the black-and-white printout
// Drawing needs a GUI application (fonts); the calculator starts one for it.

#include "cli/commandoptions.h"
#include "graphs/chartkind.h"
#include "graphs/graphseries.h"

#include <QStringList>

#include <optional>
#include <ostream>

namespace tallyvane::cli {

struct ChartRequest
{
    QString path;
    ChartKind kind = ChartKind::Flat;
    bool colour = true;
};

QStringList withChartOptions(QStringList knownOptions);
// Options that take no value.
QStringList chartSwitches();
// Throws UsageError for a file that is neither .png nor .pdf or a wrong kind.
std::optional<ChartRequest> readChartRequest(const CommandOptions& options);
const char* chartUsage();

// The series of the calculation that `values` holds, as the graph window
// would load it: a calculation with nothing to graph answers message 2.
int writeChart(const ChartRequest& request, SharedValues& values, std::ostream& err);

} // namespace tallyvane::cli
