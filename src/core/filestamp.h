// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a planner remembers of the file it opened or saved, to tell whether
// another program changed it since: its size, its modification time and a
// checksum of its bytes.

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

namespace tallyvane {

struct FileStamp
{
    qint64 size = -1;
    QDateTime modified;
    QByteArray checksum;

    bool operator==(const FileStamp&) const = default;
};

// The checksum a stamp holds of these bytes.
QByteArray fileChecksum(const QByteArray& content);

// The file's stamp as it is now; nothing when it cannot be read.
std::optional<FileStamp> fileStampOf(const QString& path);

// True when the file's bytes are no longer those stamped. Only its time
// moving on (a copy program touching it) is no change; a file that is gone
// is none either, since replacing it loses nothing.
bool changedSince(const QString& path, const FileStamp& stamp);

} // namespace tallyvane
