#pragma once

// A printout that is one picture (a chart) rather than lines of text: the
// image is printed at a fixed size, centred across the top of the first page,
// on a printer, in a print preview or in a PDF file.

#include "core/savefailure.h"

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
};

// False when the device could not be painted on.
bool paintImagePrintout(const ImagePrintout& printout, QPagedPaintDevice& device);
// The printout as a one-page PDF document on portrait paper of `paper` size.
QByteArray imagePrintoutPdf(const ImagePrintout& printout, const QPageSize& paper);
// Writes imagePrintoutPdf() to `path` through savePdfFile.
SaveOutcome saveImagePrintoutPdf(const ImagePrintout& printout, const QString& path, const QPageSize& paper);

} // namespace tallyvane
