// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzzchecks.h"

#include <QJsonDocument>
#include <QtGlobal>

namespace tallyvane::fuzz {

void require(bool holds, const std::string& what)
{
    if (!holds)
        throw CheckFailure(what);
}

void requireJson(const std::string& report, const std::string& what)
{
    QJsonParseError error;
    QJsonDocument::fromJson(QByteArray::fromStdString(report), &error);
    require(error.error == QJsonParseError::NoError, what + ": " + error.errorString().toStdString());
}

const std::vector<FuzzCheck>& fuzzChecks()
{
    static const std::vector<FuzzCheck> checks{
        {"budgetfile", checkBudgetFile},
        {"networthfile", checkNetWorthFile},
        {"mortgagefile", checkMortgageFile},
        {"settingsfile", checkSettingsFile},
        {"fields", checkFields},
        {"decimaltext", checkDecimalText},
        {"datetext", checkDateText},
        {"calcoptions", checkCalcOptions},
    };
    return checks;
}

const FuzzCheck* findFuzzCheck(const std::string& name)
{
    for (const FuzzCheck& check : fuzzChecks())
        if (name == check.name)
            return &check;
    return nullptr;
}

void prepareFuzzChecks()
{
    // The system locale is read once, on first use.
    qputenv("LC_ALL", "en_US.UTF-8");
}

} // namespace tallyvane::fuzz
