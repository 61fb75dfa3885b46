// SPDX-License-Identifier: GPL-3.0-or-later
#include "savings/savingsdisplay.h"

#include "core/numberformat.h"

#include <algorithm>

namespace tallyvane {
namespace {

constexpr char16_t AmountFormat[] = u"####,,###.00";
constexpr char16_t TotalFormat[] = u"####,,##0.00";

} // namespace

QStringList openingSavingsHeadings()
{
    return {QStringLiteral(" Year  Number"), QStringLiteral("          Invested          Annually"),
            QStringLiteral("      Interest/Growth      Compounded"),
            QStringLiteral("              Current                Value")};
}

QString periodHeading(SavingsFrequency frequency)
{
    switch (frequency) {
    case SavingsFrequency::Quarterly:
        return QStringLiteral("Quarter Number");
    case SavingsFrequency::Monthly:
        return QStringLiteral(" Month Number");
    case SavingsFrequency::Annually:
        break;
    }
    return QStringLiteral(" Year  Number");
}

QString investedHeading(SavingsFrequency frequency)
{
    return QStringLiteral("          Invested         ") + frequencyText(frequency);
}

int savingsGridRows(const SavingsResult& result, SavingsFrequency frequency)
{
    const int rows = result.lastPeriod() + 4;
    return frequency == SavingsFrequency::Annually ? std::max(rows, SavingsOpeningGridRows) : rows;
}

int savingsTotalRow(const SavingsResult& result)
{
    return result.periodRows() + 2;
}

QString savingsCellText(const SavingsResult& result, int row, int column, const QString& currencySymbol)
{
    if (column < 0 || column >= SavingsGridColumns)
        return {};
    // Grid column c shows column c + 1 of the result table.
    const int tableColumn = column + PeriodColumn;
    if (row >= 1 && row <= result.periodRows())
        return column == 0 ? QString::number(row)
                           : formatMoney(result.table().at(row, tableColumn), AmountFormat);
    if (row == savingsTotalRow(result)) {
        if (column == 0)
            return QStringLiteral("Total:");
        return currencySymbol + formatMoney(result.table().at(result.totalsRow(), tableColumn), TotalFormat);
    }
    return {};
}

} // namespace tallyvane
