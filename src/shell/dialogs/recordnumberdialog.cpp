#include "shell/dialogs/recordnumberdialog.h"

#include "core/leadingnumber.h"
#include "core/sharedvalues.h"
#include "shell/greenbox.h"

#include <algorithm>
#include <limits>

namespace tallyvane {
namespace {

constexpr DialogOffsets IncomeSideOffsets{{550, 4800}, {1630, 5860}};
constexpr DialogOffsets ExpenseSideOffsets{{7000, 4800}, {8050, 5860}};

PromptLayout recordNumberLayout(const SharedValues& values)
{
    PromptLayout layout;
    layout.caption = QStringLiteral("Input ");
    // Only the expense side asks for placement 2; anything else sits under
    // the income side.
    layout.offsets = values.recNumSpot == 2 ? ExpenseSideOffsets : IncomeSideOffsets;
    layout.labelName = QStringLiteral("Label1");
    layout.labelText = values.recNumMode == 1 ? QStringLiteral(" Type in record number    to delete ")
                                              : QStringLiteral(" Type in record number    to change.");
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

std::int16_t recordNumberFrom(const QString& typed)
{
    const double number = readLeadingNumber(typed);
    const double largest = std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(std::clamp(number, 0.0, largest));
}

InRecNum::InRecNum(SharedValues& values, UiServices& services, QWidget* frame)
    : PromptDialog(recordNumberLayout(values), values, services, frame)
{
    box()->setText(presetText(values.recNumPreset));
    values.recNumMode = 0;
    values.recNumPreset = 0;
    values.recNumSpot = 0;
    values.recNumber = 0;
}

void InRecNum::takeAnswer(const QString& typed)
{
    values().recNumber = recordNumberFrom(typed);
}

} // namespace tallyvane
