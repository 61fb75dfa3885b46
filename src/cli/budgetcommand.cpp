// SPDX-License-Identifier: GPL-3.0-or-later
#include "budget/budgetfile.h"
#include "budget/budgetprintout.h"
#include "budget/budgettotals.h"
#include "cli/budgetreport.h"
#include "cli/calccommands.h"
#include "cli/commandoptions.h"
#include "cli/commandoutcome.h"
#include "cli/printoutoptions.h"
#include "core/messages.h"
#include "core/plannererror.h"

namespace tallyvane::cli {
namespace {

// Option values in the order of the worksheet's lists.
const QStringList periodNames{QStringLiteral("weekly"),      QStringLiteral("2weeks"),
                              QStringLiteral("semimonthly"), QStringLiteral("monthly"),
                              QStringLiteral("quarterly"),   QStringLiteral("semiannual"),
                              QStringLiteral("annual")};
const QStringList sortNames{QStringLiteral("names-az"), QStringLiteral("names-za"),
                            QStringLiteral("amounts-hilo"), QStringLiteral("amounts-lohi")};

std::string usage()
{
    return std::string(
               "Usage: tallyvane-calc budget FILE.BGT [OPTIONS]\n\n"
               "Both lists of a budget file, sorted and numbered, with each record's figures for\n"
               "the period, the totals and both net balances; or the budget statement printout.\n\n"
               "  --period weekly|2weeks|semimonthly|monthly|quarterly|semiannual|annual  (annual)\n"
               "  --sort names-az|names-za|amounts-hilo|amounts-lohi                      (names-az)\n") +
           printoutUsage();
}

} // namespace

int runBudgetCommand(const QStringList& arguments, std::ostream& out, std::ostream& err)
{
    if (asksForHelp(arguments)) {
        out << usage();
        return ExitSuccess;
    }
    QString path;
    const DisplayPeriod* period = nullptr;
    SortOrder order = InitialSortOrder;
    CommandOutput output;
    try {
        const CommandOptions options(arguments,
                                     withPrintoutOptions({QStringLiteral("period"), QStringLiteral("sort")}));
        path = options.singleWord(QStringLiteral("budget file"));
        const QString periodName =
            options.choice(QStringLiteral("period"), periodNames, QStringLiteral("annual"));
        period = &DisplayPeriods[periodNames.indexOf(periodName)];
        const QString sortName =
            options.choice(QStringLiteral("sort"), sortNames, QStringLiteral("names-az"));
        order = static_cast<SortOrder>(sortNames.indexOf(sortName) + 1);
        output = readCommandOutput(options);
    } catch (const UsageError& error) {
        return refuseCommandLine(err, error, usage());
    }

    BudgetList incomeList;
    BudgetList expenseList;
    if (!readBudgetFile(path, incomeList, expenseList))
        return calculationFailed(err, Message::FileNotFound);
    incomeList.sortList(order);
    expenseList.sortList(order);
    BudgetTotals totals;
    try {
        totals = computeTotals(incomeList, expenseList);
    } catch (const PlannerError& error) {
        return calculationFailed(err, error.messageNumber(), error.detail());
    }

    if (output.printout) {
        const auto build = [&](const PrintoutSettings& settings) {
            return budgetPrintout({incomeList, expenseList, *period}, settings);
        };
        if (const int status = writePrintout(*output.printout, build, out, err); status != ExitSuccess)
            return status;
    }
    if (output.format) {
        const BudgetReport report{incomeList, expenseList, totals, *period};
        writerFor(*output.format, writeBudgetText, writeBudgetCsv, writeBudgetJson)(report, out);
    }
    return ExitSuccess;
}

} // namespace tallyvane::cli
