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
} // namespace FileRequestMode

enum class FileDialogKind
{
    Open,
    Save
};

struct FileRequest
{
    FileDialogKind kind = FileDialogKind::Open;
    QString nameFilter;   // e.g. "Budget Database (*.Bgt)"
    QString proposedName; // the file name the dialog offers first
};

// The dialog a request asks for, or nothing for a number that is no request.
std::optional<FileRequest> fileRequestFor(const SharedValues& values);

// Shows a file dialog for the request and answers the chosen path, or an
// empty text when the user cancels.
using FileDialogRunner = std::function<QString(const FileRequest&)>;

// FileDirectory: asks for a file as SharedValues::fileMode requests. A number
// that is no request shows nothing and changes nothing.
void fileDirectory(SharedValues& values, const FileDialogRunner& runDialog);

void configureFileDialog(QFileDialog& dialog, const FileRequest& request);
// The runner of the real program: a modal QFileDialog over `parent`.
QString runFileDialog(const FileRequest& request, QWidget* parent);

} // namespace tallyvane
