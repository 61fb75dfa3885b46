// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/printing/reportpainter.h"

#include "core/safefile.h"
#include "shell/printing/reportpagelayout.h"

#include <QBuffer>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

namespace tallyvane {
namespace {

void paintPage(QPainter& painter, const ReportPage& page, const ReportPageLayout& layout,
               double pixelsPerPoint)
{
    for (std::size_t line = 0; line < page.lines.size(); ++line) {
        for (const ReportItem& item : page.lines[line].items) {
            // Leading blanks only pad a field; the text is placed where it shows.
            qsizetype blanks = 0;
            while (blanks < item.text.size() && item.text[blanks] == u' ')
                ++blanks;
            if (blanks == item.text.size())
                continue;
            const QPointF at =
                layout.position(static_cast<int>(line), item.column + static_cast<int>(blanks));
            painter.drawText(at * pixelsPerPoint, item.text.mid(blanks));
        }
    }
}

} // namespace

bool paintReport(const Report& report, QPagedPaintDevice& device)
{
    std::vector<int> every(report.pages.size());
    for (std::size_t page = 0; page < every.size(); ++page)
        every[page] = static_cast<int>(page);
    return paintReportPages(report, device, every);
}

bool paintReportPages(const Report& report, QPagedPaintDevice& device, const std::vector<int>& order)
{
    const ReportPageLayout layout = reportPageLayout(report, device);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    paintFromPaperCorner(painter, device);
    QFont font = layout.font;
    font.setPointSizeF(font.pointSizeF() * layout.scale);
    painter.setFont(font);
    painter.setPen(Qt::black);

    for (std::size_t at = 0; at < order.size(); ++at) {
        if (at > 0 && !device.newPage())
            return false;
        paintPage(painter, report.pages.at(static_cast<std::size_t>(order[at])), layout, pixelsPerPoint(device));
    }
    return painter.end();
}

QPageSize defaultPaperSize()
{
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize(QPageSize::Letter)
                                                                              : QPageSize(QPageSize::A4);
}

QByteArray paintedPdf(const QPageSize& paper, const std::function<bool(QPagedPaintDevice&)>& paint,
                      const QString& title)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("Tallyvane"));
        writer.setTitle(title);
        writer.setPageLayout(QPageLayout(paper, QPageLayout::Portrait, QMarginsF()));
        if (!paint(writer))
            return QByteArray();
    }
    return buffer.data();
}

QByteArray reportPdf(const Report& report, const QPageSize& paper, const PrintRun& run)
{
    const std::vector<int> order = paintedPageOrder(static_cast<int>(report.pages.size()), run);
    return paintedPdf(
        paper, [&](QPagedPaintDevice& device) { return paintReportPages(report, device, order); }, report.jobName);
}

SaveOutcome savePdfFile(const QString& path, const QByteArray& pdf)
{
    if (pdf.isEmpty())
        return {SaveFailure::Other};
    return saveFileWithOutcome(path, pdf);
}

SaveOutcome saveReportPdf(const Report& report, const QString& path, const QPageSize& paper, const PrintRun& run)
{
    return savePdfFile(path, reportPdf(report, paper, run));
}

} // namespace tallyvane
