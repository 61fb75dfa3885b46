// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mortgage/amortizationresult.h"
#include "mortgage/schedulerows.h"

#include <QString>
#include <QStringList>

namespace tallyvane {

// Texts of the result labels after a calculation, by the label they fill.
struct SummaryTexts
{
    QString paymentsPerYear; // payments each year
    QString daysInYear;
    QString periodicRate;
    QString payment; // principal + interest payment
    QString increaseCaption;
    QString increaseAmount;
    QString timeToFinal; // years (mortgage) or months (loan) to the final payment
    QString totalPaid;
    QString interestSavings;
};

SummaryTexts summaryTexts(const AmortizationResult& result, float paymentIncrease,
                          const QString& currencySymbol);
// " P+I includes      0.000%" for no increase.
QString increaseCaption(float paymentIncrease);

// Headings of the table: the first column's depends on the view, the five
// amount columns' do not.
QString firstColumnHeading(AmortizationView view, bool showsDates);
const QStringList& amountColumnHeadings();

// The first cell of a row: its date in the short date form, or the year
// number, or the payment number followed by its year.
QString firstCellText(const ScheduleRow& row, AmortizationView view);
QString amountCellText(Money amount);
// An amount with the currency symbol, as in the "Total:" row.
QString currencyAmountText(const QString& currencySymbol, Money amount);
QString listedYearText(int year);

} // namespace tallyvane
