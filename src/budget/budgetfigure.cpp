// SPDX-License-Identifier: GPL-3.0-or-later
#include "budget/budgetfigure.h"

#include "core/numberformat.h"
#include "core/rightalign.h"

namespace tallyvane {

double periodFigure(Money annualValue, const DisplayPeriod& period)
{
    return annualValue.toDouble() / period.divisor;
}

QString formatFigure(double value, int width, const QString& prefix)
{
    const QString text = prefix + formatNumber(value, u"###,,###.00");
    return text.size() > width ? text : rightAlign(text, width);
}

} // namespace tallyvane
