#pragma once

// A net worth file holds 32 lines: the two counts, then rows 1 to 31 of both
// tables as asset name, asset value, liability name, liability value. Text is
// quoted, numbers are bare with at most four decimals (money's precision, to
// which a floating-point subtotal is rounded), and a cell that was never set
// is written as nothing between its commas, so an empty text ("") and an
// empty cell come back as they were saved.

#include "core/savefailure.h"
#include "networth/networthsheet.h"

#include <QByteArray>
#include <QString>

namespace tallyvane {

// The file's bytes for the tables and counts as they stand.
QByteArray netWorthFileContent(const NetWorthSheet& sheet);

// Tables and counts read from a file's bytes; raises FileFormatError for
// anything that is not such a file (too few lines, a line with the wrong
// number of fields, a count that is not a whole number from 0 to 30, text in
// a value cell, a field that is neither quoted text nor a plain number).
NetWorthSheet parseNetWorthFile(const QByteArray& content);

// False, with the reason, when the file could not be written, or would be too
// large to open again; an existing file is then kept.
SaveOutcome saveNetWorthFile(const QString& path, const NetWorthSheet& sheet);

// Replaces the tables and counts with the file's once the whole file has been
// read. When the file is missing or malformed, answers false and leaves the
// sheet exactly as it was, so a failed open never costs the user their work.
bool openNetWorthFile(const QString& path, NetWorthSheet& sheet);

} // namespace tallyvane
