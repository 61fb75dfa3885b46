// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/jsonwriter.h"

#include "core/fieldwriter.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace tallyvane::cli {

void JsonWriter::newLine()
{
    m_text += "\n" + std::string(m_hasItems.size() * 2, ' ');
}

void JsonWriter::beforeValue()
{
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (m_hasItems.empty())
        return;
    if (m_hasItems.back())
        m_text += ',';
    m_hasItems.back() = true;
    newLine();
}

void JsonWriter::open(char bracket)
{
    beforeValue();
    m_text += bracket;
    m_hasItems.push_back(false);
}

void JsonWriter::close(char bracket)
{
    const bool hadItems = m_hasItems.back();
    m_hasItems.pop_back();
    if (hadItems)
        newLine();
    m_text += bracket;
}

void JsonWriter::beginObject()
{
    open('{');
}
void JsonWriter::endObject()
{
    close('}');
}
void JsonWriter::beginArray()
{
    open('[');
}
void JsonWriter::endArray()
{
    close(']');
}

void JsonWriter::key(const QString& name)
{
    string(name);
    m_text += ": ";
    m_afterKey = true;
}

void JsonWriter::string(const QString& value)
{
    beforeValue();
    m_text += '"';
    for (const char c : value.toStdString()) {
        switch (c) {
        case '"':
            m_text += "\\\"";
            break;
        case '\\':
            m_text += "\\\\";
            break;
        case '\n':
            m_text += "\\n";
            break;
        case '\r':
            m_text += "\\r";
            break;
        case '\t':
            m_text += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                m_text += escaped;
            } else {
                m_text += c;
            }
        }
    }
    m_text += '"';
}

void JsonWriter::money(Money value)
{
    beforeValue();
    m_text += value.toFourDecimals();
}

void JsonWriter::number(double value)
{
    // JSON has no NaN or infinity; a number that is not one is written as null
    // rather than as a misleading 0.
    if (!std::isfinite(value)) {
        null();
        return;
    }
    beforeValue();
    m_text += plainNumberText(value).toStdString();
}

void JsonWriter::rate(double value)
{
    // Twelve significant digits hold every digit a rate's inputs carry and
    // none of the noise of working it out in binary.
    char rounded[32];
    std::snprintf(rounded, sizeof rounded, "%.12g", value);
    number(std::strtod(rounded, nullptr));
}

void JsonWriter::integer(long long value)
{
    beforeValue();
    m_text += std::to_string(value);
}

void JsonWriter::boolean(bool value)
{
    beforeValue();
    m_text += value ? "true" : "false";
}

void JsonWriter::null()
{
    beforeValue();
    m_text += "null";
}

} // namespace tallyvane::cli
