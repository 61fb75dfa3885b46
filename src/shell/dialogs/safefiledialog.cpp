// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/dialogs/safefiledialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QIcon>
#include <QLineEdit>
#include <QMimeDatabase>

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

} // namespace

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

} // namespace tallyvane
