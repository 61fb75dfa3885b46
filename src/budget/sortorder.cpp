// SPDX-License-Identifier: GPL-3.0-or-later
#include "budget/sortorder.h"

namespace tallyvane {

QLatin1String sortOrderListText(SortOrder order)
{
    return SortOrderListTexts[static_cast<int>(order) - 1];
}

std::optional<SortOrder> sortOrderFromListText(const QString& listText)
{
    for (std::size_t i = 0; i < SortOrderListTexts.size(); ++i)
        if (listText == SortOrderListTexts[i])
            return static_cast<SortOrder>(i + 1);
    return std::nullopt;
}

bool inSortOrder(const BudgetRecord& earlier, const BudgetRecord& later, SortOrder order)
{
    switch (order) {
    case SortOrder::NamesAToZ:
        return earlier.description.toUpper() <= later.description.toUpper();
    case SortOrder::NamesZToA:
        return earlier.description.toUpper() >= later.description.toUpper();
    case SortOrder::AmountsHiLo:
        return earlier.annualAmount >= later.annualAmount;
    case SortOrder::AmountsLoHi:
        return earlier.annualAmount <= later.annualAmount;
    }
    return true;
}

} // namespace tallyvane
