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

        // The first year takes any amount below the amount borrowed.
        const std::int64_t largest = (m_input.principal.raw() - 1) / RawCent;
        const std::int64_t step =
            std::max<std::int64_t>(1, std::llround(none.payment * none.paymentsPerYear * 100.0));
        std::int64_t below = 0;
        for (std::int64_t above = std::min(step, largest); above > below;
             below = above, above = std::min(above + step, largest)) {
            const AmortizationSummary tried = calculate(above);
            goal.nearestYear = std::min(goal.nearestYear, finalPaymentYear(tried));
            if (reaches(tried))
                return bisect(goal, below, above, tried);
        }
        return goal;
    }

private:
    AmortizationSummary calculate(std::int64_t amountCents) const
    {
        return AmortizationEngine().calculate(withYearlyAdditional(m_input, cents(amountCents))).summary;
    }

    bool reaches(const AmortizationSummary& summary) const { return finalPaymentYear(summary) <= m_year; }

    // `below` does not reach the goal and `above` does.
    PayoffGoal& bisect(PayoffGoal& goal, std::int64_t below, std::int64_t above,
                       AmortizationSummary atAbove) const
    {
        while (above - below > 1) {
            const std::int64_t middle = below + (above - below) / 2;
            const AmortizationSummary tried = calculate(middle);
            if (reaches(tried)) {
                above = middle;
                atAbove = tried;
            } else {
                below = middle;
            }
        }
        return reached(goal, above, atAbove);
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
