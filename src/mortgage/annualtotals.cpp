// SPDX-License-Identifier: GPL-3.0-or-later
#include "mortgage/annualtotals.h"

#include "core/arithmeticfault.h"
#include "core/whole16.h"
#include "mortgage/paymentdates.h"
#include "mortgage/resulttablelayout.h"

namespace tallyvane {
namespace {

void sumYears(const MoneyTable& schedule, MoneyTable& annual, int years, int lastRow, int paymentsPerYear)
{
    for (int year = 1; year <= years; ++year) {
        for (int row = (year - 1) * paymentsPerYear + 1; row <= year * paymentsPerYear; ++row) {
            // Rows past the last payment belong to no schedule of this loan.
            if (row > lastRow)
                return;
            annual.at(year, NumberColumn) = Money::fromWhole(year);
            annual.at(year, InterestColumn) += schedule.at(row, InterestColumn);
            annual.at(year, PrincipalColumn) += schedule.at(row, PrincipalColumn);
            for (int column : {BalanceColumn, CumulativeInterestColumn, CumulativePrincipalColumn})
                annual.at(year, column) = schedule.at(row, column);
            if (schedule.at(row, BalanceColumn) <= Money())
                return;
        }
    }
}

} // namespace

std::int16_t fillAnnualTotals(MoneyTable& schedule, MoneyTable& annual, std::int16_t lastRow,
                              std::int16_t paymentsPerYear, float yearsToFinal,
                              const std::optional<QDate>& firstPaymentDate)
{
    const std::int16_t years = toWhole16(static_cast<double>(yearsToFinal) + 0.49);
    if (years >= annual.rowCount())
        throw ArithmeticFault("more years than the annual table holds");
    sumYears(schedule, annual, years, lastRow, paymentsPerYear);

    for (int year = 1; year <= years; ++year) {
        for (int column = InterestColumn; column <= CumulativePrincipalColumn; ++column)
            schedule.at(year, column) = annual.at(year, column);
        schedule.at(year, NumberColumn) = Money::fromWhole(year);
        if (firstPaymentDate)
            schedule.at(year, DateColumn) =
                Money::fromWhole(annualRowDate(*firstPaymentDate, year).toJulianDay());
    }
    return years;
}

} // namespace tallyvane
