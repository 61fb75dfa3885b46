// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/documentlock.h"

#include <QDir>
#include <QFileInfo>

namespace tallyvane {
namespace {

std::unique_ptr<QLockFile> lockFor(const QString& path)
{
    auto lock = std::make_unique<QLockFile>(DocumentLock::lockPathFor(path));
    // A window may keep a file open for days: only a dead holder is stale.
    lock->setStaleLockTime(0);
    return lock;
}

} // namespace

QString DocumentLock::lockPathFor(const QString& path)
{
    const QFileInfo info(path);
    return info.absoluteDir().filePath(QStringLiteral(".~lock.") + info.fileName() + QLatin1Char('#'));
}

bool DocumentLock::isHeldElsewhere(const QString& path)
{
    // This process's own windows hold their locks too: a probe from here
    // is refused by them as by any other process.
    const auto probe = lockFor(path);
    if (probe->tryLock(0))
        return false;
    return probe->error() == QLockFile::LockFailedError;
}

DocumentLock::Outcome DocumentLock::hold(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (m_lock && absolute == m_path)
        return Outcome::Locked;
    release();
    auto lock = lockFor(absolute);
    if (lock->tryLock(0)) {
        m_lock = std::move(lock);
        m_path = absolute;
        return Outcome::Locked;
    }
    return lock->error() == QLockFile::LockFailedError ? Outcome::HeldElsewhere : Outcome::NotPossible;
}

void DocumentLock::release()
{
    m_lock.reset();
    m_path.clear();
}

} // namespace tallyvane
