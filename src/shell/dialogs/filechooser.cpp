#include "shell/dialogs/filechooser.h"

#include "core/safefile.h"
#include "core/sharedvalues.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QRegularExpression>
#include <QSortFilterProxyModel>
#include <QStandardPaths>
#include <QUrl>

#include <algorithm>

namespace tallyvane {
namespace {

// The patterns of a name filter such as "Budget Database (*.Bgt)".
QList<QRegularExpression> filterPatterns(const QString& nameFilter)
{
    const qsizetype open = nameFilter.lastIndexOf(u'(');
    const qsizetype close = nameFilter.lastIndexOf(u')');
    const QString patterns =
        open >= 0 && close > open ? nameFilter.mid(open + 1, close - open - 1) : nameFilter;
    QList<QRegularExpression> expressions;
    for (const QString& pattern : patterns.split(u' ', Qt::SkipEmptyParts))
        expressions.append(QRegularExpression::fromWildcard(pattern, Qt::CaseInsensitive));
    return expressions;
}

// Hides the temporary files an interrupted save of a data file left beside
// it ("HOME.BGT.aB3xYz"), also when the user widens the name filter.
class InterruptedSaveFilter : public QSortFilterProxyModel
{
public:
    InterruptedSaveFilter(const QString& nameFilter, QObject* parent)
        : QSortFilterProxyModel(parent), m_dataFiles(filterPatterns(nameFilter))
    {
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override
    {
        const QModelIndex entry = sourceModel()->index(row, 0, parent);
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (files == nullptr || files->isDir(entry))
            return true;
        const std::optional<QString> target = interruptedSaveTarget(files->fileName(entry));
        return !target ||
               std::none_of(m_dataFiles.begin(), m_dataFiles.end(),
                            [&](const QRegularExpression& data) { return data.match(*target).hasMatch(); });
    }

private:
    QList<QRegularExpression> m_dataFiles;
};

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
    // Leftovers of an interrupted save stay hidden even under "All files".
    dialog.setProxyModel(new InterruptedSaveFilter(request.nameFilter, &dialog));
    if (!request.defaultSuffix.isEmpty())
        dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.proposedName.isEmpty())
        dialog.selectFile(request.proposedName);
}

QString runFileDialog(const FileRequest& request, const FileDialogPlaces& places, QWidget* parent)
{
    QFileDialog dialog(parent);
    configureFileDialog(dialog, request, places);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.first();
}

} // namespace tallyvane
