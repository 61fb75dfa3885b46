// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The print preview every printout opens in: the pages as they will print,
// zoom, page set-up, printing on any installed printer through the system
// print dialog, and saving the pages as a PDF file.

#include "core/report/report.h"
#include "core/savefailure.h"
#include "shell/printing/printrun.h"

#include <QPageSize>
#include <QString>

#include <functional>

class QPrinter;
class QWidget;

namespace tallyvane {

struct ImagePrintout;

// Paints the printout on a printer, a PDF file or the preview's pages.
using PagePainter = std::function<void(QPrinter& device)>;
// Writes the printout as a PDF file on paper of that size: the pages and
// copies of `run` (a PDF saved from the preview holds every page once).
using PdfSaver = std::function<SaveOutcome(const QString& path, const QPageSize& paper, const PrintRun& run)>;

// Prints on the printer the system print dialog set up. A printer that would
// write into a file (Qt's "Print to File (PDF)", or a file a driver asks for)
// never opens it itself: the file is written by `save`, as "Save PDF..."
// writes one, so a failure keeps the earlier file and is shown over `parent`
// with its reason; it holds the pages and copies the dialog chose.
void printOnPrinter(QPrinter& printer, const PagePainter& paint, const PdfSaver& save, QWidget* parent);

// Shows the preview modally over `parent`.
void showReportPreview(const Report& report, QWidget* parent);
void showImagePreview(const ImagePrintout& printout, QWidget* parent);

} // namespace tallyvane
