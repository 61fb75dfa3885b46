// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/money.h"

#include <QString>

#include <string>
#include <vector>

namespace tallyvane::cli {

// Writes JSON text directly so that money keeps its four decimals exactly
// (917.5300) instead of passing through a double.
class JsonWriter
{
public:
    void beginObject();
    void endObject();
    void beginArray();
    void endArray();
    void key(const QString& name);

    void string(const QString& value);
    void money(Money value);
    void number(double value); // full precision, shortest form; null when not finite
    // A rate worked out in doubles, as the engine holds it: 0.0084375, not
    // 0.008437500000000098.
    void rate(double value);
    void integer(long long value);
    void boolean(bool value);
    void null();

    std::string text() const { return m_text + "\n"; }

private:
    void beforeValue();
    void open(char bracket);
    void close(char bracket);
    void newLine();

    std::string m_text;
    std::vector<bool> m_hasItems; // one entry per open object or array
    bool m_afterKey = false;
};

} // namespace tallyvane::cli
