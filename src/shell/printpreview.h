#pragma once

// The print preview every printout opens in: the pages as they will print,
// zoom, page set-up, printing on any installed printer through the system
// print dialog, and saving the pages as a PDF file.

#include "core/report/report.h"

class QWidget;

namespace tallyvane {

struct ImagePrintout;

// Shows the preview modally over `parent`.
void showReportPreview(const Report& report, QWidget* parent);
void showImagePreview(const ImagePrintout& printout, QWidget* parent);

} // namespace tallyvane
