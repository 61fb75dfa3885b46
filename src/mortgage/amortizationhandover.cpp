// SPDX-License-Identifier: GPL-3.0-or-later
#include "mortgage/amortizationhandover.h"

namespace tallyvane {
namespace {

constexpr std::size_t PrincipalSlot = 1;
constexpr std::size_t MortgageInputSlots = 6;

} // namespace

void handOverResults(const AmortizationInput& input, const AmortizationResult& result, SharedValues& shared)
{
    shared.resultTable = result.resultTable;
    shared.paymentsPerYear = result.summary.paymentsPerYear;
    shared.yearsToFinal = result.summary.yearsToFinal;
    shared.plannerMode = static_cast<std::int16_t>(result.view);
    shared.graphPointCount = result.summary.graphPointCount;
    shared.graphTitle = result.graphTitle;
    if (shared.inputValues.size() < MortgageInputSlots)
        shared.inputValues.resize(MortgageInputSlots);
    shared.inputValues[PrincipalSlot] = input.principal;
}

} // namespace tallyvane
