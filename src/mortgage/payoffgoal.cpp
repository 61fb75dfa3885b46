// SPDX-License-Identifier: GPL-3.0-or-later
#include "mortgage/payoffgoal.h"

#include "core/messages.h"
#include "core/numberformat.h"
#include "mortgage/amortizationengine.h"

#include <algorithm>
#include <cmath>

namespace tallyvane {
namespace {

constexpr std::int64_t RawCent = 100; // Money keeps ten-thousandths

// The years of the term that take an additional payment.
int yearsWithAdditional(Money termYears)
{
    const Money longest = Money::fromWhole(AdditionalPaymentTable::LastYear);
    return yearRowsFor(std::clamp(termYears, Money(), longest));
}

Money cents(std::int64_t count)
{
    return Money::fromRaw(count * RawCent);
}

class GoalSearch
{
public:
    GoalSearch(const AmortizationInput& input, int year) : m_input(input), m_year(year)
    {
        // Dates do not move any figure; leaving them out spares every step.
        m_input.firstPaymentDate.reset();
        m_input.view = AmortizationView::AllPayments;
    }

    PayoffGoal run()
    {
        PayoffGoal goal;
        goal.year = m_year;
        const AmortizationSummary none = calculate(0);
        goal.nearestYear = finalPaymentYear(none);
        if (reaches(none))
            return reached(goal, 0, none);
        if (yearsWithAdditional(m_input.termYears) == 0)
            return goal;
        // The first year takes any amount below the amount borrowed; the
        // largest of them ends the loan soonest.
        const std::int64_t largest = (m_input.principal.raw() - 1) / RawCent;
        const AmortizationSummary atLargest = calculate(largest);
        goal.nearestYear = std::min(goal.nearestYear, finalPaymentYear(atLargest));
        if (!reaches(atLargest))
            return goal;

        // Only amounts made in no more years than the goal can reach it.
        std::int64_t low = smallest(1, largest, [&](const AmortizationSummary& summary) {
            return summary.additionalApplied <= m_year;
        });
        // The largest amount reaches the goal, so a range before it does.
        while (low <= largest) {
            const std::int16_t applied = calculate(low).additionalApplied;
            const std::int64_t high = largestWith(low, largest, applied);
            if (reaches(calculate(high))) {
                const std::int64_t found =
                    smallest(low, high, [&](const AmortizationSummary& summary) { return reaches(summary); });
                return reached(goal, found, calculate(found));
            }
            low = high + 1;
        }
        return goal;
    }

private:
    AmortizationSummary calculate(std::int64_t amountCents) const
    {
        return AmortizationEngine().calculate(withYearlyAdditional(m_input, cents(amountCents))).summary;
    }

    bool reaches(const AmortizationSummary& summary) const { return finalPaymentYear(summary) <= m_year; }

    // The smallest amount of low..high that `holds`, which holds at high and,
    // once it holds, at every larger amount of the range.
    template <typename Test> std::int64_t smallest(std::int64_t low, std::int64_t high, Test holds) const
    {
        while (low < high) {
            const std::int64_t middle = low + (high - low) / 2;
            if (holds(calculate(middle)))
                high = middle;
            else
                low = middle + 1;
        }
        return high;
    }

    // The largest amount from `low` on that is still made in `applied` years.
    std::int64_t largestWith(std::int64_t low, std::int64_t high, std::int16_t applied) const
    {
        while (low < high) {
            const std::int64_t middle = low + (high - low + 1) / 2;
            if (calculate(middle).additionalApplied >= applied)
                low = middle;
            else
                high = middle - 1;
        }
        return low;
    }

    static PayoffGoal& reached(PayoffGoal& goal, std::int64_t amountCents, const AmortizationSummary& summary)
    {
        goal.reached = true;
        goal.yearlyAdditional = cents(amountCents);
        goal.summary = summary;
        goal.nearestYear = finalPaymentYear(summary);
        return goal;
    }

    AmortizationInput m_input;
    int m_year;
};

} // namespace

int finalPaymentYear(const AmortizationSummary& summary)
{
    const int perYear = std::max<int>(1, summary.paymentsPerYear);
    return (summary.paymentsToFinal + perYear - 1) / perYear;
}

AmortizationInput withYearlyAdditional(const AmortizationInput& input, Money amount)
{
    AmortizationInput changed = input;
    changed.additionalPayments.erase();
    for (int year = 1; year <= yearsWithAdditional(input.termYears); ++year)
        changed.additionalPayments.setAmount(year, amount);
    return changed;
}

void applyYearlyAdditional(MortgageWindowState& state, Money termYears, Money amount)
{
    const int years = yearsWithAdditional(termYears);
    state.additionalPayments.erase();
    for (int year = 1; year <= years; ++year)
        state.additionalPayments.setAmount(year, amount);
    state.yearRows = static_cast<std::int16_t>(std::max<int>(state.yearRows, years));
    state.additionalCount = state.additionalPayments.enteredCount(state.yearRows);
}

PayoffGoal findPayoffGoal(const AmortizationInput& input, int year)
{
    return GoalSearch(input, year).run();
}

QString outOfReachDetail(const PayoffGoal& goal)
{
    return QStringLiteral("%1; the nearest year within reach is %2.").arg(goal.year).arg(goal.nearestYear);
}

QString payoffGoalText(const PayoffGoal& goal, LoanKind kind, const QString& currencySymbol)
{
    if (!goal.reached)
        return messageText(Message::GoalOutOfReach, outOfReachDetail(goal));
    const bool mortgage = kind == LoanKind::Mortgage;
    const double timeToFinal =
        mortgage ? static_cast<double>(goal.summary.yearsToFinal) : goal.summary.monthsToFinal();
    return QStringLiteral("Additional payment each year from year 1: %1\n"
                          "%2 to the final payment: %3\n"
                          "Total interest savings: %4")
        .arg(currencySymbol + formatMoney(goal.yearlyAdditional, u"####,,##0.00"),
             mortgage ? QStringLiteral("Years") : QStringLiteral("Months"),
             formatNumber(timeToFinal, u"###.00"),
             currencySymbol + formatMoney(goal.summary.interestSavings, u"####,,##0.00"));
}

} // namespace tallyvane
