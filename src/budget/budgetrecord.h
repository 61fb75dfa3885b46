// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/money.h"

#include <QString>

#include <cstdint>

namespace tallyvane {

// Characters a description box takes. A full budget of such descriptions
// stays far below the size a budget file may have.
inline constexpr int BudgetDescriptionLimit = 100;

// One income source or expense purpose, stored on an annual basis. The field
// order is also the field order of a budget file line.
struct BudgetRecord
{
    std::int16_t number = 0; // 1-based position in its list
    QString description;
    Money annualAmount;
    Money paymentsPerYear;
    Money annualBudgeted;
};

// A record as the user types and edits it: figures per payment.
struct BudgetEntry
{
    QString description;
    Money amountPerPayment;
    Money paymentsPerYear;
    Money budgetedPerPayment;
};

} // namespace tallyvane
