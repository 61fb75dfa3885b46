#pragma once

// Every file the program writes goes through saveFileSafely: the bytes are
// written to a temporary file in the target's real folder and only renamed
// over the target once complete, so a failed or interrupted save leaves the
// previous file exactly as it was. The temporary file is hidden and carries a
// name no user file has (".HOME.BGT.tallyvane-aB3xYz.tmp"); a save removes
// only leftovers of exactly that form for its own target, and nothing else in
// the folder is ever removed, renamed or hidden.
//
// A symbolic link is followed: the file it points to is written and the link
// stays a link. A target that exists but is no plain file (a folder, FIFO,
// device or socket) is refused. Readers open only plain files, and never wait
// on one.

#include "core/savefailure.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace tallyvane {

// False when the file could not be written; the old file is then untouched.
// A target or folder without any write permission bit counts as read-only,
// even for a user (such as root) whom the system would let through. A name
// holding a double quote is refused: no box of the program accepts one, so
// it can only come from a mistyped file dialog.
bool saveFileSafely(const QString& path, const QByteArray& content);
// The same save, answering why it failed.
SaveOutcome saveFileWithOutcome(const QString& path, const QByteArray& content);

// The largest data file (budget, net worth, settings) the program opens. The
// length limits of the boxes keep everything a user can type well below it.
inline constexpr qint64 DataFileByteLimit = 1 << 20;

// saveFileSafely for a data file: refused, with nothing written, when the
// content is larger than DataFileByteLimit, because such a file could never be
// opened again.
SaveOutcome saveDataFile(const QString& path, const QByteArray& content);

// The whole file, or nothing when it is missing, unreadable, no plain file
// (a FIFO, device or /proc entry is refused without waiting on it) or larger
// than `maxBytes` (data files are small; a huge one is not ours).
std::optional<QByteArray> readSmallFile(const QString& path, qint64 maxBytes = DataFileByteLimit);

} // namespace tallyvane
