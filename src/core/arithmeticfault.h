// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

namespace tallyvane {

// Raised by money and whole-number arithmetic that leaves its range. Every
// planner catches it at the end of one user operation and shows its message.
class ArithmeticFault : public std::runtime_error
{
public:
    explicit ArithmeticFault(const std::string& what);
};

} // namespace tallyvane
