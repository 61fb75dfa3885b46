// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/report/report.h"
#include "mortgage/amortizationengine.h"
#include "mortgage/mortgageprintout.h"
#include "shell/printing/printfont.h"
#include "shell/printing/reportpagelayout.h"
#include "shell/printing/reportpainter.h"

#include <QBuffer>
#include <QFontInfo>
#include <QPdfWriter>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace tallyvane {
namespace {

constexpr double LeastMargin = 18.0;

// A 25-year mortgage with every payment, or the yearly totals followed by
// additional payments, which make the fullest page: 60 lines.
Report mortgageReport(std::int16_t fontChoice, bool yearlyWithListing)
{
    AmortizationInput input;
    input.principal = Money::fromWhole(100000);
    input.annualRatePercent = *Money::fromDecimalText("10.125");
    input.termYears = Money::fromWhole(25);
    input.view = AmortizationView::AllPayments;
    if (yearlyWithListing) {
        input.view = AmortizationView::AnnualTotals;
        for (int year = 1; year <= 4; ++year)
            input.additionalPayments.setAmount(year, Money::fromWhole(100));
    }
    const AmortizationResult result = AmortizationEngine().calculate(input);
    return mortgagePrintout(input, result, {.header = "Header", .fontChoice = fontChoice});
}

int pdfPageCount(const QByteArray& pdf)
{
    static const QRegularExpression count(QStringLiteral("/Count (\\d+)"));
    return count.match(QString::fromLatin1(pdf)).captured(1).toInt();
}

struct PaperCase
{
    const char* name;
    std::int16_t fontChoice;
    QPageSize::PageSizeId paper;
};

class PrintedReport : public testing::TestWithParam<PaperCase>
{
};

TEST_P(PrintedReport, FitsThePaperInAFixedPitchFont)
{
    const PaperCase& c = GetParam();
    const Report fullest = mortgageReport(c.fontChoice, true);
    QBuffer unused;
    QPdfWriter writer(&unused);
    writer.setPageSize(QPageSize(c.paper));
    const ReportPageLayout layout = reportPageLayout(fullest, writer);
    EXPECT_TRUE(isFixedPitch(layout.font)) << QFontInfo(layout.font).family().toStdString();
    const QPointF end = layout.extent(fullest.fullestPage(), fullest.widestLine());
    EXPECT_GE(layout.textOrigin.x(), LeastMargin);
    EXPECT_GE(layout.textOrigin.y(), LeastMargin);
    EXPECT_LE(end.x(), layout.paperSize.width() - LeastMargin);
    EXPECT_LE(end.y(), layout.paperSize.height() - LeastMargin);

    const Report paged = mortgageReport(c.fontChoice, false);
    EXPECT_EQ(pdfPageCount(reportPdf(paged, QPageSize(c.paper))), static_cast<int>(paged.pages.size()));
}

INSTANTIATE_TEST_SUITE_P(ReportPainter, PrintedReport,
                         testing::Values(PaperCase{"StandardOnA4", 0, QPageSize::A4},
                                         PaperCase{"Courier10OnLetter", 1, QPageSize::Letter},
                                         PaperCase{"Courier11OnA4", 2, QPageSize::A4},
                                         PaperCase{"Courier12OnA4", 3, QPageSize::A4},
                                         PaperCase{"Courier12OnLetter", 3, QPageSize::Letter}),
                         [](const testing::TestParamInfo<PaperCase>& info) { return info.param.name; });

} // namespace
} // namespace tallyvane
