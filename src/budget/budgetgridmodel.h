// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "budget/budgetlist.h"
#include "budget/displayperiod.h"
#include "shell/grid/gridmodel.h"

namespace tallyvane {

// One side of the budget worksheet (BGrid1 for income, BGrid2 for expenses):
// a row per record of its list, as sorted and numbered, with both figures for
// the chosen period, and ten empty rows below. The cells are read from the
// list whenever they are shown; the model keeps no figures of its own.
class BudgetGridModel : public GridModel
{
    Q_OBJECT

public:
    enum Column
    {
        Number,
        Description,
        Amount,
        Budgeted,
        ColumnCount
    };

    static constexpr int EmptyRowsBelow = 10;
    static constexpr int OpeningRows = 12;

    // `amountHeading` is "Income" or "Expense".
    BudgetGridModel(const BudgetList& list, const QString& amountHeading, QObject* parent = nullptr);

    // Shows the list as it is now, for `period`.
    void showList(const DisplayPeriod& period);
    QString cellText(int row, int column) const;

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    const BudgetList& m_list;
    const DisplayPeriod* m_period = &AnnualPeriod;
};

} // namespace tallyvane
