// SPDX-License-Identifier: GPL-3.0-or-later
#include "budget/budgetgridmodel.h"

#include "budget/budgetdisplay.h"

namespace tallyvane {

BudgetGridModel::BudgetGridModel(const BudgetList& list, const QString& amountHeading, QObject* parent)
    : GridModel(ColumnCount, parent), m_list(list)
{
    setRows(OpeningRows);
    setHeadings(
        {QStringLiteral("No."), QStringLiteral("Description"), amountHeading, QStringLiteral("Budgeted")});
    setColumnAlignment(Description, Qt::AlignLeft);
    setColumnAlignment(Amount, Qt::AlignRight);
    setColumnAlignment(Budgeted, Qt::AlignRight);
    setFigureColumn(Amount);
    setFigureColumn(Budgeted);
}

void BudgetGridModel::showList(const DisplayPeriod& period)
{
    m_period = &period;
    setRows(m_list.count() + 1 + EmptyRowsBelow);
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1), {Qt::DisplayRole});
}

QString BudgetGridModel::cellText(int row, int column) const
{
    if (row == 0)
        return text(0, column);
    if (row > m_list.count())
        return {};
    const BudgetRecord& record = m_list.record(row);
    switch (column) {
    case Number:
        return QString::number(record.number);
    case Description:
        return record.description;
    case Amount:
        return recordFigureText(record.annualAmount, *m_period);
    case Budgeted:
        return recordFigureText(record.annualBudgeted, *m_period);
    default:
        return {};
    }
}

QVariant BudgetGridModel::data(const QModelIndex& index, int role) const
{
    if (role == Qt::DisplayRole && index.isValid())
        return cellText(index.row() + 1, index.column());
    return GridModel::data(index, role);
}

} // namespace tallyvane
