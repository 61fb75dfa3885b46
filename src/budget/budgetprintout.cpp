// SPDX-License-Identifier: GPL-3.0-or-later
#include "budget/budgetprintout.h"

#include "budget/budgetfigure.h"
#include "budget/budgettotals.h"
#include "core/messages.h"
#include "core/numberformat.h"
#include "core/plannererror.h"
#include "core/report/reportwriter.h"

namespace tallyvane {
namespace {

constexpr int TitleBlockLines = 11;
constexpr int ContinuedPageLines = 8;
constexpr int TotalBlockLines = 3;
constexpr int ExpenseOpeningLines = 9;
constexpr int NetBalanceLines = 5;
constexpr int FigureWidth = 11;
constexpr int AmountColumn = 37;
constexpr int BudgetedColumn = 53;
constexpr int DescriptionWidth = 30;
const QString Rule(62, u'_');

struct Section
{
    QString name;
    QString underline;
    QString secondHeading;
    const BudgetList& list;
    Money total;
    Money totalBudgeted;
    QString totalCaption;
};

class BudgetPrintout
{
public:
    BudgetPrintout(const BudgetStatement& statement, const BudgetTotals& totals,
                   const PrintoutSettings& settings)
        : m_statement(statement), m_totals(totals), m_settings(settings), m_writer(settings.fontChoice),
          m_pageLines(m_writer.pageLines())
    {
    }

    Report build()
    {
        const DisplayPeriod& period = m_statement.period;
        const Section income{QStringLiteral("INCOME"),
                             QStringLiteral("______"),
                             QStringLiteral("source of income                     payment          budgeted"),
                             m_statement.incomeList,
                             m_totals.totalIncome,
                             m_totals.totalIncomeBudgeted,
                             QString(period.incomeLabel).trimmed()};
        const Section expenses{
            QStringLiteral("EXPENSES"),
            QStringLiteral("________"),
            QStringLiteral("purpose for expense                  expense          budgeted"),
            m_statement.expenseList,
            m_totals.totalExpenses,
            m_totals.totalExpensesBudgeted,
            QString(period.expenseLabel).trimmed()};

        m_writer.setUpPrinter();
        m_writer.line(2, m_settings.header);
        m_writer.emptyLines();
        m_writer.line(32, QStringLiteral("BUDGET STATEMENT"));
        m_writer.emptyLines();
        printSectionOpening(income);
        m_lineCount = TitleBlockLines;
        printRecords(income);
        printTotal(income);
        // The expense section starts on this page only when its opening and
        // first lines fit.
        if (m_lineCount + TotalBlockLines + ExpenseOpeningLines < m_pageLines)
            m_lineCount += TotalBlockLines;
        else
            startNewPage();

        m_writer.emptyLines(2);
        printSectionOpening(expenses);
        m_lineCount += ExpenseOpeningLines;
        printRecords(expenses);
        printTotal(expenses);
        if (m_lineCount + TotalBlockLines + NetBalanceLines >= m_pageLines)
            startNewPage();
        printNetBalances();
        return m_writer.finish();
    }

private:
    QString currency(Money annualValue) const
    {
        return m_settings.currencySymbol +
               formatNumber(periodFigure(annualValue, m_statement.period), u"###,,###.00");
    }

    void startNewPage()
    {
        m_writer.breakPage();
        m_lineCount = 1;
    }

    void printSectionOpening(const Section& section)
    {
        m_writer.line(2, section.name);
        m_writer.line(2, section.underline);
        m_writer.emptyLines();
        printHeadings(section);
    }

    void printHeadings(const Section& section)
    {
        m_writer.line(2, QStringLiteral("Description of the                   Amount of        Amount"));
        m_writer.line(2, section.secondHeading);
        m_writer.line(2, Rule);
        m_writer.emptyLines();
    }

    void printRecords(const Section& section)
    {
        for (const BudgetRecord& record : section.list.records()) {
            m_writer.tab(2).text(record.description.left(DescriptionWidth));
            m_writer.rightAligned(AmountColumn, FigureWidth, recordFigure(record.annualAmount));
            m_writer.rightAligned(BudgetedColumn, FigureWidth, recordFigure(record.annualBudgeted)).endLine();
            if (++m_lineCount >= m_pageLines) {
                m_writer.breakPage();
                m_writer.emptyLines(2);
                printHeadings(section);
                m_lineCount = ContinuedPageLines;
            }
        }
    }

    QString recordFigure(Money annualValue) const
    {
        return formatNumber(periodFigure(annualValue, m_statement.period), u"####,,###.00");
    }

    void printTotal(const Section& section)
    {
        if (m_lineCount + TotalBlockLines >= m_pageLines)
            startNewPage();
        m_writer.line(2, Rule);
        m_writer.emptyLines();
        m_writer.tab(2).text(section.totalCaption);
        m_writer.rightAligned(AmountColumn, FigureWidth, currency(section.total));
        m_writer.rightAligned(BudgetedColumn, FigureWidth, currency(section.totalBudgeted)).endLine();
    }

    void printNetBalances()
    {
        m_writer.emptyLines(2);
        m_writer.line(32, m_statement.period.netBalanceLabel());
        m_writer.tab(28).text(QStringLiteral("Current"));
        m_writer.tab(47).text(QStringLiteral("Budgeted")).endLine();
        m_writer.rightAligned(25, FigureWidth, currency(m_totals.netBalance));
        m_writer.rightAligned(45, FigureWidth, currency(m_totals.netBalanceBudgeted)).endLine();
    }

    const BudgetStatement& m_statement;
    const BudgetTotals& m_totals;
    const PrintoutSettings& m_settings;
    ReportWriter m_writer;
    const int m_pageLines;
    int m_lineCount = 0;
};

} // namespace

Report budgetPrintout(const BudgetStatement& statement, const PrintoutSettings& settings)
{
    if (statement.incomeList.isEmpty() && statement.expenseList.isEmpty())
        throw PlannerError(Message::NoDataToPrint);
    const BudgetTotals totals = computeTotals(statement.incomeList, statement.expenseList);
    return BudgetPrintout(statement, totals, settings).build();
}

} // namespace tallyvane
