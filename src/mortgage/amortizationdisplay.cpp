// SPDX-License-Identifier: GPL-3.0-or-later
#include "mortgage/amortizationdisplay.h"

#include "core/dates.h"
#include "core/numberformat.h"
#include "core/rightalign.h"

namespace tallyvane {
namespace {

constexpr int SummaryWidth = 12;

// Padded to the label's width but never cut: a loan of millions would
// otherwise lose its last digits.
QString summaryField(const QString& text)
{
    return text.rightJustified(SummaryWidth);
}

QString currencyField(const QString& currencySymbol, double amount)
{
    return summaryField(currencySymbol + formatNumber(amount, u"####,,###.00"));
}

QString currencyField(const QString& currencySymbol, Money amount)
{
    return summaryField(currencySymbol + formatMoney(amount, u"####,,###.00"));
}

} // namespace

QString increaseCaption(float paymentIncrease)
{
    return QStringLiteral(" P+I includes  ") +
           rightAlign(formatNumber(static_cast<double>(paymentIncrease) * 100.0, u"##0.000"), 9) +
           QStringLiteral("%");
}

SummaryTexts summaryTexts(const AmortizationResult& result, float paymentIncrease,
                          const QString& currencySymbol)
{
    const AmortizationSummary& summary = result.summary;
    const double timeToFinal = result.loanKind == LoanKind::Mortgage
                                   ? static_cast<double>(summary.yearsToFinal)
                                   : summary.monthsToFinal();
    SummaryTexts texts;
    texts.paymentsPerYear = summaryField(formatNumber(summary.paymentsPerYear, u"###"));
    texts.daysInYear = summary.daysShown;
    texts.periodicRate = formatNumber(summary.periodicRate, u"0.########");
    texts.payment = currencyField(currencySymbol, summary.payment);
    texts.increaseCaption = increaseCaption(paymentIncrease);
    texts.increaseAmount = currencyField(currencySymbol, summary.increaseAmount);
    texts.timeToFinal = summaryField(formatNumber(timeToFinal, u"###.00"));
    texts.totalPaid = currencyField(currencySymbol, summary.totalPaid);
    texts.interestSavings = currencyField(currencySymbol, summary.interestSavings);
    return texts;
}

QString firstColumnHeading(AmortizationView view, bool showsDates)
{
    if (view == AmortizationView::AnnualTotals)
        return QStringLiteral(" Payment  Year");
    return showsDates ? QStringLiteral(" Payment  Date") : QStringLiteral("  Payment   No.  Year");
}

const QStringList& amountColumnHeadings()
{
    static const QStringList headings{QStringLiteral("Interest Payment"), QStringLiteral("Principal Payment"),
                                      QStringLiteral("Remaining Balance"),
                                      QStringLiteral("Cumulative Interest"),
                                      QStringLiteral("Cumulative Principal")};
    return headings;
}

QString firstCellText(const ScheduleRow& row, AmortizationView view)
{
    if (row.date)
        return shortDateText(*row.date);
    if (view == AmortizationView::AnnualTotals)
        return rightAlign(QString::number(row.number), 4);
    return rightAlign(QString::number(row.number), 4) + rightAlign(QString::number(row.year.value_or(0)), 8);
}

QString amountCellText(Money amount)
{
    return formatMoney(amount, u"###,,###.00");
}

QString currencyAmountText(const QString& currencySymbol, Money amount)
{
    return currencySymbol + amountCellText(amount);
}

QString listedYearText(int year)
{
    return QStringLiteral("Year  ") + rightAlign(QString::number(year), 3);
}

} // namespace tallyvane
