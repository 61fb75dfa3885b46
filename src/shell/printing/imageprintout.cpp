#include "shell/printing/imageprintout.h"

#include "core/safefile.h"
#include "shell/printing/reportpainter.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

namespace tallyvane {
namespace {

constexpr double PointsPerInch = 72.0;
constexpr double TopMarginPoints = 72.0;

} // namespace

bool paintImagePrintout(const ImagePrintout& printout, QPagedPaintDevice& device)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    // The painter starts at the printable area; the picture is placed on the paper.
    const double pixelsPerPoint = device.logicalDpiY() / PointsPerInch;
    QPageLayout paper = device.pageLayout();
    paper.setUnits(QPageLayout::Point);
    painter.translate(-paper.paintRect().topLeft() * pixelsPerPoint);
    const QSizeF size = printout.printedSize * pixelsPerPoint;
    const double left = (paper.fullRect().width() * pixelsPerPoint - size.width()) / 2;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(QPointF(left, TopMarginPoints * pixelsPerPoint), size), printout.image);
    return painter.end();
}

QByteArray imagePrintoutPdf(const ImagePrintout& printout, const QPageSize& paper)
{
    return paintedPdf(
        paper, [&printout](QPagedPaintDevice& device) { return paintImagePrintout(printout, device); });
}

bool saveImagePrintoutPdf(const ImagePrintout& printout, const QString& path, const QPageSize& paper)
{
    const QByteArray pdf = imagePrintoutPdf(printout, paper);
    return !pdf.isEmpty() && saveFileSafely(path, pdf);
}

} // namespace tallyvane
