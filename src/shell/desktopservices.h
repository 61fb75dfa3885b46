#pragma once

#include "shell/uiservices.h"

#include <QPointer>

class QWidget;

namespace tallyvane {

// The real UiServices: our modal dialogs shown over the frame window, the
// system beep and the system clipboard.
class DesktopServices : public UiServices
{
public:
    explicit DesktopServices(QWidget* frame = nullptr);
    void setFrame(QWidget* frame);

    void showMessage(SharedValues& values) override;
    void askYesNo(SharedValues& values) override;
    void askRecordNumber(SharedValues& values) override;
    void askPrintHeader(SharedValues& values) override;
    void askInsertLine(SharedValues& values) override;
    void chooseFile(SharedValues& values) override;
    void showPrintPreview(const Report& report) override;
    void showImagePreview(const ImagePrintout& printout) override;
    void beep() override;
    void clearClipboard() override;
    using UiServices::showMessage;

private:
    QPointer<QWidget> m_frame;
};

} // namespace tallyvane
