// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Counters, codes and mode values are 16-bit signed whole numbers. Values that
// can grow with the user's input (counts, years times periods) go through
// toWhole16 so that leaving the range is a fault rather than a silent wrap.

#include <cstdint>

namespace tallyvane {

std::int16_t toWhole16(std::int64_t value);
// Plain int arguments (such as years * 12) would otherwise be ambiguous.
std::int16_t toWhole16(int value);
std::int16_t toWhole16(double value); // rounds half to even first

} // namespace tallyvane
