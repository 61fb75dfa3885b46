// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "networth/celleditor.h"
#include "networth/networthdisplay.h"
#include "shell/grid/gridmodel.h"

#include <QSet>

namespace tallyvane {

// One side of the net worth statement as a grid: the model reads every cell
// straight from the sheet's table and writes typed keys into it through the
// side's CellEditor, so the figures exist once, in the sheet. What a cell
// shows is decided by networthdisplay.h; the model only remembers which
// cells were typed into since the last Calculate.
class NetWorthGridModel : public GridModel
{
    Q_OBJECT

public:
    enum Column
    {
        Name = CellTable::NameColumn,
        Value = CellTable::ValueColumn,
        ColumnCount
    };

    NetWorthGridModel(NetWorthSheet& sheet, NetWorthSide side, QString currencySymbol,
                      QObject* parent = nullptr);

    NetWorthSide side() const { return m_side; }
    QString shownText(int row, int column) const;

    // The grid's current cell, where typing goes.
    void moveTo(int row, int column);
    int editRow() const { return m_editor.row(); }
    int editColumn() const { return m_editor.column(); }

    // Offers a typed key to the current cell; the cell is shown anew when the
    // editor rewrote it.
    CellKeyAction typeKey(int key);
    // The Delete key. True when the table changed.
    bool clearCell();

    // The sheet was calculated, opened or replaced: every cell shows it
    // afresh.
    void showSheet();

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    static int cellKey(int row, int column) { return row * ColumnCount + column; }
    void markTyped(int row, int column);

    NetWorthSheet& m_sheet;
    NetWorthSide m_side;
    QString m_currencySymbol;
    CellEditor m_editor;
    QSet<int> m_typed; // cellKey of each cell typed into since the last showSheet
};

} // namespace tallyvane
