// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace tallyvane {

// The chart the graph window shows, and redraws to print.
enum class ChartKind : std::int16_t
{
    Flat = 3,  // two-dimensional bars
    Solid = 5, // three-dimensional bars
};

} // namespace tallyvane
