// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/money.h"
#include "savings/savingsfrequency.h"

#include <vector>

namespace tallyvane {

// Where the savings window keeps its figures in the shared input slots.
// Slots 0, 3 and 8 are unused; the frequency lives in its list, not a slot.
inline constexpr int SavingsInputSlotCount = 9;
inline constexpr int LumpSumSlot = 1;
inline constexpr int ContributionSlot = 2;
inline constexpr int RateSlot = 4;
inline constexpr int IncreaseSlot = 5;
inline constexpr int InflationSlot = 6;
inline constexpr int YearsSlot = 7;

inline constexpr int MaxSavingsYears = 40;

// One savings plan as the window holds it. Rates are annual percentages and
// the years a whole number kept as money, like every slot. The member
// defaults are the figures the window starts with.
struct SavingsInputs
{
    Money lumpSum;
    Money contribution = Money::fromWhole(1200);
    SavingsFrequency frequency = SavingsFrequency::Annually;
    Money ratePercent = Money::fromWhole(20);
    Money increasePercent;
    Money inflationPercent;
    Money years = Money::fromWhole(25);

    // Reads the plan from the window's slots; missing slots count as 0.
    static SavingsInputs fromSlots(const std::vector<Money>& inputValues, SavingsFrequency frequency);
    // Nine slots laid out as the window expects them.
    std::vector<Money> toSlots() const;
};

} // namespace tallyvane
