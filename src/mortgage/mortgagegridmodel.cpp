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

    const std::vector<ScheduleRow> schedule = visibleRows(result);
    int row = 1;
    for (const ScheduleRow& line : schedule)
        setRowTexts(row++,
                    {firstCellText(line, result.view), amountCellText(line.interest),
                     amountCellText(line.principal), amountCellText(line.balance),
                     amountCellText(line.cumulativeInterest), amountCellText(line.cumulativePrincipal)});

    m_totalRow = lastRow + 2;
    if (!schedule.empty()) {
        const ScheduleRow& last = schedule.back();
        setRowTexts(m_totalRow, {QStringLiteral("Total:"), QString(), QString(),
                                 currencyAmountText(currencySymbol, last.balance),
                                 currencyAmountText(currencySymbol, last.cumulativeInterest),
                                 currencyAmountText(currencySymbol, last.cumulativePrincipal)});
    }
    if (listsPayments)
        showAppliedPayments(result, lastRow + 4);
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
