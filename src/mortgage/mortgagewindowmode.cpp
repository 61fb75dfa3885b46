// SPDX-License-Identifier: GPL-3.0-or-later
#include "mortgage/mortgagewindowmode.h"

#include "shell/helpcontexts.h"

namespace tallyvane {
namespace {

// Texts of the quick help, line by line; an empty entry is a blank line.
QString quickHelpText(const QStringList& lines)
{
    return lines.join(QStringLiteral("\r\n"));
}

QStringList commonQuickHelpStart()
{
    return {
        QStringLiteral("Click any green box and type in numbers, deletes previous ones.  For results click "
                       "Calculate."),
        QStringLiteral("                             Press F1 key for more detailed information.")};
}

QString mortgageQuickHelp()
{
    return quickHelpText(
        commonQuickHelpStart() +
        QStringList{
            QStringLiteral("100,000.00"),
            {},
            {},
            {},
            QStringLiteral("       6.125"),
            {},
            {},
            {},
            QStringLiteral("           25"),
            {},
            {},
            QStringLiteral("Click down arrow to select different compound interest periods."),
            QStringLiteral("American = Monthly.  Canadian = Semi-Annual."),
            {},
            QStringLiteral("Click down arrow to select different payment frequencies."),
            QStringLiteral(
                "Accelerated payments. 26 instead of 12 annual payments at half the monthly principal "
                "+ Interest. Mortgage retired earlier."),
            {},
            QStringLiteral("Show payments. Click option to show All payments or just the Annual totals."),
            {},
            QStringLiteral(
                "Click 'View Payment Date' to show dates, toggles to 'View Payment No.' for numbers."),
            {},
            QStringLiteral(
                "Click 'Additional Payments'. Type the amount of payment. 'OK' accepts all changes, "
                "'Erase all' sets all cells to 0. Effects all calculations unless Amortization "
                "changed or 'Erase all'. Amounts added at start of that year to Principal Payment."),
            {},
            QStringLiteral(
                "Click 'Days in Year' to change the way interest is computed when used with all "
                "'Frequency and type of each payment' except Monthly and Semimonthly payments. Read "
                "'How to use Program' for explanation."),
        });
}

QString loanQuickHelp()
{
    return quickHelpText(
        commonQuickHelpStart() +
        QStringList{
            QStringLiteral("10,000.00"),
            {},
            {},
            {},
            QStringLiteral("      6.125"),
            {},
            {},
            {},
            QStringLiteral("          60"),
            {},
            {},
            {},
            QStringLiteral("Monthly.   Almost all Loans are based on monthly compounding."),
            {},
            {},
            QStringLiteral("Monthly.   All Loans are based on one payment each month, 12 payments each"),
            QStringLiteral("               year during the payback period. Same as a Normal mortgage."),
            {},
            QStringLiteral("Show Payments. Click option to show All payments or just the Annual totals."),
            {},
            QStringLiteral(
                "Click 'View Payment Dates' to show dates, toggles to 'View Payment No.' for numbers."),
            {},
            QStringLiteral(
                "Normally financial institutions do not allow Additional Payments. Use if allowed."),
            {},
            QStringLiteral("When using accelerated payments, change the Days in Year. Use if allowed."),
        });
}

MortgageWindowMode mortgageMode()
{
    return {LoanKind::Mortgage,
            QStringLiteral("Mortgage Tables"),
            QStringLiteral(" Mortgage Tables"),
            QStringLiteral(" Principal amount of           mortgage."),
            QStringLiteral(" Annual interest rate %"),
            QStringLiteral(" Amortization period in       years."),
            QStringLiteral(" Total paid over    life of mortgage"),
            QStringLiteral(" No. of years to  final payment."),
            QStringLiteral("100,000.00"),
            QStringLiteral("        10.125%"),
            QStringLiteral("            25"),
            {QStringLiteral("25"), QStringLiteral("30"), QStringLiteral("40")},
            Money::fromWhole(100000),
            Money::fromWhole(25),
            40,
            false,
            HelpContext::Mortgage,
            mortgageQuickHelp()};
}

MortgageWindowMode loanMode()
{
    return {LoanKind::PersonalLoan,
            QStringLiteral("Personal Loan Tables"),
            QStringLiteral(" Loan Tables"),
            QStringLiteral(" Principal amount of the     loan."),
            QStringLiteral(" Annual interest rate%."),
            QStringLiteral(" Payback period of the      loan in months."),
            QStringLiteral(" Total paid over     life of the loan."),
            QStringLiteral(" No. months to   final payment."),
            QStringLiteral("20,000.00"),
            QStringLiteral("         10.125%"),
            QStringLiteral("            48"),
            {QStringLiteral("24"), QStringLiteral("36"), QStringLiteral("48"), QStringLiteral("60")},
            Money::fromWhole(20000),
            Money::fromWhole(4),
            480,
            true,
            HelpContext::Loan,
            loanQuickHelp()};
}

} // namespace

const MortgageWindowMode& mortgageWindowMode(LoanKind kind)
{
    static const MortgageWindowMode mortgage = mortgageMode();
    static const MortgageWindowMode loan = loanMode();
    return kind == LoanKind::PersonalLoan ? loan : mortgage;
}

LoanKind loanKindFromShared(int loanKindValue)
{
    return loanKindValue == static_cast<int>(LoanKind::PersonalLoan) ? LoanKind::PersonalLoan
                                                                     : LoanKind::Mortgage;
}

} // namespace tallyvane
