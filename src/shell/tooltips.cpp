// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/tooltips.h"

#include <QHelpEvent>
#include <QString>
#include <QToolTip>

namespace tallyvane {

void answerToolTip(QHelpEvent& event, const QString& tip, QWidget* widget)
{
    if (tip.isEmpty()) {
        QToolTip::hideText();
        event.ignore();
    } else {
        QToolTip::showText(event.globalPos(), tip, widget);
    }
}

} // namespace tallyvane
