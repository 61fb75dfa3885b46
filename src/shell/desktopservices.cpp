// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/desktopservices.h"

#include "shell/dialogs/filechooser.h"
#include "shell/dialogs/insertlinedialog.h"
#include "shell/dialogs/messagebox.h"
#include "shell/dialogs/printheaderdialog.h"
#include "shell/dialogs/recordnumberdialog.h"
#include "shell/dialogs/yesnodialog.h"
#include "shell/ondemand.h"
#include "shell/printpreview.h"

#include <QApplication>
#include <QMessageBox>
#include <QSettings>
#include <QWidget>

namespace tallyvane {
namespace {

constexpr char LastFolderKey[] = "files/lastFolder";

// The preview that the on-demand entry `name` shows; only a broken
// installation, without the library, gets the warning.
template <typename Entry, typename Printout>
void showPreviewOf(const char* name, const Printout& printout, QWidget* frame)
{
    QString why;
    if (auto* show = onDemand<Entry>(name, &why))
        show(&printout, frame);
    else
        QMessageBox::warning(frame, QStringLiteral("Print Preview"),
                             QStringLiteral("Printing is not available: %1").arg(why));
}

} // namespace

DesktopServices::DesktopServices(QWidget* frame) : m_frame(frame) {}

void DesktopServices::setFrame(QWidget* frame)
{
    m_frame = frame;
}

void DesktopServices::setSampleFolder(const QString& folder)
{
    m_sampleFolder = folder;
}

void DesktopServices::showMessage(SharedValues& values)
{
    AMsgbox dialog(values, m_frame);
    dialog.exec();
}

void DesktopServices::askYesNo(SharedValues& values)
{
    AllYesNo dialog(values, m_frame);
    dialog.exec();
}

void DesktopServices::askRecordNumber(SharedValues& values)
{
    InRecNum dialog(values, *this, m_frame);
    dialog.exec();
}

void DesktopServices::askPrintHeader(SharedValues& values)
{
    PrinterHeaderInput dialog(values, *this, m_frame);
    dialog.exec();
}

void DesktopServices::askInsertLine(SharedValues& values)
{
    FundCurValInput dialog(values, *this, m_frame);
    dialog.exec();
}

void DesktopServices::chooseFile(SharedValues& values)
{
    QSettings settings;
    const QString remembered = settings.value(QString::fromLatin1(LastFolderKey)).toString();
    const FileDialogPlaces places{.startFolder = startFolder(remembered), .sampleFolder = m_sampleFolder};
    fileDirectory(values,
                  [&](const FileRequest& request) { return runFileDialog(request, places, m_frame); });
}

void DesktopServices::fileUsed(const QString& path)
{
    QSettings settings;
    const QString remembered = settings.value(QString::fromLatin1(LastFolderKey)).toString();
    settings.setValue(QString::fromLatin1(LastFolderKey), folderToRemember(path, m_sampleFolder, remembered));
}

void DesktopServices::showPrintPreview(const Report& report)
{
    showPreviewOf<decltype(tallyvane_showReportPreview)>(OnDemandEntry::ReportPreview, report, m_frame);
}

void DesktopServices::showImagePreview(const ImagePrintout& printout)
{
    showPreviewOf<decltype(tallyvane_showImagePreview)>(OnDemandEntry::ImagePreview, printout, m_frame);
}

void DesktopServices::beep()
{
    QApplication::beep();
}

} // namespace tallyvane
