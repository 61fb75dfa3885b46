// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dates.h"
#include "printers.h"

#include <gtest/gtest.h>

namespace tallyvane {
namespace {

TEST(ShortDates, WrittenDatesReadBack)
{
    // Spans two-digit year forms on both sides of the century.
    for (const QDate date : {QDate(1950, 1, 1), QDate(1999, 12, 31), QDate(2000, 2, 29), QDate(2024, 3, 15),
                             QDate(2049, 11, 30)}) {
        const QString text = shortDateText(date);
        EXPECT_FALSE(text.isEmpty());
        EXPECT_EQ(parseShortDate(text), date) << text.toStdString();
        EXPECT_EQ(parseShortDate(QStringLiteral("  ") + text + QStringLiteral(" ")), date);
    }
}

TEST(ShortDates, IsoFormIsAlsoReadWithItsYearAsWritten)
{
    EXPECT_EQ(parseShortDate(QStringLiteral("2031-07-04")), QDate(2031, 7, 4));
    // Not moved a century on, as a two-digit year before 50 would be.
    EXPECT_EQ(parseShortDate(QStringLiteral("1949-05-01")), QDate(1949, 5, 1));
}

TEST(ShortDates, UnreadableTextGivesAnInvalidDate)
{
    for (const char* text : {"", "   ", "tomorrow", "2024-02-30", "31/31/31", "12345"})
        EXPECT_FALSE(parseShortDate(QString::fromLatin1(text)).isValid()) << text;
}

TEST(ShortDates, TodayIsInTheShortForm)
{
    const QString today = todayShortText();
    EXPECT_EQ(today, shortDateText(QDate::currentDate()));
    EXPECT_EQ(parseShortDate(today), QDate::currentDate());
}

} // namespace
} // namespace tallyvane
