// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The payoff goal answers "how much extra must I pay each year to be done by
// year N?": the smallest amount, in whole cents, that paid as the additional
// payment at the start of every year of the term makes the final payment fall
// in year N or earlier.
//
// Every amount tried is a full calculation of the amortization engine, so the
// answer holds exactly for the schedule the window then shows. The engine
// makes a year's additional payment only while it is less than what remains,
// so a larger amount is made in fewer years, and the leftover it no longer
// pays can make the loan end later than a somewhat smaller amount does. Among
// the amounts made in the same number of years, though, a larger one always
// ends the loan no later. The search therefore bisects on whole cents three
// times: for the smallest amount made in at most N years, for the largest
// amount made in as many years as that one, and between the two for the
// smallest amount that reaches year N (the largest of them always does: its
// last additional payment clears the loan).

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
