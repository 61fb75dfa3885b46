// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/dialogs/recordnumberdialog.h"

#include "core/leadingnumber.h"
#include "core/sharedvalues.h"

#include <algorithm>
#include <limits>

namespace tallyvane {
namespace {

constexpr DialogOffsets IncomeSideOffsets{{550, 4800}, {1630, 5860}};
constexpr DialogOffsets ExpenseSideOffsets{{7000, 4800}, {8050, 5860}};

PromptLayout recordNumberLayout(const SharedValues& values)
{
    // Only the expense side asks for placement 2; anything else sits under
    // the income side.
    return numberPromptLayout(values.recNumSpot == 2 ? ExpenseSideOffsets : IncomeSideOffsets,
                              values.recNumMode == 1
                                  ? QStringLiteral(" Type in record number    to delete ")
                                  : QStringLiteral(" Type in record number    to change."));
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
    offerPreset(values.recNumPreset);
    values.recNumMode = 0;
    values.recNumSpot = 0;
    values.recNumber = 0;
}

void InRecNum::takeAnswer(const QString& typed)
{
    values().recNumber = recordNumberFrom(typed);
}

} // namespace tallyvane
