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
} // namespace Question

// The text of question `number`; numbers that name no question give an empty
// text.
QString questionText(int number, const QString& dataFileName, const QString& detail);

// AllYesNo: asks question SharedValues::yesNoState and leaves AnswerYes or
// AnswerNo there. Closing it without a button leaves the question number,
// which callers read as No.
class AllYesNo : public SharedDialog
{
    Q_OBJECT

public:
    AllYesNo(SharedValues& values, QWidget* frame);

private:
    void answer(std::int16_t state);
};

} // namespace tallyvane
