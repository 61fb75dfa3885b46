// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/dialogs/promptdialog.h"

namespace tallyvane {

// FundCurValInput: asks at which line number a blank line goes, with
// SharedValues::recNumPreset already typed, and leaves the typed text in
// SharedValues::insertLineText, empty when cancelled.
class FundCurValInput : public PromptDialog
{
    Q_OBJECT

public:
    FundCurValInput(SharedValues& values, UiServices& services, QWidget* frame);

protected:
    void takeAnswer(const QString& typed) override;
};

} // namespace tallyvane
