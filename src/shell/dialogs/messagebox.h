// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/messages.h"
#include "shell/dialogs/shareddialog.h"

#include <QString>

namespace tallyvane {

// AMsgbox: shows message SharedValues::msgNumber until the user presses Exit.
class AMsgbox : public SharedDialog
{
    Q_OBJECT

public:
    AMsgbox(SharedValues& values, QWidget* frame);
};

} // namespace tallyvane
