// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphs/flatbarchart.h"

#include "graphs/charttexts.h"
#include "shell/plannerstyle.h"
#include "shell/plannerwidgets.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QHelpEvent>
#include <QLocale>
#include <QValueAxis>

#include <cmath>

namespace tallyvane {
namespace {

// The value axis writes its labels through a printf-like format; the locale
// only adds the thousands separators, and a fixed one keeps them commas.
QString valueAxisFormat(const QString& currencySymbol)
{
    return QString(currencySymbol).remove(u'%') + QStringLiteral("%.0f");
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
    chart->setLocalizeNumbers(true);
    chart->setLocale(QLocale(QLocale::English, QLocale::UnitedStates));

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

    auto* years = new QBarCategoryAxis;
    years->append(labels);
    years->setGridLineVisible(false);
    // Two-digit years fit under narrow bars too.
    years->setTruncateLabels(false);
    chart->addAxis(years, Qt::AlignBottom);
    m_bars->attachAxis(years);

    const ValueScale scale = valueScaleFor(series.points);
    auto* money = new QValueAxis;
    money->setRange(scale.low, scale.high);
    money->setTickCount(static_cast<int>(scale.ticks().size()));
    money->setLabelFormat(valueAxisFormat(currencySymbol));
    money->setGridLineColor(PlannerStyle::ChartGrid);
    chart->addAxis(money, Qt::AlignLeft);
    m_bars->attachAxis(money);

    QChart* previous = this->chart();
    setChart(chart);
    delete previous;
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

bool FlatBarChart::viewportEvent(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QChartView::viewportEvent(event);
    auto* help = static_cast<QHelpEvent*>(event);
    answerToolTip(*help, toolTipAt(help->pos()), viewport());
    return true;
}

} // namespace tallyvane
