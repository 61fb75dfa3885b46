// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphs/charttexts.h"

#include "core/numberformat.h"

#include <algorithm>
#include <cmath>

namespace tallyvane {
namespace {

constexpr double StepsToTheAxis = 5.0;
// Upright labels keep a tenth of a bar's room clear of their neighbours.
constexpr double UprightRoom = 0.9;
constexpr double SmallerType = 0.85;
constexpr double SmallestType = 0.7;

double roundStep(double range)
{
    const double rough = range / StepsToTheAxis;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    // Steps of 2.5 only where they stay whole units.
    for (const double multiple : {1.0, 2.0, 2.5, 5.0, 10.0})
        if (rough <= multiple * power && (multiple != 2.5 || power >= 10.0))
            return std::max(1.0, multiple * power);
    return 10.0 * power;
}

QString withSymbol(const QString& figure, const QString& currencySymbol)
{
    if (figure.startsWith(u'-'))
        return u'-' + currencySymbol + figure.mid(1);
    return currencySymbol + figure;
}

} // namespace

std::vector<double> ValueScale::ticks() const
{
    std::vector<double> ticks;
    const auto count = static_cast<int>(std::lround((high - low) / step));
    for (int i = 0; i <= count; ++i)
        ticks.push_back(low + i * step);
    return ticks;
}

ValueScale valueScaleFor(const std::vector<GraphPoint>& points)
{
    double lowest = 0.0;
    double highest = 0.0;
    for (const GraphPoint& point : points) {
        lowest = std::min(lowest, point.value.toDouble());
        highest = std::max(highest, point.value.toDouble());
    }
    ValueScale scale;
    scale.step = highest > lowest ? roundStep(highest - lowest) : 1.0;
    scale.low = std::floor(lowest / scale.step) * scale.step;
    scale.high = std::max(scale.low + scale.step, std::ceil(highest / scale.step) * scale.step);
    return scale;
}

PointLabelFit fitPointLabels(double slot, double widest, double lineHeight)
{
    for (const double scale : {1.0, SmallerType})
        if (widest * scale <= slot * UprightRoom)
            return {.scale = scale, .turned = false};
    for (const double scale : {1.0, SmallerType, SmallestType})
        if (lineHeight * scale <= slot)
            return {.scale = scale, .turned = true};
    return {.scale = SmallestType, .turned = true};
}

QString axisLabel(double value, const QString& currencySymbol)
{
    return withSymbol(formatNumber(value, u"###,###,###,##0"), currencySymbol);
}

QString pointLabel(const GraphPoint& point)
{
    return formatMoney(point.label, u"####0");
}

QString pointToolTip(const GraphPoint& point, const QString& currencySymbol)
{
    return QStringLiteral("Year %1: %2")
        .arg(pointLabel(point), withSymbol(formatMoney(point.value, u"###,###,###,##0.00"), currencySymbol));
}

QString chartDescription(const std::vector<GraphPoint>& points, const QString& currencySymbol)
{
    if (points.empty())
        return QStringLiteral("No bars.");
    const auto largest = std::max_element(points.begin(), points.end(), [](const GraphPoint& a, const GraphPoint& b) {
        return a.value < b.value;
    });
    return QStringLiteral("%1 bars, from %2 to %3; the largest %4")
        .arg(points.size())
        .arg(pointToolTip(points.front(), currencySymbol), pointToolTip(points.back(), currencySymbol),
             pointToolTip(*largest, currencySymbol));
}

} // namespace tallyvane
