// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/recoveryfolder.h"

#include "core/safefile.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <algorithm>

namespace tallyvane {
namespace {

const QRegularExpression& copyNamePattern()
{
    static const QRegularExpression pattern(QStringLiteral("^([0-9a-f]{16})-(BGT|NWF|UMD|ULD)(?:-(.+))?$"));
    return pattern;
}

QString lockPath(const QString& folder, const QString& run)
{
    return QDir(folder).filePath(run + QStringLiteral(".lock"));
}

std::vector<RecoveryCopy> copiesIn(const QString& folder)
{
    std::vector<RecoveryCopy> copies;
    const QDir dir(folder);
    for (const QFileInfo& entry : dir.entryInfoList(QDir::Files | QDir::Hidden, QDir::Time | QDir::Reversed))
        if (auto copy = recoveryCopyFromPath(entry.absoluteFilePath()))
            copies.push_back(*copy);
    return copies;
}

} // namespace

QString defaultRecoveryFolder()
{
    // The XDG base directory rules allow only an absolute path here.
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || QDir::isRelativePath(state))
        state = QDir::home().filePath(QStringLiteral(".local/state"));
    return QDir(state).filePath(QStringLiteral("tallyvane/recovery"));
}

std::optional<RecoveryCopy> recoveryCopyFromPath(const QString& path)
{
    const QRegularExpressionMatch match = copyNamePattern().match(QFileInfo(path).fileName());
    if (!match.hasMatch())
        return std::nullopt;
    return RecoveryCopy{.path = path,
                        .run = match.captured(1),
                        .extension = match.captured(2),
                        .originalName = match.captured(3)};
}

bool writeRecoveryCopy(const QString& folder, const QString& run, const QString& extension,
                       const QString& originalName, const QByteArray& content)
{
    if (!QDir().mkpath(folder))
        return false;
    QString name = run + QLatin1Char('-') + extension.toUpper();
    // A name the folder cannot hold costs only the proposal of the name.
    if (!originalName.isEmpty() && originalName.size() < 200 && !originalName.contains(QLatin1Char('/')))
        name += QLatin1Char('-') + originalName;
    const QString path = QDir(folder).filePath(name);
    if (!saveFileSafely(path, content))
        return false;
    for (const RecoveryCopy& older : copiesIn(folder))
        if (older.run == run && older.path != path)
            QFile::remove(older.path);
    return true;
}

void removeRecoveryCopies(const QString& folder, const QString& run)
{
    for (const RecoveryCopy& copy : copiesIn(folder))
        if (copy.run == run)
            QFile::remove(copy.path);
}

bool moveRecoveryCopyAside(const RecoveryCopy& copy)
{
    const QFileInfo info(copy.path);
    QDir damaged(info.absolutePath());
    if (!damaged.mkpath(QStringLiteral("damaged")) || !damaged.cd(QStringLiteral("damaged")))
        return false;
    QString target = damaged.filePath(info.fileName());
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = damaged.filePath(info.fileName() + QStringLiteral(".%1").arg(n));
    return QFile::rename(copy.path, target);
}

RecoveryRun::RecoveryRun(QString folder)
    : m_folder(std::move(folder)),
      m_tag(QStringLiteral("%1").arg(QRandomGenerator::global()->generate64(), 16, 16, QLatin1Char('0')))
{
    QDir().mkpath(m_folder);
    m_lock = std::make_unique<QLockFile>(lockPath(m_folder, m_tag));
    // A live run's lock never grows stale, however long it runs.
    m_lock->setStaleLockTime(0);
    m_lock->tryLock(0);
}

RecoveryRun::~RecoveryRun() = default;

std::vector<RecoveryCopy> RecoveryRun::earlierCopies() const
{
    std::vector<RecoveryCopy> earlier;
    for (const RecoveryCopy& copy : copiesIn(m_folder)) {
        if (copy.run == m_tag)
            continue;
        // Free, or held by a process that is gone: that run has ended. The
        // probe lets go of it again at once.
        QLockFile probe(lockPath(m_folder, copy.run));
        probe.setStaleLockTime(0);
        if (probe.tryLock(0))
            earlier.push_back(copy);
    }
    return earlier;
}

} // namespace tallyvane
