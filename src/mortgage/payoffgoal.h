#pragma once

// The payoff goal answers "how much extra must I pay each year to be done by
// year N?": the smallest amount, in whole cents, that paid as the additional
// payment at the start of every year of the term makes the final payment fall
// in year N or earlier.
//
// Every amount tried is a full calculation of the amortization engine, so the
// answer holds exactly for the schedule the window then shows. The engine
// skips a year's additional payment that is not less than what remains, which
// makes very large amounts pay off later than somewhat smaller ones; the
// search therefore walks up in steps of one year's regular payments, where
// the final year only moves earlier as the amount grows, and bisects on cents
// inside the first step that reaches the goal.

#include "core/money.h"
#include "mortgage/amortizationinput.h"
#include "mortgage/amortizationsummary.h"
#include "mortgage/mortgagewindowstate.h"

#include <QString>

namespace tallyvane {

struct PayoffGoal
{
    int year = 0; // the year asked for
    bool reached = false;
    Money yearlyAdditional; // whole cents; 0 when the loan already ends in time
    // The calculation with the amount applied (when reached).
    AmortizationSummary summary;
    // When not reached: the earliest year of the final payment any amount gives.
    int nearestYear = 0;
};

// The year, counted from 1, in which the final payment falls.
int finalPaymentYear(const AmortizationSummary& summary);

// The loan with `amount` as the additional payment of every year of its term
// (the years the additional-payments table offers), replacing any others.
AmortizationInput withYearlyAdditional(const AmortizationInput& input, Money amount);
// The same amounts put into the window's choices, counted as the payments
// table counts them.
void applyYearlyAdditional(MortgageWindowState& state, Money termYears, Money amount);

// Throws PlannerError as the engine does for a loan it cannot calculate.
PayoffGoal findPayoffGoal(const AmortizationInput& input, int year);

// What the goal dialog and the calculator say about a goal: the amount, the
// time to the final payment in the loan's unit and the interest savings, or
// the refusal naming the nearest reachable year.
// The detail of Message::GoalOutOfReach for a goal not reached.
QString outOfReachDetail(const PayoffGoal& goal);
QString payoffGoalText(const PayoffGoal& goal, LoanKind kind, const QString& currencySymbol);

} // namespace tallyvane
