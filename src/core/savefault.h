#pragma once

// A test seam under saveFileSafely. A test sets a SaveFault to make saves
// fail at one step the way the system can: the temporary file refused (no
// permission, a name too long), a short write at byte k (a full disk), a
// failed flush of the written bytes, or a failed rename over the target (the
// folder gone or locked), each with the reason the system would give. It can
// also watch each piece of a large file being written, to pause a save half
// way. The program never sets one.

#include "core/savefailure.h"

#include <QtGlobal>

#include <functional>

namespace tallyvane {

struct SaveFault
{
    enum class Step
    {
        None,
        Open,
        Write,
        Flush,
        Rename
    };
    Step failAt = Step::None;
    // With Step::Write: the bytes that reach the temporary file before the
    // write fails.
    qint64 bytesBeforeFailure = 0;
    // What the failing step reports.
    SaveFailure reason = SaveFailure::DiskFull;
    // Called after each piece is written, with the bytes written so far.
    std::function<void(qint64 written)> afterPiece;

    // A fault at `step` reporting `reason`; a write fails after `bytesBeforeFailure`.
    static SaveFault at(Step step, qint64 bytesBeforeFailure = 0, SaveFailure reason = SaveFailure::DiskFull);
};

// Every save made while it lives meets `fault`; the previous one is restored
// when it goes.
class ScopedSaveFault
{
public:
    explicit ScopedSaveFault(SaveFault fault);
    ~ScopedSaveFault();
    ScopedSaveFault(const ScopedSaveFault&) = delete;
    ScopedSaveFault& operator=(const ScopedSaveFault&) = delete;

private:
    SaveFault m_previous;
};

// The fault in force (Step::None when no test set one).
const SaveFault& currentSaveFault();

} // namespace tallyvane
