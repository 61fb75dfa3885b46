#pragma once

// Dates are the one thing shown in the user's own convention: the system's
// short date form. Calendar steps clamp to the end of shorter months.

#include <QDate>
#include <QString>

namespace tallyvane {

QString shortDateText(const QDate& date);
// A date typed in the short form (or ISO form); invalid when unreadable.
QDate parseShortDate(const QString& text);
// Today's date written, read back and written again in the short form.
QString todayShortText();

} // namespace tallyvane
