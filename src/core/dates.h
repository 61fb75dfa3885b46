#pragma once

// Dates are the one thing shown in the user's own convention: the system's
// short date form (QLocale's default, which is the system's unless a test
// sets another). Files store them in one form under every locale, so that a
// file opens on any machine. Calendar steps clamp to the end of shorter
// months.

#include <QDate>
#include <QString>

namespace tallyvane {

QString shortDateText(const QDate& date);
// A date typed in the short form (or ISO form); invalid when unreadable.
QDate parseShortDate(const QString& text);
// Today's date written, read back and written again in the short form.
QString todayShortText();

// A date as data files store it: ISO 8601 ("2027-03-15").
QString storedDateText(const QDate& date);
// A date read from a data file: the ISO form, or the C locale's ("15 Mar
// 2027") or the running locale's short form that earlier versions wrote,
// two-digit years read as parseShortDate reads them; invalid when none fits.
QDate parseStoredDate(const QString& text);

} // namespace tallyvane
