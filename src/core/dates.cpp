#include "core/dates.h"

#include <QLocale>

namespace tallyvane {

QString shortDateText(const QDate& date)
{
    return QLocale::system().toString(date, QLocale::ShortFormat);
}

QDate parseShortDate(const QString& text)
{
    const QString trimmed = text.trimmed();
    const QLocale locale = QLocale::system();
    QDate date = locale.toDate(trimmed, QLocale::ShortFormat);
    if (!date.isValid())
        date = QDate::fromString(trimmed, Qt::ISODate);
    // A two-digit year reads as 19xx; years below 50 are meant as this century.
    const bool twoDigitYear = !locale.dateFormat(QLocale::ShortFormat).contains(QStringLiteral("yyyy"));
    if (date.isValid() && twoDigitYear && date.year() >= 1900 && date.year() < 1950)
        date = date.addYears(100);
    return date;
}

QString todayShortText()
{
    return shortDateText(parseShortDate(shortDateText(QDate::currentDate())));
}

} // namespace tallyvane
