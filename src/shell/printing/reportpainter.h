// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Printing a report: the core builds a Report once; this paints it on any
// paged device, one device page per report page, in the layout that
// reportPageLayout() computes for that device. A QPrinter (a printer or a
// PDF file), a QPdfWriter and the printer that a print preview hands to its
// paintRequested signal all go through paintReport(), so the preview shows
// the pages exactly as they print.

#include "core/report/report.h"
#include "core/savefailure.h"
#include "shell/printing/printrun.h"

#include <QByteArray>
#include <QPageSize>
#include <QString>

#include <functional>
#include <vector>

class QPagedPaintDevice;

namespace tallyvane {

// Paints every page of the report; false when the device could not be
// painted on (a printer that refused the job).
bool paintReport(const Report& report, QPagedPaintDevice& device);
// Paints the report's pages of `order` (counted from 0), one device page each.
bool paintReportPages(const Report& report, QPagedPaintDevice& device, const std::vector<int>& order);

// The paper where no printer says otherwise: Letter where the system's
// measurements are American, A4 elsewhere.
QPageSize defaultPaperSize();

// A PDF document on portrait paper of `paper` size, painted by `paint`, with
// `title` as its title; empty when painting failed.
QByteArray paintedPdf(const QPageSize& paper, const std::function<bool(QPagedPaintDevice&)>& paint,
                      const QString& title = QString());

// The report as a PDF document on portrait paper of `paper` size, with the
// pages and copies of `run`.
QByteArray reportPdf(const Report& report, const QPageSize& paper = defaultPaperSize(), const PrintRun& run = {});
// Writes a painted PDF document to `path` through saveFileSafely; false, with
// the reason, when the file could not be written or painting had failed.
SaveOutcome savePdfFile(const QString& path, const QByteArray& pdf);
// Writes reportPdf() to `path` through savePdfFile.
SaveOutcome saveReportPdf(const Report& report, const QString& path,
                          const QPageSize& paper = defaultPaperSize(), const PrintRun& run = {});

} // namespace tallyvane
