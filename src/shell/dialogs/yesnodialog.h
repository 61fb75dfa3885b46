// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/dialogs/shareddialog.h"

#include <QString>

namespace tallyvane {

// Numbers of the questions the windows ask through UiServices::askYesNo.
namespace Question {
inline constexpr int ContinuePrintout = 1;
inline constexpr int PrintInColor = 2;
inline constexpr int SaveBeforeErasing = 3; // names SharedValues::dataFileName
inline constexpr int DeleteRecord = 4;      // followed by SharedValues::msgDetail
// The next three show SharedValues::msgDetail on a line of its own. No
// question is numbered 6: a question closed without an answer leaves its
// number, and 6 is AnswerYes.
inline constexpr int OpenKeptWork = 5;
inline constexpr int OpenFileOpenElsewhere = 7;
inline constexpr int ReplaceChangedFile = 8;
} // namespace Question

// Whether the question guards work that "&No" would throw away. Its focus
// starts on "&Yes", and closing it by Escape or its close box must read as
// "go back" (anything but AnswerNo), never as No.
bool guardsUnsavedWork(int number);
// Whether the question shows SharedValues::msgDetail below its text.
bool showsDetailLine(int number);

// The text of question `number`; numbers that name no question give an empty
// text.
QString questionText(int number, const QString& dataFileName, const QString& detail);

// AllYesNo: asks question SharedValues::yesNoState and leaves AnswerYes or
// AnswerNo there. Closing it without a button leaves the question number:
// callers read that as No, except for a question that guards unsaved work,
// where it means "go back".
class AllYesNo : public SharedDialog
{
    Q_OBJECT

public:
    AllYesNo(SharedValues& values, QWidget* frame);

private:
    void answer(std::int16_t state);
};

} // namespace tallyvane
