// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/printing/imageprintout.h"

#include "core/safefile.h"
#include "shell/printing/reportpagelayout.h"
#include "shell/printing/reportpainter.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

namespace tallyvane {
namespace {

constexpr double TopMarginPoints = 72.0;

} // namespace

bool paintImagePrintout(const ImagePrintout& printout, QPagedPaintDevice& device, int copies)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    // The picture is placed on the paper, centred across it.
    paintFromPaperCorner(painter, device);
    const double scale = pixelsPerPoint(device);
    const QSizeF size = printout.printedSize * scale;
    const double left = (device.pageLayout().fullRect(QPageLayout::Point).width() * scale - size.width()) / 2;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int copy = 0; copy < copies; ++copy) {
        if (copy > 0 && !device.newPage())
            return false;
        painter.drawImage(QRectF(QPointF(left, TopMarginPoints * scale), size), printout.image);
    }
    return painter.end();
}

QByteArray imagePrintoutPdf(const ImagePrintout& printout, const QPageSize& paper, const PrintRun& run)
{
    const int copies = static_cast<int>(paintedPageOrder(1, run).size());
    return paintedPdf(
        paper, [&](QPagedPaintDevice& device) { return paintImagePrintout(printout, device, copies); },
        printout.jobName);
}

SaveOutcome saveImagePrintoutPdf(const ImagePrintout& printout, const QString& path, const QPageSize& paper,
                                 const PrintRun& run)
{
    return savePdfFile(path, imagePrintoutPdf(printout, paper, run));
}

} // namespace tallyvane
