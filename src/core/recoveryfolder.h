// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Unsaved work is kept against a crash, a kill or a logout as recovery
// copies: each a file of the planner's own format in one folder, named
// "<run>-<EXT>[-<file name>]", where <run> tags the run of the program that
// wrote it, <EXT> is the kind of file (BGT, NWF, UMD, ULD) and the file name
// is the one the work belonged to. Only one planner is open at a time, so a
// run keeps at most one copy.
//
// While a run lives it holds the lock "<run>.lock" in the folder; the copies
// of runs whose lock is free (they ended, or died and left a stale lock) are
// the earlier sessions' work, offered at the next start. Copies of another
// copy of the program that is still running are never touched.

#include <QByteArray>
#include <QLockFile>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace tallyvane {

// $XDG_STATE_HOME/tallyvane/recovery, or ~/.local/state/tallyvane/recovery.
QString defaultRecoveryFolder();

struct RecoveryCopy
{
    QString path;
    QString run;
    QString extension;    // upper case, without the dot
    QString originalName; // empty when the work had no file yet
};

// What a file name in the folder stands for, if it is a recovery copy.
std::optional<RecoveryCopy> recoveryCopyFromPath(const QString& path);

// Writes the run's copy through the safe save and removes its older copy,
// if any. False when nothing could be written.
bool writeRecoveryCopy(const QString& folder, const QString& run, const QString& extension,
                       const QString& originalName, const QByteArray& content);
// Removes every copy of the run.
void removeRecoveryCopies(const QString& folder, const QString& run);
// A copy that cannot be read goes into the folder's "damaged" subfolder,
// where it is neither offered again nor removed.
bool moveRecoveryCopyAside(const RecoveryCopy& copy);

// The run of the program: its tag and the lock that marks it alive.
class RecoveryRun
{
public:
    explicit RecoveryRun(QString folder);
    ~RecoveryRun();
    RecoveryRun(const RecoveryRun&) = delete;
    RecoveryRun& operator=(const RecoveryRun&) = delete;

    const QString& folder() const { return m_folder; }
    const QString& tag() const { return m_tag; }
    // Copies left by runs that are no longer alive, oldest first.
    std::vector<RecoveryCopy> earlierCopies() const;

private:
    QString m_folder;
    QString m_tag;
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace tallyvane
