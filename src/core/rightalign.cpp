// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/rightalign.h"

namespace tallyvane {

QString rightAlign(const QString& text, int width)
{
    if (width <= 0)
        return QString();
    if (text.size() >= width)
        return text.left(width);
    return QString(width - text.size(), u' ') + text;
}

} // namespace tallyvane
