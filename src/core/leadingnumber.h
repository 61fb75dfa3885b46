// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/money.h"

#include <QString>

namespace tallyvane {

// The number a text starts with, the way a box's figure is read back: leading
// blanks are skipped, then an optional sign, digits and one decimal point; the
// reading stops at the first character that cannot continue the number. Text
// with no number at its start reads as 0.
QString leadingNumberText(const QString& text);
double readLeadingNumber(const QString& text);
// The same reading, converted exactly into money (a fault when out of range).
Money readLeadingMoney(const QString& text);
// The same, but a figure too large for money reads as `beyondMoney`: a term
// box passes its limit's next step on, which storing then corrects.
Money readLeadingMoneyOr(const QString& text, Money beyondMoney);

} // namespace tallyvane
