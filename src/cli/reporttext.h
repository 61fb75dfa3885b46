// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Small pieces of text that the reports of tallyvane-calc write alike.

#include <QString>

#include <ostream>

namespace tallyvane::cli {

// `line` and a line end.
void writeLine(std::ostream& out, const QString& line);

// One CSV field. It is quoted, with its quotes doubled, when it holds a
// comma, a quote or a line break, or starts or ends with a blank, so that
// every reader gets the text back exactly.
QString csvField(const QString& text);

} // namespace tallyvane::cli
