#include "core/report/printout.h"
#include "shell/printerjob.h"

#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tallyvane {
namespace {

// "Pages from 2 to 3" of a 7-page report, 2 copies, to a PDF printer, which
// makes no copies itself: 4 pages under the job's name.
TEST(PrinterJob, PrintsOnlyTheChosenPagesAsOftenAsAsked)
{
    Report report;
    for (int page = 1; page <= 7; ++page)
        report.pages.push_back({.lines = {{.items = {{.column = 1, .text = QStringLiteral("Page %1").arg(page)}}}}});
    QTemporaryDir folder;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath(QStringLiteral("out.pdf")));
    preparePrinter(printer, 7, printJobName(QStringLiteral("/home/user/HOME.BGT"), QStringLiteral("Budget statement")));
    EXPECT_EQ(printer.docName().toStdString(), "Tallyvane \u2013 HOME.BGT \u2013 Budget statement");

    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(2, 3);
    printer.setCopyCount(2);
    ASSERT_TRUE(printReportOn(report, printer));
    QFile pdf(printer.outputFileName());
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    static const QRegularExpression count(QStringLiteral("/Count (\\d+)"));
    EXPECT_EQ(count.match(QString::fromLatin1(pdf.readAll())).captured(1).toInt(), 4);
    EXPECT_EQ(paintedPageOrder(7, {.pages = {2, 3}, .copies = 2, .collate = false}), (std::vector<int>{1, 1, 2, 2}));
}

} // namespace
} // namespace tallyvane
