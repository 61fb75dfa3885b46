#include "core/report/printout.h"
#include "shell/printerjob.h"

#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tallyvane {
namespace {

struct OrderCase
{
    const char* name;
    PrintRun run;
    std::vector<int> painted;
};

class PageOrder : public testing::TestWithParam<OrderCase>
{
};

TEST_P(PageOrder, FollowsTheRangeCopiesAndCollation)
{
    EXPECT_EQ(paintedPageOrder(7, GetParam().run), GetParam().painted);
}

INSTANTIATE_TEST_SUITE_P(
    PrinterJob, PageOrder,
    testing::Values(OrderCase{"AllPages", {}, {0, 1, 2, 3, 4, 5, 6}},
                    OrderCase{"RangeCollated", {.pages = {2, 3}, .copies = 2, .collate = true}, {1, 2, 1, 2}},
                    OrderCase{"RangeUncollated", {.pages = {2, 3}, .copies = 2, .collate = false}, {1, 1, 2, 2}},
                    OrderCase{"PastTheEnd", {.pages = {6, 7, 8, 9}}, {5, 6}},
                    OrderCase{"NoCopiesMeansOne", {.pages = {1}, .copies = 0}, {0}}),
    [](const testing::TestParamInfo<OrderCase>& info) { return info.param.name; });

Report sevenPages()
{
    Report report;
    for (int page = 1; page <= 7; ++page)
        report.pages.push_back({.lines = {{.items = {{.column = 1, .text = QStringLiteral("Page %1").arg(page)}}}}});
    return report;
}

int pdfPageCount(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    static const QRegularExpression count(QStringLiteral("/Count (\\d+)"));
    return count.match(QString::fromLatin1(file.readAll())).captured(1).toInt();
}

TEST(PrinterJob, PrintsOnlyTheChosenPagesAsOftenAsAsked)
{
    QTemporaryDir folder;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath(QStringLiteral("out.pdf")));
    const Report report = sevenPages();
    preparePrinter(printer, 7, printJobName(QStringLiteral("/home/user/HOME.BGT"), QStringLiteral("Budget statement")));
    EXPECT_EQ(printer.docName(), QStringLiteral("Tallyvane \u2013 HOME.BGT \u2013 Budget statement"));

    // As the print dialog leaves it for "Pages from 2 to 3", 2 copies.
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(2, 3);
    printer.setCopyCount(2);
    ASSERT_TRUE(printReportOn(report, printer));
    EXPECT_EQ(pdfPageCount(printer.outputFileName()), 4);
}

TEST(PrinterJob, NamesAJobWithoutAFileByWhatIsPrinted)
{
    EXPECT_EQ(printJobName(QString(), QStringLiteral("Savings report")), QStringLiteral("Tallyvane \u2013 Savings report"));
}

} // namespace
} // namespace tallyvane
