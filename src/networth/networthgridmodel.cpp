// SPDX-License-Identifier: GPL-3.0-or-later
#include "networth/networthgridmodel.h"

namespace tallyvane {

NetWorthGridModel::NetWorthGridModel(NetWorthSheet& sheet, NetWorthSide side, QString currencySymbol,
                                     QObject* parent)
    : GridModel(ColumnCount, parent), m_sheet(sheet), m_side(side),
      m_currencySymbol(std::move(currencySymbol)), m_editor(sheet.cells(side))
{
    setRows(NetWorthGridRows);
    setHeadings({sideHeading(side), QString()});
    setColumnAlignment(Value, Qt::AlignRight);
    setFigureColumn(Value);
}

QString NetWorthGridModel::shownText(int row, int column) const
{
    if (row < 1 || row >= rows() || column < 0 || column >= ColumnCount)
        return {};
    const CellOrigin origin =
        m_typed.contains(cellKey(row, column)) ? CellOrigin::Typed : CellOrigin::Calculated;
    return netWorthCellText(m_sheet, m_side, row, column, origin, m_currencySymbol);
}

void NetWorthGridModel::moveTo(int row, int column)
{
    m_editor.moveTo(row, column);
}

CellKeyAction NetWorthGridModel::typeKey(int key)
{
    const int row = m_editor.row();
    const int column = m_editor.column();
    const CellKeyAction action = m_editor.typeKey(key, shownText(row, column));
    if (action == CellKeyAction::Rewritten)
        markTyped(row, column);
    return action;
}

bool NetWorthGridModel::clearCell()
{
    const int row = m_editor.row();
    const int column = m_editor.column();
    // Clearing leaves an empty text in a cell of the table.
    const bool inTable = row >= 1 && row <= CellTable::LastEntryRow && CellTable::isInside(row, column);
    const bool alreadyClear =
        inTable && m_sheet.cells(m_side).at(row, column) == CellValue::fromText(QString());
    m_editor.clearCell();
    markTyped(row, column);
    return inTable && !alreadyClear;
}

void NetWorthGridModel::showSheet()
{
    m_typed.clear();
    emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1), {Qt::DisplayRole});
}

void NetWorthGridModel::markTyped(int row, int column)
{
    m_typed.insert(cellKey(row, column));
    const QModelIndex cell = index(row - 1, column);
    emit dataChanged(cell, cell, {Qt::DisplayRole});
}

QVariant NetWorthGridModel::data(const QModelIndex& index, int role) const
{
    if (role == Qt::DisplayRole && index.isValid())
        return shownText(index.row() + 1, index.column());
    return GridModel::data(index, role);
}

} // namespace tallyvane
