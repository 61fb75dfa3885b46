// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dates.h"
#include "core/documentlock.h"
#include "core/messages.h"
#include "core/savefault.h"
#include "mortgage/mortgagefile.h"
#include "mortgage/mortgagegridmodel.h"
#include "mortgage/mortgagewindowmode.h"
#include "mortgagewindowdriver.h"
#include "shell/dialogs/yesnodialog.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>
#include <QTemporaryDir>

#include <sys/stat.h>

#include <tuple>

using namespace tallyvane;
using namespace tallyvane::testing;

namespace {

class MortgageFilesTest : public MortgageWindowTest
{
protected:
    QString path(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }

    // Every text the window shows for its results, grid included.
    QStringList shownResults() const
    {
        QStringList shown;
        for (const char* name : {"InMonthPI", "PeriodicR", "InDays", "EndMortYear", "AllPayments", "TotSavd",
                                 "PPpercent", "Label16"})
            shown << child<QLabel>(name)->text();
        for (int row = 0; row < gridModel()->rowCount(); ++row)
            for (int column = 0; column < MortgageGridModel::ColumnCount; ++column)
                shown << cell(row, column);
        return shown;
    }

    void saveAs(const QString& file)
    {
        services.filePicks.push_back(file);
        click("MSaveFile");
    }

    QTemporaryDir folder;
};

MortgagePlan everyChoiceMade()
{
    MortgagePlan plan;
    plan.principal = Money::fromWhole(150000);
    plan.annualRatePercent = Money::fromWhole(7);
    plan.termYears = Money::fromWhole(20);
    plan.paymentKind = PaymentKind::BiweeklyAccelerated;
    plan.view = AmortizationView::AllPayments;
    plan.choices.showDates = true;
    plan.choices.firstPaymentDate = shortDateText(QDate(2027, 1, 15));
    plan.choices.daysInYearChoice = 2;
    plan.choices.paymentIncrease = 0.05f;
    plan.choices.additionalPayments.setAmount(3, Money::fromWhole(2000));
    plan.choices.additionalCount = 1;
    plan.choices.yearRows = 20;
    return plan;
}

TEST_F(MortgageFilesTest, SavedMortgageReopensToTheSameTable)
{
    writeMortgageFile(path("first.UMD"), everyChoiceMade());
    open(LoanKind::Mortgage);
    ASSERT_TRUE(window->openFile(path("first.UMD")));
    const QStringList calculated = shownResults();
    ASSERT_FALSE(label("InMonthPI").isEmpty());
    EXPECT_EQ(values.mortFileName, "first.UMD");

    saveAs(path("again.UMD"));
    EXPECT_EQ(values.mortFileName, "again.UMD");
    open(LoanKind::Mortgage);
    ASSERT_TRUE(window->openFile(path("again.UMD")));
    EXPECT_EQ(shownResults(), calculated);
    EXPECT_TRUE(window->state().showDates);
    EXPECT_EQ(window->state().additionalCount, 1);
    EXPECT_TRUE(child<QRadioButton>("Option1")->isChecked());
}

TEST_F(MortgageFilesTest, FiftyMonthLoanIsSavedInYearsAndReopensAsFiftyMonths)
{
    open(LoanKind::PersonalLoan);
    typeInto("InTerm", QStringLiteral("50"));
    click("MCalc");
    saveAs(path("car.ULD"));
    QFile saved(path("car.ULD"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readLine().split(',').at(2), "4.1667");

    open(LoanKind::PersonalLoan);
    ASSERT_TRUE(window->openFile(path("car.ULD")));
    EXPECT_EQ(list("InTerm")->currentText().trimmed(), "50");
    EXPECT_EQ(label("EndMortYear"), "50.00");
}

TEST_F(MortgageFilesTest, DaysChoiceFourOpensAsTheFirstRow)
{
    MortgagePlan plan = everyChoiceMade();
    QByteArray content = mortgageFileContent(plan);
    // Show dates, days choice, view, year rows, additional count, mode.
    ASSERT_TRUE(content.contains(",1,2,2,20,1,1,"));
    content.replace(",1,2,2,20,1,1,", ",1,4,2,20,1,1,");
    QFile file(path("old.UMD"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    open(LoanKind::Mortgage);
    ASSERT_TRUE(window->openFile(path("old.UMD")));
    EXPECT_EQ(window->state().daysInYearChoice, 0);
    EXPECT_EQ(label("InDays"), "365.25");
}

TEST_F(MortgageFilesTest, UnreadableFilesLeaveTheWindowAsItWas)
{
    const QByteArray good = mortgageFileContent(everyChoiceMade());
    open(LoanKind::Mortgage);
    click("MCalc");
    values.mortFileName = QStringLiteral("Home.UMD");
    const QStringList before = shownResults();
    for (const QByteArray& broken : {good.left(good.size() / 2), QByteArray(good).replace("150000", "lots"),
                                     QByteArray(good).replace(",2000", ",-500")}) {
        QFile file(path("broken.UMD"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(broken);
        file.close();
        services.filePicks.push_back(path("broken.UMD"));
        click("MLoadFile");
        EXPECT_EQ(services.messages.back(), Message::FileNotFound);
        EXPECT_EQ(shownResults(), before);
        EXPECT_EQ(child<QLineEdit>("InPrincipal")->text().trimmed(), "$100,000.00");
    }
    EXPECT_TRUE(values.mortFileName.isEmpty());
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("pipe.UMD")).constData(), 0644), 0);
    EXPECT_FALSE(window->openFile(path("pipe.UMD"))); // at once, not waiting for a writer
}

// A file of the other kind turns the window into that kind's window: every
// caption and figure shown is what the window of the file's own kind shows.
TEST_F(MortgageFilesTest, FileOfTheOtherKindSwitchesTheWindowToTheFilesMode)
{
    const auto everythingShown = [this] {
        QStringList shown = shownResults();
        for (const char* name : {"Label1", "Label2", "Label3", "Label8", "Label11"})
            shown << child<QLabel>(name)->text();
        shown << list("InTerm")->currentText() << window->windowTitle() << host.frameTitle;
        for (int index = 0; index < list("InTerm")->count(); ++index)
            shown << list("InTerm")->itemText(index);
        return shown;
    };
    MortgagePlan loan = everyChoiceMade();
    loan.loanKind = LoanKind::PersonalLoan;
    loan.termYears = *Money::fromDecimalText("4.1667");
    writeMortgageFile(path("car.ULD"), loan);
    writeMortgageFile(path("home.UMD"), everyChoiceMade());
    for (const auto& [file, fileKind, otherKind] :
         {std::tuple{"car.ULD", LoanKind::PersonalLoan, LoanKind::Mortgage},
          std::tuple{"home.UMD", LoanKind::Mortgage, LoanKind::PersonalLoan}}) {
        open(fileKind);
        ASSERT_TRUE(window->openFile(path(file)));
        const QStringList ownWindow = everythingShown();
        open(otherKind);
        ASSERT_TRUE(window->openFile(path(file)));
        EXPECT_EQ(everythingShown(), ownWindow) << file;
        EXPECT_EQ(values.loanKind, static_cast<std::int16_t>(fileKind));
        EXPECT_EQ(window->helpContext(), mortgageWindowMode(fileKind).helpContext);
    }
    EXPECT_EQ(list("InTerm")->currentText().trimmed(), "20");
}

TEST_F(MortgageFilesTest, FirstPaymentDateAndDaysChoiceLastForTheProgramRun)
{
    writeMortgageFile(path("first.UMD"), everyChoiceMade());
    open(LoanKind::Mortgage);
    ASSERT_TRUE(window->openFile(path("first.UMD")));
    open(LoanKind::PersonalLoan);
    EXPECT_EQ(window->state().firstPaymentDate, shortDateText(QDate(2027, 1, 15)));
    EXPECT_EQ(window->state().daysInYearChoice, 2);
}

TEST_F(MortgageFilesTest, SaveNeedsResultsAndACancelWritesNothing)
{
    open(LoanKind::Mortgage);
    click("MSaveFile");
    EXPECT_EQ(services.messages, std::vector<int>{Message::NoRecords});
    click("MCalc");
    click("MSaveFile"); // no name scripted: cancelled
    EXPECT_EQ(services.fileRequests.back(), 6);
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

// Terms no file the program writes holds, too far out for the loan
// window's months: they open as a typed term would.
TEST_F(MortgageFilesTest, TermsFarOutOpenAsTheLimitOrAsNone)
{
    for (const auto& [kind, limit] :
         {std::pair{LoanKind::Mortgage, "40"}, std::pair{LoanKind::PersonalLoan, "480"}}) {
        MortgagePlan plan = everyChoiceMade();
        plan.loanKind = kind;
        plan.termYears = *Money::fromDecimalText("922337203685477");
        writeMortgageFile(path("far.UMD"), plan);
        services.messages.clear();
        open(kind);
        ASSERT_TRUE(window->openFile(path("far.UMD")));
        EXPECT_EQ(services.messages, std::vector<int>{Message::FortyYearsLimit});
        EXPECT_EQ(list("InTerm")->currentText().trimmed(), limit);
        EXPECT_EQ(values.inputValues.at(3), Money::fromWhole(40));

        plan.termYears = -plan.termYears;
        writeMortgageFile(path("far.UMD"), plan);
        ASSERT_TRUE(window->openFile(path("far.UMD")));
        EXPECT_LE(values.inputValues.at(3), Money());
    }
}

TEST_F(MortgageFilesTest, FailedSaveSaysSoAndKeepsThePreviousFileAndName)
{
    const QByteArray previous("previous file\r\n");
    for (const SaveFault::Step step :
         {SaveFault::Step::Write, SaveFault::Step::Flush, SaveFault::Step::Rename}) {
        open(LoanKind::Mortgage);
        click("MCalc");
        values.mortFileName = QStringLiteral("Home.UMD");
        QFile file(path("Other.UMD"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(previous);
        file.close();
        {
            SaveFault fault;
            fault.failAt = step;
            fault.bytesBeforeFailure = 20;
            const ScopedSaveFault failing(fault);
            saveAs(path("Other.UMD"));
        }
        ASSERT_FALSE(services.messageTexts.empty());
        EXPECT_EQ(services.messageTexts.back(),
                  "Bad Filename. Must be in the form MYFILE.UMD\nThe disk is full.");
        EXPECT_EQ(values.mortFileName, "Home.UMD");
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), previous);
        file.close();
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"Other.UMD"});
    }
}

TEST_F(MortgageFilesTest, ToPrinterAsksTheHeaderAndShowsThePreview)
{
    open(LoanKind::Mortgage);
    click("MPrinter");
    EXPECT_EQ(services.messages, std::vector<int>{Message::NoDataToPrint});
    click("MCalc");
    click("MPrinter"); // header cancelled
    EXPECT_TRUE(services.previews.empty());
    services.printHeaders.push_back(QStringLiteral("Smith family"));
    click("MPrinter");
    ASSERT_EQ(services.previews.size(), 1u);
    EXPECT_TRUE(services.previews.front().startsWith("\n Smith family\n"))
        << services.previews.front().toStdString();
    EXPECT_TRUE(services.previews.front().contains("Mortgage Table"));
}

TEST_F(MortgageFilesTest, TheFileOpenHereIsLockedAndStamped)
{
    values.recoveryFolder = path("kept"); // where work is kept, files are locked
    writeMortgageFile(path("home.UMD"), everyChoiceMade());
    QProcess other; // a running copy holds the file, as its lock says
    other.start("sleep", {"600"});
    QFile lock(DocumentLock::lockPathFor(path("home.UMD")));
    ASSERT_TRUE(other.waitForStarted() && lock.open(QIODevice::WriteOnly) &&
                lock.write(QByteArray::number(other.processId()) + "\nsleep\n\n") > 0 && lock.flush());
    open(LoanKind::Mortgage);
    services.filePicks = {path("home.UMD"), path("home.UMD"), path("home.UMD")};
    click("MLoadFile"); // every question is closed, which answers No
    EXPECT_EQ(child<QLineEdit>("InPrincipal")->text().trimmed(), "$100,000.00");
    other.close(); // dead, its lock left behind
    click("MLoadFile");
    EXPECT_TRUE(DocumentLock::isHeldElsewhere(path("home.UMD"))); // by this window now
    writeMortgageFile(path("home.UMD"), {});                      // another program saves over it
    click("MSaveFile");
    EXPECT_EQ(readMortgageFile(path("home.UMD")).principal, Money());
    EXPECT_EQ(services.questions,
              (std::vector{Question::OpenFileOpenElsewhere, Question::ReplaceChangedFile}));
    click("MExit");
    EXPECT_FALSE(lock.exists());
}

} // namespace
