// SPDX-License-Identifier: GPL-3.0-or-later
#include "mortgage/paymentschedule.h"

#include "core/arithmeticfault.h"
#include "core/whole16.h"
#include "mortgage/paymentdates.h"
#include "mortgage/resulttablelayout.h"

namespace tallyvane {
namespace {

// A schedule that ends with a small residue (the term's rounding, or the
// overshoot of the last payment) has its last row closed to a zero balance;
// the interest of that row stays as computed.
constexpr double ClosingResidueLimit = 6.0;

void closeFinalRow(MoneyTable& table, int lastRow, Money principal)
{
    // The balance before the first payment is the amount borrowed.
    const Money previousBalance = lastRow == 1 ? principal : table.at(lastRow - 1, BalanceColumn);
    const Money previousInterest = table.at(lastRow - 1, CumulativeInterestColumn);
    table.at(lastRow, PrincipalColumn) = previousBalance;
    table.at(lastRow, CumulativeInterestColumn) = table.at(lastRow, InterestColumn) + previousInterest;
    table.at(lastRow, CumulativePrincipalColumn) += table.at(lastRow, BalanceColumn);
    table.at(lastRow, BalanceColumn) = previousBalance - table.at(lastRow, PrincipalColumn);
}

} // namespace

ScheduleOutcome fillPaymentSchedule(const AmortizationInput& input, const PeriodicRates& rates,
                                    MoneyTable& table)
{
    ScheduleOutcome outcome;
    const double borrowed = input.principal.toDouble();
    const double rate = rates.ratePerPeriod;
    const std::int16_t perYear = paymentsPerYear(input.paymentKind);
    const std::int16_t capacity = toWhole16(rowCapacity(input.paymentKind, input.termYears.toDouble()));
    const bool allPayments = input.view == AmortizationView::AllPayments;
    const bool showsDates = input.firstPaymentDate.has_value();

    double payment = rates.payment;
    double interest = borrowed * rate;
    if (input.paymentIncrease > 0.0f)
        payment = payment + input.paymentIncrease * payment;
    outcome.payment = payment;
    outcome.increaseAmount = payment - rates.payment;
    double principal = payment - interest;
    double balance = borrowed;
    double cumulativeInterest = 0.0;
    double cumulativePrincipal = 0.0;
    Money yearNumber;
    int year = 0;
    int firstRowOfYear = 1;

    for (int row = 1; row <= capacity; ++row) {
        if (row == firstRowOfYear) {
            firstRowOfYear += perYear;
            yearNumber = Money::fromWhole(++year);
            // An extra amount is made only while it is less than what would
            // remain after a regular payment; a larger one is skipped for the year.
            const Money extra = input.additionalPayments.amount(year);
            const Money roomLeft = Money::fromDouble(balance) - table.at(row - 1, PrincipalColumn);
            if (extra < roomLeft) {
                principal = (Money::fromDouble(principal) + extra).toDouble();
                if (extra > Money())
                    outcome.appliedYears.push_back(year);
            }
        }

        const double rowInterest = interest;
        const double rowPrincipal = principal;
        balance -= principal;
        interest = rate * balance;
        principal = payment - interest;
        // Negative interest means the balance was already paid off.
        if (rowInterest < 0.0)
            break;

        if (row >= table.rowCount())
            throw ArithmeticFault("schedule longer than the result table");
        cumulativeInterest += rowInterest;
        cumulativePrincipal += rowPrincipal;
        table.at(row, NumberColumn) = Money::fromWhole(row);
        table.at(row, InterestColumn) = Money::fromDouble(rowInterest);
        table.at(row, PrincipalColumn) = Money::fromDouble(rowPrincipal);
        table.at(row, BalanceColumn) = Money::fromDouble(balance);
        table.at(row, CumulativeInterestColumn) = Money::fromDouble(cumulativeInterest);
        table.at(row, CumulativePrincipalColumn) = Money::fromDouble(cumulativePrincipal);
        if (allPayments && showsDates)
            table.at(row, DateColumn) =
                Money::fromWhole(paymentDate(input.paymentKind, *input.firstPaymentDate, row).toJulianDay());
        else if (allPayments)
            table.at(row, YearColumn) = yearNumber;
        outcome.lastRow = static_cast<std::int16_t>(row);
    }

    if (outcome.lastRow == 0)
        throw ArithmeticFault("no payment row");
    outcome.balanceAfterLoop = balance;
    if (balance < ClosingResidueLimit)
        closeFinalRow(table, outcome.lastRow, input.principal);
    return outcome;
}

} // namespace tallyvane
