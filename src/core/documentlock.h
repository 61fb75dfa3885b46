// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// DocumentLock marks a file as open in this program with a lock file beside
// it, ".~lock.<file name>#", the form office suites use, so that a second
// window of the program, in this process or another, can warn before the
// same file is worked on twice. A lock left by a process that is gone is
// taken over; a folder where no lock can be made (read-only media) opens
// the file without one.

#include <QLockFile>
#include <QString>

#include <memory>

namespace tallyvane {

class DocumentLock
{
public:
    enum class Outcome
    {
        Locked,        // this window holds the file now
        HeldElsewhere, // another live window holds it
        NotPossible    // no lock can be made there
    };

    // Where the lock of `path` lives.
    static QString lockPathFor(const QString& path);
    // Whether another live window holds `path`, without taking it.
    static bool isHeldElsewhere(const QString& path);

    // Lets go of the file held before, then tries to hold `path`.
    Outcome hold(const QString& path);
    void release();
    const QString& heldPath() const { return m_path; }

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace tallyvane
