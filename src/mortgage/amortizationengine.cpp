// SPDX-License-Identifier: GPL-3.0-or-later
#include "mortgage/amortizationengine.h"

#include "core/arithmeticfault.h"
#include "core/messages.h"
#include "core/whole16.h"
#include "mortgage/annualtotals.h"
#include "mortgage/paymentschedule.h"
#include "mortgage/periodicrates.h"
#include "mortgage/resulttablelayout.h"

#include <algorithm>
#include <stdexcept>

namespace tallyvane {
namespace {

constexpr double ShownSavingsThreshold = 10.0;

QString graphTitleFor(LoanKind kind)
{
    return kind == LoanKind::Mortgage ? QStringLiteral("Mortgage balance at start of each Year")
                                      : QStringLiteral("Personal Loan balance at start of each Year");
}

AmortizationResult calculateUnchecked(const AmortizationInput& input)
{
    if (input.firstPaymentDate && !input.firstPaymentDate->isValid())
        throw ArithmeticFault("no first payment date");

    AmortizationResult result;
    result.loanKind = input.loanKind;
    result.view = input.view;
    result.showsDates = input.firstPaymentDate.has_value();
    result.resultTable.resize(ResultTableRows, ResultTableColumns);
    result.annualTable.resize(AnnualTableRows, ResultTableColumns);

    const PeriodicRates rates = computePeriodicRates(input);
    const ScheduleOutcome outcome = fillPaymentSchedule(input, rates, result.resultTable);

    AmortizationSummary& summary = result.summary;
    summary.paymentsPerYear = paymentsPerYear(input.paymentKind);
    summary.daysShown = usesDaysInYear(input.paymentKind) ? daysInYear(input.daysInYearChoice).caption
                                                          : QStringLiteral("Normal");
    summary.periodicRate = rates.ratePerPeriod;
    summary.payment = outcome.payment;
    summary.increaseAmount = outcome.increaseAmount;
    summary.paymentsToFinal = outcome.lastRow;
    summary.yearsToFinal = static_cast<float>(static_cast<double>(outcome.lastRow) / summary.paymentsPerYear);
    summary.lastRow = outcome.lastRow;
    if (input.view == AmortizationView::AnnualTotals)
        summary.lastRow =
            fillAnnualTotals(result.resultTable, result.annualTable, outcome.lastRow, summary.paymentsPerYear,
                             summary.yearsToFinal, input.firstPaymentDate);

    summary.totalPaid = result.resultTable.at(summary.lastRow, CumulativeInterestColumn) +
                        result.resultTable.at(summary.lastRow, CumulativePrincipalColumn);
    summary.interestSavings = Money::fromDouble(rates.scheduledTotal - summary.totalPaid.toDouble());
    if (summary.interestSavings < Money::fromDouble(ShownSavingsThreshold))
        summary.interestSavings = Money();

    // A loan shorter than half a year still has a result to print and graph.
    summary.graphPointCount =
        input.view == AmortizationView::AllPayments
            ? toWhole16(static_cast<std::int64_t>(summary.lastRow) + 1)
            : std::max<std::int16_t>(1, toWhole16(static_cast<double>(summary.yearsToFinal)));
    result.graphTitle = graphTitleFor(input.loanKind);

    summary.additionalApplied = toWhole16(static_cast<std::int64_t>(outcome.appliedYears.size()));
    result.listedAdditionalPayments =
        listedAdditionalPayments(input.additionalPayments, outcome.appliedYears);
    summary.additionalListing =
        additionalPaymentListing(input.additionalPayments, result.listedAdditionalPayments);
    return result;
}

} // namespace

AmortizationResult AmortizationEngine::calculate(const AmortizationInput& input) const
{
    if (input.loanKind == LoanKind::Mortgage && input.termYears >= Money::fromWhole(41))
        throw PlannerError(Message::FortyYearsLimit);
    try {
        return calculateUnchecked(input);
    } catch (const ArithmeticFault&) {
        throw PlannerError(Message::WrongOrMissingEntry);
    }
}

} // namespace tallyvane
