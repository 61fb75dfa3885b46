// SPDX-License-Identifier: GPL-3.0-or-later
#include "mortgage/prepaygridmodel.h"

#include "core/numberformat.h"

#include <algorithm>

namespace tallyvane {

PrePayGridModel::PrePayGridModel(QObject* parent) : GridModel(ColumnCount, parent)
{
    setHeadings({QStringLiteral("Year Number"), QStringLiteral("Amount of Payment")});
    setColumnAlignment(Year, Qt::AlignCenter);
    setColumnAlignment(Amount, Qt::AlignRight);
    setFigureColumn(Amount);
}

void PrePayGridModel::showYears(const AdditionalPaymentTable& table, int yearRows)
{
    setRows(std::max(MinimumRows, yearRows + 1));
    clearBody();
    // Years entered before keep the number they were entered for; without a
    // payment in the first year the rows are simply numbered.
    const bool keepsYearNumbers = table.amount(1) > Money();
    for (int row = 1; row <= yearRows && row < rows(); ++row) {
        const Money stored = table.yearNumber(row);
        const Money year = keepsYearNumbers && stored > Money() ? stored : Money::fromWhole(row);
        setText(row, Year, formatMoney(year, u"###"));
        showAmount(row, table.amount(row));
    }
}

void PrePayGridModel::showAmount(int row, Money amount)
{
    setText(row, Amount, formatMoney(amount, u"###,###.00"));
}

} // namespace tallyvane
