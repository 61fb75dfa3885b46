#pragma once

// Every file the program writes goes through saveFileSafely: the bytes are
// written to a temporary file in the target's folder and only renamed over
// the target once complete, so a failed or interrupted save leaves the
// previous file exactly as it was.

#include <QByteArray>
#include <QString>

#include <optional>

namespace tallyvane {

// False when the file could not be written; the old file is then untouched.
// A target or folder without any write permission bit counts as read-only,
// even for a user (such as root) whom the system would let through.
bool saveFileSafely(const QString& path, const QByteArray& content);

// Where the file system cannot keep a temporary file unnamed, QSaveFile
// writes it as "<target name>.XXXXXX" (six letters or digits) beside the
// target, and a save cut short by a crash or a power cut leaves it there. A
// successful save removes those of its own target; file choosers hide them.
// The target name such a leftover was meant for, or nothing for a name of
// another form.
std::optional<QString> interruptedSaveTarget(const QString& fileName);

// The largest data file (budget, net worth, settings) the program opens. The
// length limits of the boxes keep everything a user can type well below it.
inline constexpr qint64 DataFileByteLimit = 1 << 20;

// saveFileSafely for a data file: false, with nothing written, when the
// content is larger than DataFileByteLimit, because such a file could never be
// opened again.
bool saveDataFile(const QString& path, const QByteArray& content);

// The whole file, or nothing when it is missing, unreadable or larger than
// `maxBytes` (data files are small; a huge one is not ours).
std::optional<QByteArray> readSmallFile(const QString& path, qint64 maxBytes = DataFileByteLimit);

} // namespace tallyvane
