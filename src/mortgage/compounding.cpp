// SPDX-License-Identifier: GPL-3.0-or-later
#include "mortgage/compounding.h"

#include <array>

namespace tallyvane {
namespace {

constexpr std::array allCompoundings{Compounding::Monthly, Compounding::Bimonthly, Compounding::Quarterly,
                                     Compounding::Semiannual, Compounding::Annual};

} // namespace

const QStringList& compoundingListTexts()
{
    static const QStringList texts = [] {
        QStringList list;
        for (Compounding compounding : allCompoundings)
            list << listText(compounding);
        return list;
    }();
    return texts;
}

QString listText(Compounding compounding)
{
    switch (compounding) {
    case Compounding::Monthly:
        return QStringLiteral("      Monthly");
    case Compounding::Bimonthly:
        return QStringLiteral("    Bimonthly");
    case Compounding::Quarterly:
        return QStringLiteral("    Quarterly");
    case Compounding::Semiannual:
        return QStringLiteral("   Semiannual");
    case Compounding::Annual:
        return QStringLiteral("       Annual");
    }
    return QString();
}

std::optional<Compounding> compoundingFromListText(const QString& text)
{
    for (Compounding compounding : allCompoundings)
        if (listText(compounding) == text)
            return compounding;
    return std::nullopt;
}

int compoundingPeriodsPerYear(Compounding compounding)
{
    switch (compounding) {
    case Compounding::Monthly:
        return 12;
    case Compounding::Bimonthly:
        return 6;
    case Compounding::Quarterly:
        return 4;
    case Compounding::Semiannual:
        return 2;
    case Compounding::Annual:
        return 1;
    }
    return 12;
}

} // namespace tallyvane
