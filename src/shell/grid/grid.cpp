// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/grid/grid.h"

#include "core/copiedcells.h"
#include "core/keyfilters.h"
#include "core/plainfigure.h"
#include "shell/greenbox.h"
#include "shell/placement.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QResizeEvent>

#include <algorithm>

namespace tallyvane {

Grid::Grid(GridModel* model, QWidget* parent) : QTableView(parent), m_model(model)
{
    setModel(model);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // A block of cells can be selected for copying; the current cell stays
    // the one the planner acts on.
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    // Tab leaves the grid for the next control, as it does from a box.
    setTabKeyNavigation(false);
    setWordWrap(false);
    verticalHeader()->hide();
    // Fixed row heights keep a schedule of thousands of rows quick to fill
    // and scroll: no row is ever measured.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);

    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& current) {
        if (current.isValid())
            emit currentCellChanged(current.row() + 1, current.column());
    });
    connect(this, &QAbstractItemView::clicked, this,
            [this](const QModelIndex& index) { emit cellClicked(index.row() + 1, index.column()); });
    buildContextMenu();
}

void Grid::buildContextMenu()
{
    m_contextMenu = new QMenu(this);
    m_contextMenu->setAccessibleName(QStringLiteral("Grid menu"));
    QAction* copy = m_contextMenu->addAction(QStringLiteral("&Copy"), this, &Grid::copySelection);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    m_contextMenu->addAction(QStringLiteral("Copy &all with headings"), this, &Grid::copyAllWithHeadings);
    m_contextSeparator = m_contextMenu->addSeparator();
    m_contextSeparator->setVisible(false);
}

void Grid::addContextAction(QAction* action)
{
    m_contextSeparator->setVisible(true);
    m_contextMenu->addAction(action);
}

void Grid::contextMenuEvent(QContextMenuEvent* event)
{
    QPoint at = event->globalPos();
    if (event->reason() == QContextMenuEvent::Keyboard && currentIndex().isValid())
        at = viewport()->mapToGlobal(visualRect(currentIndex()).center());
    m_contextMenu->exec(at);
    event->accept();
}

// A cell the planner makes current is selected alone, whatever keys happen
// to be held; the user's clicks and keys select as usual.
QItemSelectionModel::SelectionFlags Grid::selectionCommand(const QModelIndex& index,
                                                           const QEvent* event) const
{
    if (!event)
        return QItemSelectionModel::ClearAndSelect;
    return QTableView::selectionCommand(index, event);
}

QString Grid::copiedText(int row, int column) const
{
    const QString shown = model()->data(model()->index(row, column), Qt::DisplayRole).toString();
    return m_model->isFigureColumn(column) ? plainFigureOrText(shown) : shown.trimmed();
}

// Rows and columns here are the view's: row 0 is the first body row.
QMimeData* Grid::copiedBlock(int firstRow, int lastRow, int firstColumn, int lastColumn, bool withHeadings,
                             bool selectedOnly) const
{
    CopiedCells cells;
    if (withHeadings)
        for (int column = firstColumn; column <= lastColumn; ++column)
            cells.headings
                << model()->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString().simplified();
    for (int row = firstRow; row <= lastRow; ++row) {
        QStringList texts;
        for (int column = firstColumn; column <= lastColumn; ++column) {
            // Cells left out of a scattered selection stay empty in the block.
            const bool taken = !selectedOnly || selectionModel()->isSelected(model()->index(row, column));
            texts << (taken ? copiedText(row, column) : QString());
        }
        cells.rows << texts;
    }
    const auto isEmpty = [](const QStringList& texts) {
        return std::all_of(texts.cbegin(), texts.cend(), [](const QString& text) { return text.isEmpty(); });
    };
    while (!cells.rows.isEmpty() && isEmpty(cells.rows.last()))
        cells.rows.removeLast();

    auto* data = new QMimeData;
    data->setText(tabSeparatedText(cells));
    data->setHtml(htmlTable(cells));
    return data;
}

QMimeData* Grid::selectionMimeData() const
{
    const QItemSelection selection = selectionModel()->selection();
    if (selection.isEmpty()) {
        const QModelIndex current = currentIndex();
        if (!current.isValid())
            return nullptr;
        return copiedBlock(current.row(), current.row(), current.column(), current.column(), false, false);
    }
    int top = model()->rowCount();
    int bottom = -1;
    int left = model()->columnCount();
    int right = -1;
    for (const QItemSelectionRange& range : selection) {
        top = std::min(top, range.top());
        bottom = std::max(bottom, range.bottom());
        left = std::min(left, range.left());
        right = std::max(right, range.right());
    }
    const bool wholeColumns = top == 0 && bottom == model()->rowCount() - 1;
    return copiedBlock(top, bottom, left, right, wholeColumns, true);
}

QMimeData* Grid::tableMimeData() const
{
    return copiedBlock(0, model()->rowCount() - 1, 0, model()->columnCount() - 1, true, false);
}

void Grid::copySelection()
{
    if (QMimeData* data = selectionMimeData())
        QGuiApplication::clipboard()->setMimeData(data);
}

void Grid::copyAllWithHeadings()
{
    QGuiApplication::clipboard()->setMimeData(tableMimeData());
}

void Grid::setKeyHandler(KeyHandler handler)
{
    m_keyHandler = std::move(handler);
}

int Grid::currentRow() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() + 1 : 0;
}

int Grid::currentColumn() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.column() : 0;
}

void Grid::setCurrentCell(int row, int column)
{
    const QModelIndex cell = m_model->index(row - 1, column);
    if (!cell.isValid())
        return;
    // Through the view, so that Shift with an arrow key extends a selection
    // from this cell rather than from the last one clicked.
    setCurrentIndex(cell);
    scrollTo(cell);
}

bool Grid::isCurrentCellSelected() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() && selectionModel()->isSelected(current);
}

void Grid::moveOneRowDown()
{
    const int row = currentRow();
    if (row >= 1 && row < m_model->lastRow())
        setCurrentCell(row + 1, currentColumn());
}

void Grid::setHeadingHeightTwips(int twips)
{
    horizontalHeader()->setFixedHeight(twipsToPixels(twips, logicalDpiY()));
}

int Grid::columnWidthTwips(int column) const
{
    return pixelsToTwips(columnWidth(column), logicalDpiX());
}

void Grid::setColumnWidthTwips(int column, int twips)
{
    setColumnWidth(column, std::max(twipsToPixels(twips, logicalDpiX()), 1));
}

void Grid::widenColumn(int column, int twips)
{
    setColumnWidthTwips(column, columnWidthTwips(column) + twips);
}

void Grid::keyPressEvent(QKeyEvent* event)
{
    // The view alone would copy just the current cell.
    if (event->matches(QKeySequence::Copy)) {
        copySelection();
        event->accept();
        return;
    }
    int keyCode = entryKeyCode(event);
    if (keyCode < 0) {
        QTableView::keyPressEvent(event);
        return;
    }
    // Typing keys never reach the table view, which would otherwise jump to
    // a cell whose text starts with the letter typed.
    event->accept();
    if (m_keyHandler)
        keyCode = m_keyHandler(keyCode);
    if (keyCode == KeyEnter)
        moveOneRowDown();
}

void Grid::focusInEvent(QFocusEvent* event)
{
    QTableView::focusInEvent(event);
    emit gotFocus();
}

void Grid::shareWidthFrom(int first)
{
    m_sharedFrom = first;
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this] {
        if (!m_sharing)
            m_sharedFrom = -1; // the user has taken over
    });
    shareWidth();
}

void Grid::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
    shareWidth();
}

void Grid::shareWidth()
{
    const int columns = model() ? model()->columnCount() : 0;
    if (m_sharedFrom < 0 || m_sharedFrom >= columns)
        return;
    int left = viewport()->width();
    for (int column = 0; column < m_sharedFrom; ++column)
        left -= columnWidth(column);
    const int share = std::max(left / (columns - m_sharedFrom), horizontalHeader()->minimumSectionSize());
    m_sharing = true;
    for (int column = m_sharedFrom; column < columns; ++column)
        setColumnWidth(column, share);
    m_sharing = false;
}

} // namespace tallyvane
