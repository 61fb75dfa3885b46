// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/plainfigure.h"

#include <QRegularExpression>

namespace tallyvane {

std::optional<QString> plainFigure(const QString& shown)
{
    // An optional sign, a short currency symbol of no digits, blanks or
    // separators, the sign again (the symbol is written before the figure's
    // own minus), then digits in groups of three and the decimals.
    static const QRegularExpression figure(
        QStringLiteral(R"(^(-?)[^\d\s.,\-]{0,3}(-?)(\d{1,3}(?:,\d{3})*|\d+|)(\.\d+)?$)"));
    const QRegularExpressionMatch match = figure.match(shown.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    QString whole = match.captured(3);
    const QString decimals = match.captured(4);
    if (whole.isEmpty() && decimals.isEmpty())
        return std::nullopt;
    const bool negative = !match.captured(1).isEmpty() || !match.captured(2).isEmpty();
    if (!match.captured(1).isEmpty() && !match.captured(2).isEmpty())
        return std::nullopt;
    whole.remove(u',');
    if (whole.isEmpty())
        whole = QStringLiteral("0");
    return (negative ? QStringLiteral("-") : QString()) + whole + decimals;
}

QString plainFigureOrText(const QString& shown)
{
    return plainFigure(shown).value_or(shown.trimmed());
}

} // namespace tallyvane
