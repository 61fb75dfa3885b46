// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/leadingnumber.h"

#include "core/arithmeticfault.h"

namespace tallyvane {

QString leadingNumberText(const QString& text)
{
    qsizetype at = 0;
    while (at < text.size() && (text[at] == u' ' || text[at] == u'\t'))
        ++at;
    const qsizetype start = at;
    if (at < text.size() && (text[at] == u'-' || text[at] == u'+'))
        ++at;
    bool seenPoint = false;
    bool seenDigit = false;
    for (; at < text.size(); ++at) {
        const QChar c = text[at];
        if (c.isDigit() && c.unicode() < 128) {
            seenDigit = true;
        } else if (c == u'.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
    }
    if (!seenDigit)
        return QStringLiteral("0");
    return text.mid(start, at - start);
}

double readLeadingNumber(const QString& text)
{
    return leadingNumberText(text).toDouble();
}

Money readLeadingMoney(const QString& text)
{
    return Money::fromDecimalText(leadingNumberText(text).toStdString()).value_or(Money());
}

Money readLeadingMoneyOr(const QString& text, Money beyondMoney)
{
    try {
        return readLeadingMoney(text);
    } catch (const ArithmeticFault&) {
        return beyondMoney;
    }
}

} // namespace tallyvane
