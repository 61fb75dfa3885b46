// SPDX-License-Identifier: GPL-3.0-or-later
#include "savings/growthengine.h"

#include "core/arithmeticfault.h"
#include "core/messages.h"
#include "core/plannererror.h"
#include "core/whole16.h"
#include "savings/growthrates.h"

#include <algorithm>
#include <utility>

namespace tallyvane {
namespace {

Money afterInflation(Money value, double inflationRate)
{
    const double amount = value.toDouble();
    return Money::fromDouble(amount - amount * inflationRate);
}

Money raisedContribution(Money contribution, double increaseRate)
{
    const double amount = contribution.toDouble();
    return Money::fromDouble(amount + amount * increaseRate);
}

void setRow(MoneyTable& table, int row, Money invested, Money interest, Money value)
{
    table.at(row, PeriodColumn) = Money::fromWhole(row);
    table.at(row, InvestedColumn) = invested;
    table.at(row, InterestColumn) = interest;
    table.at(row, ValueColumn) = value;
}

} // namespace

SavingsResult GrowthEngine::calculate(const SavingsInputs& inputs) const
{
    try {
        return project(inputs);
    } catch (const ArithmeticFault&) {
        throw PlannerError(Message::WrongOrMissingEntry);
    }
}

SavingsResult GrowthEngine::project(const SavingsInputs& inputs) const
{
    const int n = periodsPerYear(inputs.frequency);
    const std::int16_t years = toWhole16(inputs.years.toDouble());
    // The result table is sized for the longest term the window allows.
    if (years < 0 || years > MaxSavingsYears)
        throw ArithmeticFault("term outside 0 to 40 years");
    const std::int16_t periods = toWhole16(static_cast<std::int64_t>(years) * n);
    // Inflation of 100 % or more would take all of the value away each year
    // and more, which turns the savings negative.
    if (inputs.inflationPercent >= Money::fromWhole(100))
        throw ArithmeticFault("inflation of 100 percent or more");

    const float interestRate = singlePrecisionRate(periodRate(inputs.ratePercent, n));
    const double increaseRate = periodRate(inputs.increasePercent, n);
    const double inflationRate = periodRate(inputs.inflationPercent, n);

    MoneyTable table(SavingsTableRows, SavingsTableColumns);

    // The first period is always worked out, so even a term of 0 years shows a row.
    Money contribution = inputs.contribution;
    Money invested = inputs.lumpSum + contribution;
    Money interest = periodInterest(invested, interestRate);
    Money value = afterInflation(invested + interest, inflationRate);
    setRow(table, 1, invested, interest, value);

    for (int period = 2; period <= periods; ++period) {
        contribution = raisedContribution(contribution, increaseRate);
        const Money balance = contribution + value;
        interest = periodInterest(balance, interestRate);
        value = afterInflation(balance + interest, inflationRate);
        invested += contribution;
        setRow(table, period, contribution, interest, value);
    }

    const int periodRows = std::max<int>(periods, 1);
    const int totalsRow = periodRows + 1;
    table.at(totalsRow, PeriodColumn) = Money::fromWhole(periodRows);
    table.at(totalsRow, InvestedColumn) = invested;
    table.at(totalsRow, ValueColumn) = value;
    table.at(totalsRow, InterestColumn) = value - invested;

    int yearRow = 0;
    for (int period = 1; period <= periods; ++period)
        if (period % n == 0)
            table.at(++yearRow, YearEndColumn) = table.at(period, ValueColumn);

    const std::int16_t graphPointCount = toWhole16(static_cast<double>(periods) / n);
    return SavingsResult(std::move(table), periodRows, periods, graphPointCount);
}

} // namespace tallyvane
