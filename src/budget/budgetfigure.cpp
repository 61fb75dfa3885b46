// SPDX-License-Identifier: GPL-3.0-or-later
#include "budget/budgetfigure.h"

#include "core/numberformat.h"
#include "core/rightalign.h"

#include <cstdint>

namespace tallyvane {

double periodFigure(Money annualValue, const DisplayPeriod& period)
{
    // The stored four decimals divided exactly and rounded once to the cent,
    // a half away from zero as every shown figure rounds: dividing a double
    // would put an exact half cent a hair above or below the half.
    const std::int64_t perCent = Money::Scale / 100 * period.divisor;
    const std::int64_t magnitude = annualValue.raw() < 0 ? -annualValue.raw() : annualValue.raw();
    std::int64_t cents = magnitude / perCent;
    if (2 * (magnitude % perCent) >= perCent)
        ++cents;
    return static_cast<double>(annualValue.raw() < 0 ? -cents : cents) / 100.0;
}

QString formatFigure(double value, int width, const QString& prefix)
{
    const QString text = prefix + formatNumber(value, u"###,,###.00");
    return text.size() > width ? text : rightAlign(text, width);
}

} // namespace tallyvane
