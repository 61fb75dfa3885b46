// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tallyvane {

enum class KeyFilterKind
{
    Decimal,     // money and rates
    WholeNumber, // counts, terms, frequencies
    Words,       // descriptions and names: everything but the double quote
};

// How one green box reads, stores and shows its figure.
struct FigureBoxLayout
{
    KeyFilterKind filter = KeyFilterKind::Decimal;
    int slot = -1;       // slot of SharedValues::inputValues, -1 for none
    QString format = {}; // number format of the shown value
    int width = 0;       // field width of the right-aligned text
    QString suffix = {}; // "%" for rate boxes
    bool threeDecimals = false;
    bool selectAllOnFocus = false;
    // The budget boxes reformat the text as typed; the others show the value
    // just stored in their slot.
    bool formatsOwnText = false;
    // Words boxes: the longest text the box takes (what its file can hold
    // and open again); further keys are refused. 0 for no limit.
    int maxLength = 0;
    // A refused first key leaves the old figure in place instead of
    // emptying the box first.
    bool filterBeforeEmptying = false;
    // Shown before the figure, inside its field (the currency symbol).
    QString prefix = {};
    // Boxes that may hold a negative figure: the minus key, at any point of
    // typing, starts a new figure with its sign.
    bool takesMinus = false;
};

} // namespace tallyvane
