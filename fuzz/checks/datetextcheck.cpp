// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzzchecks.h"

#include "core/dates.h"

#include <QRegularExpression>

namespace tallyvane::fuzz {
namespace {

// Years a two-digit short form tells apart: 1950 to 2049.
bool inTwoDigitWindow(const QDate& date)
{
    return date.year() >= 1950 && date.year() < 2050;
}

// A year written with four digits, as in the ISO form, is meant as written.
bool hasFourDigitYear(const QString& text)
{
    static const QRegularExpression iso(QStringLiteral("^\\s*(\\d{4})-\\d{2}-\\d{2}\\s*$"));
    return iso.match(text).hasMatch();
}

} // namespace

void checkDateText(const QByteArray& input)
{
    const QString text = QString::fromUtf8(input);
    const QDate date = parseShortDate(text);
    if (!date.isValid())
        return;
    if (hasFourDigitYear(text) && QDate::fromString(text.trimmed(), Qt::ISODate).isValid())
        require(date == QDate::fromString(text.trimmed(), Qt::ISODate), "an ISO date reads as another date");

    const QString shown = shortDateText(date);
    require(!shown.isEmpty(), "a date that reads has no short form");
    const QDate reread = parseShortDate(shown);
    if (inTwoDigitWindow(date))
        require(reread == date, "a date in its short form reads as another date");
    // Outside the window the short form moves a date by whole centuries, once.
    require(reread.isValid() && reread.month() == date.month() && reread.day() == date.day(),
            "a date's short form loses its day or month");
    require(parseShortDate(shortDateText(reread)) == reread, "a date's short form is not stable");
}

} // namespace tallyvane::fuzz
