// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Small pieces of text that the reports of tallyvane-calc write alike.

#include <QString>

#include <ostream>

namespace tallyvane::cli {

// `line` and a line end.
void writeLine(std::ostream& out, const QString& line);

// One CSV text field (a description, a name): formula-safe and quoted where
// needed, as core/csvtable.h writes every exported table's text.
QString csvField(const QString& text);

} // namespace tallyvane::cli
