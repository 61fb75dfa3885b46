#include "budget/budgetgridmodel.h"
#include "budgetwindowdriver.h"
#include "core/messages.h"
#include "core/savefault.h"
#include "shell/dialogs/filechooser.h"

#include <QFile>
#include <QTemporaryDir>

using namespace tallyvane;
using namespace tallyvane::testing;

namespace {

using Column = BudgetGridModel::Column;

class BudgetFileTest : public BudgetWindowTest
{
protected:
    void SetUp() override
    {
        BudgetWindowTest::SetUp();
        ASSERT_TRUE(folder.isValid());
        open();
        typeRecord(IncomeSide, "Wages", "2000", "12", "1900");
        typeRecord(ExpenseSide, "Rent", "900", "12", "950");
    }

    QString path(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }

    void write(const char* name, const QByteArray& content) const
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    QTemporaryDir folder;
};

TEST_F(BudgetFileTest, SavedBudgetOpensAgainSortedInTheChosenOrder)
{
    chooseFromList("FreqPeriod", "     Monthly");
    services.filePicks = {path("Home.BGT")};
    click("FilSave");
    EXPECT_EQ(services.fileRequests, std::vector<int>{FileRequestMode::SaveBudget});
    EXPECT_FALSE(window->isDirty());
    EXPECT_EQ(values.dataFileName, "Home.BGT");
    QFile saved(path("Home.BGT"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), "1\r\n1,\"Wages\",24000,12,22800\r\n1\r\n1,\"Rent\",10800,12,11400\r\n");

    write("Other.BGT", "2\r\n1,\"Zinc\",1,1,1\r\n2,\"Art\",2,1,2\r\n0\r\n");
    services.filePicks = {path("Other.BGT")};
    click("FilOpen");
    EXPECT_TRUE(services.questions.empty());
    EXPECT_EQ(cell("BGrid1", 1, Column::Description), "Art");
    EXPECT_EQ(cell("BGrid1", 2, Column::Amount), "       .08"); // monthly
    EXPECT_TRUE(cell("BGrid2", 1, Column::Description).isEmpty());
    EXPECT_EQ(values.dataFileName, "Other.BGT");
    EXPECT_TRUE(window->isDirty());
    EXPECT_EQ(values.fileMode, 0);
    EXPECT_EQ(services.filesUsed, (std::vector<QString>{path("Home.BGT"), path("Other.BGT")}));
}

struct FailedSaveCase
{
    const char* name;
    const char* pick; // empty: the chooser is cancelled
    std::vector<int> messages;
};

class FailedSaveTest : public BudgetFileTest, public ::testing::WithParamInterface<FailedSaveCase>
{
};

TEST_P(FailedSaveTest, LeavesTheWorksheetUnsaved)
{
    const FailedSaveCase& save = GetParam();
    values.dataFileName = "Home.BGT";
    services.filePicks = {QString::fromLatin1(save.pick)};
    click("FilSave");
    EXPECT_EQ(services.messages, save.messages);
    EXPECT_TRUE(window->isDirty());
    EXPECT_EQ(values.dataFileName, "Home.BGT");

    services.yesNoAnswers = {true};
    click("ExitBudget");
    EXPECT_EQ(services.questions.size(), 1u);
    EXPECT_EQ(host.menusShown, 0);
}

INSTANTIATE_TEST_SUITE_P(Budget, FailedSaveTest,
                         ::testing::Values(FailedSaveCase{"Cancelled", "", {}},
                                           FailedSaveCase{"Unwritable",
                                                          "/nonexistent-folder/Home.BGT",
                                                          {Message::BadBudgetFileName}}),
                         [](const ::testing::TestParamInfo<FailedSaveCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(BudgetFileTest, SaveThatFailsPartWayKeepsThePreviousFileAndSaysSo)
{
    write("Home.BGT", "previous file\r\n");
    values.dataFileName = "Other.BGT";
    SaveFault fault;
    fault.failAt = SaveFault::Step::Rename;
    const ScopedSaveFault failing(fault);
    services.filePicks = {path("Home.BGT")};
    click("FilSave");
    EXPECT_EQ(services.messageTexts,
              std::vector<QString>{" Bad filename, must be in the form MYFILE.BGT\nThe disk is full."});
    EXPECT_TRUE(services.filesUsed.empty()); // later dialogs keep their folder
    EXPECT_EQ(values.dataFileName, "Other.BGT");
    EXPECT_TRUE(window->isDirty());
    QFile previous(path("Home.BGT"));
    ASSERT_TRUE(previous.open(QIODevice::ReadOnly));
    EXPECT_EQ(previous.readAll(), "previous file\r\n");
}

TEST_F(BudgetFileTest, UnreadableFileLeavesTheWorksheetAsItWas)
{
    values.dataFileName = "Home.BGT";
    write("Short.BGT", "3\r\n1,\"One\",1,1,1\r\n2,\"Two\",2,1,2\r\n");
    services.yesNoAnswers = {false}; // drop the unsaved work
    services.filePicks = {path("Short.BGT")};
    click("FilOpen");
    EXPECT_EQ(services.messages, std::vector<int>{Message::FileNotFound});
    EXPECT_EQ(cell("BGrid1", 1, Column::Description), "Wages");
    EXPECT_EQ(cell("BGrid2", 1, Column::Description), "Rent");
    EXPECT_EQ(label("TotInc"), "24,000.00");
    EXPECT_EQ(values.dataFileName, "Home.BGT");
}

TEST_F(BudgetFileTest, OpenAsksBeforeReplacingUnsavedWork)
{
    services.yesNoAnswers = {true}; // go back and save first
    click("FilOpen");
    EXPECT_EQ(services.questions.size(), 1u);
    EXPECT_TRUE(services.fileRequests.empty());
    EXPECT_EQ(window->incomeList().count(), 1);
}

TEST_F(BudgetFileTest, PrinterShowsTheStatementForThePeriodShown)
{
    chooseFromList("FreqPeriod", "     Monthly");
    services.printHeaders = {"Smith family"};
    click("Ptr2");
    ASSERT_EQ(services.previews.size(), 1u);
    const QString& printout = services.previews.front();
    EXPECT_TRUE(printout.startsWith("\n Smith family\n\n                               BUDGET STATEMENT\n"));
    EXPECT_TRUE(printout.contains(" Wages                                 2,000.00        1,900.00\n"));
    EXPECT_TRUE(printout.contains(" Monthly expenses                       $900.00         $950.00\n"));
    EXPECT_TRUE(printout.endsWith("                          $1,100.00             $950.00\n"));

    click("Ptr2"); // the header prompt cancelled
    EXPECT_EQ(services.previews.size(), 1u);
}

TEST_F(BudgetWindowTest, NothingToSaveOrPrintIsRefusedWithoutAsking)
{
    open();
    click("FilSave");
    click("Ptr2");
    EXPECT_EQ(services.messages, (std::vector<int>{Message::NoRecordsToSave, Message::NoDataToPrint}));
    EXPECT_TRUE(services.fileRequests.empty());
}

} // namespace
