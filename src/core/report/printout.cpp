// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/report/printout.h"

#include <QFileInfo>

namespace tallyvane {

PrintoutSettings printoutSettings(const SharedValues& values)
{
    return {.header = values.printHeader,
            .fontChoice = values.prtFontChoice,
            .currencySymbol = values.currencySymbol};
}

QString printJobName(const QString& fileName, const QString& printoutName)
{
    static const QString dash = QStringLiteral(" \u2013 ");
    QString name = QStringLiteral("Tallyvane");
    const QString file = QFileInfo(fileName.trimmed()).fileName();
    if (!file.isEmpty())
        name += dash + file;
    return name + dash + printoutName;
}

} // namespace tallyvane
