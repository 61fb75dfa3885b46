// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Numbers are shown through small format strings: "#" an optional digit, "0" a
// required digit, "," thousands grouping (a doubled comma groups once) and "."
// the decimal point. Optional digits after the point are dropped when they are
// trailing zeros. The separators are always "," and ".", whatever the locale.

#include "core/money.h"

#include <QString>

namespace tallyvane {

QString formatNumber(double value, QStringView format);
QString formatMoney(Money value, QStringView format);
// A text holding a number is formatted as that number; other text, including
// empty text, comes back unchanged.
QString formatText(const QString& text, QStringView format);

} // namespace tallyvane
