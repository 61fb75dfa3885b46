#include "shell/dialogs/filechooser.h"

#include "core/sharedvalues.h"

#include <QDir>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QIcon>
#include <QLineEdit>
#include <QMimeDatabase>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>

namespace tallyvane {
namespace {

// Icons and kinds told from the name alone. Qt's own provider looks inside a
// file whose name says nothing, and a FIFO, a device or a /proc entry then
// holds the dialog until something writes to it.
class NameOnlyIconProvider : public QFileIconProvider
{
public:
    QIcon icon(const QFileInfo& info) const override
    {
        if (!info.isFile())
            return QFileIconProvider::icon(info.isDir() ? Folder : File);
        const QIcon themed = QIcon::fromTheme(mimeType(info).iconName());
        return themed.isNull() ? QFileIconProvider::icon(File) : themed;
    }

    QString type(const QFileInfo& info) const override
    {
        if (!info.isFile())
            return QFileIconProvider::type(info);
        const QMimeType mime = mimeType(info);
        return mime.comment().isEmpty() ? mime.name() : mime.comment();
    }

private:
    QMimeType mimeType(const QFileInfo& info) const
    {
        return m_types.mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
    }

    QMimeDatabase m_types;
};

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
    // the program's own files carry, so that Open lists it later.
    if (request.kind == FileDialogKind::Save)
        dialog.setDefaultSuffix(extensionOf(request.nameFilter).toUpper());
    describeFilesByNameOnly(dialog);
    if (!request.proposedName.isEmpty())
        dialog.selectFile(request.proposedName);
}

void describeFilesByNameOnly(QFileDialog& dialog)
{
    static NameOnlyIconProvider provider;
    dialog.setIconProvider(&provider);
}

QString chosenPath(const QFileDialog& dialog)
{
    // Qt reads a typed name holding double quotes as a list of quoted names
    // and would answer one of them; the name stands as typed instead, and
    // the save refuses it.
    if (dialog.acceptMode() == QFileDialog::AcceptSave)
        if (const auto* typed = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            typed != nullptr && typed->text().contains(u'"'))
            return dialog.directory().absoluteFilePath(typed->text());
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.first();
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
