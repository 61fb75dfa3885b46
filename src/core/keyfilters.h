// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Key filters decide key by key what a figure box accepts. They answer the key
// code to deliver, or 0 when the key is refused; the caller sounds the beep.

#include <QString>

#include <cstdint>

namespace tallyvane {

inline constexpr int KeyRefused = 0;
inline constexpr int KeyBackspace = 8;
inline constexpr int KeyEnter = 13;
inline constexpr int KeyDoubleQuote = 34;
inline constexpr int KeyMinus = 45;
inline constexpr int KeyPeriod = 46;
inline constexpr int KeyDelete = 127;

// Money and rates: digits, one or more periods, Backspace and Delete. Once the
// text holds the allowed number of decimals no further digit is accepted.
// `entryDecimals` above 2 widens the limit for this one key and is reset to 0.
int decimalKeyFilter(int key, const QString& entryText, std::int16_t& entryDecimals);

// Counts, terms, frequencies, record numbers: digits, Backspace and Delete.
int wholeNumberKeyFilter(int key);

} // namespace tallyvane
