// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Cells copied out of a grid, in the two forms other programs paste: lines of
// tab-separated cells for plain text, and an HTML table for the programs
// that prefer one. The cells hold what the grid shows, figures already in
// their plain form (core/plainfigure.h), so a spreadsheet pastes numbers.

#include <QList>
#include <QString>
#include <QStringList>

namespace tallyvane {

struct CopiedCells
{
    QStringList headings; // empty: no heading row
    QList<QStringList> rows;
};

// One line per row, cells separated by tabs, every line ended by a line
// feed. A tab or line break inside a cell becomes a blank.
QString tabSeparatedText(const CopiedCells& cells);
QString htmlTable(const CopiedCells& cells);

} // namespace tallyvane
