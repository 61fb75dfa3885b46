// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphs/solidbarchart.h"

#include "shell/plannerstyle.h"
#include "shell/plannerwidgets.h"

#include <QHelpEvent>
#include <QPainter>

#include <algorithm>

namespace tallyvane {
namespace {

constexpr double Margin = 10.0;
constexpr double LabelGap = 6.0;
// How far the chart recedes, as a share of a bar's room, and its bounds.
constexpr double DepthShare = 0.35;
constexpr double LeastDepth = 3.0;
constexpr double MostDepth = 24.0;
constexpr int TopShade = 120;
constexpr int SideShade = 150;
constexpr int EdgeShade = 190;

QPolygonF quad(QPointF a, QPointF b, QPointF c, QPointF d)
{
    return QPolygonF({a, b, c, d});
}

} // namespace

SolidBarChart::SolidBarChart(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Bars3D"));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, PlannerStyle::ChartBackground);
    palette.setColor(QPalette::WindowText, PlannerStyle::ChartText);
    setPalette(palette);
}

void SolidBarChart::showSeries(const GraphSeries& series, const QString& currencySymbol)
{
    m_series = series;
    m_currencySymbol = currencySymbol;
    m_scale = valueScaleFor(series.points);
    update();
}

QSize SolidBarChart::sizeHint() const
{
    return {640, 400};
}

QSize SolidBarChart::minimumSizeHint() const
{
    return {240, 160};
}

QFont SolidBarChart::titleFont() const
{
    QFont bold = font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * PlannerStyle::ChartTitleScale);
    return bold;
}

double SolidBarChart::Layout::yOf(double value) const
{
    const double top = front.top();
    return front.bottom() - (value - valueLow) / (valueHigh - valueLow) * (front.bottom() - top);
}

SolidBarChart::Layout SolidBarChart::layout() const
{
    const QFontMetricsF metrics(font());
    double labelWidth = 0.0;
    for (const double tick : m_scale.ticks())
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(axisLabel(tick, m_currencySymbol)));

    Layout layout;
    layout.valueLow = m_scale.low;
    layout.valueHigh = m_scale.high;
    const double titleHeight = QFontMetricsF(titleFont()).height() * 1.6;
    layout.title = QRectF(Margin, Margin, width() - 2 * Margin, titleHeight);
    const double left = Margin + labelWidth + LabelGap;
    const double right = width() - Margin;
    const double bottom = height() - Margin - metrics.height() - LabelGap;
    const double top = layout.title.bottom() + metrics.height() / 2;
    const auto count = static_cast<double>(std::max<std::size_t>(1, m_series.points.size()));
    layout.depth = std::clamp((right - left) / count * DepthShare, LeastDepth, MostDepth);
    layout.front = QRectF(QPointF(left, top + layout.depth), QPointF(right - layout.depth, bottom));
    layout.slot = layout.front.width() / count;
    return layout;
}

SolidBarChart::Bar SolidBarChart::bar(const Layout& layout, int index) const
{
    const double value = m_series.points.at(static_cast<std::size_t>(index)).value.toDouble();
    const double width = layout.slot * PlannerStyle::ChartBarWidth;
    const double left = layout.front.left() + index * layout.slot + (layout.slot - width) / 2;
    const double top = std::min(layout.yOf(value), layout.yOf(0.0));
    const double bottom = std::max(layout.yOf(value), layout.yOf(0.0));
    const QPointF back(layout.depth, -layout.depth);
    Bar bar;
    bar.front = QRectF(QPointF(left, top), QPointF(left + width, bottom));
    bar.top = quad(bar.front.topLeft(), bar.front.topLeft() + back, bar.front.topRight() + back,
                   bar.front.topRight());
    bar.side = quad(bar.front.topRight(), bar.front.topRight() + back, bar.front.bottomRight() + back,
                    bar.front.bottomRight());
    return bar;
}

QRectF SolidBarChart::barFront(int index) const
{
    return bar(layout(), index).front;
}

QString SolidBarChart::toolTipAt(QPoint at) const
{
    const Layout shape = layout();
    for (int index = 0; index < static_cast<int>(m_series.points.size()); ++index) {
        const Bar solid = bar(shape, index);
        if (solid.front.contains(at) || solid.top.containsPoint(at, Qt::OddEvenFill) ||
            solid.side.containsPoint(at, Qt::OddEvenFill))
            return pointToolTip(m_series.points[static_cast<std::size_t>(index)], m_currencySymbol);
    }
    return {};
}

bool SolidBarChart::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    answerToolTip(*help, toolTipAt(help->pos()), this);
    return true;
}

void SolidBarChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const Layout shape = layout();
    painter.setFont(titleFont());
    painter.setPen(PlannerStyle::ChartText);
    painter.drawText(shape.title, Qt::AlignCenter, m_series.title);
    painter.setFont(font());
    paintWalls(painter, shape);
    paintBars(painter, shape);
}

// The back wall and the floor, the value axis's lines running along both
// from its labels, and the years under the bars.
void SolidBarChart::paintWalls(QPainter& painter, const Layout& layout) const
{
    const QRectF& front = layout.front;
    const QPointF back(layout.depth, -layout.depth);
    painter.setPen(QPen(PlannerStyle::ChartGrid, 0));
    painter.setBrush(PlannerStyle::ChartWall);
    painter.drawPolygon(quad(front.topLeft() + back, front.topRight() + back, front.bottomRight() + back,
                             front.bottomLeft() + back));
    painter.drawPolygon(
        quad(front.topLeft(), front.topLeft() + back, front.bottomLeft() + back, front.bottomLeft()));
    painter.setBrush(PlannerStyle::ChartFloor);
    const QPointF floorLeft(front.left(), layout.yOf(std::max(0.0, layout.valueLow)));
    const QPointF floorRight(front.right(), floorLeft.y());
    painter.drawPolygon(quad(floorLeft, floorLeft + back, floorRight + back, floorRight));

    const QFontMetricsF metrics(font());
    for (const double tick : m_scale.ticks()) {
        const QPointF at(front.left(), layout.yOf(tick));
        painter.setPen(QPen(PlannerStyle::ChartGrid, 0));
        painter.drawPolyline(QPolygonF({at, at + back, QPointF(front.right(), at.y()) + back}));
        painter.setPen(PlannerStyle::ChartText);
        const QRectF label(0, at.y() - metrics.height() / 2, at.x() - LabelGap, metrics.height());
        painter.drawText(label, Qt::AlignRight | Qt::AlignVCenter, axisLabel(tick, m_currencySymbol));
    }
    for (int index = 0; index < static_cast<int>(m_series.points.size()); ++index) {
        const QRectF under(front.left() + index * layout.slot, front.bottom() + LabelGap / 2, layout.slot,
                           metrics.height());
        painter.drawText(under, Qt::AlignHCenter | Qt::AlignTop,
                         pointLabel(m_series.points[static_cast<std::size_t>(index)]));
    }
}

// Left to right, so each bar's side is drawn before its neighbour's front.
void SolidBarChart::paintBars(QPainter& painter, const Layout& layout) const
{
    const QColor face = PlannerStyle::ChartBar;
    painter.setPen(QPen(face.darker(EdgeShade), 0));
    for (int index = 0; index < static_cast<int>(m_series.points.size()); ++index) {
        const Bar solid = bar(layout, index);
        painter.setBrush(face.darker(SideShade));
        painter.drawPolygon(solid.side);
        painter.setBrush(face.darker(TopShade));
        painter.drawPolygon(solid.top);
        painter.setBrush(face);
        painter.drawRect(solid.front);
    }
}

} // namespace tallyvane
