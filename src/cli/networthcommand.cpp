#include "cli/calccommands.h"
#include "cli/commandoptions.h"
#include "cli/networthreport.h"

#include "networth/networthfile.h"

namespace tallyvane::cli {
namespace {

constexpr char Usage[] = "Usage: tallyvane-calc networth FILE.NWF [--format text|csv|json]\n"
                         "Opens a net worth file, calculates it and writes the statement: every\n"
                         "asset and liability with the \"Sub Total\" of each group, both totals and\n"
                         "the net worth.\n";
constexpr char WrongEntryText[] = "Wrong or missing entry, try again.";

bool asksForHelp(const QStringList& arguments)
{
    return arguments.contains(QStringLiteral("--help")) || arguments.contains(QStringLiteral("-h"));
}

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
        if (options.words().size() != 1)
            throw UsageError(QStringLiteral("give exactly one .NWF file"));
        path = options.words().first();
    } catch (const UsageError& error) {
        err << "tallyvane-calc networth: " << error.what() << "\n" << Usage;
        return ExitUsage;
    }

    NetWorthSheet sheet;
    if (!openNetWorthFile(path, sheet)) {
        err << FileWrongFormatText << "\n";
        return ExitCalculationFailed;
    }
    if (!sheet.calculate()) {
        err << WrongEntryText << "\n";
        return ExitCalculationFailed;
    }
    writeNetWorthReport(sheet, format, out);
    return ExitSuccess;
}

} // namespace tallyvane::cli
