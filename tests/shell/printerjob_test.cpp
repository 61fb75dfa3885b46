// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/report/printout.h"
#include "shell/printerjob.h"
#include "shell/printpreview.h"
#include "shell/printing/reportpainter.h"

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tallyvane {
namespace {

// "Pages from 2 to 3" of a 7-page report, 2 copies, to a PDF printer, which
// makes no copies itself: 4 pages under the job's name.
TEST(PrinterJob, PrintsOnlyTheChosenPagesAsOftenAsAsked)
{
    Report report;
    report.pages.resize(7);
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
    EXPECT_TRUE(pdf.readAll().contains("/Count 4")); // 2 copies of pages 2 and 3
    EXPECT_EQ(paintedPageOrder(7, {.pages = {2, 3}, .copies = 2, .collate = false}), (std::vector<int>{1, 1, 2, 2}));
}

// Print to File writes through the safe save rather than the printer, and
// still holds only the pages and copies of the dialog.
TEST(PrinterJob, PrintToFileHoldsTheChosenPagesAndCopies)
{
    Report report;
    report.pages.resize(7);
    QTemporaryDir folder;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFileName(folder.filePath(QStringLiteral("out.pdf")));
    preparePrinter(printer, 7, QStringLiteral("Budget statement"));
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(2, 3);
    printer.setCopyCount(2);
    printOnPrinter(
        printer, [](QPrinter&) { ADD_FAILURE() << "painted on the printer itself"; },
        [&report](const QString& path, const QPageSize& paper, const PrintRun& run) {
            return saveReportPdf(report, path, paper, run);
        },
        nullptr);
    QFile pdf(printer.outputFileName());
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().contains("/Count 4"));
}

} // namespace
} // namespace tallyvane
