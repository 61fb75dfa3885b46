// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// UiServices is the one doorway from the windows to what the desktop provides
// or what asks the user something: the numbered message box, the yes/no
// question, the small input prompts, the file chooser, the print preview,
// and the beep. Each call reads its inputs from SharedValues and leaves its
// answer there, exactly as the modal dialogs do. Tests replace the whole
// doorway with scripted answers and a record of what was shown.

#include "core/report/report.h"
#include "core/sharedvalues.h"

class QWidget;

namespace tallyvane {

struct ImagePrintout;

class UiServices
{
public:
    virtual ~UiServices();

    // AMsgbox: shows the message numbered values.msgNumber.
    virtual void showMessage(SharedValues& values) = 0;
    // AllYesNo: asks question values.yesNoState and leaves the answer there.
    virtual void askYesNo(SharedValues& values) = 0;
    // InRecNum: leaves values.recNumber.
    virtual void askRecordNumber(SharedValues& values) = 0;
    // PrinterHeaderInput: leaves values.printHeader ("1" when cancelled).
    virtual void askPrintHeader(SharedValues& values) = 0;
    // FundCurValInput: leaves values.insertLineText.
    virtual void askInsertLine(SharedValues& values) = 0;
    // FileDirectory: request values.fileMode; leaves values.filePicked.
    virtual void chooseFile(SharedValues& values) = 0;
    // A file was opened or saved: later file dialogs start in its folder. A
    // file that could not be opened or saved leaves them where they were.
    virtual void fileUsed(const QString& path);

    // Shows a printout in the print preview, from which it is printed or
    // saved as PDF.
    virtual void showPrintPreview(const Report& report) = 0;
    // The same for a printout that is one picture (a chart).
    virtual void showImagePreview(const ImagePrintout& printout) = 0;

    virtual void beep() = 0;

    // Shorthand for the common case of one numbered message.
    void showMessage(SharedValues& values, int msgNumber);
    // Asks for a file as the file chooser's request `mode` says, offering
    // `proposed` where the request takes its name from the caller; empty
    // when cancelled. The request is cleared again afterwards.
    QString pickFile(SharedValues& values, int mode, const QString& proposed = {});
};

} // namespace tallyvane
