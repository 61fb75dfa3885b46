// SPDX-License-Identifier: GPL-3.0-or-later
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

// True when "i", "W", "0" and the blank take the same width in `font`.
// Measured from the glyphs themselves: fontconfig's spacing flag is missing
// from some monospaced families (Noto Sans Mono among them).
bool isFixedPitch(const QFont& font);

} // namespace tallyvane
