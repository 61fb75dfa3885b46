// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "networth/celltable.h"

#include <QString>

namespace tallyvane {

// What the grid does after a key was offered to a cell.
enum class CellKeyAction
{
    Rewritten, // the cell changed: show shownText() and the "changes made" note
    Refused,   // the key is refused with a beep
    Ignored,   // the key is dropped silently
    MoveDown,  // Enter: move to the cell below, as the down arrow would
    RowLimit   // the cell lies past row 30: show Message::ThirtyRowLimit
};

// The typing rules of one side's grid, applied to its table key by key. The
// editor remembers the grid's current cell and the edit buffer: the first
// key typed after moving to a cell replaces what the cell held.
class CellEditor
{
public:
    explicit CellEditor(CellTable& cells);

    // The grid's current cell changed or the grid was clicked.
    void moveTo(int row, int column);
    int row() const { return m_row; }
    int column() const { return m_column; }

    // `key` is the typed character's code; `gridText` is what the grid shows
    // in the current cell (Backspace in the name column edits that text).
    CellKeyAction typeKey(int key, const QString& gridText);
    // The text the grid shows in the cell after Rewritten.
    const QString& shownText() const { return m_shownText; }

    // The Delete key: the value becomes an empty text and the grid cell is
    // emptied.
    void clearCell();

private:
    CellKeyAction typeValueKey(int key);
    CellKeyAction typeNameKey(int key, const QString& gridText);
    void rewriteCell();

    CellTable& m_cells;
    int m_row = 1;
    int m_column = CellTable::NameColumn;
    QString m_buffer;
    QString m_shownText;
};

} // namespace tallyvane
