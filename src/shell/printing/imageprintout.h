// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A printout that is one picture (a chart) rather than lines of text: the
// image is printed at a fixed size, centred across the top of the first page,
// on a printer, in a print preview or in a PDF file.

#include "core/savefailure.h"
#include "shell/printing/printrun.h"

#include <QByteArray>
#include <QImage>
#include <QPageSize>
#include <QSizeF>
#include <QString>

class QPagedPaintDevice;

namespace tallyvane {

struct ImagePrintout
{
    QImage image;
    QSizeF printedSize; // in points
    QString jobName = {}; // the print job's name, see printJobName()
};

// Paints the picture on `copies` pages; false when the device could not be
// painted on.
bool paintImagePrintout(const ImagePrintout& printout, QPagedPaintDevice& device, int copies = 1);
// The printout as a PDF document on portrait paper of `paper` size, its one
// page as often as `run` asks (a blank page when `run` leaves it out).
QByteArray imagePrintoutPdf(const ImagePrintout& printout, const QPageSize& paper, const PrintRun& run = {});
// Writes imagePrintoutPdf() to `path` through savePdfFile.
SaveOutcome saveImagePrintoutPdf(const ImagePrintout& printout, const QString& path, const QPageSize& paper,
                                 const PrintRun& run = {});

} // namespace tallyvane
