// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The checks run on each random input, by the libFuzzer targets and by the
// replay test of the normal suite alike. A check raises CheckFailure when an
// input breaks what the reader promises (a file that opens is written back
// and opens to the same values, a refused input changes nothing); anything
// else that escapes a check is a finding too, as is a crash.

#include <QByteArray>

#include <stdexcept>
#include <string>
#include <vector>

namespace tallyvane::fuzz {

class CheckFailure : public std::logic_error
{
public:
    using std::logic_error::logic_error;
};

// Raises CheckFailure with `what` unless `holds`.
void require(bool holds, const std::string& what);
// Raises CheckFailure unless `report` is one well-formed JSON document.
void requireJson(const std::string& report, const std::string& what);

using CheckFunction = void (*)(const QByteArray& input);

struct FuzzCheck
{
    const char* name; // the target's name and its corpus folder's
    CheckFunction run;
};

// Every check, by the name of its target.
const std::vector<FuzzCheck>& fuzzChecks();
const FuzzCheck* findFuzzCheck(const std::string& name);

// Fixes what the checks depend on before the first one runs: the date form
// (the short form of en_US, whose two-digit years are the hard case) and a
// scratch folder as the working folder, where the calculator's commands may
// read and write files. Call once, before anything reads the locale.
void prepareFuzzChecks();

void checkBudgetFile(const QByteArray& input);
void checkNetWorthFile(const QByteArray& input);
void checkMortgageFile(const QByteArray& input);
void checkSettingsFile(const QByteArray& input);
void checkFields(const QByteArray& input);
void checkDecimalText(const QByteArray& input);
void checkDateText(const QByteArray& input);
void checkCalcOptions(const QByteArray& input);

} // namespace tallyvane::fuzz
