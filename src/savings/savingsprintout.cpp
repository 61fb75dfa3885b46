// SPDX-License-Identifier: GPL-3.0-or-later
#include "savings/savingsprintout.h"

#include "core/messages.h"
#include "core/numberformat.h"
#include "core/plannererror.h"
#include "core/report/reportwriter.h"
#include "core/rightalign.h"

namespace tallyvane {
namespace {

constexpr int HeaderBlockLines = 24;
constexpr int ContinuedPageLines = 6;
constexpr int LabelColumn = 2;
constexpr int InputAt = 52;
constexpr int InputWidth = 14;
// Where each figure of a table row goes, and the width it is right-aligned in.
constexpr int PeriodAt = 2;
constexpr int PeriodWidth = 3;
constexpr int InvestedAt = 17;
constexpr int InvestedWidth = 14;
constexpr int InterestAt = 39;
constexpr int InterestWidth = 13;
constexpr int CurrentValueAt = 61;
constexpr int CurrentValueWidth = 13;
constexpr char16_t AmountFormat[] = u"####,,###.00";
const QString Rule(72, u'_');

class SavingsPrintout
{
public:
    SavingsPrintout(const SavingsInputs& inputs, const SavingsResult& result,
                    const PrintoutSettings& settings)
        : m_inputs(inputs), m_result(result), m_settings(settings), m_writer(settings.fontChoice)
    {
    }

    Report build()
    {
        m_writer.setUpPrinter();
        m_writer.line(LabelColumn, m_settings.header);
        m_writer.emptyLines(2);
        m_writer.line(25, QStringLiteral("Investment Growth Calculation"));
        m_writer.emptyLines(2);
        printInputs();
        printTableHeading();
        m_lineCount = HeaderBlockLines;
        printRows();
        printTotals();
        return m_writer.finish();
    }

private:
    QString currency(Money amount, QStringView format) const
    {
        return m_settings.currencySymbol + formatMoney(amount, format);
    }

    void printInput(const QString& label, const QString& value, const QString& after = {})
    {
        m_writer.tab(LabelColumn).text(label);
        m_writer.rightAligned(InputAt, InputWidth, value).text(after).endLine();
        m_writer.emptyLines();
    }

    void printRate(const QString& label, Money percent)
    {
        printInput(label, formatMoney(percent, u"###.00"), QStringLiteral("%"));
    }

    void printInputs()
    {
        printInput(QStringLiteral("Amount of Lump Sum Invested at Start"),
                   currency(m_inputs.lumpSum, u"##,,###.00"));
        printInput(QStringLiteral("Annual Amount Invested each contribution"),
                   currency(m_inputs.contribution, u"##,,###.00"));
        printInput(QStringLiteral("Frequency of each contribution"), frequencyText(m_inputs.frequency));
        printRate(QStringLiteral("Annual Interest/Growth Rate(%)"), m_inputs.ratePercent);
        printRate(QStringLiteral("Increase the annual Investment Rate by"), m_inputs.increasePercent);
        printRate(QStringLiteral("Adjust Current Value for Annual Inflation Rate(%)"),
                  m_inputs.inflationPercent);
        printInput(QStringLiteral("Time in Years"), formatMoney(m_inputs.years, u"###"));
        m_writer.emptyLines();
    }

    void printTableHeading()
    {
        m_writer.line(LabelColumn,
                      rightAlign(frequencyText(m_inputs.frequency), 9) +
                          QStringLiteral("          Investment      Interest/Growth         Current Value"));
        m_writer.line(LabelColumn, Rule);
        m_writer.emptyLines();
    }

    void printRows()
    {
        const MoneyTable& table = m_result.table();
        for (int row = 1; row <= m_result.lastPeriod(); ++row) {
            m_writer.rightAligned(PeriodAt, PeriodWidth, formatMoney(table.at(row, PeriodColumn), u"###"));
            m_writer.rightAligned(InvestedAt, InvestedWidth,
                                  formatMoney(table.at(row, InvestedColumn), AmountFormat));
            m_writer.rightAligned(InterestAt, InterestWidth,
                                  formatMoney(table.at(row, InterestColumn), AmountFormat));
            m_writer
                .rightAligned(CurrentValueAt, CurrentValueWidth,
                              formatMoney(table.at(row, ValueColumn), AmountFormat))
                .endLine();
            if (++m_lineCount >= m_writer.pageLines())
                breakPage();
        }
    }

    // Closes the full page and continues the table on the next one.
    void breakPage()
    {
        m_writer.breakPage();
        m_writer.emptyLines(3);
        printTableHeading();
        m_lineCount = ContinuedPageLines;
    }

    void printTotals()
    {
        m_writer.line(LabelColumn, Rule);
        m_writer.emptyLines();
        m_writer.tab(LabelColumn).text(QStringLiteral("Total:"));
        m_writer.rightAligned(InvestedAt, InvestedWidth, currency(m_result.totalInvested(), AmountFormat));
        m_writer.rightAligned(InterestAt, InterestWidth, currency(m_result.growth(), AmountFormat));
        m_writer
            .rightAligned(CurrentValueAt, CurrentValueWidth, currency(m_result.finalValue(), AmountFormat))
            .endLine();
    }

    const SavingsInputs& m_inputs;
    const SavingsResult& m_result;
    const PrintoutSettings& m_settings;
    ReportWriter m_writer;
    int m_lineCount = 0;
};

} // namespace

void checkSavingsPrintout(const SavingsResult& result)
{
    if (result.graphPointCount() == 0)
        throw PlannerError(Message::NoDataToPrint);
}

Report savingsPrintout(const SavingsInputs& inputs, const SavingsResult& result,
                       const PrintoutSettings& settings)
{
    checkSavingsPrintout(result);
    return SavingsPrintout(inputs, result, settings).build();
}

} // namespace tallyvane
