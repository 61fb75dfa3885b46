// SPDX-License-Identifier: GPL-3.0-or-later
#include "savings/savingsgridmodel.h"

#include "savings/savingsdisplay.h"
#include "savings/savingsresult.h"
#include "shell/captionlabel.h"

namespace tallyvane {

static_assert(SavingsGridModel::ColumnCount == SavingsGridColumns);

SavingsGridModel::SavingsGridModel(QObject* parent) : GridModel(ColumnCount, parent)
{
    setRows(SavingsOpeningGridRows);
    setHeadings(openingSavingsHeadings());
    setColumnAlignment(Period, Qt::AlignHCenter);
    for (int column = Invested; column < ColumnCount; ++column) {
        setColumnAlignment(column, Qt::AlignRight);
        setFigureColumn(column);
    }
}

void SavingsGridModel::showResult(const SavingsResult& result, SavingsFrequency frequency,
                                  const QString& currencySymbol)
{
    m_result = &result;
    m_currencySymbol = currencySymbol;
    setRows(savingsGridRows(result, frequency));
    setText(0, Period, periodHeading(frequency));
    setText(0, Invested, investedHeading(frequency));
    announceChange(1, lastRow(), 0, ColumnCount - 1);
}

void SavingsGridModel::clearResult()
{
    if (!m_result)
        return;
    m_result = nullptr;
    announceChange(1, lastRow(), 0, ColumnCount - 1);
}

int SavingsGridModel::totalRow() const
{
    return m_result ? savingsTotalRow(*m_result) : 0;
}

QVariant SavingsGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return captionLines(text(0, section)).join(u'\n');
    return GridModel::headerData(section, orientation, role);
}

QString SavingsGridModel::text(int row, int column) const
{
    if (row == 0 || !m_result)
        return GridModel::text(row, column);
    return savingsCellText(*m_result, row, column, m_currencySymbol);
}

} // namespace tallyvane
