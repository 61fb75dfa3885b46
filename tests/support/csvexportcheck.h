// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scriptedservices.h"

#include <string>

class QWidget;

namespace tallyvane::testing {

// Ctrl+E on `target`, the file chooser answered with `path`: what was written.
QByteArray exportByCtrlE(QWidget& target, ScriptedServices& services, const QString& path);

// The export (CR LF lines) holds the calculator's CSV (LF lines), each
// four-decimal figure rounded to cents. Text fields hold no comma.
void expectSameTableAsCalculator(const QByteArray& exported, const std::string& calculated);

// Selects body cells (top, left) to (bottom, right) with Shift and the arrow keys; Ctrl+C.
void copyBlock(QWidget& grid, int top, int left, int bottom, int right);
QString clipboardText();
QString clipboardHtml();

} // namespace tallyvane::testing
