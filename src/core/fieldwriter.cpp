// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/fieldwriter.h"

#include <charconv>
#include <cmath>

namespace tallyvane {

QString plainNumberText(double value)
{
    if (!std::isfinite(value))
        return QStringLiteral("0");
    if (value == 0.0)
        return QStringLiteral("0");
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

QString plainSingleText(float value)
{
    if (!std::isfinite(value) || value == 0.0f)
        return QStringLiteral("0");
    char buffer[100];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

void FieldWriter::separate()
{
    if (m_lineHasField)
        m_content += ',';
    m_lineHasField = true;
}

void FieldWriter::writeText(const QString& text)
{
    separate();
    m_content += '"';
    // A quote inside the text would end the field early and shift every field
    // after it, so it is written as an apostrophe.
    QString safeText = text;
    safeText.replace(u'"', u'\'');
    m_content += safeText.toUtf8();
    m_content += '"';
}

void FieldWriter::writeNumber(double value)
{
    separate();
    m_content += plainNumberText(value).toLatin1();
}

void FieldWriter::writeSingle(float value)
{
    separate();
    m_content += plainSingleText(value).toLatin1();
}

void FieldWriter::writeMoney(Money value)
{
    separate();
    m_content += QByteArray::fromStdString(value.toPlainText());
}

void FieldWriter::writeWhole(long long value)
{
    separate();
    m_content += QByteArray::number(value);
}

void FieldWriter::writeRaw(const QByteArray& field)
{
    separate();
    m_content += field;
}

void FieldWriter::writeEmpty()
{
    separate();
}

void FieldWriter::endLine()
{
    m_content += "\r\n";
    m_lineHasField = false;
}

} // namespace tallyvane
