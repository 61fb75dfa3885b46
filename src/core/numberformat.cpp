#include "core/numberformat.h"

#include "core/arithmeticfault.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

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
    const FormatPattern pattern = parsePattern(format);
    const int decimals = pattern.requiredDecimals + pattern.optionalDecimals;
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, std::fabs(value));
    return layOut(std::signbit(value), QString::fromLatin1(buffer), pattern);
}

QString formatMoney(Money value, QStringView format)
{
    const FormatPattern pattern = parsePattern(format);
    const int decimals = std::min(pattern.requiredDecimals + pattern.optionalDecimals, 4);
    // Unsigned, so that the most negative amount has a magnitude too.
    const bool negative = value < Money();
    const std::uint64_t magnitude =
        negative ? 0ULL - static_cast<std::uint64_t>(value.raw()) : static_cast<std::uint64_t>(value.raw());
    static constexpr std::uint64_t steps[] = {10000, 1000, 100, 10, 1};
    const std::uint64_t step = steps[decimals];
    std::uint64_t units = magnitude / step;
    const std::uint64_t rest = magnitude % step;
    // Shown figures round a half away from zero, as people round by hand; the
    // stored value keeps its four decimals.
    if (rest * 2 >= step)
        ++units;
    QString digits = QString::number(units);
    if (decimals > 0) {
        while (digits.size() <= decimals)
            digits.prepend(u'0');
        digits.insert(digits.size() - decimals, u'.');
    }
    return layOut(negative, digits, pattern);
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
