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

bool paintImagePrintout(const ImagePrintout& printout, QPagedPaintDevice& device)
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
    painter.drawImage(QRectF(QPointF(left, TopMarginPoints * scale), size), printout.image);
    return painter.end();
}

QByteArray imagePrintoutPdf(const ImagePrintout& printout, const QPageSize& paper)
{
    return paintedPdf(
        paper, [&printout](QPagedPaintDevice& device) { return paintImagePrintout(printout, device); });
}

SaveOutcome saveImagePrintoutPdf(const ImagePrintout& printout, const QString& path, const QPageSize& paper)
{
    return savePdfFile(path, imagePrintoutPdf(printout, paper));
}

} // namespace tallyvane
