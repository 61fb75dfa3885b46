// SPDX-License-Identifier: GPL-3.0-or-later
#include "savings/savingsfrequency.h"

namespace tallyvane {

int periodsPerYear(SavingsFrequency frequency)
{
    switch (frequency) {
    case SavingsFrequency::Quarterly:
        return 4;
    case SavingsFrequency::Monthly:
        return 12;
    case SavingsFrequency::Annually:
        break;
    }
    return 1;
}

QString frequencyText(SavingsFrequency frequency)
{
    switch (frequency) {
    case SavingsFrequency::Quarterly:
        return QStringLiteral("Quarterly");
    case SavingsFrequency::Monthly:
        return QStringLiteral("Monthly");
    case SavingsFrequency::Annually:
        break;
    }
    return QStringLiteral("Annually");
}

std::optional<SavingsFrequency> frequencyFromText(QStringView text)
{
    for (const SavingsFrequency frequency :
         {SavingsFrequency::Annually, SavingsFrequency::Quarterly, SavingsFrequency::Monthly})
        if (text == frequencyText(frequency))
            return frequency;
    return std::nullopt;
}

} // namespace tallyvane
