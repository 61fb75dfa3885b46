#pragma once

// How a subcommand ends other than with its report: its usage on request, a
// refused command line, or a calculation or file that failed with one of the
// planners' numbered messages.

#include "cli/commandoptions.h"
#include "core/savefailure.h"

#include <QString>
#include <QStringList>

#include <ostream>
#include <string>

namespace tallyvane::cli {

// True when --help or -h stands anywhere among the arguments.
bool asksForHelp(const QStringList& arguments);

// Writes "tallyvane-calc COMMAND: " with the reason, then the command's usage,
// and answers ExitUsage.
int refuseCommandLine(std::ostream& err, const std::string& command, const UsageError& error,
                      const std::string& usage);

// Writes the text of message `messageNumber` on a line of its own and
// answers ExitCalculationFailed.
int calculationFailed(std::ostream& err, int messageNumber, const QString& detail = {});

// Writes why a save failed, when the system said, on a line of its own; for
// after the message that the file could not be written.
void writeSaveFailure(std::ostream& err, SaveFailure failure);

} // namespace tallyvane::cli
