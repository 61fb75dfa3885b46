// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/messages.h"
#include "printers.h"

#include <gtest/gtest.h>

#include <string>

namespace tallyvane {
namespace {

struct MessageCase
{
    const char* name;
    int number;
    const char* detail;
    const char* expected;
};

class MessageTextTest : public ::testing::TestWithParam<MessageCase>
{
};

TEST_P(MessageTextTest, ReadsAsTheUserSeesIt)
{
    const MessageCase& c = GetParam();
    EXPECT_EQ(messageText(c.number, QString::fromUtf8(c.detail)), QString::fromUtf8(c.expected));
}

// Every numbered message; a detail given to a message other than 19 must not
// show up in its text.
INSTANTIATE_TEST_SUITE_P(
    Catalogue, MessageTextTest,
    ::testing::Values(
        MessageCase{"NoDataToPrint", Message::NoDataToPrint, "", "No data to print. Calculate."},
        MessageCase{"NoDataToGraph", Message::NoDataToGraph, "", "No data to graph. Calculate."},
        MessageCase{"WrongOrMissingEntry", Message::WrongOrMissingEntry, "x",
                    "Wrong or missing entry, try again."},
        MessageCase{"FortyYearsLimit", Message::FortyYearsLimit, "", "Wrong entry, 40 Years limit."},
        MessageCase{"NoRecordsToDelete", Message::NoRecordsToDelete, "", "No records to delete."},
        MessageCase{"WrongEntry", Message::WrongEntry, "in Box 2", "Wrong entry."},
        MessageCase{"NotAValidDate", Message::NotAValidDate, "", "Not a valid date, try again."},
        MessageCase{"FileNotFound", Message::FileNotFound, "",
                    "File not found or wrong format. Check Filename and/or Directory."},
        MessageCase{"BadBudgetFileNameKeepsItsLeadingBlank", Message::BadBudgetFileName, "",
                    " Bad filename, must be in the form MYFILE.BGT"},
        MessageCase{"NoRecords", Message::NoRecords, "", "No records."},
        MessageCase{"BoxesOneAndThreeNeedData", Message::BoxesOneAndThreeNeedData, "",
                    "Boxes 1 and 3 must have data."},
        MessageCase{"RecordDoesNotExist", Message::RecordDoesNotExist, "", "Record Number does not exist."},
        MessageCase{"WrongEntryWithDetail", Message::WrongEntryWithDetail, "- 500 records limit.",
                    "Wrong entry - 500 records limit."},
        MessageCase{"WrongEntryWithoutDetail", Message::WrongEntryWithDetail, "", "Wrong entry "},
        MessageCase{"NoRecordToChange", Message::NoRecordToChange, "", "No record to change."},
        MessageCase{"NoRecordsToSave", Message::NoRecordsToSave, "", "No records to save."},
        MessageCase{"ThirtyRowLimit", Message::ThirtyRowLimit, "", "30 Row limit."},
        MessageCase{"CannotSortFile", Message::CannotSortFile, "", "Cannot sort file."},
        MessageCase{"BadNetWorthFileName", Message::BadNetWorthFileName, "",
                    "Bad filename, must be in the form MYFILE.NWF"},
        MessageCase{"BadMortgageFileName", Message::BadMortgageFileName, "",
                    "Bad Filename. Must be in the form MYFILE.UMD"},
        MessageCase{"BadLoanFileName", Message::BadLoanFileName, "",
                    "Bad Filename. Must be in the form MYFILE.ULD"},
        MessageCase{"HundredPercentLimit", Message::HundredPercentLimit, "", "100% limit."},
        MessageCase{"SettingsNotSaved", Message::SettingsNotSaved, "/home/ann/.config/tallyvane/Personal.tvp",
                    "Settings could not be saved in /home/ann/.config/tallyvane/Personal.tvp"},
        MessageCase{"UnusedNumber", 4, "in Box 2", ""}, MessageCase{"NoMessage", 0, "", ""},
        MessageCase{"PastTheLastNumber", 53, "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tallyvane
