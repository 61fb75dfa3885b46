// SPDX-License-Identifier: GPL-3.0-or-later
#include "savings/savingsinputs.h"

namespace tallyvane {
namespace {

Money slotOrZero(const std::vector<Money>& inputValues, int slot)
{
    return slot < static_cast<int>(inputValues.size()) ? inputValues[slot] : Money();
}

} // namespace

SavingsInputs SavingsInputs::fromSlots(const std::vector<Money>& inputValues, SavingsFrequency frequency)
{
    SavingsInputs inputs;
    inputs.lumpSum = slotOrZero(inputValues, LumpSumSlot);
    inputs.contribution = slotOrZero(inputValues, ContributionSlot);
    inputs.frequency = frequency;
    inputs.ratePercent = slotOrZero(inputValues, RateSlot);
    inputs.increasePercent = slotOrZero(inputValues, IncreaseSlot);
    inputs.inflationPercent = slotOrZero(inputValues, InflationSlot);
    inputs.years = slotOrZero(inputValues, YearsSlot);
    return inputs;
}

std::vector<Money> SavingsInputs::toSlots() const
{
    std::vector<Money> inputValues(SavingsInputSlotCount);
    inputValues[LumpSumSlot] = lumpSum;
    inputValues[ContributionSlot] = contribution;
    inputValues[RateSlot] = ratePercent;
    inputValues[IncreaseSlot] = increasePercent;
    inputValues[InflationSlot] = inflationPercent;
    inputValues[YearsSlot] = years;
    return inputValues;
}

} // namespace tallyvane
