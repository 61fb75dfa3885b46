// SPDX-License-Identifier: GPL-3.0-or-later
#include "mortgage/offercomparison.h"

#include "core/numberformat.h"
#include "mortgage/amortizationengine.h"
#include "mortgage/resulttablelayout.h"

#include <cmath>

namespace tallyvane {
namespace {

constexpr const char16_t* AmountFormat = u"####,,###.00";
constexpr const char16_t* TimeFormat = u"###.00";

QString currency(const QString& symbol, Money amount)
{
    return symbol + formatMoney(amount, AmountFormat);
}

// A difference carries its sign; no difference shows as the figure zero.
QString signedText(Money difference, const QString& unsignedText)
{
    if (difference > Money())
        return u'+' + unsignedText;
    if (difference < Money())
        return u'-' + unsignedText;
    return unsignedText;
}

QString currencyDifference(const QString& symbol, Money difference)
{
    return signedText(difference, currency(symbol, difference < Money() ? -difference : difference));
}

QString countDifference(int difference)
{
    return signedText(Money::fromWhole(difference), QString::number(std::abs(difference)));
}

double timeToFinal(const AmortizationSummary& summary, LoanKind shownAs)
{
    return shownAs == LoanKind::Mortgage ? static_cast<double>(summary.yearsToFinal)
                                         : summary.monthsToFinal();
}

ComparedFigure moneyFigure(const QString& caption, Money a, Money b, const QString& symbol)
{
    return {caption, currency(symbol, a), currency(symbol, b), currencyDifference(symbol, b - a)};
}

ComparedFigure countFigure(const QString& caption, int a, int b)
{
    return {caption, QString::number(a), QString::number(b), countDifference(b - a)};
}

QString termText(const AmortizationInput& input)
{
    if (input.loanKind == LoanKind::Mortgage)
        return formatMoney(input.termYears, u"##0") + QStringLiteral(" years");
    return formatMoney(input.termYears * Money::fromWhole(12), u"##0") + QStringLiteral(" months");
}

QString increaseText(float increase)
{
    return formatNumber(static_cast<double>(increase) * 100.0, u"##0.000") + u'%';
}

// The additional payments entered for every year, added up.
Money additionalTotal(const AmortizationInput& input)
{
    Money total;
    for (int year = 1; year <= AdditionalPaymentTable::LastYear; ++year)
        total += input.additionalPayments.amount(year);
    return total;
}

} // namespace

ComparedOffer comparedOffer(const AmortizationInput& input, const AmortizationResult& result)
{
    return {.input = input,
            .summary = result.summary,
            .totalInterest = result.resultTable.at(result.summary.lastRow, CumulativeInterestColumn),
            .source = {}};
}

ComparedOffer calculatedOffer(const MortgagePlan& plan, const QString& source)
{
    const AmortizationInput input = amortizationInput(plan);
    ComparedOffer offer = comparedOffer(input, AmortizationEngine().calculate(input));
    offer.source = source;
    return offer;
}

ComparisonTexts comparisonTexts(const OfferComparison& comparison, const QString& symbol)
{
    const AmortizationSummary& a = comparison.a.summary;
    const AmortizationSummary& b = comparison.b.summary;
    const bool mortgage = comparison.shownAs == LoanKind::Mortgage;
    const double timeA = timeToFinal(a, comparison.shownAs);
    const double timeB = timeToFinal(b, comparison.shownAs);
    // The difference of the times is taken from the shown two-decimal figures.
    const Money shownA = *Money::fromDecimalText(formatNumber(timeA, u"0.00").toStdString());
    const Money shownB = *Money::fromDecimalText(formatNumber(timeB, u"0.00").toStdString());
    const Money timeDifference = shownB - shownA;

    ComparisonTexts texts;
    texts.figures = {
        moneyFigure(QStringLiteral("Principal + Interest payment"), Money::fromDouble(a.payment),
                    Money::fromDouble(b.payment), symbol),
        countFigure(QStringLiteral("No. of payments each year"), a.paymentsPerYear, b.paymentsPerYear),
        countFigure(QStringLiteral("No. of payments"), a.paymentsToFinal, b.paymentsToFinal),
        {mortgage ? QStringLiteral("No. of years to final payment")
                  : QStringLiteral("No. months to final payment"),
         formatNumber(timeA, TimeFormat), formatNumber(timeB, TimeFormat),
         signedText(timeDifference,
                    formatMoney(timeDifference < Money() ? -timeDifference : timeDifference, TimeFormat))},
        moneyFigure(QStringLiteral("Total paid"), a.totalPaid, b.totalPaid, symbol),
        moneyFigure(QStringLiteral("Total interest"), comparison.a.totalInterest, comparison.b.totalInterest,
                    symbol),
        moneyFigure(QStringLiteral("Total interest savings"), a.interestSavings, b.interestSavings, symbol),
    };
    const Money cheaperBy = b.totalPaid - a.totalPaid;
    if (cheaperBy < Money())
        texts.verdict = QStringLiteral("B costs %1 less").arg(currency(symbol, -cheaperBy));
    else if (cheaperBy > Money())
        texts.verdict = QStringLiteral("A costs %1 less").arg(currency(symbol, cheaperBy));
    else
        texts.verdict = QStringLiteral("A and B cost the same");
    return texts;
}

std::vector<ComparedFigure> comparedInputs(const OfferComparison& comparison, const QString& symbol)
{
    const AmortizationInput& a = comparison.a.input;
    const AmortizationInput& b = comparison.b.input;
    const auto same = [](const QString& first, const QString& second) {
        return first == second ? QString() : QStringLiteral("differs");
    };
    const auto row = [&](const QString& caption, const QString& first, const QString& second) {
        return ComparedFigure{caption, first, second, same(first, second)};
    };
    return {
        moneyFigure(QStringLiteral("Principal"), a.principal, b.principal, symbol),
        row(QStringLiteral("Annual interest rate"), formatMoney(a.annualRatePercent, u"##0.000") + u'%',
            formatMoney(b.annualRatePercent, u"##0.000") + u'%'),
        row(QStringLiteral("Term"), termText(a), termText(b)),
        row(QStringLiteral("Interest compounding"), listText(a.compounding).trimmed(),
            listText(b.compounding).trimmed()),
        row(QStringLiteral("Frequency and type of payment"), listText(a.paymentKind).trimmed(),
            listText(b.paymentKind).trimmed()),
        row(QStringLiteral("P+I increase"), increaseText(a.paymentIncrease), increaseText(b.paymentIncrease)),
        moneyFigure(QStringLiteral("Additional payments entered"), additionalTotal(a), additionalTotal(b),
                    symbol),
    };
}

} // namespace tallyvane
