// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A printout sent to a printer does what the print dialog chose: only the
// pages of the range, as many copies as asked, collated or not, under a job
// name that says what it is. Copies are left to the printer where it makes
// them itself (a print queue); where it cannot (a PDF file), they are painted.

#include "core/report/report.h"
#include "shell/printing/printrun.h"

class QPrinter;

namespace tallyvane {

struct ImagePrintout;

// Bounds the dialog's page range to the printout's pages and names the job.
void preparePrinter(QPrinter& printer, int pageCount, const QString& jobName);
// The pages, copies and collation the printer was set to.
PrintRun printRunOf(const QPrinter& printer);

// False when the printer refused the job.
bool printReportOn(const Report& report, QPrinter& printer);
bool printImageOn(const ImagePrintout& printout, QPrinter& printer);

} // namespace tallyvane
