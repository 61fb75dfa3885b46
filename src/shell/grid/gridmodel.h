// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QString>

namespace tallyvane {

// A rectangle of cells, both ends included, in grid rows (row 0 headings).
struct CellBlock
{
    int firstRow = 0;
    int lastRow = 0;
    int firstColumn = 0;
    int lastColumn = 0;
};

// The texts of one grid. Rows count from 0, the heading row, so a grid of 26
// rows has headings and rows 1 to 25; the view shows row 0 as its fixed
// heading and the rest as its body. The model holds texts only: the planners
// keep their figures in their own tables and write formatted text here.
//
// A planner derives its model and names the columns in an enum whose last
// entry is the count:
//
//     class ScheduleModel : public GridModel
//     {
//     public:
//         enum Column { Payment, Interest, Principal, Balance, ColumnCount };
//         ScheduleModel() : GridModel(ColumnCount) {}
//     };
class GridModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit GridModel(int columnCount, QObject* parent = nullptr);

    int rows() const { return m_rows; }
    int columns() const { return m_columns; }
    int lastRow() const { return m_rows - 1; }
    // Grows or shrinks the grid; the texts of the rows kept stay. There is
    // always the heading row.
    void setRows(int rows);

    // Writing outside the grid is ignored and reading there gives nothing.
    // A planner whose texts follow from its result alone may compute them
    // here as the view asks, instead of writing them in.
    virtual QString text(int row, int column) const;
    void setText(int row, int column, const QString& text);
    // Writes a row's texts from its first column on.
    void setRowTexts(int row, const QStringList& texts);
    void setHeadings(const QStringList& headings);
    // Empties every cell of the block in one step.
    void clearBlock(CellBlock block);
    // Empties every cell below the heading row.
    void clearBody();

    // Where the texts of a column's body cells sit; headings are centred.
    void setColumnAlignment(int column, Qt::Alignment alignment);
    Qt::Alignment columnAlignment(int column) const;
    // Columns whose body cells show figures; a copy turns those into plain
    // numbers (core/plainfigure.h) and leaves other cells as text.
    void setFigureColumn(int column);
    bool isFigureColumn(int column) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

protected:
    // Tells the view that the texts of the block changed.
    void announceChange(int firstRow, int lastRow, int firstColumn, int lastColumn);

private:
    bool contains(int row, int column) const;
    qsizetype cellAt(int row, int column) const { return qsizetype(row) * m_columns + column; }

    int m_rows = 1;
    int m_columns = 0;
    QList<QString> m_cells; // row by row, the heading row first
    QList<Qt::Alignment> m_alignments;
    QList<bool> m_figureColumns;
};

} // namespace tallyvane
