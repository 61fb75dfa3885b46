// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tallyvane {

// The text placed at the right of a field of exactly `width` characters,
// padded with spaces on the left; a longer text keeps its first characters.
QString rightAlign(const QString& text, int width);

} // namespace tallyvane
