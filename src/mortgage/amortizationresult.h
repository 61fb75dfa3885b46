// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/moneytable.h"
#include "mortgage/additionalpaymentlisting.h"
#include "mortgage/amortizationinput.h"
#include "mortgage/amortizationsummary.h"

#include <QString>

#include <vector>

namespace tallyvane {

struct AmortizationResult
{
    LoanKind loanKind = LoanKind::Mortgage;
    AmortizationView view = AmortizationView::AnnualTotals;
    bool showsDates = false;
    // Rows 1..summary.lastRow hold the visible table (see ResultColumn);
    // in the annual view rows past it still hold payments and are not shown.
    MoneyTable resultTable;
    MoneyTable annualTable;
    AmortizationSummary summary;
    QString graphTitle;
    std::vector<ListedAdditionalPayment> listedAdditionalPayments;
};

} // namespace tallyvane
