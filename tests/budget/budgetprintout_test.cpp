// SPDX-License-Identifier: GPL-3.0-or-later
#include "budget/budgetprintout.h"
#include "printers.h"
#include "reportpages.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace tallyvane {
namespace {

const QString Rule = u' ' + QString(62, u'_');
const QString FirstHeading = " Description of the                   Amount of        Amount";

Money money(const char* text)
{
    return *Money::fromDecimalText(text);
}

BudgetList listOf(int records, const char* amount = "100")
{
    BudgetList list;
    for (int record = 1; record <= records; ++record)
        list.addRecord({QStringLiteral("Item %1").arg(record, 3, 10, QLatin1Char('0')), money(amount),
                        money("1"), money(amount)});
    return list;
}

QList<QStringList> printedPages(const BudgetList& income, const BudgetList& expenses,
                                const DisplayPeriod& period = AnnualPeriod)
{
    const Report report = budgetPrintout({income, expenses, period}, {.header = "Smith family"});
    return pagesOf(report);
}

TEST(BudgetPrintout, StatementShowsHeadingsRecordsTotalsAndBalancesForThePeriod)
{
    BudgetList income;
    income.addRecord({"Salary paid by the county school board", money("2000"), money("12"), money("1900")});
    BudgetList expenses;
    expenses.addRecord({"Rent", money("1000"), money("12"), money("1000")});
    expenses.addRecord({"Holidays", money("1200"), money("1"), money("12000")});
    expenses.sortList(SortOrder::AmountsHiLo);

    const QList<QStringList> pages = printedPages(income, expenses, DisplayPeriods[3]);
    ASSERT_EQ(pages.size(), 1);
    EXPECT_EQ(pages[0].join(u'\n').toStdString(),
              QStringList({
                              "",
                              " Smith family",
                              "",
                              "                               BUDGET STATEMENT",
                              "",
                              " INCOME",
                              " ______",
                              "",
                              FirstHeading,
                              " source of income                     payment          budgeted",
                              Rule,
                              "",
                              " Salary paid by the county scho        2,000.00        1,900.00",
                              Rule,
                              "",
                              " Monthly income                       $2,000.00       $1,900.00",
                              "",
                              "",
                              " EXPENSES",
                              " ________",
                              "",
                              FirstHeading,
                              " purpose for expense                  expense          budgeted",
                              Rule,
                              "",
                              " Rent                                  1,000.00        1,000.00",
                              " Holidays                                100.00        1,000.00",
                              Rule,
                              "",
                              " Monthly expenses                     $1,100.00       $2,000.00",
                              "",
                              "",
                              "                               Monthly Net Balance",
                              "                           Current            Budgeted",
                              "                            $900.00            $-100.00",
                          })
                  .join(u'\n')
                  .toStdString());
}

// With the standard font's 53 lines, where the page breaks fall.
struct PageBreakCase
{
    const char* name;
    int incomeRecords;
    int expenseRecords;
    qsizetype pages;
    qsizetype recordsOnFirstPage;
    QStringList secondPageStart;
};

class PageBreakTest : public testing::TestWithParam<PageBreakCase>
{
};

TEST_P(PageBreakTest, FullPagesEndWithTheirFooter)
{
    const PageBreakCase& breaks = GetParam();
    const QList<QStringList> pages =
        printedPages(listOf(breaks.incomeRecords), listOf(breaks.expenseRecords));
    ASSERT_EQ(pages.size(), breaks.pages);
    const QStringList& first = pages[0];
    EXPECT_EQ(first.filter(QStringLiteral(" Item ")).size(), breaks.recordsOnFirstPage);
    EXPECT_EQ(first.mid(first.size() - 3), QStringList({"", "", QString(39, u' ') + "Page 1"}));
    EXPECT_EQ(pages[1].mid(0, breaks.secondPageStart.size()).join(u'\n').toStdString(),
              breaks.secondPageStart.join(u'\n').toStdString());
    EXPECT_FALSE(pages.last().last().contains(QStringLiteral("Page")));
}

INSTANTIATE_TEST_SUITE_P(
    BudgetPrintout, PageBreakTest,
    testing::Values(PageBreakCase{"IncomeListContinuesUnderItsHeadings",
                                  43,
                                  1,
                                  2,
                                  42,
                                  {"", "", "", FirstHeading,
                                   " source of income                     payment          budgeted", Rule,
                                   "", " Item 043                                100.00          100.00"}},
                    PageBreakCase{
                        "IncomeTotalMovesOn",
                        39,
                        1,
                        2,
                        39,
                        {"", Rule, "", " Annual income                        $3,900.00       $3,900.00"}},
                    PageBreakCase{"ExpensesStartOnANewPage", 30, 1, 2, 30, {"", "", "", " EXPENSES"}},
                    PageBreakCase{"NetBalancesMoveOn",
                                  1,
                                  25,
                                  2,
                                  26,
                                  {"", "", "", "                               Annual Net Balance"}}),
    [](const testing::TestParamInfo<PageBreakCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace tallyvane
