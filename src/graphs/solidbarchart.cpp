// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphs/solidbarchart.h"

#include "shell/plannerstyle.h"
#include "shell/tooltips.h"

#include <QHelpEvent>
#include <QPainter>

namespace tallyvane {

SolidBarChart::SolidBarChart(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Bars3D"));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, PlannerStyle::ChartBackground);
    palette.setColor(QPalette::WindowText, PlannerStyle::ChartText);
    setPalette(palette);
    m_picture.emplace(ChartKind::Solid, m_series, m_currencySymbol, font());
}

void SolidBarChart::showSeries(const GraphSeries& series, const QString& currencySymbol)
{
    m_series = series;
    m_currencySymbol = currencySymbol;
    m_picture.emplace(ChartKind::Solid, m_series, m_currencySymbol, font());
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

QRectF SolidBarChart::barFront(int index) const
{
    return m_picture->bar(rect(), index).front;
}

QString SolidBarChart::toolTipAt(QPoint at) const
{
    const int index = m_picture->barAt(rect(), at);
    if (index < 0)
        return {};
    return pointToolTip(m_series.points[static_cast<std::size_t>(index)], m_currencySymbol);
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
    m_picture->paint(painter, rect());
}

} // namespace tallyvane
