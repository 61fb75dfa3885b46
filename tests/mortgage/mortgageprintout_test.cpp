// SPDX-License-Identifier: GPL-3.0-or-later
#include "amortizationtestinput.h"
#include "printers.h"

#include "core/dates.h"
#include "core/messages.h"
#include "mortgage/amortizationengine.h"
#include "mortgage/mortgageprintout.h"
#include "reportpages.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace tallyvane {
namespace {

const QString HeadingA = "  Payment    Interest   Principal     Remaining    Cumulative     Cumulative";
const QString Rule = u' ' + QString(75, u'_');

// The printed pages, each as its lines.
QList<QStringList> printedPages(const AmortizationInput& input, std::int16_t fontChoice = 0)
{
    const AmortizationResult result = AmortizationEngine().calculate(input);
    const Report report =
        mortgagePrintout(input, result, {.header = "Smith family", .fontChoice = fontChoice});
    return pagesOf(report);
}

qsizetype rowCount(const QStringList& lines)
{
    static const QRegularExpression row(QStringLiteral("^ +\\d+ +\\d+ +[\\d,]*\\.\\d\\d "));
    return std::count_if(lines.begin(), lines.end(),
                         [](const QString& line) { return row.match(line).hasMatch(); });
}

TEST(MortgagePrintout, AllPaymentsRunOverPagesWithFootersAndRepeatedHeadings)
{
    const QList<QStringList> pages = printedPages(test::openingMortgage());
    ASSERT_EQ(pages.size(), 7);
    const QStringList& first = pages.first();
    EXPECT_EQ(first.mid(0, 4),
              QStringList({"", " Smith family", "", "                                Mortgage Table"}));
    EXPECT_EQ(first[10], " $100,000.00 10.125%    25                Monthly        Monthly        $.00");
    EXPECT_EQ(first[17], " Normal  0.0084375  12.00      25.00      $917.53    $275,258.20        $.00");
    EXPECT_EQ(rowCount(first), 29); // the header blocks take 24 of the 53 lines
    qsizetype rows = 0;
    for (qsizetype p = 0; p < pages.size(); ++p) {
        rows += rowCount(pages[p]);
        if (p > 0) {
            EXPECT_EQ(pages[p].mid(0, 6), QStringList({"", "", HeadingA, pages[0][21], Rule, ""})) << p;
        }
        if (p + 1 < pages.size()) {
            EXPECT_EQ(pages[p].mid(pages[p].size() - 3),
                      QStringList({"", "", QString(39, u' ') + QStringLiteral("Page %1").arg(p + 1)}))
                << p;
        }
    }
    EXPECT_EQ(rows, 300);
    EXPECT_EQ(pages.last().last(),
              " Total:                                    $.00   $175,258.20    $100,000.00");
}

struct FontCase
{
    std::int16_t fontChoice;
    qsizetype pages;
};

class PrintoutFonts : public testing::TestWithParam<FontCase>
{
};

TEST_P(PrintoutFonts, SetHowManyRowsFitAPage)
{
    EXPECT_EQ(printedPages(test::openingMortgage(), GetParam().fontChoice).size(), GetParam().pages);
}

INSTANTIATE_TEST_SUITE_P(MortgagePrintout, PrintoutFonts,
                         testing::Values(FontCase{0, 7}, FontCase{1, 6}, FontCase{2, 7}, FontCase{3, 8},
                                         FontCase{7, 7}),
                         [](const testing::TestParamInfo<FontCase>& info) {
                             return "Choice" + std::to_string(info.param.fontChoice);
                         });

struct ViewCase
{
    const char* name;
    AmortizationView view;
    bool showsDates;
    QString headingB;
    QString firstRowStart;
};

class PrintoutViews : public testing::TestWithParam<ViewCase>
{
};

TEST_P(PrintoutViews, ShowTheirFirstColumn)
{
    const ViewCase& c = GetParam();
    AmortizationInput input = test::openingMortgage();
    input.view = c.view;
    if (c.showsDates)
        input.firstPaymentDate = QDate(2024, 1, 31);
    const QStringList page = printedPages(input).first();
    EXPECT_EQ(page[21], c.headingB);
    EXPECT_TRUE(page[24].startsWith(c.firstRowStart)) << page[24].toStdString();
}

const QString FirstDate = u' ' + shortDateText(QDate(2024, 1, 31)) + u' ';

INSTANTIATE_TEST_SUITE_P(
    MortgagePrintout, PrintoutViews,
    testing::Values(ViewCase{"AllPayments", AmortizationView::AllPayments, false,
                             " No. Year     Payment     Payment       Balance      Interest      Principal",
                             "    1  1       843.75       73.78     99,926.22        843.75          73.78"},
                    ViewCase{"AnnualTotals", AmortizationView::AnnualTotals, false,
                             "   Year       Payment     Payment       Balance      Interest      Principal",
                             "     1      10,082.74      927.59     99,072.41     10,082.74         927.59"},
                    ViewCase{"AllPaymentsWithDates", AmortizationView::AllPayments, true,
                             "    Date      Payment     Payment       Balance      Interest      Principal",
                             FirstDate},
                    ViewCase{"AnnualTotalsWithDates", AmortizationView::AnnualTotals, true,
                             "   Year       Payment     Payment       Balance      Interest      Principal",
                             FirstDate}),
    [](const testing::TestParamInfo<ViewCase>& info) { return info.param.name; });

TEST(MortgagePrintout, LoanShowsItsTitleAndMonths)
{
    const QStringList page = printedPages(test::personalLoan("20000", 48)).first();
    EXPECT_EQ(page[3], "                                Personal Loan Table");
    EXPECT_EQ(page[10], "  $20,000.00 10.125%    48                Monthly        Monthly        $.00");
}

struct ListingCase
{
    const char* name;
    int extraYears;
    qsizetype listingPage;
};

class AdditionalPaymentListing : public testing::TestWithParam<ListingCase>
{
};

// The 25 yearly rows end the first page at line 49, and the listing takes
// its years and 4 more lines.
TEST_P(AdditionalPaymentListing, MovesToANewPageWhenItWouldPassLine57)
{
    AmortizationInput input = test::openingMortgage();
    input.view = AmortizationView::AnnualTotals;
    for (int year = 1; year <= GetParam().extraYears; ++year)
        input.additionalPayments.setAmount(year, test::money("100"));
    const QList<QStringList> pages = printedPages(input);
    ASSERT_EQ(pages.size(), GetParam().listingPage);
    const QStringList& last = pages.last();
    const qsizetype listing = last.indexOf(" Additional  Payments     Applied");
    ASSERT_GE(listing, 0);
    EXPECT_EQ(last.mid(listing + 1, 2), QStringList({"", " Year     1                100.00"}));
    if (GetParam().listingPage > 1) {
        EXPECT_EQ(last.mid(0, 3), QStringList({"", "", HeadingA}));
    }
}

INSTANTIATE_TEST_SUITE_P(MortgagePrintout, AdditionalPaymentListing,
                         testing::Values(ListingCase{"FitsTheFirstPage", 4, 1},
                                         ListingCase{"WouldOverflow", 5, 2}),
                         [](const testing::TestParamInfo<ListingCase>& info) { return info.param.name; });

TEST(MortgagePrintout, RefusedWithoutACalculation)
{
    try {
        mortgagePrintout(test::openingMortgage(), AmortizationResult(), PrintoutSettings());
        FAIL() << "printed without results";
    } catch (const PlannerError& refusal) {
        EXPECT_EQ(refusal.messageNumber(), Message::NoDataToPrint);
        EXPECT_STREQ(refusal.what(), "No data to print. Calculate.");
    }
}

} // namespace
} // namespace tallyvane
