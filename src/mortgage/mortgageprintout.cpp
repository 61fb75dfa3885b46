// SPDX-License-Identifier: GPL-3.0-or-later
#include "mortgage/mortgageprintout.h"

#include "core/dates.h"
#include "core/messages.h"
#include "core/numberformat.h"
#include "core/plannererror.h"
#include "core/report/reportwriter.h"
#include "core/rightalign.h"
#include "mortgage/amortizationdisplay.h"
#include "mortgage/comparisonprintout.h"
#include "mortgage/schedulerows.h"

#include <array>

namespace tallyvane {
namespace {

constexpr int HeaderBlockLines = 24;
constexpr int ContinuedPageLines = 7;
constexpr int ListingPageLimit = 57;
constexpr int ListingExtraLines = 4;
const QString Rule(75, u'_');

struct LoanTexts
{
    QString title;
    std::array<QString, 3> inputHeadings;
    std::array<QString, 3> resultHeadings;
};

const LoanTexts& loanTexts(LoanKind kind)
{
    static const QString resultHeading2 =
        QStringLiteral("in     rate        payments   to final   + Interest  over life     interest");
    static const LoanTexts mortgage{
        QStringLiteral(" Mortgage Table"),
        {QStringLiteral("Principal   Annual     Amortization   Interest       Frequency     Included"),
         QStringLiteral("amount of   interest   period in      compounding    and type      in P + I"),
         QStringLiteral("mortgage.   rate(%).   years.         periods/year.  of payment. ")},
        {QStringLiteral("Days   Interest    No. of     No. years  Principal   Total paid    Total of"),
         resultHeading2,
         QStringLiteral("year   factor      each year  payment    payment     of mortgage   savings")}};
    static const LoanTexts loan{
        QStringLiteral(" Personal Loan Table"),
        {QStringLiteral("Principal   Annual     Length of      Interest       Frequency     Included"),
         QStringLiteral("amount of   interest   the loan       compounding    and type      in P + I"),
         QStringLiteral("the loan.   rate(%).   in months.     periods/year.  of payment. ")},
        {QStringLiteral("Days   Interest    No. of     No. months Principal   Total paid    Total of"),
         resultHeading2,
         QStringLiteral("year   factor      each year  payment    payment     of the loan   savings")}};
    return kind == LoanKind::Mortgage ? mortgage : loan;
}

QString tableHeadingB(const AmortizationResult& result)
{
    if (result.view == AmortizationView::AnnualTotals)
        return QStringLiteral("  Year       Payment     Payment       Balance      Interest      Principal");
    if (result.showsDates)
        return QStringLiteral("   Date      Payment     Payment       Balance      Interest      Principal");
    return QStringLiteral("No. Year     Payment     Payment       Balance      Interest      Principal");
}

// The term as the term box shows it: whole years, or whole months for a loan.
QString termText(const AmortizationInput& input)
{
    const Money term =
        input.loanKind == LoanKind::Mortgage ? input.termYears : input.termYears * Money::fromWhole(12);
    return formatMoney(term, u"###");
}

QString firstRowCell(const ScheduleRow& row, AmortizationView view)
{
    if (row.date)
        return shortDateText(*row.date);
    if (view == AmortizationView::AnnualTotals)
        return rightAlign(QString::number(row.number), 5);
    return rightAlign(QString::number(row.number), 4) + rightAlign(QString::number(row.year.value_or(0)), 3);
}

class MortgagePrintout
{
public:
    MortgagePrintout(const AmortizationInput& input, const AmortizationResult& result,
                     const PrintoutSettings& settings, const OfferComparison* comparison)
        : m_input(input), m_result(result), m_settings(settings), m_comparison(comparison),
          m_texts(loanTexts(input.loanKind)),
          m_summary(summaryTexts(result, input.paymentIncrease, settings.currencySymbol)),
          m_writer(settings.fontChoice)
    {
    }

    Report build()
    {
        m_writer.setUpPrinter();
        m_writer.line(2, m_settings.header);
        m_writer.emptyLines();
        m_lineCount = HeaderBlockLines;
        printInputs();
        printResults();
        m_writer.line(2, Rule);
        m_writer.emptyLines();
        printTableHeadings();
        printRowsAndTotals();
        printListing();
        if (m_comparison) {
            m_writer.breakPage();
            printComparisonPage(m_writer, *m_comparison, m_settings);
        }
        return m_writer.finish();
    }

private:
    QString currency(const QString& figure) const { return m_settings.currencySymbol + figure; }

    void printInputs()
    {
        m_writer.line(32, m_texts.title);
        m_writer.line(2, Rule);
        m_writer.emptyLines();
        m_writer.line(2, m_texts.inputHeadings[0]);
        m_writer.line(2, m_texts.inputHeadings[1]);
        m_writer.tab(2).text(m_texts.inputHeadings[2]);
        const double increasePercent = static_cast<double>(m_input.paymentIncrease) * 100.0;
        m_writer.text(rightAlign(formatNumber(increasePercent, u"##0.000"), 9) + u'%').endLine();
        m_writer.emptyLines();

        m_writer.rightAligned(2, 11, currency(amountCellText(m_input.principal)));
        m_writer.rightAligned(14, 6, formatMoney(m_input.annualRatePercent, u"###.000"))
            .text(QStringLiteral("%"));
        m_writer.rightAligned(23, 4, termText(m_input));
        m_writer.rightAligned(36, 14, listText(m_input.compounding));
        m_writer.rightAligned(51, 14, listText(m_input.paymentKind));
        m_writer.rightAligned(68, 9, m_summary.increaseAmount.trimmed()).endLine();
    }

    void printResults()
    {
        m_writer.line(2, Rule);
        m_writer.emptyLines();
        for (const QString& heading : m_texts.resultHeadings)
            m_writer.line(2, heading);
        m_writer.emptyLines();

        // The figures as the window's result labels show them.
        m_writer.tab(2).text(m_summary.daysInYear);
        m_writer.rightAligned(9, 10, m_summary.periodicRate);
        m_writer.rightAligned(19, 7, formatNumber(m_result.summary.paymentsPerYear, u"###.00"));
        m_writer.rightAligned(31, 6, m_summary.timeToFinal.trimmed());
        m_writer.rightAligned(40, 10, m_summary.payment.trimmed());
        m_writer.rightAligned(53, 12, m_summary.totalPaid.trimmed());
        m_writer.rightAligned(65, 12, m_summary.interestSavings.trimmed()).endLine();
    }

    void printTableHeadings()
    {
        m_writer.line(
            2, QStringLiteral(" Payment    Interest   Principal     Remaining    Cumulative     Cumulative"));
        m_writer.line(2, tableHeadingB(m_result));
        m_writer.line(2, Rule);
        m_writer.emptyLines();
    }

    // Closes the full page and continues the table on the next one.
    void breakPage()
    {
        m_writer.breakPage();
        m_writer.emptyLines();
        printTableHeadings();
        m_lineCount = ContinuedPageLines;
    }

    void printRowsAndTotals()
    {
        const std::vector<ScheduleRow> rows = visibleRows(m_result);
        for (const ScheduleRow& row : rows) {
            ++m_lineCount;
            m_writer.tab(2).text(firstRowCell(row, m_result.view));
            m_writer.rightAligned(13, 9, amountCellText(row.interest));
            m_writer.rightAligned(25, 9, amountCellText(row.principal));
            m_writer.rightAligned(36, 12, amountCellText(row.balance));
            m_writer.rightAligned(50, 12, amountCellText(row.cumulativeInterest));
            m_writer.rightAligned(65, 12, amountCellText(row.cumulativePrincipal)).endLine();
            if (m_lineCount >= m_writer.pageLines())
                breakPage();
        }

        const ScheduleRow last = rows.empty() ? ScheduleRow() : rows.back();
        m_writer.line(2, Rule);
        m_writer.emptyLines();
        m_writer.tab(2).text(QStringLiteral("Total:"));
        m_writer.rightAligned(36, 12, currencyAmountText(m_settings.currencySymbol, last.balance));
        m_writer.rightAligned(50, 12, currencyAmountText(m_settings.currencySymbol, last.cumulativeInterest));
        m_writer.rightAligned(65, 12, currencyAmountText(m_settings.currencySymbol, last.cumulativePrincipal))
            .endLine();
    }

    void printListing()
    {
        const QString& listing = m_result.summary.additionalListing;
        if (listing.isEmpty())
            return;
        const int listedYears = static_cast<int>(m_result.listedAdditionalPayments.size());
        if (listedYears + ListingExtraLines + m_lineCount > ListingPageLimit)
            breakPage();
        m_writer.emptyLines();
        m_writer.line(2, listing);
    }

    const AmortizationInput& m_input;
    const AmortizationResult& m_result;
    const PrintoutSettings& m_settings;
    const OfferComparison* m_comparison;
    const LoanTexts& m_texts;
    const SummaryTexts m_summary;
    ReportWriter m_writer;
    int m_lineCount = 0;
};

} // namespace

void checkMortgagePrintout(const AmortizationResult& result)
{
    if (result.summary.graphPointCount == 0)
        throw PlannerError(Message::NoDataToPrint);
}

Report mortgagePrintout(const AmortizationInput& input, const AmortizationResult& result,
                        const PrintoutSettings& settings)
{
    checkMortgagePrintout(result);
    return MortgagePrintout(input, result, settings, nullptr).build();
}

Report mortgagePrintout(const AmortizationInput& input, const AmortizationResult& result,
                        const PrintoutSettings& settings, const OfferComparison& comparison)
{
    checkMortgagePrintout(result);
    return MortgagePrintout(input, result, settings, &comparison).build();
}

} // namespace tallyvane
