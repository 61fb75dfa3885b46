// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tallyvane::BudgetSlot {

// Where the budget worksheet keeps its typed figures in InputValues: the
// income boxes 2 to 4 in slots 1 to 3, the expense boxes in slots 4 to 6.
inline constexpr int IncomeAmount = 1;
inline constexpr int IncomePayments = 2;
inline constexpr int IncomeBudgeted = 3;
inline constexpr int ExpenseAmount = 4;
inline constexpr int ExpensePayments = 5;
inline constexpr int ExpenseBudgeted = 6;
inline constexpr int Count = 7;

} // namespace tallyvane::BudgetSlot
