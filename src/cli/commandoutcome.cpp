// SPDX-License-Identifier: GPL-3.0-or-later
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
    // A save message carries the system's reason on a line of its own; here
    // it follows the message on the same line, as every reason does.
    const QString text = messageText(messageNumber, detail);
    const qsizetype newline = text.indexOf(u'\n');
    if (newline >= 0 && reason.isEmpty())
        return refuse(err, text.left(newline), text.mid(newline + 1));
    return refuse(err, text, reason);
}

int cannotWrite(std::ostream& err, const QString& path, SaveFailure failure)
{
    return refuse(err, QStringLiteral("cannot write ") + path, saveFailureText(failure));
}

} // namespace tallyvane::cli
