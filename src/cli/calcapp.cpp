// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/calccommands.h"
#include "cli/commandoptions.h"

#include <QCoreApplication>

#include <array>

namespace tallyvane::cli {
namespace {

struct Subcommand
{
    const char* name;
    int (*run)(const QStringList&, std::ostream&, std::ostream&);
    const char* summary;
};

constexpr std::array subcommands{
    Subcommand{"mortgage", runMortgageCommand, "amortization table of a mortgage (term in years)"},
    Subcommand{"loan", runLoanCommand, "amortization table of a personal loan (term in months)"},
    Subcommand{"compare", runCompareCommand, "two saved mortgages or loans (.UMD, .ULD) side by side"},
    Subcommand{"savings", runSavingsCommand, "growth of a lump sum and regular contributions"},
    Subcommand{"budget", runBudgetCommand, "totals and net balances of a .BGT budget file"},
    Subcommand{"networth", runNetWorthCommand, "net worth statement of a .NWF file"},
};

void printHelp(std::ostream& out)
{
    out << "Usage: tallyvane-calc COMMAND [OPTIONS]\n\n"
           "Tallyvane's planners without a window. Commands:\n";
    for (const Subcommand& command : subcommands)
        out << "  " << command.name << std::string(10 - std::string(command.name).size(), ' ')
            << command.summary << "\n";
    out << "\nEach command takes --format text|csv|json; 'tallyvane-calc COMMAND --help' lists its options.\n"
           "Exit status: 0 done, 1 the calculation or file failed, 2 wrong command line.\n";
}

} // namespace

int runCalc(const QStringList& arguments, std::ostream& out, std::ostream& err)
{
    if (arguments.isEmpty()) {
        printHelp(err);
        return ExitUsage;
    }
    const QString& first = arguments.first();
    if (first == QStringLiteral("--help") || first == QStringLiteral("-h") ||
        first == QStringLiteral("help")) {
        printHelp(out);
        return ExitSuccess;
    }
    if (first == QStringLiteral("--version")) {
        out << "tallyvane-calc " << TALLYVANE_VERSION << "\n";
        return ExitSuccess;
    }
    for (const Subcommand& command : subcommands)
        if (first == QLatin1String(command.name))
            return command.run(arguments.mid(1), out, err);
    err << "tallyvane-calc: unknown command '" << first.toStdString() << "'\n\n";
    printHelp(err);
    return ExitUsage;
}

} // namespace tallyvane::cli
