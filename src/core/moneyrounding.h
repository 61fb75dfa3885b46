// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Money::fromDouble rounds value × 10,000 in floating point whenever that
// provably lands on the same ten-thousandth as the exact value would, and
// works from the double's exact binary value only when the product lies
// within its rounding error of a half. These let a check hold the two ways
// against each other.

#include <cstdint>

namespace tallyvane {

// The exact way alone: value × 10,000 rounded once, halves to even, as a
// count of ten-thousandths. Throws ArithmeticFault outside money.
std::int64_t exactTenThousandths(double value);

// While one exists, every Money::fromDouble takes the exact way, so that a
// whole calculation can be made both ways and compared cell by cell.
class ExactMoneyRounding
{
public:
    ExactMoneyRounding();
    ~ExactMoneyRounding();
    ExactMoneyRounding(const ExactMoneyRounding&) = delete;
    ExactMoneyRounding& operator=(const ExactMoneyRounding&) = delete;
};

} // namespace tallyvane
