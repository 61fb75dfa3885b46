#include "shell/dialogs/filechooser.h"

#include "core/sharedvalues.h"

#include <QFileDialog>

namespace tallyvane {

std::optional<FileRequest> fileRequestFor(const SharedValues& values)
{
    const int mode = values.fileMode;
    if (mode < FileRequestMode::OpenBudget || mode > FileRequestMode::SaveLoan)
        return std::nullopt;
    FileRequest request;
    request.kind = mode % 2 == 1 ? FileDialogKind::Open : FileDialogKind::Save;
    if (mode <= FileRequestMode::SaveBudget) {
        request.nameFilter = QStringLiteral("Budget Database (*.Bgt)");
        request.proposedName = values.dataFileName;
    } else if (mode <= FileRequestMode::SaveNetWorth) {
        request.nameFilter = QStringLiteral("Net Worth Database (*.nwf)");
        request.proposedName = values.dataFileName;
    } else if (mode <= FileRequestMode::SaveMortgage) {
        request.nameFilter = QStringLiteral("Mortgage Database (*.umd)");
        request.proposedName = values.mortFileName;
    } else {
        request.nameFilter = QStringLiteral("Loan Database (*.uld)");
        request.proposedName = values.loanFileName;
    }
    return request;
}

void fileDirectory(SharedValues& values, const FileDialogRunner& runDialog)
{
    const std::optional<FileRequest> request = fileRequestFor(values);
    if (!request)
        return;
    values.filePicked = runDialog(*request);
    if (values.filePicked.isEmpty())
        values.fileMode = FileModeCancelled;
}

void configureFileDialog(QFileDialog& dialog, const FileRequest& request)
{
    if (request.kind == FileDialogKind::Open) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    }
    // Files written elsewhere may carry their extension in any case.
    QDir::Filters filters = dialog.filter();
    filters.setFlag(QDir::CaseSensitive, false);
    dialog.setFilter(filters);
    dialog.setNameFilter(request.nameFilter);
    dialog.selectNameFilter(request.nameFilter);
    if (!request.proposedName.isEmpty())
        dialog.selectFile(request.proposedName);
}

QString runFileDialog(const FileRequest& request, QWidget* parent)
{
    QFileDialog dialog(parent);
    configureFileDialog(dialog, request);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.first();
}

} // namespace tallyvane
