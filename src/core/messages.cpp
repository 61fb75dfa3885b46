#include "core/messages.h"

#include <algorithm>
#include <iterator>

namespace tallyvane {
namespace {

struct NumberedText
{
    int number;
    const char* text;
};

// Leading blanks and capitals are part of the texts.
constexpr NumberedText Messages[] = {
    {Message::NoDataToPrint, "No data to print. Calculate."},
    {Message::NoDataToGraph, "No data to graph. Calculate."},
    {Message::WrongOrMissingEntry, "Wrong or missing entry, try again."},
    {Message::FortyYearsLimit, "Wrong entry, 40 Years limit."},
    {Message::NoRecordsToDelete, "No records to delete."},
    {Message::WrongEntry, "Wrong entry."},
    {Message::NotAValidDate, "Not a valid date, try again."},
    {Message::FileNotFound, "File not found or wrong format. Check Filename and/or Directory."},
    {Message::BadBudgetFileName, " Bad filename, must be in the form MYFILE.BGT"},
    {Message::NoRecords, "No records."},
    {Message::BoxesOneAndThreeNeedData, "Boxes 1 and 3 must have data."},
    {Message::RecordDoesNotExist, "Record Number does not exist."},
    {Message::WrongEntryWithDetail, "Wrong entry "},
    {Message::NoRecordToChange, "No record to change."},
    {Message::NoRecordsToSave, "No records to save."},
    {Message::ThirtyRowLimit, "30 Row limit."},
    {Message::CannotSortFile, "Cannot sort file."},
    {Message::BadNetWorthFileName, "Bad filename, must be in the form MYFILE.NWF"},
    {Message::BadMortgageFileName, "Bad Filename. Must be in the form MYFILE.UMD"},
    {Message::BadLoanFileName, "Bad Filename. Must be in the form MYFILE.ULD"},
    {Message::HundredPercentLimit, "100% limit."},
    {Message::SettingsNotSaved, "Settings could not be saved in "},
};

bool isSaveMessage(int number)
{
    return number == Message::BadBudgetFileName || number == Message::BadNetWorthFileName ||
           number == Message::BadMortgageFileName || number == Message::BadLoanFileName;
}

} // namespace

QString messageText(int number, const QString& detail)
{
    const auto found =
        std::find_if(std::begin(Messages), std::end(Messages),
                     [number](const NumberedText& message) { return message.number == number; });
    if (found == std::end(Messages))
        return {};
    const QString text = QString::fromLatin1(found->text);
    const bool takesDetail = number == Message::WrongEntryWithDetail || number == Message::SettingsNotSaved;
    if (takesDetail)
        return text + detail;
    if (isSaveMessage(number) && !detail.isEmpty())
        return text + u'\n' + detail;
    return text;
}

QString saveFailureText(SaveFailure failure)
{
    switch (failure) {
    case SaveFailure::DiskFull:
        return QStringLiteral("The disk is full.");
    case SaveFailure::NotPermitted:
        return QStringLiteral("You may not write in this folder.");
    case SaveFailure::FolderMissing:
        return QStringLiteral("The folder no longer exists.");
    case SaveFailure::NameTooLong:
        return QStringLiteral("The name is too long for this disk.");
    case SaveFailure::NotPlainFile:
        return QStringLiteral("This is not a plain file.");
    case SaveFailure::None:
    case SaveFailure::Other:
        break;
    }
    return {};
}

} // namespace tallyvane
