// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Window positions are kept in twips (1/1440 inch) and turned into pixels with
// the screen's logical DPI. The frame's height decides between two layouts: a
// small frame keeps its children tucked into the top-left corner, a large one
// sets them in by a margin.

#include <QPoint>

#include <cstdint>

namespace tallyvane {

inline constexpr std::int32_t SmallFrameMark = 6810;
inline constexpr std::int32_t LargeFrameMark = 8670;
inline constexpr int FrameStartWidthTwips = 9615;
inline constexpr int FrameStartHeightTwips = 6870;

enum class ChildKind
{
    Menu,
    Planner,
    MortgagePlanner
};

int twipsToPixels(int twips, double dotsPerInch);
int pixelsToTwips(int pixels, double dotsPerInch);

// The frame is large when taller than 8500 twips.
std::int32_t frameHeightMarkFor(int frameHeightTwips);
bool isLargeFrame(std::int32_t frameHeightMark);

// Where a child window places itself, in twips from the frame's corner.
QPoint childPositionTwips(ChildKind kind, std::int32_t frameHeightMark);
// Where a dialog places itself, given its two offsets in twips.
QPoint dialogOffsetTwips(QPoint smallFrameOffset, QPoint largeFrameOffset, std::int32_t frameHeightMark);

} // namespace tallyvane
