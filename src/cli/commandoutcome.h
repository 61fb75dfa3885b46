// SPDX-License-Identifier: GPL-3.0-or-later
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

// Every refusal of the calculator reads the same: "tallyvane-calc: " and
// what was refused, then ": " and the reason when there is one. Answers
// ExitCalculationFailed, for a calculation or file that failed.
int refuse(std::ostream& err, const QString& what, const QString& reason = {});

// A wrong command line: refuse() with the reason, then the command's usage,
// and answers ExitUsage.
int refuseCommandLine(std::ostream& err, const UsageError& error, const std::string& usage);

// refuse() with the text of message `messageNumber` (completed by `detail`
// where the message takes one) and `reason`.
int calculationFailed(std::ostream& err, int messageNumber, const QString& detail = {},
                      const QString& reason = {});

// refuse() for a file the calculator could not write, with why the system
// said it failed as the reason.
int cannotWrite(std::ostream& err, const QString& path, SaveFailure failure);

} // namespace tallyvane::cli
