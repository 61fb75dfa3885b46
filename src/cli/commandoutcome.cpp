#include "cli/commandoutcome.h"

#include "core/messages.h"

namespace tallyvane::cli {

bool asksForHelp(const QStringList& arguments)
{
    return arguments.contains(QStringLiteral("--help")) || arguments.contains(QStringLiteral("-h"));
}

int refuse(std::ostream& err, const QString& what, const QString& reason)
{
    err << "tallyvane-calc: " << what.toStdString();
    if (!reason.isEmpty())
        err << ": " << reason.toStdString();
    err << "\n";
    return ExitCalculationFailed;
}

int refuseCommandLine(std::ostream& err, const UsageError& error, const std::string& usage)
{
    refuse(err, QString::fromStdString(error.what()));
    err << usage;
    return ExitUsage;
}

int calculationFailed(std::ostream& err, int messageNumber, const QString& detail, const QString& reason)
{
    return refuse(err, messageText(messageNumber, detail), reason);
}

} // namespace tallyvane::cli
