// SPDX-License-Identifier: GPL-3.0-or-later
#include "mortgage/mortgagegridmodel.h"

#include "mortgage/amortizationdisplay.h"
#include "mortgage/schedulerows.h"

#include <QFontDatabase>

#include <algorithm>

namespace tallyvane {

MortgageGridModel::MortgageGridModel(QObject* parent)
    : GridModel(ColumnCount, parent), m_firstColumnFont(QFontDatabase::systemFont(QFontDatabase::FixedFont))
{
    setRows(OpeningRows);
    for (int column = Interest; column < ColumnCount; ++column) {
        setColumnAlignment(column, Qt::AlignRight);
        setFigureColumn(column);
    }
}

void MortgageGridModel::showHeadings(AmortizationView view, bool showsDates)
{
    setHeadings(QStringList{firstColumnHeading(view, showsDates)} + amountColumnHeadings());
}

void MortgageGridModel::showResult(const AmortizationResult& result, int additionalCount,
                                   const QString& currencySymbol)
{
    const int lastRow = result.summary.lastRow;
    const bool listsPayments = additionalCount >= 1;
    int rows = lastRow + 4;
    if (listsPayments)
        rows += additionalCount + 4;
    setRows(std::max(MinimumRows, rows));
    showHeadings(result.view, result.showsDates);

    // The payment rows are formatted as the view asks for them (text()), so
    // a schedule of 2,000 rows costs no more to show than one of 300.
    m_schedule = visibleRows(result);
    m_view = result.view;
    announceChange(1, lastRow, 0, ColumnCount - 1);

    m_totalRow = lastRow + 2;
    if (!m_schedule.empty()) {
        const ScheduleRow& last = m_schedule.back();
        setRowTexts(m_totalRow, {QStringLiteral("Total:"), QString(), QString(),
                                 currencyAmountText(currencySymbol, last.balance),
                                 currencyAmountText(currencySymbol, last.cumulativeInterest),
                                 currencyAmountText(currencySymbol, last.cumulativePrincipal)});
    }
    if (listsPayments)
        showAppliedPayments(result, lastRow + 4);
}

void MortgageGridModel::clearResult()
{
    m_schedule.clear();
    clearBody();
}

QString MortgageGridModel::text(int row, int column) const
{
    if (row < 1 || row > static_cast<int>(m_schedule.size()) || column < 0 || column >= ColumnCount)
        return GridModel::text(row, column);
    const ScheduleRow& line = m_schedule[static_cast<std::size_t>(row - 1)];
    switch (column) {
    case Payment:
        return firstCellText(line, m_view);
    case Interest:
        return amountCellText(line.interest);
    case Principal:
        return amountCellText(line.principal);
    case Balance:
        return amountCellText(line.balance);
    case CumulativeInterest:
        return amountCellText(line.cumulativeInterest);
    default:
        return amountCellText(line.cumulativePrincipal);
    }
}

void MortgageGridModel::showAppliedPayments(const AmortizationResult& result, int firstRow)
{
    setRowTexts(firstRow,
                {QStringLiteral("Additional "), QStringLiteral("Payments  "), QStringLiteral("Applied  ")});
    int row = firstRow + 2;
    for (const ListedAdditionalPayment& payment : result.listedAdditionalPayments)
        setRowTexts(row++, {listedYearText(payment.year), QString(), amountCellText(payment.amount)});
}

QVariant MortgageGridModel::data(const QModelIndex& index, int role) const
{
    if (role == Qt::FontRole && index.column() == Payment)
        return m_firstColumnFont;
    return GridModel::data(index, role);
}

} // namespace tallyvane
