// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The look every planner window shares, in one place: colours of entry and
// result boxes, captions and indicators, the spacing of their layouts, and
// the colours and proportions of the bar charts.

#include <QColor>

namespace tallyvane::PlannerStyle {

inline const QColor EntryGreen(128, 255, 128);
inline const QColor CaptionText(0x3c, 0x47, 0x54);
inline const QColor IndicatorRed(248, 0, 0);
inline const QColor NegativeRed(255, 0, 0);
inline const QColor FrameBackground(236, 239, 243);
inline constexpr double CaptionScale = 0.9;
inline constexpr int Margin = 8;
inline constexpr int Spacing = 8;
inline constexpr int CardSpacing = 3;
inline constexpr int ButtonSpacing = 6;
// The widest figure a result label is sized for before it has any text.
inline constexpr char WidestFigure[] = "$9,999,999.99";

inline const QColor ChartBar(52, 101, 164);
inline const QColor ChartBackground(255, 255, 255);
inline const QColor ChartWall(243, 243, 243);
inline const QColor ChartFloor(218, 218, 218);
inline const QColor ChartGrid(196, 196, 196);
inline const QColor ChartText(0, 0, 0);
inline constexpr double ChartBarWidth = 0.6; // share of the room each bar has
inline constexpr double ChartTitleScale = 1.3;

} // namespace tallyvane::PlannerStyle
