#pragma once

#include "core/report/report.h"

#include <QFont>

namespace tallyvane {

// The font a report is painted in. Columns only line up in a fixed-pitch
// font, so the standard font is the system's fixed-pitch font, and a family
// that resolves to a proportional font is replaced by it at the same size.
// "Courier New" is found through the font configuration, which maps it to a
// font of the same metrics where it is not installed.
QFont printFont(const ReportFont& font);

} // namespace tallyvane
