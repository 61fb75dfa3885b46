// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/grid/grid.h"

#include "core/keyfilters.h"
#include "shell/greenbox.h"
#include "shell/placement.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QResizeEvent>

#include <algorithm>

namespace tallyvane {

Grid::Grid(GridModel* model, QWidget* parent) : QTableView(parent), m_model(model)
{
    setModel(model);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
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
    selectionModel()->setCurrentIndex(cell, QItemSelectionModel::ClearAndSelect);
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
