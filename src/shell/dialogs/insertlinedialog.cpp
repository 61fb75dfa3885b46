#include "shell/dialogs/insertlinedialog.h"

#include "core/sharedvalues.h"
#include "shell/greenbox.h"

namespace tallyvane {
namespace {

PromptLayout insertLineLayout()
{
    PromptLayout layout;
    layout.caption = QStringLiteral("Input ");
    layout.offsets = {{3340, 3450}, {4400, 4490}};
    layout.labelName = QStringLiteral("Label1");
    layout.labelText = QStringLiteral(" Insert a blank line at line      number ");
    layout.boxName = QStringLiteral("CurVal");
    layout.filter = KeyFilterKind::WholeNumber;
    layout.selectAllOnFocus = true;
    layout.acceptName = QStringLiteral("Accept");
    layout.acceptText = QStringLiteral("&OK");
    layout.cancelName = QStringLiteral("NoAccept");
    layout.cancelText = QStringLiteral("&Cancel");
    return layout;
}

} // namespace

FundCurValInput::FundCurValInput(SharedValues& values, UiServices& services, QWidget* frame)
    : PromptDialog(insertLineLayout(), values, services, frame)
{
    box()->setText(presetText(values.recNumPreset));
    values.recNumPreset = 0;
    values.insertLineText.clear();
}

void FundCurValInput::takeAnswer(const QString& typed)
{
    values().insertLineText = typed;
}

} // namespace tallyvane
