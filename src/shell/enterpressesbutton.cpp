// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/enterpressesbutton.h"

#include <QKeyEvent>
#include <QPushButton>

namespace tallyvane {

bool EnterPressesButton::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    auto* button = qobject_cast<QPushButton*>(watched);
    if (!button || !button->hasFocus() || !button->isEnabled())
        return false;
    button->animateClick();
    return true;
}

} // namespace tallyvane
