// SPDX-License-Identifier: GPL-3.0-or-later
#include "printers.h"

#include "savings/growthengine.h"
#include "savings/savingsprintout.h"
#include "reportpages.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace tallyvane {
namespace {

const QString MonthlyHeading = "   Monthly          Investment      Interest/Growth         Current Value";
const QString Rule = u' ' + QString(72, u'_');

SavingsInputs plan(int lumpSum, int contribution, SavingsFrequency frequency, int years, int inflation = 0)
{
    SavingsInputs inputs;
    inputs.lumpSum = Money::fromWhole(lumpSum);
    inputs.contribution = Money::fromWhole(contribution);
    inputs.frequency = frequency;
    inputs.inflationPercent = Money::fromWhole(inflation);
    inputs.years = Money::fromWhole(years);
    return inputs;
}

// The printed pages, each as its lines.
QList<QStringList> printedPages(const SavingsInputs& inputs)
{
    const SavingsResult result = GrowthEngine().calculate(inputs);
    const Report report = savingsPrintout(inputs, result, {.header = "Smith family"});
    return pagesOf(report);
}

qsizetype rowCount(const QStringList& lines)
{
    static const QRegularExpression row(QStringLiteral("^ +\\d+ +[\\d,]*\\.\\d\\d +[\\d,]*\\.\\d\\d "));
    return std::count_if(lines.begin(), lines.end(),
                         [](const QString& line) { return row.match(line).hasMatch(); });
}

TEST(SavingsPrintout, FirstPageShowsTitleInputsAndTableHeading)
{
    const QStringList first = printedPages(plan(30000, 0, SavingsFrequency::Monthly, 25, -5)).first();
    EXPECT_EQ(
        first.mid(0, 8),
        QStringList({"", " Smith family", "", "", "                        Investment Growth Calculation", "",
                     "", " Amount of Lump Sum Invested at Start                  $30,000.00"}));
    EXPECT_EQ(first[9], " Annual Amount Invested each contribution                    $.00");
    EXPECT_EQ(first[11], " Frequency of each contribution                           Monthly");
    // The "%" follows the 14-character field, at position 66.
    EXPECT_EQ(first[17], " Adjust Current Value for Annual Inflation Rate(%)          -5.00%");
    EXPECT_EQ(first[19], " Time in Years                                                 25");
    EXPECT_EQ(first.mid(20, 5), QStringList({"", "", MonthlyHeading, Rule, ""}));
}

TEST(SavingsPrintout, FortyYearsMonthlyRunOverPagesWithFootersAndRepeatedHeadings)
{
    const QList<QStringList> pages = printedPages(plan(0, 100, SavingsFrequency::Monthly, 40));
    ASSERT_EQ(pages.size(), 11);
    EXPECT_EQ(rowCount(pages.first()), 29); // the blocks above the table count 24 of the 53 lines
    qsizetype rows = 0;
    for (qsizetype p = 0; p < pages.size(); ++p) {
        rows += rowCount(pages[p]);
        if (p > 0) {
            EXPECT_EQ(pages[p].mid(0, 7), QStringList({"", "", "", "", MonthlyHeading, Rule, ""})) << p;
        }
        if (p + 1 < pages.size()) {
            EXPECT_EQ(rowCount(pages[p]), p == 0 ? 29 : 47) << p;
            EXPECT_EQ(pages[p].mid(pages[p].size() - 3),
                      QStringList({"", "", QString(39, u' ') + QStringLiteral("Page %1").arg(p + 1)}))
                << p;
        }
    }
    EXPECT_EQ(rows, 480);
    EXPECT_TRUE(pages.last().last().startsWith(" Total:             $48,000.00"))
        << pages.last().last().toStdString();
    EXPECT_EQ(pages.last().mid(pages.last().size() - 3, 2), QStringList({Rule, ""}));
}

TEST(SavingsPrintout, ZeroAmountsPrintWithoutADigitBeforeThePoint)
{
    const QStringList page = printedPages(plan(0, 0, SavingsFrequency::Annually, 1)).first();
    EXPECT_EQ(page[25], "   1                       .00                  .00                   .00");
    EXPECT_EQ(page.last(), " Total:                   $.00                 $.00                  $.00");
}

} // namespace
} // namespace tallyvane
