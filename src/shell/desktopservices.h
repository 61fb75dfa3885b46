#pragma once

#include "shell/uiservices.h"

#include <QPointer>
#include <QString>

class QWidget;

namespace tallyvane {

// The real UiServices: our modal dialogs shown over the frame window, the
// system beep and the system clipboard. File dialogs start in the folder a
// file was last chosen in, remembered across runs with QSettings.
class DesktopServices : public UiServices
{
public:
    explicit DesktopServices(QWidget* frame = nullptr);
    void setFrame(QWidget* frame);
    // The folder of the sample files, offered when a file is opened.
    void setSampleFolder(const QString& folder);

    void showMessage(SharedValues& values) override;
    void askYesNo(SharedValues& values) override;
    void askRecordNumber(SharedValues& values) override;
    void askPrintHeader(SharedValues& values) override;
    void askInsertLine(SharedValues& values) override;
    void chooseFile(SharedValues& values) override;
    void fileUsed(const QString& path) override;
    void showPrintPreview(const Report& report) override;
    void showImagePreview(const ImagePrintout& printout) override;
    void beep() override;
    void clearClipboard() override;
    using UiServices::showMessage;

private:
    QPointer<QWidget> m_frame;
    QString m_sampleFolder;
};

} // namespace tallyvane
