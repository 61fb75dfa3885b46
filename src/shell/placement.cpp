// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/placement.h"

#include <cmath>

namespace tallyvane {

int twipsToPixels(int twips, double dotsPerInch)
{
    return static_cast<int>(std::lround(twips * dotsPerInch / 1440.0));
}

int pixelsToTwips(int pixels, double dotsPerInch)
{
    return dotsPerInch > 0 ? static_cast<int>(std::lround(pixels * 1440.0 / dotsPerInch)) : 0;
}

std::int32_t frameHeightMarkFor(int frameHeightTwips)
{
    return frameHeightTwips > 8500 ? LargeFrameMark : SmallFrameMark;
}

bool isLargeFrame(std::int32_t frameHeightMark)
{
    return frameHeightMark >= 8501;
}

QPoint childPositionTwips(ChildKind kind, std::int32_t frameHeightMark)
{
    if (isLargeFrame(frameHeightMark))
        return {1200, 1000};
    switch (kind) {
    case ChildKind::Menu:
        return {-25, -15};
    case ChildKind::MortgagePlanner:
        return {-40, -30};
    case ChildKind::Planner:
        break;
    }
    return {-60, -30};
}

QPoint dialogOffsetTwips(QPoint smallFrameOffset, QPoint largeFrameOffset, std::int32_t frameHeightMark)
{
    return isLargeFrame(frameHeightMark) ? largeFrameOffset : smallFrameOffset;
}

} // namespace tallyvane
