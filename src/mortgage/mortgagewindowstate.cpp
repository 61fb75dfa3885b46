// SPDX-License-Identifier: GPL-3.0-or-later
#include "mortgage/mortgagewindowstate.h"

#include "core/whole16.h"

namespace tallyvane {

bool prepaymentsInForce(const MortgageWindowState& state)
{
    return state.paymentIncrease > 0.0f || state.additionalCount >= 1;
}

void erasePrepayments(MortgageWindowState& state)
{
    state.additionalPayments.erase();
    state.additionalCount = 0;
    state.paymentIncrease = 0.0f;
}

std::int16_t yearRowsFor(Money termYears)
{
    return toWhole16(termYears.toDouble());
}

} // namespace tallyvane
