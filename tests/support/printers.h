// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Readable QString and Money values in failure messages; without these,
// GoogleTest shows them as raw bytes. Include in every test file of an
// executable that compares them, so all its files print them alike.

#include "core/money.h"

#include <QString>

#include <ostream>

// QString lives in the global namespace, where argument-dependent lookup
// finds this overload.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace tallyvane {

inline void PrintTo(const Money& value, std::ostream* out)
{
    *out << value.toFourDecimals();
}

} // namespace tallyvane
