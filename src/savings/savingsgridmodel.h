// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "savings/savingsfrequency.h"
#include "shell/grid/gridmodel.h"

namespace tallyvane {

class SavingsResult;

// The texts of the savings window's table (SGrid). Body cells are read from
// the last calculation's result as the view asks for them, so a table of 480
// periods fills at once and no figure is copied into the grid.
class SavingsGridModel : public GridModel
{
    Q_OBJECT

public:
    enum Column
    {
        Period,
        Invested,
        Interest,
        CurrentValue,
        ColumnCount
    };

    explicit SavingsGridModel(QObject* parent = nullptr);

    // Shows `result`, which stays with its owner and must live until the
    // next showResult or clearResult.
    void showResult(const SavingsResult& result, SavingsFrequency frequency, const QString& currencySymbol);
    // Empties the body; the rows and headings stay.
    void clearResult();
    // Row of the "Total:" line of the result shown, 0 when none is.
    int totalRow() const;

    QString text(int row, int column) const override;
    // Headings show on the lines their runs of blanks mark.
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    const SavingsResult* m_result = nullptr;
    QString m_currencySymbol;
};

} // namespace tallyvane
