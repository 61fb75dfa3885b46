// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The file chooser turns a request number in SharedValues::fileMode into an
// open or save dialog for one kind of data file and leaves the chosen path in
// SharedValues::filePicked. Cancelling leaves FileModeCancelled and an empty
// path. The dialog itself is passed in, so the request handling can be
// exercised without showing one.

#include <QString>

#include <functional>
#include <optional>

class QFileDialog;
class QWidget;

namespace tallyvane {

struct SharedValues;

// The request numbers of SharedValues::fileMode.
namespace FileRequestMode {
inline constexpr int OpenBudget = 1;
inline constexpr int SaveBudget = 2;
inline constexpr int OpenNetWorth = 3;
inline constexpr int SaveNetWorth = 4;
inline constexpr int OpenMortgage = 5;
inline constexpr int SaveMortgage = 6;
inline constexpr int OpenLoan = 7;
inline constexpr int SaveLoan = 8;
// A mortgage or a loan file, to compare with; clear of FileModeCancelled (9)
// and of 10, which stays no request.
inline constexpr int OpenMortgageOrLoan = 11;
// A planner's table as CSV; the caller leaves the name to offer in filePicked.
inline constexpr int ExportCsv = 12;
} // namespace FileRequestMode

enum class FileDialogKind
{
    Open,
    Save
};

struct FileRequest
{
    FileDialogKind kind = FileDialogKind::Open;
    QString nameFilter;         // e.g. "Budget Database (*.Bgt)"
    QString proposedName;       // the file name the dialog offers first
    QString defaultSuffix = {}; // added to a name typed without one
};

// Where a dialog opens, and the folder of the sample files that ship with the
// program, offered beside the user's own places when a file is opened.
struct FileDialogPlaces
{
    QString startFolder;
    QString sampleFolder;
};

// The folder a dialog starts in: the folder last used while it still exists,
// else the user's documents folder (their home folder when there is none).
// Never the program's folder, which an installed program cannot write to.
QString startFolder(const QString& lastUsed);
// The folder to start in next after `picked` was chosen: the picked file's
// folder, unless that is the sample folder; the samples are only read, so a
// later save must not be offered their read-only folder.
QString folderToRemember(const QString& picked, const QString& sampleFolder, const QString& remembered);

// The dialog a request asks for, or nothing for a number that is no request.
std::optional<FileRequest> fileRequestFor(const SharedValues& values);

// Shows a file dialog for the request and answers the chosen path, or an
// empty text when the user cancels.
using FileDialogRunner = std::function<QString(const FileRequest&)>;

// FileDirectory: asks for a file as SharedValues::fileMode requests. A number
// that is no request shows nothing and changes nothing.
void fileDirectory(SharedValues& values, const FileDialogRunner& runDialog);

void configureFileDialog(QFileDialog& dialog, const FileRequest& request,
                         const FileDialogPlaces& places = {});
// The runner of the real program: a modal QFileDialog over `parent`.
QString runFileDialog(const FileRequest& request, const FileDialogPlaces& places, QWidget* parent);

} // namespace tallyvane
