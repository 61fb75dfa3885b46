// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzzchecks.h"

#include "core/arithmeticfault.h"
#include "core/leadingnumber.h"
#include "core/numberformat.h"

#include <optional>
#include <string>
#include <string_view>

namespace tallyvane::fuzz {
namespace {

// What fromDecimalText accepts: an optional sign, digits and at most one
// period, with at least one digit.
bool isPlainDecimal(std::string_view text)
{
    std::size_t at = !text.empty() && (text[0] == '-' || text[0] == '+') ? 1 : 0;
    bool seenPoint = false;
    bool seenDigit = false;
    for (; at < text.size(); ++at) {
        if (text[at] >= '0' && text[at] <= '9')
            seenDigit = true;
        else if (text[at] == '.' && !seenPoint)
            seenPoint = true;
        else
            return false;
    }
    return seenDigit;
}

// nullopt for text that is no number, or a number beyond money.
std::optional<Money> moneyFrom(std::string_view text)
{
    try {
        return Money::fromDecimalText(text);
    } catch (const ArithmeticFault&) {
        return std::nullopt;
    }
}

// Money rounded to cents the way figures are shown: halves away from zero.
Money roundedToCents(Money value)
{
    const std::int64_t step = Money::Scale / 100;
    std::int64_t cents = value.raw() / step;
    const std::int64_t rest = value.raw() % step;
    if (rest >= step / 2)
        ++cents;
    else if (rest <= -step / 2)
        --cents;
    return Money::fromRaw(cents * step);
}

void checkShownForms(Money value)
{
    require(moneyFrom(value.toPlainText()) == value, "money does not read back from its plain text");
    require(moneyFrom(value.toFourDecimals()) == value, "money does not read back from its four decimals");
    QString shown = formatMoney(value, u"#,##0.0000");
    require(moneyFrom(shown.remove(u',').toStdString()) == value,
            "money shown to four places reads otherwise");
    // Cents beyond the range cannot be shown by any box.
    if (value > Money::fromWhole(-922337203685476) && value < Money::fromWhole(922337203685476)) {
        shown = formatMoney(value, u"#,##0.00");
        require(moneyFrom(shown.remove(u',').toStdString()) == roundedToCents(value),
                "money shown in cents is not rounded half away from zero");
    }
}

} // namespace

void checkDecimalText(const QByteArray& input)
{
    const std::string_view text(input.constData(), static_cast<std::size_t>(input.size()));
    bool outOfRange = false;
    std::optional<Money> value;
    try {
        value = Money::fromDecimalText(text);
    } catch (const ArithmeticFault&) {
        outOfRange = true;
    }
    require(value.has_value() || outOfRange || !isPlainDecimal(text), "a plain decimal is not read");
    require(!value || isPlainDecimal(text), "text that is no plain decimal reads as money");
    require(!outOfRange || isPlainDecimal(text), "text that is no number is out of range");
    if (value)
        checkShownForms(*value);

    // A box's figure is the number its text starts with.
    const QString boxText = QString::fromUtf8(input);
    const QString leading = leadingNumberText(boxText);
    try {
        const Money boxValue = readLeadingMoney(boxText);
        require(moneyFrom(leading.toStdString()).value_or(Money()) == boxValue,
                "a box's figure is not the number its text starts with");
    } catch (const ArithmeticFault&) {
        require(!moneyFrom(leading.toStdString()), "a box's figure in range is refused");
    }
    readLeadingNumber(boxText);
}

} // namespace tallyvane::fuzz
