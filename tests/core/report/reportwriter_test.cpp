// SPDX-License-Identifier: GPL-3.0-or-later
#include "printers.h"

#include "core/report/reportplaintext.h"
#include "core/report/reportwriter.h"

#include <gtest/gtest.h>

#include <functional>

namespace tallyvane {
namespace {

struct LineCase
{
    const char* name;
    std::function<void(ReportWriter&)> print;
    QString expected;
};

class PrintedLines : public testing::TestWithParam<LineCase>
{
};

TEST_P(PrintedLines, LandInTheirColumns)
{
    ReportWriter writer(0);
    GetParam().print(writer);
    EXPECT_EQ(reportPlainText(writer.finish()), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    ReportWriter, PrintedLines,
    testing::Values(
        LineCase{"TabToPassedColumnContinuesOnNextLine",
                 [](ReportWriter& w) { w.tab(6).text("abc").tab(4).text("x").endLine(); },
                 "     abc\n   x\n"},
        LineCase{"TabToCurrentColumnStaysOnLine",
                 [](ReportWriter& w) { w.tab(2).text("ab").tab(4).text("c").endLine(); }, " abc\n"},
        LineCase{"LineBreakInTextRestartsAtColumnOne",
                 [](ReportWriter& w) { w.line(3, "Head\r\n\r\n Year"); }, "  Head\n\n Year\n"},
        LineCase{"FigureRightAlignedInItsField",
                 [](ReportWriter& w) { w.rightAligned(3, 5, "12").endLine(); }, "     12\n"},
        LineCase{"LongFigureReachesLeftUncut",
                 [](ReportWriter& w) { w.tab(2).text("ab").rightAligned(8, 3, "12345").endLine(); },
                 " ab  12345\n"},
        LineCase{"LongFigureKeepsABlankAfterTheTextBefore",
                 [](ReportWriter& w) { w.tab(2).text("abcd").rightAligned(5, 3, "12345").endLine(); },
                 " abcd 12345\n"},
        LineCase{"FigureAfterTextRunningIntoItsFieldMovesRight",
                 [](ReportWriter& w) { w.tab(2).text("abcdef").rightAligned(5, 4, "1234").endLine(); },
                 " abcdef 1234\n"},
        LineCase{"FooterClosesPageAndSetUpOpensTheNext",
                 [](ReportWriter& w) {
                     w.setUpPrinter();
                     w.line(2, "row");
                     w.breakPage();
                     w.line(2, "next");
                 },
                 "\n row\n\n\n                                       Page 1\n\f\n next\n"},
        LineCase{"FinishRightAfterNewPageAddsNoBlankPage",
                 [](ReportWriter& w) {
                     w.line(1, "only");
                     w.newPage();
                 },
                 "only\n"}),
    [](const testing::TestParamInfo<LineCase>& info) { return info.param.name; });

} // namespace
} // namespace tallyvane
