#include "shell/dialogs/messagebox.h"
#include "shell/dialogs/yesnodialog.h"

#include <gtest/gtest.h>

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

INSTANTIATE_TEST_SUITE_P(
    Messages, MessageTextTest,
    ::testing::Values(MessageCase{"NoDataToPrint", 1, "", "No data to print. Calculate."},
                      MessageCase{"NoDataToGraph", 2, "", "No data to graph. Calculate."},
                      MessageCase{"WrongOrMissing", 3, "", "Wrong or missing entry, try again."},
                      MessageCase{"FortyYears", 5, "", "Wrong entry, 40 Years limit."},
                      MessageCase{"NoRecordsToDelete", 7, "", "No records to delete."},
                      MessageCase{"WrongEntry", 8, "", "Wrong entry."},
                      MessageCase{"NotAValidDate", 10, "", "Not a valid date, try again."},
                      MessageCase{"FileNotFound", 13, "",
                                  "File not found or wrong format. Check Filename and/or Directory."},
                      MessageCase{"BadBudgetName", 14, "", " Bad filename, must be in the form MYFILE.BGT"},
                      MessageCase{"NoRecords", 15, "", "No records."},
                      MessageCase{"BoxesOneAndThree", 16, "", "Boxes 1 and 3 must have data."},
                      MessageCase{"RecordMissing", 17, "", "Record Number does not exist."},
                      MessageCase{"WrongEntryDetail", 19, "in Box 2", "Wrong entry in Box 2"},
                      MessageCase{"WrongEntryNoDetail", 19, "", "Wrong entry "},
                      MessageCase{"NoRecordToChange", 20, "", "No record to change."},
                      MessageCase{"NoRecordsToSave", 21, "", "No records to save."},
                      MessageCase{"ThirtyRows", 22, "", "30 Row limit."},
                      MessageCase{"CannotSort", 23, "", "Cannot sort file."},
                      MessageCase{"BadNetWorthName", 25, "", "Bad filename, must be in the form MYFILE.NWF"},
                      MessageCase{"BadMortgageName", 37, "", "Bad Filename. Must be in the form MYFILE.UMD"},
                      MessageCase{"BadLoanName", 38, "", "Bad Filename. Must be in the form MYFILE.ULD"},
                      MessageCase{"HundredPercent", 52, "", "100% limit."},
                      MessageCase{"DetailOnlyForNineteen", 8, "ignored", "Wrong entry."},
                      MessageCase{"UnusedNumber", 4, "", ""}, MessageCase{"Zero", 0, "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

struct QuestionCase
{
    const char* name;
    int number;
    const char* fileName;
    const char* detail;
    const char* expected;
};

class QuestionTextTest : public ::testing::TestWithParam<QuestionCase>
{
};

TEST_P(QuestionTextTest, ReadsAsTheUserSeesIt)
{
    const QuestionCase& c = GetParam();
    EXPECT_EQ(questionText(c.number, QString::fromUtf8(c.fileName), QString::fromUtf8(c.detail)),
              QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Questions, QuestionTextTest,
    ::testing::Values(
        QuestionCase{"ContinuePrintout", 1, "", "", " Continue with Printout."},
        QuestionCase{"PrintInColor", 2, "", "", " Print in Color."},
        QuestionCase{"EraseNamedFile", 3, "HOME.BGT", "",
                     "HOME.BGT file in memory will be erased. Do you wish to go back and save it to Disk?."},
        QuestionCase{"EraseUnnamedFile", 3, "", "",
                     " file in memory will be erased. Do you wish to go back and save it to Disk?."},
        QuestionCase{"DeleteRecord", 4, "", "3  Rent",
                     "Are you sure you wish to delete the current record: 3  Rent"},
        QuestionCase{"UnusedNumber", 5, "", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tallyvane
