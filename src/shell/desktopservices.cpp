#include "shell/desktopservices.h"

#include "shell/dialogs/filechooser.h"
#include "shell/dialogs/insertlinedialog.h"
#include "shell/dialogs/messagebox.h"
#include "shell/dialogs/printheaderdialog.h"
#include "shell/dialogs/recordnumberdialog.h"
#include "shell/dialogs/yesnodialog.h"
#include "shell/printpreview.h"

#include <QApplication>
#include <QClipboard>
#include <QWidget>

namespace tallyvane {

DesktopServices::DesktopServices(QWidget* frame) : m_frame(frame) {}

void DesktopServices::setFrame(QWidget* frame)
{
    m_frame = frame;
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
    fileDirectory(values, [this](const FileRequest& request) { return runFileDialog(request, m_frame); });
}

void DesktopServices::showPrintPreview(const Report& report)
{
    showReportPreview(report, m_frame);
}

void DesktopServices::showImagePreview(const ImagePrintout& printout)
{
    tallyvane::showImagePreview(printout, m_frame);
}

void DesktopServices::beep()
{
    QApplication::beep();
}

void DesktopServices::clearClipboard()
{
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->clear();
}

} // namespace tallyvane
