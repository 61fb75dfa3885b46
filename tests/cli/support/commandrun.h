// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Runs one tallyvane-calc command in a test and keeps everything it wrote.

#include <QStringList>

#include <ostream>
#include <string>

namespace tallyvane::cli::test {

struct CommandRun
{
    int status;
    std::string out;
    std::string err;
};

using Command = int (*)(const QStringList& arguments, std::ostream& out, std::ostream& err);

CommandRun runCommand(Command command, const QStringList& arguments);

} // namespace tallyvane::cli::test
