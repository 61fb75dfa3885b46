// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphs/flatbarchart.h"

#include "graphs/charttexts.h"
#include "shell/plannerstyle.h"
#include "shell/tooltips.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QHelpEvent>

#include <algorithm>
#include <cmath>

namespace tallyvane {
namespace {

// The value axis's labels are written by the program's own format, so a
// negative step reads "-$200" as on the solid chart; a printf-like label
// format would write "$-200".
QCategoryAxis* moneyAxis(const ValueScale& scale, const QString& currencySymbol)
{
    auto* money = new QCategoryAxis;
    money->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    money->setRange(scale.low, scale.high);
    money->setStartValue(scale.low);
    for (const double tick : scale.ticks())
        money->append(axisLabel(tick, currencySymbol), tick);
    money->setGridLineColor(PlannerStyle::ChartGrid);
    return money;
}

} // namespace

FlatBarChart::FlatBarChart(QWidget* parent) : QChartView(parent)
{
    setObjectName(QStringLiteral("Bars2D"));
    setRenderHint(QPainter::Antialiasing);
    setFrameShape(QFrame::NoFrame);
    setBackgroundBrush(PlannerStyle::ChartBackground);
    setMinimumSize(240, 160);
}

void FlatBarChart::showSeries(const GraphSeries& series, const QString& currencySymbol)
{
    m_series = series;
    m_currencySymbol = currencySymbol;

    auto* chart = new QChart;
    chart->legend()->hide();
    chart->setBackgroundBrush(PlannerStyle::ChartBackground);
    chart->setBackgroundRoundness(0);
    chart->setTitle(series.title);
    QFont titleFont = font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * PlannerStyle::ChartTitleScale);
    chart->setTitleFont(titleFont);

    auto* values = new QBarSet(series.title);
    values->setColor(PlannerStyle::ChartBar);
    values->setBorderColor(PlannerStyle::ChartBar.darker(150));
    QStringList labels;
    for (const GraphPoint& point : series.points) {
        values->append(point.value.toDouble());
        labels << pointLabel(point);
    }
    m_bars = new QBarSeries;
    m_bars->setBarWidth(PlannerStyle::ChartBarWidth);
    m_bars->append(values);
    chart->addSeries(m_bars);

    m_years = new QBarCategoryAxis;
    m_years->append(labels);
    m_years->setGridLineVisible(false);
    m_years->setTruncateLabels(false);
    // The axis keeps the room its labels take; the labels themselves are
    // written by the rule the solid chart uses (see drawForeground), since
    // the axis would drop the first and last of narrow turned labels.
    m_years->setLabelsColor(Qt::transparent);
    chart->addAxis(m_years, Qt::AlignBottom);
    m_bars->attachAxis(m_years);

    QCategoryAxis* money = moneyAxis(valueScaleFor(series.points), currencySymbol);
    chart->addAxis(money, Qt::AlignLeft);
    m_bars->attachAxis(money);

    QChart* previous = this->chart();
    setChart(chart);
    delete previous;
    connect(chart, &QChart::plotAreaChanged, this, &FlatBarChart::fitYearLabels);
    fitYearLabels();
}

// Every bar keeps its year: smaller type, then turned labels, as the bars
// narrow. The plot's width hardly changes with the labels' form, so fitting
// again when the plot area moves settles at once.
void FlatBarChart::fitYearLabels()
{
    if (!m_years || m_series.points.empty())
        return;
    const QRectF plot = chart()->plotArea();
    const double width = plot.width() > 0 ? plot.width() : viewport()->width();
    const double slot = width / static_cast<double>(m_series.points.size());
    const QFontMetricsF metrics(font());
    double widest = 0.0;
    for (const GraphPoint& point : m_series.points)
        widest = std::max(widest, metrics.horizontalAdvance(pointLabel(point)));
    m_labelFit = fitPointLabels(slot, widest, metrics.height());
    m_labelFont = font();
    m_labelFont.setPointSizeF(font().pointSizeF() * m_labelFit.scale);
    const int angle = m_labelFit.turned ? -90 : 0;
    if (m_years->labelsFont() != m_labelFont)
        m_years->setLabelsFont(m_labelFont);
    if (m_years->labelsAngle() != angle)
        m_years->setLabelsAngle(angle);
}

// In scene coordinates, under the plot.
PointLabelRow FlatBarChart::yearLabelRow() const
{
    constexpr double LabelGap = 4.0;
    PointLabelRow row{.texts = {},
                      .middles = {},
                      .top = chart()->plotArea().bottom() + LabelGap,
                      .turned = m_labelFit.turned,
                      .font = m_labelFont};
    if (!m_bars)
        return row;
    for (std::size_t index = 0; index < m_series.points.size(); ++index) {
        row.texts.push_back(pointLabel(m_series.points[index]));
        row.middles.push_back(
            chart()->mapToScene(chart()->mapToPosition(QPointF(static_cast<double>(index), 0), m_bars)).x());
    }
    return row;
}

std::vector<QRectF> FlatBarChart::yearLabelBoxes() const
{
    std::vector<QRectF> boxes;
    for (const QRectF& box : pointLabelBoxes(yearLabelRow()))
        boxes.push_back(mapFromScene(box).boundingRect());
    return boxes;
}

void FlatBarChart::drawForeground(QPainter* painter, const QRectF& rect)
{
    QChartView::drawForeground(painter, rect);
    paintPointLabels(*painter, yearLabelRow());
}

QString FlatBarChart::toolTipAt(QPoint at) const
{
    if (!m_bars || m_series.points.empty())
        return {};
    const QPointF value = chart()->mapToValue(mapToScene(at), m_bars);
    const auto index = static_cast<int>(std::lround(value.x()));
    if (index < 0 || index >= static_cast<int>(m_series.points.size()))
        return {};
    if (std::abs(value.x() - index) > PlannerStyle::ChartBarWidth / 2)
        return {};
    const GraphPoint& point = m_series.points[static_cast<std::size_t>(index)];
    const double height = point.value.toDouble();
    if (value.y() < std::min(0.0, height) || value.y() > std::max(0.0, height))
        return {};
    return pointToolTip(point, m_currencySymbol);
}

QPoint FlatBarChart::barMiddle(int index) const
{
    const double height = m_series.points.at(static_cast<std::size_t>(index)).value.toDouble();
    return mapFromScene(chart()->mapToPosition(QPointF(index, height / 2), m_bars));
}

void FlatBarChart::resizeEvent(QResizeEvent* event)
{
    QChartView::resizeEvent(event);
    fitYearLabels();
}

bool FlatBarChart::viewportEvent(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QChartView::viewportEvent(event);
    auto* help = static_cast<QHelpEvent*>(event);
    answerToolTip(*help, toolTipAt(help->pos()), viewport());
    return true;
}

} // namespace tallyvane

tallyvane::FlatChart* tallyvane_makeFlatChart(QWidget* parent)
{
    return new tallyvane::FlatBarChart(parent);
}
