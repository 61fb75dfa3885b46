#include "core/dates.h"

#include <QLocale>

namespace tallyvane {

QString shortDateText(const QDate& date)
{
    return QLocale().toString(date, QLocale::ShortFormat);
}

QDate parseShortDate(const QString& text)
{
    const QString trimmed = text.trimmed();
    const QLocale locale;
    const QDate date = locale.toDate(trimmed, QLocale::ShortFormat);
    // The ISO form writes all four digits of its year, which stands as written.
    if (!date.isValid())
        return QDate::fromString(trimmed, Qt::ISODate);
    // A two-digit year reads as 19xx; years below 50 are meant as this century.
    const bool twoDigitYear = !locale.dateFormat(QLocale::ShortFormat).contains(QStringLiteral("yyyy"));
    if (twoDigitYear && date.year() >= 1900 && date.year() < 1950)
        return date.addYears(100);
    return date;
}

QString todayShortText()
{
    return shortDateText(parseShortDate(shortDateText(QDate::currentDate())));
}

QString storedDateText(const QDate& date)
{
    return date.toString(Qt::ISODate);
}

QDate parseStoredDate(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (const QDate iso = QDate::fromString(trimmed, Qt::ISODate); iso.isValid())
        return iso;
    if (const QDate plain = QLocale::c().toDate(trimmed, QLocale::ShortFormat); plain.isValid())
        return plain;
    return parseShortDate(trimmed);
}

} // namespace tallyvane
