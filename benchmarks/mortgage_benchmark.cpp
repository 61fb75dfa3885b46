#include "mortgage/amortizationengine.h"
#include "mortgage/payoffgoal.h"

#include <benchmark/benchmark.h>

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

void run(benchmark::State& state, const AmortizationInput& input)
{
    const AmortizationEngine engine;
    for (auto _ : state) {
        const tallyvane::AmortizationResult result = engine.calculate(input);
        benchmark::DoNotOptimize(result.summary.totalPaid);
        state.counters["rows"] = result.summary.lastRow;
    }
}

// Weekly payments over 40 years at a low rate and 363 days run to about 2,080
// rows, the longest schedule the result table admits, each row dated.
void BM_LargestDatedSchedule(benchmark::State& state)
{
    AmortizationInput input = mortgage(40, "1");
    input.paymentKind = tallyvane::PaymentKind::OneWeek;
    input.daysInYearChoice = 3;
    input.firstPaymentDate = QDate(2024, 1, 5);
    run(state, input);
}
BENCHMARK(BM_LargestDatedSchedule);

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

void BM_FourYearLoan(benchmark::State& state)
{
    AmortizationInput input = mortgage(4, "10.125");
    input.loanKind = tallyvane::LoanKind::PersonalLoan;
    input.principal = Money::fromWhole(20000);
    run(state, input);
}
BENCHMARK(BM_FourYearLoan);

} // namespace
