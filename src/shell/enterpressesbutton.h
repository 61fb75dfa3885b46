// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

namespace tallyvane {

// Installed on the application: Enter or Return on a focused push button
// presses it, in every window and dialog, as the Space bar does. Buttons that
// are not their dialog's default otherwise ignore Enter.
class EnterPressesButton : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace tallyvane
