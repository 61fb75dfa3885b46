// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/textdecoding.h"

#include <QStringDecoder>

#include <array>

namespace tallyvane {
namespace {

// Windows-1252 for 0x80 to 0x9F. The five bytes the code page leaves
// undefined keep their own code points, as Windows itself decodes them.
constexpr std::array<char16_t, 32> HighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString decodeWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        text[i] = byte >= 0x80 && byte < 0xA0 ? QChar(HighControlRange[byte - 0x80]) : QChar(byte);
    }
    return text;
}

} // namespace

QString decodeFileText(QByteArrayView bytes)
{
    // Stateless, so that a sequence cut off at the end counts as an error
    // instead of being held back for more input that never comes.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return decodeWindows1252(bytes);
    return text;
}

QByteArray fileTextAsUtf8(const QByteArray& bytes)
{
    return decodeFileText(bytes).toUtf8();
}

} // namespace tallyvane
