// SPDX-License-Identifier: GPL-3.0-or-later
// The amortization engine beside its floor: a bare loop over doubles that
// computes the same schedule (same rates, payment and final-payment rule)
// and stores the same six cells of each row as ten-thousandths in a table
// made once. The ratio engine / bare loop is printed after the run.

#include "floorratio.h"
#include "mortgage/amortizationengine.h"
#include "mortgage/periodicrates.h"
#include "mortgage/payoffgoal.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

using tallyvane::AmortizationEngine;
using tallyvane::AmortizationInput;
using tallyvane::Money;

AmortizationInput mortgage(int years, const char* ratePercent)
{
    AmortizationInput input;
    input.principal = Money::fromWhole(100000);
    input.annualRatePercent = *Money::fromDecimalText(ratePercent);
    input.termYears = Money::fromWhole(years);
    input.view = tallyvane::AmortizationView::AllPayments;
    return input;
}

// Weekly payments over 40 years at a low rate and 363 days run to about 2,080
// rows, the longest schedule the result table admits, each row dated.
AmortizationInput largestDatedSchedule()
{
    AmortizationInput input = mortgage(40, "1");
    input.paymentKind = tallyvane::PaymentKind::OneWeek;
    input.daysInYearChoice = 3;
    input.firstPaymentDate = QDate(2024, 1, 5);
    return input;
}

void run(benchmark::State& state, const AmortizationInput& input)
{
    const AmortizationEngine engine;
    for (auto _ : state) {
        const tallyvane::AmortizationResult result = engine.calculate(input);
        benchmark::DoNotOptimize(result.summary.totalPaid);
        state.counters["rows"] = result.summary.lastRow;
    }
}

// Payment number (or day number of its date), interest, principal, balance,
// cumulative interest and cumulative principal.
using BareRow = std::array<std::int64_t, 6>;

std::int64_t tenThousandths(double value)
{
    return std::llrint(value * 10000.0);
}

int bareSchedule(const tallyvane::PeriodicRates& rates, double borrowed, int capacity, std::int64_t firstDay,
                 int daysApart, std::vector<BareRow>& table)
{
    const double rate = rates.ratePerPeriod;
    const double payment = rates.payment;
    double interest = borrowed * rate;
    double principal = payment - interest;
    double balance = borrowed;
    double cumulativeInterest = 0.0;
    double cumulativePrincipal = 0.0;
    int lastRow = 0;
    for (int row = 1; row <= capacity; ++row) {
        const double rowInterest = interest;
        const double rowPrincipal = principal;
        balance -= principal;
        interest = rate * balance;
        principal = payment - interest;
        if (rowInterest < 0.0)
            break;
        cumulativeInterest += rowInterest;
        cumulativePrincipal += rowPrincipal;
        const std::int64_t number = daysApart == 0 ? row : firstDay + std::int64_t(daysApart) * (row - 1);
        table[row] = {number,
                      tenThousandths(rowInterest),
                      tenThousandths(rowPrincipal),
                      tenThousandths(balance),
                      tenThousandths(cumulativeInterest),
                      tenThousandths(cumulativePrincipal)};
        lastRow = row;
    }
    // A small residue is folded into the last payment, leaving no balance.
    if (balance < 6.0) {
        BareRow& last = table[lastRow];
        const std::int64_t previousBalance = lastRow == 1 ? tenThousandths(borrowed) : table[lastRow - 1][3];
        last[2] = previousBalance;
        last[4] = last[1] + table[lastRow - 1][4];
        last[5] += last[3];
        last[3] = 0;
    }
    return lastRow;
}

void runBareLoop(benchmark::State& state, const AmortizationInput& input)
{
    const tallyvane::PeriodicRates rates = tallyvane::computePeriodicRates(input);
    const int capacity = static_cast<int>(tallyvane::rowCapacity(input.paymentKind, input.termYears.toDouble()));
    const std::int64_t firstDay = input.firstPaymentDate ? input.firstPaymentDate->toJulianDay() : 0;
    const int daysApart = input.firstPaymentDate ? 7 : 0;
    std::vector<BareRow> table(capacity + 1);
    for (auto _ : state) {
        const int lastRow = bareSchedule(rates, input.principal.toDouble(), capacity, firstDay, daysApart, table);
        benchmark::DoNotOptimize(table[lastRow][5]);
        state.counters["rows"] = lastRow;
    }
}

void BM_LargestDatedSchedule(benchmark::State& state)
{
    run(state, largestDatedSchedule());
}
BENCHMARK(BM_LargestDatedSchedule);

void BM_BareLoopLargestSchedule(benchmark::State& state)
{
    runBareLoop(state, largestDatedSchedule());
}
BENCHMARK(BM_BareLoopLargestSchedule);

// The payoff goal over the same schedule: every step of its search is a full
// calculation of about 2,080 dated rows.
void BM_GoalSearchLargestSchedule(benchmark::State& state)
{
    AmortizationInput input = mortgage(40, "1");
    input.paymentKind = tallyvane::PaymentKind::OneWeek;
    input.daysInYearChoice = 3;
    input.firstPaymentDate = QDate(2024, 1, 5);
    for (auto _ : state) {
        const tallyvane::PayoffGoal goal = tallyvane::findPayoffGoal(input, static_cast<int>(state.range(0)));
        benchmark::DoNotOptimize(goal.yearlyAdditional);
        state.counters["cents"] = static_cast<double>(goal.yearlyAdditional.raw()) / 100.0;
    }
}
BENCHMARK(BM_GoalSearchLargestSchedule)->Arg(20)->Arg(5)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_TwentyFiveYearMonthlyMortgage(benchmark::State& state)
{
    run(state, mortgage(25, "10.125"));
}
BENCHMARK(BM_TwentyFiveYearMonthlyMortgage);

void BM_BareLoopTwentyFiveYears(benchmark::State& state)
{
    runBareLoop(state, mortgage(25, "10.125"));
}
BENCHMARK(BM_BareLoopTwentyFiveYears);

void BM_FourYearLoan(benchmark::State& state)
{
    AmortizationInput input = mortgage(4, "10.125");
    input.loanKind = tallyvane::LoanKind::PersonalLoan;
    input.principal = Money::fromWhole(20000);
    run(state, input);
}
BENCHMARK(BM_FourYearLoan);

const bool comparesLargest = tallyvane::benchmarking::reportRatio("BM_LargestDatedSchedule", "BM_BareLoopLargestSchedule");
const bool comparesTwentyFive =
    tallyvane::benchmarking::reportRatio("BM_TwentyFiveYearMonthlyMortgage", "BM_BareLoopTwentyFiveYears");

} // namespace
