// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

namespace tallyvane {

// A figure as a grid or label shows it ("  $1,234.50", "-.50", "Fr-12.00")
// in the plain form every spreadsheet reads as a number ("1234.50",
// "-0.50", "-12.00"): blanks, a currency symbol in front and the thousands
// separators dropped, a zero put before a bare decimal point, the minus in
// front. Nothing for a text that is no figure ("Total:", "Payments").
std::optional<QString> plainFigure(const QString& shown);

// plainFigure, or the text itself, trimmed, when it is no figure.
QString plainFigureOrText(const QString& shown);

} // namespace tallyvane
