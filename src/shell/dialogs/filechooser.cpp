// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/dialogs/filechooser.h"

#include "core/sharedvalues.h"
#include "shell/dialogs/safefiledialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>

namespace tallyvane {
namespace {

// "Bgt" for "Budget Database (*.Bgt)".
QString extensionOf(const QString& nameFilter)
{
    static const QRegularExpression pattern(QStringLiteral("\\(\\*\\.(\\w+)\\)"));
    return pattern.match(nameFilter).captured(1);
}

} // namespace

QString startFolder(const QString& lastUsed)
{
    if (!lastUsed.isEmpty() && QFileInfo(lastUsed).isDir())
        return lastUsed;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

QString folderToRemember(const QString& picked, const QString& sampleFolder, const QString& remembered)
{
    const QString folder = QFileInfo(picked).absolutePath();
    if (!sampleFolder.isEmpty() && QDir(folder) == QDir(sampleFolder))
        return remembered;
    return folder;
}

std::optional<FileRequest> fileRequestFor(const SharedValues& values)
{
    const int mode = values.fileMode;
    if (mode == FileRequestMode::OpenMortgageOrLoan)
        return FileRequest{.kind = FileDialogKind::Open,
                           .nameFilter = QStringLiteral("Mortgage or Loan Database (*.umd *.uld)"),
                           .proposedName = {}};
    if (mode == FileRequestMode::ExportCsv)
        return FileRequest{.kind = FileDialogKind::Save,
                           .nameFilter = QStringLiteral("CSV file (*.csv)"),
                           .proposedName = values.filePicked,
                           .defaultSuffix = QStringLiteral("csv")};
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

void configureFileDialog(QFileDialog& dialog, const FileRequest& request, const FileDialogPlaces& places)
{
    // Qt's own dialog on every desktop: a native one ignores the places added
    // to the side bar, and with them the sample files.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (!places.startFolder.isEmpty())
        dialog.setDirectory(places.startFolder);
    if (request.kind == FileDialogKind::Open && QFileInfo(places.sampleFolder).isDir()) {
        QList<QUrl> sidebar = dialog.sidebarUrls();
        sidebar << QUrl::fromLocalFile(places.sampleFolder);
        dialog.setSidebarUrls(sidebar);
    }
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
    // A name typed without an extension gets the kind's, in the capitals
    // the program's own files carry, so that Open lists it later; a request
    // may name its own (an export's "csv").
    if (request.kind == FileDialogKind::Save)
        dialog.setDefaultSuffix(request.defaultSuffix.isEmpty() ? extensionOf(request.nameFilter).toUpper()
                                                                : request.defaultSuffix);
    describeFilesByNameOnly(dialog);
    if (!request.proposedName.isEmpty())
        dialog.selectFile(request.proposedName);
}

QString runFileDialog(const FileRequest& request, const FileDialogPlaces& places, QWidget* parent)
{
    QFileDialog dialog(parent);
    configureFileDialog(dialog, request, places);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return chosenPath(dialog);
}

} // namespace tallyvane
