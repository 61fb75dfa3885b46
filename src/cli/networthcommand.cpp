#include "cli/calccommands.h"
#include "cli/commandoptions.h"
#include "cli/commandoutcome.h"
#include "cli/networthreport.h"

#include "core/messages.h"
#include "networth/networthfile.h"

namespace tallyvane::cli {
namespace {

constexpr char Usage[] = "Usage: tallyvane-calc networth FILE.NWF [--format text|csv|json]\n"
                         "Opens a net worth file, calculates it and writes the statement: every\n"
                         "asset and liability with the \"Sub Total\" of each group, both totals and\n"
                         "the net worth.\n";

} // namespace

int runNetWorthCommand(const QStringList& arguments, std::ostream& out, std::ostream& err)
{
    if (asksForHelp(arguments)) {
        out << Usage;
        return ExitSuccess;
    }
    OutputFormat format = OutputFormat::Text;
    QString path;
    try {
        const CommandOptions options(arguments, {QStringLiteral("format")});
        format = outputFormat(options);
        path = options.singleWord(QStringLiteral(".NWF file"));
    } catch (const UsageError& error) {
        return refuseCommandLine(err, "networth", error, Usage);
    }

    NetWorthSheet sheet;
    if (!openNetWorthFile(path, sheet))
        return calculationFailed(err, Message::FileNotFound);
    if (!sheet.calculate())
        return calculationFailed(err, Message::WrongOrMissingEntry);
    writeNetWorthReport(sheet, format, out);
    return ExitSuccess;
}

} // namespace tallyvane::cli
