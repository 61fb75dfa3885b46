// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/numberformat.h"

#include "core/arithmeticfault.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace tallyvane {
namespace {

struct FormatPattern
{
    int requiredIntegerDigits = 0;
    bool grouping = false;
    int requiredDecimals = 0;
    int optionalDecimals = 0;
    bool hasPoint = false;
};

FormatPattern parsePattern(QStringView format)
{
    FormatPattern pattern;
    const qsizetype point = format.indexOf(u'.');
    const QStringView integerPart = point < 0 ? format : format.left(point);
    for (QChar c : integerPart) {
        if (c == u'0')
            ++pattern.requiredIntegerDigits;
        else if (c == u',')
            pattern.grouping = true;
    }
    if (point >= 0) {
        pattern.hasPoint = true;
        for (QChar c : format.mid(point + 1)) {
            if (c == u'0')
                ++pattern.requiredDecimals;
            else if (c == u'#')
                ++pattern.optionalDecimals;
        }
    }
    return pattern;
}

QString groupThousands(const QString& digits)
{
    QString grouped;
    const qsizetype length = digits.size();
    for (qsizetype i = 0; i < length; ++i) {
        if (i > 0 && (length - i) % 3 == 0)
            grouped += u',';
        grouped += digits[i];
    }
    return grouped;
}

// A plain non-negative decimal ("1234.125") rounded to `decimals` places. Every
// shown figure rounds a half away from zero, as people round by hand; stored
// values keep their own precision.
std::string roundedDecimal(std::string fixed, int decimals)
{
    const std::size_t point = fixed.find('.');
    if (point == std::string::npos || point + 1 + decimals >= fixed.size())
        return fixed;
    const std::size_t cut = point + 1 + decimals;
    const bool roundUp = fixed[cut] >= '5';
    fixed.erase(decimals == 0 ? point : cut);
    if (!roundUp)
        return fixed;
    for (auto digit = fixed.rbegin(); digit != fixed.rend(); ++digit) {
        if (*digit == '.')
            continue;
        if (*digit != '9') {
            ++*digit;
            return fixed;
        }
        *digit = '0';
    }
    return '1' + fixed;
}

// Lays out an already rounded magnitude given as "digits.decimals".
QString layOut(bool negative, const QString& fixed, const FormatPattern& pattern)
{
    const qsizetype point = fixed.indexOf(u'.');
    QString integerDigits = point < 0 ? fixed : fixed.left(point);
    QString decimals = point < 0 ? QString() : fixed.mid(point + 1);

    while (integerDigits.startsWith(u'0'))
        integerDigits.remove(0, 1);
    while (integerDigits.size() < pattern.requiredIntegerDigits)
        integerDigits.prepend(u'0');
    while (decimals.size() > pattern.requiredDecimals && decimals.endsWith(u'0'))
        decimals.chop(1);
    while (decimals.size() < pattern.requiredDecimals)
        decimals.append(u'0');

    QString text = pattern.grouping ? groupThousands(integerDigits) : integerDigits;
    if (pattern.hasPoint)
        text += u'.' + decimals;
    const bool allZero =
        std::none_of(fixed.begin(), fixed.end(), [](QChar c) { return c > u'0' && c <= u'9'; });
    if (negative && !allZero)
        text.prepend(u'-');
    return text;
}

} // namespace

QString formatNumber(double value, QStringView format)
{
    if (!std::isfinite(value))
        return QString::number(value);
    const FormatPattern pattern = parsePattern(format);
    const int decimals = pattern.requiredDecimals + pattern.optionalDecimals;
    // The shortest decimal that reads back as this double is the figure it
    // stands for: 0.145 is rounded as 0.145, not as the binary value just
    // below it, so a double and the same amount held as money show alike.
    char buffer[400];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::fixed);
    if (written.ec != std::errc())
        return QString::number(value);
    const std::string shortest(buffer, written.ptr);
    return layOut(std::signbit(value), QString::fromStdString(roundedDecimal(shortest, decimals)), pattern);
}

QString formatMoney(Money value, QStringView format)
{
    const FormatPattern pattern = parsePattern(format);
    const int decimals = pattern.requiredDecimals + pattern.optionalDecimals;
    const bool negative = value < Money();
    std::string magnitude = value.toFourDecimals();
    if (negative)
        magnitude.erase(0, 1);
    return layOut(negative, QString::fromStdString(roundedDecimal(magnitude, decimals)), pattern);
}

QString formatText(const QString& text, QStringView format)
{
    bool isNumber = false;
    const QString trimmed = text.trimmed();
    const double value = trimmed.toDouble(&isNumber);
    if (!isNumber || trimmed.contains(u'e', Qt::CaseInsensitive) ||
        trimmed.contains(u'n', Qt::CaseInsensitive))
        return text;
    try {
        if (const auto exact = Money::fromDecimalText(trimmed.toStdString()))
            return formatMoney(*exact, format);
    } catch (const ArithmeticFault&) {
        // Too large for money: fall back to the floating-point value.
    }
    return formatNumber(value, format);
}

} // namespace tallyvane
