// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace tallyvane {

// Tab moves through a window as it is read: left to right along a row, rows
// from top to bottom, and a framed group (one side of the budget) whole
// before the group beside it, whatever order the controls were made in.
// The order is taken from where the layout has placed the controls at the
// moment Tab is pressed, so it holds at every window size.
//
// Moves the focus from the focused control of `window` to the next one in
// reading order (the previous one when `forward` is false), round to the
// first after the last; false when the window has no such control.
bool focusNextInReadingOrder(QWidget& window, bool forward);

} // namespace tallyvane
