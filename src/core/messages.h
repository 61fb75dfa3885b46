#pragma once

// The numbered messages every planner answers a refused or failed operation
// with. The windows show them in the shared message box and tallyvane-calc
// writes them to its error stream, so both read the same words.

#include "core/savefailure.h"

#include <QString>

namespace tallyvane {

namespace Message {
inline constexpr int NoDataToPrint = 1;
inline constexpr int NoDataToGraph = 2;
inline constexpr int WrongOrMissingEntry = 3;
inline constexpr int FortyYearsLimit = 5;
inline constexpr int NoRecordsToDelete = 7;
inline constexpr int WrongEntry = 8;
inline constexpr int NotAValidDate = 10;
inline constexpr int FileNotFound = 13;
inline constexpr int BadBudgetFileName = 14;
inline constexpr int NoRecords = 15;
inline constexpr int BoxesOneAndThreeNeedData = 16;
inline constexpr int RecordDoesNotExist = 17;
inline constexpr int WrongEntryWithDetail = 19; // the detail follows "Wrong entry "
inline constexpr int NoRecordToChange = 20;
inline constexpr int NoRecordsToSave = 21;
inline constexpr int ThirtyRowLimit = 22;
inline constexpr int CannotSortFile = 23;
inline constexpr int BadNetWorthFileName = 25;
inline constexpr int BadMortgageFileName = 37;
inline constexpr int BadLoanFileName = 38;
inline constexpr int HundredPercentLimit = 52;
// Settings that could not be written; the detail names the file.
inline constexpr int SettingsNotSaved = 61;
} // namespace Message

// The text of message `number`; `detail` completes messages 19 and 61, and
// follows a save message (14, 25, 37, 38) on a line of its own as the reason
// the save failed. The other messages ignore it. A number that names no
// message gives an empty text.
QString messageText(int number, const QString& detail = {});

// The reason a save failed, in the user's words; empty for None and Other.
QString saveFailureText(SaveFailure failure);

} // namespace tallyvane
