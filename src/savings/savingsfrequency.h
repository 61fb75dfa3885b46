// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace tallyvane {

// How often money is contributed and interest compounded; the window's
// frequency list holds exactly these texts.
enum class SavingsFrequency
{
    Annually,
    Quarterly,
    Monthly
};

int periodsPerYear(SavingsFrequency frequency);
QString frequencyText(SavingsFrequency frequency);
std::optional<SavingsFrequency> frequencyFromText(QStringView text);

} // namespace tallyvane
