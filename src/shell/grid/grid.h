// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Grid is the spreadsheet-like table of the planners: a view over a GridModel
// that shows row 0 as a fixed heading and the other rows below it. It only
// shows text; every figure, rule and total lives in the planner's own tables,
// and the planner writes formatted texts into the model.
//
// Cells are never edited in place. A key that types something (a character,
// Enter, Backspace, Delete) goes to the planner's key handler, which answers
// the key to act on or 0 to refuse it; the grid itself acts only on Enter,
// moving one row down, so a refused key changes nothing. Arrow and page keys
// move the current cell as usual.
//
// Cells are selected by dragging, Shift with the arrow keys or Ctrl+A, and
// copied by Ctrl+C or the context menu for other programs to paste: what the
// cells show, figures in their plain form, with the headings when whole
// columns are copied.
//
// Rows and columns are counted as in the model: row 0 is the heading row and
// the current cell is always a body cell (row 1 or below), or row 0 when the
// grid has no body rows. Sizes are given in twips.

#include "shell/grid/gridmodel.h"

#include <QTableView>

class QAction;
class QMenu;
class QMimeData;

#include <functional>

namespace tallyvane {

class Grid : public QTableView
{
    Q_OBJECT

public:
    // Answers the key code to act on, or 0 (KeyRefused) to refuse the key.
    // Codes are those of entryKeyCode: 13 Enter, 8 Backspace, 127 Delete,
    // else the character typed.
    using KeyHandler = std::function<int(int keyCode)>;

    // The grid shows `model` without owning it; the planner keeps both.
    explicit Grid(GridModel* model, QWidget* parent = nullptr);

    GridModel* gridModel() const { return m_model; }
    void setKeyHandler(KeyHandler handler);

    int currentRow() const;
    int currentColumn() const;
    // Makes a body cell current and selects it alone, scrolling it into view.
    void setCurrentCell(int row, int column);
    // Whether the current cell is also selected: false while the user drags
    // a selection away from it or before any cell is current.
    bool isCurrentCellSelected() const;
    // Moves the current cell one row down, staying on the last row.
    void moveOneRowDown();

    void setHeadingHeightTwips(int twips);
    int columnWidthTwips(int column) const;
    void setColumnWidthTwips(int column, int twips);
    // Adds `twips` to a column's width; a negative amount narrows it.
    void widenColumn(int column, int twips);
    // Columns from `first` on share the width the other columns leave, as
    // the grid grows or shrinks, until the user drags one of them wider or
    // narrower; from then on the user's widths stay.
    void shareWidthFrom(int first);

    // The selected cells as the clipboard takes them: tab-separated text and
    // an HTML table. A selection running through every row of its columns,
    // as Ctrl+A makes, brings their headings; rows left empty at the end
    // are left out.
    QMimeData* selectionMimeData() const;
    // Every row that shows something, in all columns, below the headings.
    QMimeData* tableMimeData() const;
    void copySelection();
    void copyAllWithHeadings();
    // Adds a planner's action to the context menu, below the copy entries.
    void addContextAction(QAction* action);

signals:
    // The current cell changed; currentRow() and currentColumn() already
    // name the new cell.
    void currentCellChanged(int row, int column);
    void cellClicked(int row, int column);
    void gotFocus();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event = nullptr) const override;

private:
    void shareWidth();
    void buildContextMenu();
    QMimeData* copiedBlock(int firstRow, int lastRow, int firstColumn, int lastColumn, bool withHeadings,
                           bool selectedOnly) const;
    QString copiedText(int row, int column) const;

    int m_sharedFrom = -1; // no shared columns
    bool m_sharing = false;
    GridModel* m_model;
    KeyHandler m_keyHandler;
    QMenu* m_contextMenu = nullptr;
    QAction* m_contextSeparator = nullptr;
};

} // namespace tallyvane
