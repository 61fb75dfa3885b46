// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tallyvane {

// Context numbers of the help file's topics; F1 opens the active window's.
namespace HelpContext {
inline constexpr int Menu = 2;
inline constexpr int Budget = 10;
inline constexpr int Savings = 20;
inline constexpr int Mortgage = 30;
inline constexpr int Loan = 31;
inline constexpr int NetWorth = 40;
inline constexpr int Graph = 50;
inline constexpr int Personalize = 60;
} // namespace HelpContext

inline constexpr char HelpFileName[] = "tlvuse36.hlp";

} // namespace tallyvane
