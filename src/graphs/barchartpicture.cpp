// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphs/barchartpicture.h"

#include "shell/plannerstyle.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>

#include <algorithm>

namespace tallyvane {
namespace {

constexpr double Margin = 10.0;
constexpr double LabelGap = 6.0;
// How far the solid chart recedes, as a share of a bar's room, and its bounds.
constexpr double DepthShare = 0.35;
constexpr double LeastDepth = 3.0;
constexpr double MostDepth = 24.0;
constexpr int TopShade = 120;
constexpr int SideShade = 150;
constexpr int EdgeShade = 190;

constexpr int PrintedWidthTwips = 9530;
constexpr int PrintedHeightTwips = 5900;
constexpr double TwipsPerPoint = 20.0;
constexpr double TwipsPerInch = 1440.0;
// Charts are laid out in pixels of a 96 dpi screen.
constexpr double ScreenDotsPerInch = 96.0;
constexpr double PrintDetail = 3.0;

QPolygonF quad(QPointF a, QPointF b, QPointF c, QPointF d)
{
    return QPolygonF({a, b, c, d});
}

} // namespace

BarChartPicture::BarChartPicture(ChartKind kind, const GraphSeries& series, const QString& currencySymbol,
                                 const QFont& font)
    : m_kind(kind), m_series(series), m_currencySymbol(currencySymbol), m_font(font),
      m_scale(valueScaleFor(series.points))
{
}

QFont BarChartPicture::titleFont() const
{
    QFont bold = m_font;
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * PlannerStyle::ChartTitleScale);
    return bold;
}

QFont BarChartPicture::labelFont(const PointLabelFit& fit) const
{
    QFont labels = m_font;
    labels.setPointSizeF(m_font.pointSizeF() * fit.scale);
    return labels;
}

double BarChartPicture::Layout::yOf(double value, const ValueScale& scale) const
{
    return front.bottom() - (value - scale.low) / (scale.high - scale.low) * front.height();
}

BarChartPicture::Layout BarChartPicture::layout(const QRectF& area) const
{
    const QFontMetricsF metrics(m_font);
    double axisWidth = 0.0;
    for (const double tick : m_scale.ticks())
        axisWidth = std::max(axisWidth, metrics.horizontalAdvance(axisLabel(tick, m_currencySymbol)));
    double widestPoint = 0.0;
    for (const GraphPoint& point : m_series.points)
        widestPoint = std::max(widestPoint, metrics.horizontalAdvance(pointLabel(point)));

    Layout layout;
    const double titleHeight = QFontMetricsF(titleFont()).height() * 1.6;
    layout.title = QRectF(area.left() + Margin, area.top() + Margin, area.width() - 2 * Margin, titleHeight);
    const double left = area.left() + Margin + axisWidth + LabelGap;
    const double right = area.right() - Margin;
    const auto count = static_cast<double>(std::max<std::size_t>(1, m_series.points.size()));
    if (m_kind == ChartKind::Solid)
        layout.depth = std::clamp((right - left) / count * DepthShare, LeastDepth, MostDepth);
    layout.slot = (right - layout.depth - left) / count;
    layout.labels = fitPointLabels(layout.slot, widestPoint, metrics.height());
    layout.labelDepth = (layout.labels.turned ? widestPoint : metrics.height()) * layout.labels.scale;
    const double bottom = area.bottom() - Margin - layout.labelDepth - LabelGap;
    const double top = layout.title.bottom() + metrics.height() / 2;
    layout.front = QRectF(QPointF(left, top + layout.depth), QPointF(right - layout.depth, bottom));
    return layout;
}

BarChartPicture::Bar BarChartPicture::bar(const Layout& layout, int index) const
{
    const double value = m_series.points.at(static_cast<std::size_t>(index)).value.toDouble();
    const double width = layout.slot * PlannerStyle::ChartBarWidth;
    const double left = layout.front.left() + index * layout.slot + (layout.slot - width) / 2;
    const double top = std::min(layout.yOf(value, m_scale), layout.yOf(0.0, m_scale));
    const double bottom = std::max(layout.yOf(value, m_scale), layout.yOf(0.0, m_scale));
    const QPointF back(layout.depth, -layout.depth);
    Bar bar;
    bar.front = QRectF(QPointF(left, top), QPointF(left + width, bottom));
    bar.top = quad(bar.front.topLeft(), bar.front.topLeft() + back, bar.front.topRight() + back,
                   bar.front.topRight());
    bar.side = quad(bar.front.topRight(), bar.front.topRight() + back, bar.front.bottomRight() + back,
                    bar.front.bottomRight());
    return bar;
}

BarChartPicture::Bar BarChartPicture::bar(const QRectF& area, int index) const
{
    return bar(layout(area), index);
}

int BarChartPicture::barAt(const QRectF& area, QPointF at) const
{
    const Layout shape = layout(area);
    for (int index = 0; index < static_cast<int>(m_series.points.size()); ++index) {
        const Bar solid = bar(shape, index);
        if (solid.front.contains(at) || solid.top.containsPoint(at, Qt::OddEvenFill) ||
            solid.side.containsPoint(at, Qt::OddEvenFill))
            return index;
    }
    return -1;
}

QFont BarChartPicture::pointLabelFont(const QRectF& area) const
{
    return labelFont(layout(area).labels);
}

PointLabelRow BarChartPicture::labelRow(const Layout& layout) const
{
    PointLabelRow row{.texts = {},
                      .middles = {},
                      .top = layout.front.bottom() + LabelGap / 2,
                      .turned = layout.labels.turned,
                      .font = labelFont(layout.labels)};
    for (std::size_t index = 0; index < m_series.points.size(); ++index) {
        row.texts.push_back(pointLabel(m_series.points[index]));
        row.middles.push_back(layout.front.left() + (static_cast<double>(index) + 0.5) * layout.slot);
    }
    return row;
}

std::vector<QRectF> BarChartPicture::pointLabelBoxes(const QRectF& area) const
{
    return tallyvane::pointLabelBoxes(labelRow(layout(area)));
}

void BarChartPicture::paint(QPainter& painter, const QRectF& area) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const Layout shape = layout(area);
    painter.setFont(titleFont());
    painter.setPen(PlannerStyle::ChartText);
    painter.drawText(shape.title, Qt::AlignCenter, m_series.title);
    painter.setFont(m_font);
    paintWalls(painter, shape);
    paintPointLabels(painter, labelRow(shape));
    paintBars(painter, shape);
    painter.restore();
}

// The back wall and the floor (only the plot's background on a flat chart),
// and the value axis's lines running along both from its labels.
void BarChartPicture::paintWalls(QPainter& painter, const Layout& layout) const
{
    const QRectF& front = layout.front;
    const QPointF back(layout.depth, -layout.depth);
    painter.setPen(QPen(PlannerStyle::ChartGrid, 0));
    painter.setBrush(PlannerStyle::ChartWall);
    painter.drawPolygon(quad(front.topLeft() + back, front.topRight() + back, front.bottomRight() + back,
                             front.bottomLeft() + back));
    const QPointF floorLeft(front.left(), layout.yOf(std::max(0.0, m_scale.low), m_scale));
    const QPointF floorRight(front.right(), floorLeft.y());
    if (m_kind == ChartKind::Solid) {
        painter.drawPolygon(
            quad(front.topLeft(), front.topLeft() + back, front.bottomLeft() + back, front.bottomLeft()));
        painter.setBrush(PlannerStyle::ChartFloor);
        painter.drawPolygon(quad(floorLeft, floorLeft + back, floorRight + back, floorRight));
    }

    const QFontMetricsF metrics(m_font);
    for (const double tick : m_scale.ticks()) {
        const QPointF at(front.left(), layout.yOf(tick, m_scale));
        painter.setPen(QPen(PlannerStyle::ChartGrid, 0));
        painter.drawPolyline(QPolygonF({at, at + back, QPointF(front.right(), at.y()) + back}));
        painter.setPen(PlannerStyle::ChartText);
        const QRectF label(0, at.y() - metrics.height() / 2, at.x() - LabelGap, metrics.height());
        painter.drawText(label, Qt::AlignRight | Qt::AlignVCenter, axisLabel(tick, m_currencySymbol));
    }
    if (m_kind == ChartKind::Flat) {
        painter.setPen(QPen(PlannerStyle::ChartText, 0));
        painter.drawLine(floorLeft, floorRight);
    }
}

// Left to right, so each bar's side is drawn before its neighbour's front.
void BarChartPicture::paintBars(QPainter& painter, const Layout& layout) const
{
    const QColor face = PlannerStyle::ChartBar;
    painter.setPen(QPen(face.darker(EdgeShade), 0));
    for (int index = 0; index < static_cast<int>(m_series.points.size()); ++index) {
        const Bar solid = bar(layout, index);
        if (m_kind == ChartKind::Solid) {
            painter.setBrush(face.darker(SideShade));
            painter.drawPolygon(solid.side);
            painter.setBrush(face.darker(TopShade));
            painter.drawPolygon(solid.top);
        }
        painter.setBrush(face);
        painter.drawRect(solid.front);
    }
}

std::vector<QRectF> pointLabelBoxes(const PointLabelRow& row)
{
    const QFontMetricsF metrics(row.font);
    std::vector<QRectF> boxes;
    for (std::size_t index = 0; index < row.texts.size(); ++index) {
        const double length = metrics.horizontalAdvance(row.texts[index]);
        const double middle = row.middles[index];
        if (row.turned)
            boxes.emplace_back(middle - metrics.height() / 2, row.top, metrics.height(), length);
        else
            boxes.emplace_back(middle - length / 2, row.top, length, metrics.height());
    }
    return boxes;
}

void paintPointLabels(QPainter& painter, const PointLabelRow& row)
{
    painter.save();
    painter.setFont(row.font);
    painter.setPen(PlannerStyle::ChartText);
    const std::vector<QRectF> boxes = pointLabelBoxes(row);
    for (std::size_t index = 0; index < boxes.size(); ++index) {
        const QRectF& box = boxes[index];
        if (!row.turned) {
            painter.drawText(box, Qt::AlignCenter | Qt::TextDontClip, row.texts[index]);
            continue;
        }
        painter.save();
        painter.translate(box.center());
        painter.rotate(-90);
        const QRectF upright(-box.height() / 2, -box.width() / 2, box.height(), box.width());
        painter.drawText(upright, Qt::AlignCenter | Qt::TextDontClip, row.texts[index]);
        painter.restore();
    }
    painter.restore();
}

QSizeF chartPrintedSize()
{
    return {PrintedWidthTwips / TwipsPerPoint, PrintedHeightTwips / TwipsPerPoint};
}

QImage chartPrintImage(const std::function<void(QPainter&, const QRectF&)>& paint, bool colour)
{
    const QSize size(qRound(PrintedWidthTwips / TwipsPerInch * ScreenDotsPerInch),
                     qRound(PrintedHeightTwips / TwipsPerInch * ScreenDotsPerInch));
    QImage image(size * PrintDetail, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(PrintDetail);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        paint(painter, QRectF(QPointF(0, 0), size));
    }
    return colour ? image : image.convertToFormat(QImage::Format_Grayscale8);
}

ImagePrintout chartPicturePrintout(ChartKind kind, const GraphSeries& series, const QString& currencySymbol,
                                   bool colour)
{
    const BarChartPicture picture(kind, series, currencySymbol, QGuiApplication::font());
    const QImage image = chartPrintImage(
        [&picture](QPainter& painter, const QRectF& area) { picture.paint(painter, area); }, colour);
    return {.image = image, .printedSize = chartPrintedSize()};
}

} // namespace tallyvane
