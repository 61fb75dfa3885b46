// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/dialogs/promptdialog.h"

namespace tallyvane {

struct SharedValues;

// What SharedValues::printHeader holds when the user cancels the header
// prompt. A header typed as this same text reads as Cancel too.
inline constexpr char CancelledPrintHeader[] = "1";

// Whether the last header prompt asked the printout to print nothing.
bool printHeaderCancelled(const SharedValues& values);

// PrinterHeaderInput: asks for the one-line header of a printout and leaves
// it in SharedValues::printHeader, CancelledPrintHeader when cancelled.
class PrinterHeaderInput : public PromptDialog
{
    Q_OBJECT

public:
    PrinterHeaderInput(SharedValues& values, UiServices& services, QWidget* frame);

protected:
    void takeAnswer(const QString& typed) override;
};

} // namespace tallyvane
