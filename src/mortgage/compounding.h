// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace tallyvane {

// How often interest is compounded in a year. The list texts keep their
// leading blanks: they are what the drop-down list shows and what the loan
// files store, and they are matched exactly.
enum class Compounding
{
    Monthly,
    Bimonthly,
    Quarterly,
    Semiannual,
    Annual
};

const QStringList& compoundingListTexts(); // in list order
QString listText(Compounding compounding);
std::optional<Compounding> compoundingFromListText(const QString& text);
int compoundingPeriodsPerYear(Compounding compounding);

} // namespace tallyvane
