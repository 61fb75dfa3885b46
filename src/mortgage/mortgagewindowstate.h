// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mortgage/additionalpaymenttable.h"
#include "mortgage/daysinyear.h"

#include <QString>

#include <cstdint>

namespace tallyvane {

// What the mortgage window keeps besides its boxes: the choices made in its
// dialogs. The window owns it, hands it to the dialogs to change, and reads it
// for every calculation.
struct MortgageWindowState
{
    bool showDates = false;
    QString firstPaymentDate; // in the short date form
    std::int16_t daysInYearChoice = DefaultDaysInYearChoice;
    float paymentIncrease = 0.0f; // fraction by which each payment is raised, at most 1
    AdditionalPaymentTable additionalPayments;
    // Years with an amount, as last counted when the payments dialog closed.
    std::int16_t additionalCount = 0;
    // Year rows of the payments dialog as last opened (0 if never opened):
    // how many rows of the table a saved file keeps.
    std::int16_t yearRows = 0;
};

// True while an increase or an additional payment is in force.
bool prepaymentsInForce(const MortgageWindowState& state);
// Erases the additional payments and the increase.
void erasePrepayments(MortgageWindowState& state);
// The years the additional-payments dialog offers for a term in years.
std::int16_t yearRowsFor(Money termYears);

} // namespace tallyvane
