// SPDX-License-Identifier: GPL-3.0-or-later
// The growth engine beside its floor: a bare loop that carries the same
// amounts as ten-thousandths, with the same double arithmetic each period,
// and stores the same four cells of each period in a table made once. The
// ratio engine / bare loop is printed after the run.

#include "floorratio.h"
#include "savings/growthengine.h"
#include "savings/growthrates.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

using namespace tallyvane;

SavingsInputs fortyYearsMonthly()
{
    SavingsInputs inputs;
    inputs.frequency = SavingsFrequency::Monthly;
    inputs.years = Money::fromWhole(40);
    inputs.increasePercent = Money::fromWhole(3);
    inputs.inflationPercent = Money::fromWhole(2);
    return inputs;
}

void BM_FortyYearsMonthly(benchmark::State& state)
{
    const SavingsInputs inputs = fortyYearsMonthly();
    const GrowthEngine engine;
    for (auto _ : state) {
        const SavingsResult result = engine.calculate(inputs);
        benchmark::DoNotOptimize(result.finalValue());
    }
}
BENCHMARK(BM_FortyYearsMonthly);

// Period number, invested, interest and value.
using BareRow = std::array<std::int64_t, 4>;

std::int64_t tenThousandths(double value)
{
    return std::llrint(value * 10000.0);
}

double units(std::int64_t tenThousandths)
{
    return static_cast<double>(tenThousandths) / 10000.0;
}

void BM_BareLoopFortyYearsMonthly(benchmark::State& state)
{
    const SavingsInputs inputs = fortyYearsMonthly();
    const int n = periodsPerYear(inputs.frequency);
    const int periods = 40 * n;
    const double interestRate = singlePrecisionRate(periodRate(inputs.ratePercent, n));
    const double increaseRate = periodRate(inputs.increasePercent, n);
    const double inflationRate = periodRate(inputs.inflationPercent, n);
    std::vector<BareRow> table(periods + 2);
    for (auto _ : state) {
        std::int64_t contribution = inputs.contribution.raw();
        std::int64_t invested = inputs.lumpSum.raw() + contribution;
        std::int64_t balance = invested;
        std::int64_t value = 0;
        for (int period = 1; period <= periods; ++period) {
            if (period > 1) {
                contribution = tenThousandths(units(contribution) + units(contribution) * increaseRate);
                balance = contribution + value;
                invested += contribution;
            }
            const std::int64_t interest = tenThousandths(units(balance) * interestRate);
            const double grown = units(balance + interest);
            value = tenThousandths(grown - grown * inflationRate);
            table[period] = {period, period == 1 ? invested : contribution, interest, value};
        }
        table[periods + 1] = {periods, invested, value - invested, value};
        benchmark::DoNotOptimize(table[periods + 1][3]);
    }
}
BENCHMARK(BM_BareLoopFortyYearsMonthly);

const bool comparesFortyYears = benchmarking::reportRatio("BM_FortyYearsMonthly", "BM_BareLoopFortyYearsMonthly");

} // namespace
