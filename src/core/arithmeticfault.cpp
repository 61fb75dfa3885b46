// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/arithmeticfault.h"

namespace tallyvane {

ArithmeticFault::ArithmeticFault(const std::string& what) : std::runtime_error(what) {}

} // namespace tallyvane
