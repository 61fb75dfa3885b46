// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/money.h"
#include "mortgage/amortizationinput.h"

#include <QString>
#include <QStringList>

namespace tallyvane {

// What differs between the mortgage window (term in years) and the personal
// loan window (term in months): captions, opening figures, the term list and
// its limit, the help topic and the quick help.
struct MortgageWindowMode
{
    LoanKind loanKind;
    QString windowCaption;
    QString frameCaption;
    QString principalCaption;   // Label1
    QString rateCaption;        // Label2
    QString termCaption;        // Label3
    QString totalPaidCaption;   // Label8
    QString timeToFinalCaption; // Label11
    QString principalText;      // shown after the currency symbol
    QString rateText;
    QString termText;
    QStringList termList;
    Money principal;
    Money termYears;
    int termLimit; // years for a mortgage, months for a loan
    bool termInMonths;
    int helpContext;
    QString quickHelp; // lines ended by CR LF
};

const MortgageWindowMode& mortgageWindowMode(LoanKind kind);
// The kind of window the menu asked for in LoanKind: 2 a loan, else a mortgage.
LoanKind loanKindFromShared(int loanKindValue);

} // namespace tallyvane
