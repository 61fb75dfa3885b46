// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/calccommands.h"
#include "cli/commandoptions.h"
#include "cli/commandoutcome.h"
#include "cli/networthreport.h"
#include "cli/printoutoptions.h"

#include "core/messages.h"
#include "core/plannererror.h"
#include "networth/networthfile.h"
#include "networth/networthprintout.h"

#include <string>

namespace tallyvane::cli {
namespace {

std::string usage()
{
    return std::string("Usage: tallyvane-calc networth FILE.NWF [OPTIONS]\n"
                       "Opens a net worth file, calculates it and writes the statement: every\n"
                       "asset and liability with the \"Sub Total\" of each group, both totals and\n"
                       "the net worth.\n\n") +
           printoutUsage();
}

} // namespace

int runNetWorthCommand(const QStringList& arguments, std::ostream& out, std::ostream& err)
{
    if (asksForHelp(arguments)) {
        out << usage();
        return ExitSuccess;
    }
    try {
        const CommandOptions options(arguments, withPrintoutOptions({}));
        const CommandOutput output = readCommandOutput(options);
        const QString path = options.singleWord(QStringLiteral(".NWF file"));

        NetWorthSheet sheet;
        if (!openNetWorthFile(path, sheet))
            return calculationFailed(err, Message::FileNotFound);
        sheet.calculate();
        if (output.printout) {
            const auto build = [&sheet](const PrintoutSettings& settings) {
                return netWorthPrintout(sheet, settings);
            };
            if (const int status = writePrintout(*output.printout, build, out, err); status != ExitSuccess)
                return status;
        }
        if (output.format)
            writeNetWorthReport(sheet, *output.format, out);
    } catch (const UsageError& error) {
        return refuseCommandLine(err, error, usage());
    } catch (const PlannerError& error) {
        return calculationFailed(err, error.messageNumber());
    }
    return ExitSuccess;
}

} // namespace tallyvane::cli
