// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The options of every command that has a printout. A command adds them to
// its known options with withPrintoutOptions(), reads them with
// readCommandOutput() in place of outputFormat(), and hands its printout to
// writePrintout():
//   --print FILE.pdf   the printout as a PDF file
//   --header TEXT      the printout's header line (empty)
//   --font 0|1|2|3     the printer font (the settings' choice beside the
//                      program, as the planner window reads it)
//   --format report    the printout as plain text on standard output
// With --print (or --chart) alone nothing else is written to standard output.

#include "cli/commandoptions.h"
#include "core/report/printout.h"
#include "core/report/report.h"
#include "core/sharedvalues.h"

#include <QStringList>

#include <functional>
#include <optional>
#include <ostream>

namespace tallyvane::cli {

struct PrintoutRequest
{
    PrintoutSettings settings;
    std::optional<QString> pdfPath; // --print
    bool asText = false;            // --format report
};

struct CommandOutput
{
    std::optional<OutputFormat> format;      // the report on standard output, if any
    std::optional<PrintoutRequest> printout; // when --print or --format report asks for it
};

// The settings the planner window would print with: the user's, else those
// beside the program, or the defaults without either.
SharedValues programSettings();

QStringList withPrintoutOptions(QStringList knownOptions);
CommandOutput readCommandOutput(const CommandOptions& options);
// The usage lines of the printout options, --format included.
const char* printoutUsage();

// Builds the printout and writes it as asked. A printout the builder refuses,
// or a PDF that cannot be written, answers ExitCalculationFailed.
int writePrintout(const PrintoutRequest& request, const std::function<Report(const PrintoutSettings&)>& build,
                  std::ostream& out, std::ostream& err);

// Whether the command line asks for a PDF or a chart, which need a GUI
// application for their fonts; the calculator creates one only then, so that
// it starts fast otherwise. Call before any application object exists.
bool needsFonts(const QStringList& arguments);
// The calculator never shows a window: its GUI application runs on the
// offscreen platform unless QT_QPA_PLATFORM chooses another.
void paintWithoutDisplay();

} // namespace tallyvane::cli
