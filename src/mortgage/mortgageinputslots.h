// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tallyvane::MortgageSlot {

// Where the mortgage and loan window keeps its typed figures in InputValues.
inline constexpr int Principal = 1;
inline constexpr int Rate = 2;
inline constexpr int TermYears = 3; // a loan's months are kept as years
inline constexpr int Count = 6;

} // namespace tallyvane::MortgageSlot
