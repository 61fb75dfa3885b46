// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/grid/gridmodel.h"

#include <algorithm>

namespace tallyvane {
namespace {

// Long headings wrap onto a second line of the heading row.
constexpr int HeadingAlignment = int(Qt::AlignCenter) | int(Qt::TextWordWrap);

} // namespace

GridModel::GridModel(int columnCount, QObject* parent)
    : QAbstractTableModel(parent), m_columns(std::max(columnCount, 0)), m_cells(m_columns),
      m_alignments(m_columns, Qt::AlignLeft | Qt::AlignVCenter), m_figureColumns(m_columns, false)
{
}

void GridModel::setRows(int rows)
{
    rows = std::max(rows, 1);
    if (rows == m_rows)
        return;
    // The view's rows are the grid's rows below the heading row.
    if (rows > m_rows) {
        beginInsertRows(QModelIndex(), m_rows - 1, rows - 2);
        m_cells.resize(cellAt(rows, 0));
        m_rows = rows;
        endInsertRows();
    } else {
        beginRemoveRows(QModelIndex(), rows - 1, m_rows - 2);
        m_cells.resize(cellAt(rows, 0));
        m_rows = rows;
        endRemoveRows();
    }
}

bool GridModel::contains(int row, int column) const
{
    return row >= 0 && row < m_rows && column >= 0 && column < m_columns;
}

QString GridModel::text(int row, int column) const
{
    return contains(row, column) ? m_cells[cellAt(row, column)] : QString();
}

void GridModel::setText(int row, int column, const QString& text)
{
    if (!contains(row, column))
        return;
    m_cells[cellAt(row, column)] = text;
    announceChange(row, row, column, column);
}

void GridModel::setRowTexts(int row, const QStringList& texts)
{
    const int count = std::min(static_cast<int>(texts.size()), m_columns);
    if (row < 0 || row >= m_rows || count == 0)
        return;
    std::copy_n(texts.cbegin(), count, m_cells.begin() + cellAt(row, 0));
    announceChange(row, row, 0, count - 1);
}

void GridModel::setHeadings(const QStringList& headings)
{
    setRowTexts(0, headings);
}

void GridModel::clearBlock(CellBlock block)
{
    block.firstRow = std::max(block.firstRow, 0);
    block.lastRow = std::min(block.lastRow, m_rows - 1);
    block.firstColumn = std::max(block.firstColumn, 0);
    block.lastColumn = std::min(block.lastColumn, m_columns - 1);
    if (block.firstRow > block.lastRow || block.firstColumn > block.lastColumn)
        return;
    for (int row = block.firstRow; row <= block.lastRow; ++row)
        std::fill_n(m_cells.begin() + cellAt(row, block.firstColumn),
                    block.lastColumn - block.firstColumn + 1, QString());
    announceChange(block.firstRow, block.lastRow, block.firstColumn, block.lastColumn);
}

void GridModel::clearBody()
{
    clearBlock({1, m_rows - 1, 0, m_columns - 1});
}

void GridModel::setColumnAlignment(int column, Qt::Alignment alignment)
{
    if (column < 0 || column >= m_columns)
        return;
    m_alignments[column] = alignment | Qt::AlignVCenter;
    announceChange(1, m_rows - 1, column, column);
}

Qt::Alignment GridModel::columnAlignment(int column) const
{
    return column >= 0 && column < m_columns ? m_alignments[column] : Qt::Alignment();
}

void GridModel::setFigureColumn(int column)
{
    if (column >= 0 && column < m_columns)
        m_figureColumns[column] = true;
}

bool GridModel::isFigureColumn(int column) const
{
    return column >= 0 && column < m_columns && m_figureColumns[column];
}

void GridModel::announceChange(int firstRow, int lastRow, int firstColumn, int lastColumn)
{
    if (firstRow == 0)
        emit headerDataChanged(Qt::Horizontal, firstColumn, lastColumn);
    const int firstBodyRow = std::max(firstRow, 1);
    if (firstBodyRow <= lastRow)
        emit dataChanged(index(firstBodyRow - 1, firstColumn), index(lastRow - 1, lastColumn),
                         {Qt::DisplayRole, Qt::TextAlignmentRole});
}

int GridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows - 1;
}

int GridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_columns;
}

QVariant GridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return text(index.row() + 1, index.column());
    case Qt::TextAlignmentRole:
        return static_cast<int>(columnAlignment(index.column()).toInt());
    default:
        return {};
    }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return text(0, section);
    case Qt::TextAlignmentRole:
        return HeadingAlignment;
    default:
        return {};
    }
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const
{
    // Typing reaches the planner through the grid's key handler, never an
    // editor in the cell.
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

} // namespace tallyvane
