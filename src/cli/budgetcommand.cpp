#include "budget/budgeterror.h"
#include "budget/budgetfile.h"
#include "budget/budgettotals.h"
#include "cli/budgetreport.h"
#include "cli/calccommands.h"
#include "cli/commandoptions.h"

namespace tallyvane::cli {
namespace {

// Option values in the order of the worksheet's lists.
const QStringList periodNames{QStringLiteral("weekly"),      QStringLiteral("2weeks"),
                              QStringLiteral("semimonthly"), QStringLiteral("monthly"),
                              QStringLiteral("quarterly"),   QStringLiteral("semiannual"),
                              QStringLiteral("annual")};
const QStringList sortNames{QStringLiteral("names-az"), QStringLiteral("names-za"),
                            QStringLiteral("amounts-hilo"), QStringLiteral("amounts-lohi")};

void printUsage(std::ostream& out)
{
    out << "Usage: tallyvane-calc budget FILE.BGT [OPTIONS]\n\n"
           "Both lists of a budget file, sorted and numbered, with each record's figures for\n"
           "the period, the totals and both net balances.\n\n"
           "  --period weekly|2weeks|semimonthly|monthly|quarterly|semiannual|annual  (annual)\n"
           "  --sort names-az|names-za|amounts-hilo|amounts-lohi                      (names-az)\n"
           "  --format text|csv|json                                                  (text)\n";
}

} // namespace

int runBudgetCommand(const QStringList& arguments, std::ostream& out, std::ostream& err)
{
    if (arguments.contains(QStringLiteral("--help")) || arguments.contains(QStringLiteral("-h"))) {
        printUsage(out);
        return ExitSuccess;
    }
    QString path;
    const DisplayPeriod* period = nullptr;
    SortOrder order = InitialSortOrder;
    OutputFormat format = OutputFormat::Text;
    try {
        const CommandOptions options(
            arguments, {QStringLiteral("period"), QStringLiteral("sort"), QStringLiteral("format")});
        if (options.words().size() != 1)
            throw UsageError(QStringLiteral("give exactly one budget file"));
        path = options.words().first();
        const QString periodName =
            options.choice(QStringLiteral("period"), periodNames, QStringLiteral("annual"));
        period = &DisplayPeriods[periodNames.indexOf(periodName)];
        const QString sortName =
            options.choice(QStringLiteral("sort"), sortNames, QStringLiteral("names-az"));
        order = static_cast<SortOrder>(sortNames.indexOf(sortName) + 1);
        format = outputFormat(options);
    } catch (const UsageError& error) {
        err << "tallyvane-calc budget: " << error.what() << "\n";
        printUsage(err);
        return ExitUsage;
    }

    BudgetList incomeList;
    BudgetList expenseList;
    if (!readBudgetFile(path, incomeList, expenseList)) {
        err << "File not found or wrong format. Check Filename and/or Directory.\n";
        return ExitCalculationFailed;
    }
    incomeList.sortList(order);
    expenseList.sortList(order);
    BudgetTotals totals;
    try {
        totals = computeTotals(incomeList, expenseList);
    } catch (const BudgetError&) {
        err << "Wrong entry.\n";
        return ExitCalculationFailed;
    }

    const BudgetReport report{incomeList, expenseList, totals, *period};
    switch (format) {
    case OutputFormat::Text:
        writeBudgetText(report, out);
        break;
    case OutputFormat::Csv:
        writeBudgetCsv(report, out);
        break;
    case OutputFormat::Json:
        writeBudgetJson(report, out);
        break;
    }
    return ExitSuccess;
}

} // namespace tallyvane::cli
