// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/dialogs/insertlinedialog.h"

#include "core/sharedvalues.h"

namespace tallyvane {

FundCurValInput::FundCurValInput(SharedValues& values, UiServices& services, QWidget* frame)
    : PromptDialog(numberPromptLayout({{3340, 3450}, {4400, 4490}},
                                      QStringLiteral(" Insert a blank line at line      number ")),
                   values, services, frame)
{
    offerPreset(values.recNumPreset);
    values.insertLineText.clear();
}

void FundCurValInput::takeAnswer(const QString& typed)
{
    values().insertLineText = typed;
}

} // namespace tallyvane
