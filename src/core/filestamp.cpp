// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/filestamp.h"

#include "core/safefile.h"

#include <QCryptographicHash>
#include <QFileInfo>

namespace tallyvane {

QByteArray fileChecksum(const QByteArray& content)
{
    return QCryptographicHash::hash(content, QCryptographicHash::Sha256);
}

std::optional<FileStamp> fileStampOf(const QString& path)
{
    const std::optional<QByteArray> content = readSmallFile(path);
    if (!content)
        return std::nullopt;
    const QFileInfo info(path);
    return FileStamp{
        .size = content->size(), .modified = info.lastModified(), .checksum = fileChecksum(*content)};
}

bool changedSince(const QString& path, const FileStamp& stamp)
{
    const QFileInfo info(path);
    if (!info.exists())
        return false;
    // Same size and time: the bytes need not be read at all.
    if (info.size() == stamp.size && info.lastModified() == stamp.modified)
        return false;
    const std::optional<FileStamp> now = fileStampOf(path);
    return !now || now->size != stamp.size || now->checksum != stamp.checksum;
}

} // namespace tallyvane
