// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mortgage/additionalpaymenttable.h"

#include <QString>

#include <vector>

namespace tallyvane {

struct ListedAdditionalPayment
{
    int year;
    Money amount;
};

// The additional payments that were made, in year order.
std::vector<ListedAdditionalPayment> listedAdditionalPayments(const AdditionalPaymentTable& table,
                                                              const std::vector<int>& appliedYears);

// The text block the printout ends with: a heading, a blank line and one line
// per listed year, each line ended by CR LF. Empty when no additional payment
// was entered, so that the printout leaves the block out.
QString additionalPaymentListing(const AdditionalPaymentTable& table,
                                 const std::vector<ListedAdditionalPayment>& listed);

} // namespace tallyvane
