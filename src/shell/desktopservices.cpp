#include "shell/desktopservices.h"

#include <QApplication>
#include <QClipboard>
#include <QWidget>

namespace tallyvane {

DesktopServices::DesktopServices(QWidget* frame) : m_frame(frame) {}

void DesktopServices::setFrame(QWidget* frame)
{
    m_frame = frame;
}

// The dialogs themselves arrive with the shared dialog windows.
void DesktopServices::showMessage(SharedValues&) {}
void DesktopServices::askYesNo(SharedValues&) {}
void DesktopServices::askRecordNumber(SharedValues& values)
{
    values.recNumber = 0;
}
void DesktopServices::askPrintHeader(SharedValues& values)
{
    values.printHeader = QStringLiteral("1");
}
void DesktopServices::askInsertLine(SharedValues& values)
{
    values.insertLineText.clear();
}
void DesktopServices::chooseFile(SharedValues& values)
{
    values.fileMode = FileModeCancelled;
    values.filePicked.clear();
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
