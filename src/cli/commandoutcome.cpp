#include "cli/commandoutcome.h"

#include "core/messages.h"

namespace tallyvane::cli {

bool asksForHelp(const QStringList& arguments)
{
    return arguments.contains(QStringLiteral("--help")) || arguments.contains(QStringLiteral("-h"));
}

int refuseCommandLine(std::ostream& err, const std::string& command, const UsageError& error,
                      const std::string& usage)
{
    err << "tallyvane-calc " << command << ": " << error.what() << "\n" << usage;
    return ExitUsage;
}

int calculationFailed(std::ostream& err, int messageNumber, const QString& detail)
{
    err << messageText(messageNumber, detail).toStdString() << "\n";
    return ExitCalculationFailed;
}

void writeSaveFailure(std::ostream& err, SaveFailure failure)
{
    if (const QString reason = saveFailureText(failure); !reason.isEmpty())
        err << reason.toStdString() << "\n";
}

} // namespace tallyvane::cli
