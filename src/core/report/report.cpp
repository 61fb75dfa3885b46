// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/report/report.h"

#include "core/sharedvalues.h"

#include <algorithm>

namespace tallyvane {

ReportFont reportFont(std::int16_t fontChoice)
{
    static const QString courier = QStringLiteral("Courier New");
    switch (fontChoice) {
    case 1:
        return {.choice = 1, .family = courier, .pointSize = 10, .pageLines = 63};
    case 2:
        return {.choice = 2, .family = courier, .pointSize = 11, .pageLines = 56};
    case 3:
        return {.choice = 3, .family = courier, .pointSize = 12, .pageLines = 51};
    default:
        return {.choice = 0, .family = QString(), .pointSize = 0, .pageLines = DefaultPageLines};
    }
}

int ReportLine::endColumn() const
{
    return items.empty() ? 1 : items.back().column + static_cast<int>(items.back().text.size());
}

int Report::widestLine() const
{
    int widest = 0;
    for (const ReportPage& page : pages)
        for (const ReportLine& line : page.lines)
            widest = std::max(widest, line.endColumn() - 1);
    return widest;
}

int Report::fullestPage() const
{
    std::size_t fullest = 0;
    for (const ReportPage& page : pages)
        fullest = std::max(fullest, page.lines.size());
    return static_cast<int>(fullest);
}

} // namespace tallyvane
