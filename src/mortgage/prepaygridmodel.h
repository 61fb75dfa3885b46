// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mortgage/additionalpaymenttable.h"
#include "shell/grid/gridmodel.h"

namespace tallyvane {

// The texts of the additional-payments grid (PGrid): one row per year of the
// term, the year number and the amount paid at the start of that year.
class PrePayGridModel : public GridModel
{
    Q_OBJECT

public:
    enum Column
    {
        Year,
        Amount,
        ColumnCount
    };

    static constexpr int MinimumRows = 20;

    explicit PrePayGridModel(QObject* parent = nullptr);

    // Sizes the grid for `yearRows` years and shows their amounts.
    void showYears(const AdditionalPaymentTable& table, int yearRows);
    void showAmount(int row, Money amount);
};

} // namespace tallyvane
