// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/report/report.h"

#include <QString>

namespace tallyvane {

// The report as plain text: each line padded with blanks to its columns and
// ended by a line feed, pages separated by a form feed. Trailing blanks are
// left out, since paper does not show them.
QString reportPlainText(const Report& report);

} // namespace tallyvane
