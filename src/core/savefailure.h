#pragma once

// Why a save did not go through, in terms a user can act on. The windows show
// the words of saveFailureText() (core/messages.h) beneath their save message,
// and tallyvane-calc prints them after it.

namespace tallyvane {

enum class SaveFailure
{
    None,
    DiskFull,
    NotPermitted,
    FolderMissing,
    NameTooLong,
    NotPlainFile,
    // Refused for a reason the message itself gives (a name no box accepts,
    // content too large to open again) or one the system did not name.
    Other
};

// The answer of a save: converts to true when the file was written.
struct SaveOutcome
{
    SaveFailure failure = SaveFailure::None;

    // Implicit, so that code asking only "was it saved?" reads as before.
    operator bool() const { return failure == SaveFailure::None; } // NOLINT(google-explicit-constructor)
};

} // namespace tallyvane
