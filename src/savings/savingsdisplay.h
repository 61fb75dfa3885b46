// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How the savings window shows a calculation in its grid: the headings, how
// many rows the grid takes for a plan, and the text of every cell, read
// straight from the result so the grid never holds a copy of a figure.
//
// Grid columns: 0 the period number, 1 invested, 2 interest/growth, 3 current
// value. Rows 1 to L are the periods, row L + 1 stays blank and row L + 2 is
// the "Total:" row.

#include "savings/savingsfrequency.h"
#include "savings/savingsresult.h"

#include <QStringList>

namespace tallyvane {

inline constexpr int SavingsGridColumns = 4;
inline constexpr int SavingsOpeningGridRows = 25;

// The headings of the grid before any calculation.
QStringList openingSavingsHeadings();
// The first two headings once a plan of this frequency is calculated; the
// other two stay as they open.
QString periodHeading(SavingsFrequency frequency);
QString investedHeading(SavingsFrequency frequency);

// Rows of the grid, the heading row included, for a calculated plan.
int savingsGridRows(const SavingsResult& result, SavingsFrequency frequency);
int savingsTotalRow(const SavingsResult& result);

// The text of a body cell; empty for the blank rows.
QString savingsCellText(const SavingsResult& result, int row, int column, const QString& currencySymbol);

} // namespace tallyvane
