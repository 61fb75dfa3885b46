// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/fieldreader.h"

#include "core/arithmeticfault.h"
#include "core/textdecoding.h"
#include "core/whole16.h"

#include <QStringDecoder>

#include <cmath>

namespace tallyvane {
namespace {

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

// An optional sign, digits and at most one period, whatever its size: a
// number too large for money is still a number here.
bool isPlainNumber(const QString& text)
{
    qsizetype at = text.startsWith(u'-') || text.startsWith(u'+') ? 1 : 0;
    bool seenPoint = false;
    bool seenDigit = false;
    for (; at < text.size(); ++at) {
        if (text[at] >= u'0' && text[at] <= u'9')
            seenDigit = true;
        else if (text[at] == u'.' && !seenPoint)
            seenPoint = true;
        else
            return false;
    }
    return seenDigit;
}

// A field's bytes as text. A U+FEFF at its start is part of the text: only
// the file's first character can be a byte order mark, and decodeFileText
// has taken that one away.
QString fieldText(QByteArrayView bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return utf8.decode(bytes);
}

} // namespace

FileFormatError::FileFormatError(const std::string& what) : std::runtime_error(what) {}

// Held as UTF-8 from here on, so each field can be decoded on its own.
FieldReader::FieldReader(QByteArray content) : m_content(fileTextAsUtf8(content)) {}

bool FieldReader::atEnd() const
{
    qsizetype at = m_position;
    while (at < m_content.size() &&
           (m_content[at] == ' ' || m_content[at] == '\t' || isLineEnd(m_content[at])))
        ++at;
    return at >= m_content.size();
}

void FieldReader::skipBlanks()
{
    while (m_position < m_content.size() && (m_content[m_position] == ' ' || m_content[m_position] == '\t'))
        ++m_position;
}

Field FieldReader::readField()
{
    skipBlanks();
    // A field may start on the next line when the previous one ended its line.
    if (m_position >= m_content.size())
        throw FileFormatError("unexpected end of file");
    Field field;
    if (m_content[m_position] == '"') {
        field.kind = Field::Kind::Quoted;
        field.text = readQuoted();
    } else {
        field.text = readBare();
        field.kind = field.text.isEmpty() ? Field::Kind::Empty : Field::Kind::Bare;
    }
    finishField();
    return field;
}

QString FieldReader::readQuoted()
{
    const qsizetype start = ++m_position;
    const qsizetype close = m_content.indexOf('"', start);
    if (close < 0)
        throw FileFormatError("missing closing quote");
    m_position = close + 1;
    return fieldText(QByteArrayView(m_content).sliced(start, close - start));
}

QString FieldReader::readBare()
{
    const qsizetype start = m_position;
    while (m_position < m_content.size() && m_content[m_position] != ',' && !isLineEnd(m_content[m_position]))
        ++m_position;
    return fieldText(QByteArrayView(m_content).sliced(start, m_position - start)).trimmed();
}

// Moves past the separator after a field: a comma or one line end.
void FieldReader::finishField()
{
    skipBlanks();
    if (m_position >= m_content.size())
        return;
    const char c = m_content[m_position];
    if (c == ',') {
        ++m_position;
    } else if (c == '\r') {
        ++m_position;
        if (m_position < m_content.size() && m_content[m_position] == '\n')
            ++m_position;
    } else if (c == '\n') {
        ++m_position;
    } else {
        throw FileFormatError("text after a quoted field");
    }
}

QString FieldReader::readText()
{
    return readField().text;
}

double FieldReader::readNumber()
{
    const Field field = readField();
    if (field.kind == Field::Kind::Empty)
        return 0.0;
    if (field.kind == Field::Kind::Quoted || !isPlainNumber(field.text))
        throw FileFormatError("number expected");
    const double value = field.text.toDouble();
    if (!std::isfinite(value))
        throw FileFormatError("number out of range");
    return value;
}

Money FieldReader::readMoney()
{
    const Field field = readField();
    if (field.kind == Field::Kind::Empty)
        return Money();
    if (field.kind == Field::Kind::Quoted)
        throw FileFormatError("number expected");
    try {
        if (const auto value = Money::fromDecimalText(field.text.toStdString()))
            return *value;
    } catch (const ArithmeticFault&) {
    }
    throw FileFormatError("number expected");
}

std::int16_t FieldReader::readWhole16()
{
    const double value = readNumber();
    if (value != std::floor(value))
        throw FileFormatError("whole number expected");
    try {
        return toWhole16(value);
    } catch (const ArithmeticFault&) {
        throw FileFormatError("whole number out of range");
    }
}

} // namespace tallyvane
