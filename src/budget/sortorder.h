// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "budget/budgetrecord.h"

#include <QLatin1String>
#include <QString>

#include <array>
#include <optional>

namespace tallyvane {

enum class SortOrder
{
    NamesAToZ = 1,
    NamesZToA = 2,
    AmountsHiLo = 3,
    AmountsLoHi = 4
};

// The texts of the "Sorted by" list, in code order; blanks are part of them.
inline constexpr std::array<QLatin1String, 4> SortOrderListTexts{
    QLatin1String("   Names A - Z"), QLatin1String("   Names Z - A"), QLatin1String("Amounts Hi-Lo"),
    QLatin1String("Amounts Lo-Hi")};

inline constexpr SortOrder InitialSortOrder = SortOrder::NamesAToZ;

QLatin1String sortOrderListText(SortOrder order);
// The order whose list text is exactly `listText`.
std::optional<SortOrder> sortOrderFromListText(const QString& listText);

// True when `earlier` may stay before `later`. Equal keys count as in order,
// so the sort never exchanges them directly.
bool inSortOrder(const BudgetRecord& earlier, const BudgetRecord& later, SortOrder order);

} // namespace tallyvane
