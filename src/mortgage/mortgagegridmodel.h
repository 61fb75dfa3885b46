// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mortgage/amortizationresult.h"
#include "mortgage/schedulerows.h"
#include "shell/grid/gridmodel.h"

#include <QFont>

#include <vector>

namespace tallyvane {

// The texts of the mortgage window's table (MGrid): one row per payment or
// per year as the engine left them, one blank row, the "Total:" row, and the
// additional payments that were applied. The first column is shown in a
// fixed-pitch font because its payment and year numbers are aligned by blanks.
// The payment rows keep the result's figures and are formatted only when
// read; the rows below them hold written texts.
class MortgageGridModel : public GridModel
{
    Q_OBJECT

public:
    enum Column
    {
        Payment,
        Interest,
        Principal,
        Balance,
        CumulativeInterest,
        CumulativePrincipal,
        ColumnCount
    };

    static constexpr int OpeningRows = 26;
    static constexpr int MinimumRows = 23;

    explicit MortgageGridModel(QObject* parent = nullptr);

    void showHeadings(AmortizationView view, bool showsDates);
    // Writes the table of a calculation; `additionalCount` is the number of
    // years for which the user entered an additional payment.
    void showResult(const AmortizationResult& result, int additionalCount, const QString& currencySymbol);
    // Empties the body, figures and texts alike; rows and headings stay.
    void clearResult();
    // Row of the "Total:" line of the last result, 0 before any result.
    int totalRow() const { return m_totalRow; }

    QString text(int row, int column) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    void showAppliedPayments(const AmortizationResult& result, int firstRow);

    QFont m_firstColumnFont;
    std::vector<ScheduleRow> m_schedule; // rows 1.. of the grid
    AmortizationView m_view = AmortizationView::AnnualTotals;
    int m_totalRow = 0;
};

} // namespace tallyvane
