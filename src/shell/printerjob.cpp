// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/printerjob.h"

#include "shell/printing/imageprintout.h"
#include "shell/printing/reportpainter.h"

#include <QPageRanges>

#include <algorithm>
#include <QPrinter>

namespace tallyvane {

void preparePrinter(QPrinter& printer, int pageCount, const QString& jobName)
{
    printer.setDocName(jobName);
    printer.setFromTo(1, std::max(pageCount, 1));
    printer.setPrintRange(QPrinter::AllPages);
}

PrintRun printRunOf(const QPrinter& printer)
{
    PrintRun run;
    if (printer.printRange() == QPrinter::PageRange) {
        for (const QPageRanges::Range& range : printer.pageRanges().toRangeList())
            for (int page = range.from; page <= range.to; ++page)
                run.pages.push_back(page);
    }
    if (!printer.supportsMultipleCopies()) {
        run.copies = printer.copyCount();
        run.collate = printer.collateCopies();
    }
    return run;
}

bool printReportOn(const Report& report, QPrinter& printer)
{
    return paintReportPages(report, printer,
                            paintedPageOrder(static_cast<int>(report.pages.size()), printRunOf(printer)));
}

bool printImageOn(const ImagePrintout& printout, QPrinter& printer)
{
    return paintImagePrintout(printout, printer, static_cast<int>(paintedPageOrder(1, printRunOf(printer)).size()));
}

} // namespace tallyvane
