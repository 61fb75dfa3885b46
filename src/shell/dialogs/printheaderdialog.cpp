// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/dialogs/printheaderdialog.h"

#include "core/sharedvalues.h"

namespace tallyvane {
namespace {

PromptLayout printHeaderLayout()
{
    PromptLayout layout;
    layout.caption = QStringLiteral("Input");
    layout.offsets = {{3400, 3000}, {4500, 4000}};
    layout.labelName = QStringLiteral("FName");
    layout.labelText = QStringLiteral(" Type in one line header information.");
    layout.boxName = QStringLiteral("InFName");
    layout.filter = KeyFilterKind::Words;
    layout.acceptName = QStringLiteral("Acept");
    layout.acceptText = QStringLiteral("Continue &Printout");
    layout.cancelName = QStringLiteral("NAcept");
    layout.cancelText = QStringLiteral("&Cancel");
    return layout;
}

} // namespace

bool printHeaderCancelled(const SharedValues& values)
{
    return values.printHeader == QLatin1String(CancelledPrintHeader);
}

PrinterHeaderInput::PrinterHeaderInput(SharedValues& values, UiServices& services, QWidget* frame)
    : PromptDialog(printHeaderLayout(), values, services, frame)
{
    values.printHeader = QString::fromLatin1(CancelledPrintHeader);
}

void PrinterHeaderInput::takeAnswer(const QString& typed)
{
    values().printHeader = typed;
}

} // namespace tallyvane
