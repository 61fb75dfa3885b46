// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// KeptWork looks after a planner's work beyond its window, so that typed
// work is never lost and never overwrites someone else's:
// - a recovery copy of unsaved work, written in the planner's own file
//   format at most SharedValues::recoveryDelayMs after a change, and at once
//   when the program is told to end; removed when the work is saved or given
//   up. The timer is not restarted by later changes, so steady typing still
//   gets its copy in time.
// - the file the planner opened or saved: a lock beside it while it is open
//   (DocumentLock), and its stamp, so that a save over a file another
//   program changed since asks first.

#include "core/documentlock.h"
#include "core/filestamp.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <optional>

namespace tallyvane {

struct SharedValues;
class UiServices;

struct KeptWorkSource
{
    std::function<bool()> unsaved;
    std::function<QByteArray()> content; // the work in its file format
    std::function<QString()> extension;  // of that format, e.g. "BGT"
    std::function<QString()> fileName;   // the name the work belongs to
};

class KeptWork : public QObject
{
    Q_OBJECT

public:
    KeptWork(SharedValues& values, UiServices& services, KeptWorkSource source, QObject* parent);

    // The work changed: a copy follows within the delay.
    void noteChange();
    // Writes the copy now while the work is unsaved, else removes it.
    void keepNow();
    // The work was saved or given up: no copy is kept any more.
    void letGo();

    // Whether `path` may be opened: asks first when another window holds it.
    bool mayOpen(const QString& path);
    // `path` was opened or saved: it is held and stamped as it is now.
    void opened(const QString& path);
    // Whether a save may write `path`: asks first when it is the file opened
    // and another program changed it since.
    bool mayReplace(const QString& path);
    // The work no longer belongs to a file.
    void closeFile();
    // The work was taken from an earlier run's copy: it belongs to no open
    // file, and this run's own copy is written at once, before the earlier
    // one goes.
    void recovered();

private:
    bool askAbout(int question, const QString& path);

    SharedValues& m_values;
    UiServices& m_services;
    KeptWorkSource m_source;
    QTimer m_timer;
    DocumentLock m_lock;
    QString m_path;
    std::optional<FileStamp> m_stamp;
};

} // namespace tallyvane
