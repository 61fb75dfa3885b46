// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The subcommands of tallyvane-calc. Each reads its own options, writes its
// result to `out` and its messages to `err`, and answers the exit status:
// 0 done, 1 the calculation or file failed, 2 the command line was wrong.

#include <QStringList>

#include <ostream>

namespace tallyvane::cli {

int runCalc(const QStringList& arguments, std::ostream& out, std::ostream& err);

int runMortgageCommand(const QStringList& arguments, std::ostream& out, std::ostream& err);
int runLoanCommand(const QStringList& arguments, std::ostream& out, std::ostream& err);
int runCompareCommand(const QStringList& arguments, std::ostream& out, std::ostream& err);
int runSavingsCommand(const QStringList& arguments, std::ostream& out, std::ostream& err);
int runBudgetCommand(const QStringList& arguments, std::ostream& out, std::ostream& err);
int runNetWorthCommand(const QStringList& arguments, std::ostream& out, std::ostream& err);

} // namespace tallyvane::cli
