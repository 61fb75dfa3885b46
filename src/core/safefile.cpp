#include "core/safefile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace tallyvane {
namespace {

constexpr QFileDevice::Permissions anyWrite =
    QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;

bool isMarkedReadOnly(const QFileInfo& info)
{
    return (info.permissions() & anyWrite) == 0;
}

} // namespace

bool saveFileSafely(const QString& path, const QByteArray& content)
{
    const QFileInfo target(path);
    if (target.isDir() || (target.exists() && isMarkedReadOnly(target)))
        return false;
    const QFileInfo folder(target.absolutePath());
    if (!folder.isDir() || isMarkedReadOnly(folder))
        return false;

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(content) != content.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool saveDataFile(const QString& path, const QByteArray& content)
{
    return content.size() <= DataFileByteLimit && saveFileSafely(path, content);
}

std::optional<QByteArray> readSmallFile(const QString& path, qint64 maxBytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    if (file.size() > maxBytes)
        return std::nullopt;
    QByteArray content = file.read(maxBytes + 1);
    if (content.size() > maxBytes)
        return std::nullopt;
    return content;
}

} // namespace tallyvane
