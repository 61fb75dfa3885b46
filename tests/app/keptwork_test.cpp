// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/planners.h"
#include "budget/budgetfile.h"
#include "budget/budgetwindow.h"
#include "core/documentlock.h"
#include "core/messages.h"
#include "core/recoveryfolder.h"
#include "dialogtesting.h"
#include "networth/networthfile.h"
#include "networth/networthwindow.h"
#include "scriptedservices.h"
#include "shell/dialogs/yesnodialog.h"
#include "shell/grid/grid.h"
#include "shell/plannerwindow.h"
#include "shell/tallyvaneapp.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <csignal>
#include <cstdio>

using namespace tallyvane;
using namespace tallyvane::testing;

namespace {

QString sample(const char* name)
{
    return qEnvironmentVariable("TALLYVANE_TEST_DATA") + "/" + name;
}

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void typeKeys(QWidget* control, const QString& keys)
{
    control->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
    QTest::keyClicks(control, keys);
}

class KeptWorkTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        registerPlanners(app);
        app.start();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&app.frame()));
    }
    PlannerWindow& planner() { return *app.navigator().openPlanner(); }
    void click(const char* name) { planner().findChild<QPushButton*>(name)->click(); }
    // An opened budget counts as unsaved; a net worth sheet after a blank line.
    void openUnsaved(const QString& file)
    {
        app.navigator().openFile(file);
        if (file.endsWith(".NWF")) {
            services.insertLines = {"1"};
            click("InsertLiab");
        }
    }

    QTemporaryDir folder;
    ScriptedServices services;
    TallyvaneApp app{folder.path(), &services};
};

// A FIFO named like a planner's file is refused at once, from the command
// line as from a window, instead of waiting for something to write into it.
TEST_F(KeptWorkTest, AFifoNamedLikeAPlannerFileIsRefusedAtOnce)
{
    for (const char* name : {"pipe.BGT", "pipe.NWF", "pipe.UMD", "pipe.ULD"}) {
        const QString pipe = folder.filePath(name);
        ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0644), 0);
        services.messages.clear();
        app.navigator().openFile(pipe);
        ASSERT_FALSE(services.messages.empty()) << name;
        EXPECT_EQ(services.messages.back(), Message::FileNotFound) << name;
    }
}

struct QuestionCase
{
    const char* name;
    const char* file;
    const char* leaveBy; // a button of the planner; nullptr: the frame's close box
    void (*answer)(QWidget& question);
    bool givesUp;
};

class UnsavedQuestionTest : public KeptWorkTest, public ::testing::WithParamInterface<QuestionCase>
{
};

TEST_P(UnsavedQuestionTest, OnlyNoGivesTheWorkUp)
{
    const QuestionCase& c = GetParam();
    openUnsaved(sample(c.file));
    services.realQuestions = true;
    const QString title = app.frame().windowTitle();
    whenModalShown(c.answer);
    if (c.leaveBy)
        click(c.leaveBy);
    else
        app.frame().close();
    QApplication::processEvents();

    ASSERT_EQ(services.questions, std::vector<int>{Question::SaveBeforeErasing});
    EXPECT_EQ(app.frame().isVisible(), !c.givesUp || c.leaveBy);
    if (!c.givesUp) {
        EXPECT_EQ(app.frame().windowTitle(), title);
        EXPECT_TRUE(services.fileRequests.empty()); // Open went back before its chooser
    }
    EXPECT_EQ(app.values().dataFileName.isEmpty(), c.givesUp);
}

void escape(QWidget& question)
{
    QTest::keyClick(&question, Qt::Key_Escape);
}
void closeBox(QWidget& question)
{
    question.close();
}
void enter(QWidget& question)
{
    QTest::keyClick(question.focusWidget(), Qt::Key_Return);
}
void no(QWidget& question)
{
    question.findChild<QPushButton*>("AllNo")->click();
}

INSTANTIATE_TEST_SUITE_P(
    Leaving, UnsavedQuestionTest,
    ::testing::Values(QuestionCase{"BudgetFrameEscape", "Sample.BGT", nullptr, escape, false},
                      QuestionCase{"BudgetFrameCloseBox", "Sample.BGT", nullptr, closeBox, false},
                      QuestionCase{"BudgetExitEnter", "Sample.BGT", "ExitBudget", enter, false},
                      QuestionCase{"BudgetOpenEscape", "Sample.BGT", "FilOpen", escape, false},
                      QuestionCase{"BudgetExitNo", "Sample.BGT", "ExitBudget", no, true},
                      QuestionCase{"NetWorthExitCloseBox", "NetSampl.NWF", "NExit", closeBox, false},
                      QuestionCase{"NetWorthFrameEnter", "NetSampl.NWF", nullptr, enter, false},
                      QuestionCase{"NetWorthFrameNo", "NetSampl.NWF", nullptr, no, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(KeptWorkTest, SessionEndKeepsTheWorkOrGoesBack)
{
    app.keepWorkIn(folder.path(), 600000);
    openUnsaved(sample("NetSampl.NWF"));
    services.yesNoAnswers = {true};
    EXPECT_FALSE(app.sessionGuard()->endSession(true)); // went back: the logout is cancelled
    EXPECT_TRUE(app.sessionGuard()->endSession(false));
    EXPECT_EQ(QDir(folder.path()).entryList({"*-NWF-NetSampl.NWF"}).size(), 1);
    services.yesNoAnswers = {false};
    EXPECT_TRUE(app.sessionGuard()->endSession(true)); // given up: the copy goes too
    EXPECT_TRUE(QDir(folder.path()).entryList({"*-NWF*"}).isEmpty());

    // The mortgage window asks nothing, so nothing was given up: its inputs stay.
    click("NExit");
    app.navigator().choose(MenuChoice::Mortgage);
    typeKeys(planner().findChild<QWidget*>("InPrincipal"), "76543\t");
    EXPECT_TRUE(app.sessionGuard()->endSession(true));
    EXPECT_EQ(QDir(folder.path()).entryList({"*-UMD*"}).size(), 1);
}

TEST_F(KeptWorkTest, AnEarlierCopyIsOpenedRemovedOrMovedAside)
{
    app.keepWorkIn(folder.path(), 600000);
    const QString copy = folder.filePath("00000000000000ab-BGT-Home.BGT");
    for (const bool open : {true, false}) {
        QFile damaged(copy);
        ASSERT_TRUE(damaged.open(QIODevice::WriteOnly) && damaged.write("not a budget") > 0);
        damaged.close();
        services.yesNoAnswers = {open};
        app.offerKeptWork();
        EXPECT_FALSE(QFile::exists(copy));
    }
    EXPECT_EQ(services.questionDetails, (std::vector<QString>{"Budget: Home.BGT", "Budget: Home.BGT"}));
    EXPECT_EQ(services.messages, std::vector<int>{Message::FileNotFound});
    EXPECT_EQ(contentOf(folder.filePath("damaged/00000000000000ab-BGT-Home.BGT")), "not a budget");
}

// The second window of one file: the child process holds it, or held it and died.
class OpenFileTest : public KeptWorkTest
{
protected:
    void SetUp() override
    {
        KeptWorkTest::SetUp();
        app.keepWorkIn(folder.path(), 600000);
        ASSERT_TRUE(QFile::copy(sample("Sample.BGT"), file));
    }
    QString file = folder.filePath("Home.BGT");
    QString lock = DocumentLock::lockPathFor(file);
};

TEST_F(OpenFileTest, ChangedOnDiskAsksBeforeReplacing)
{
    app.navigator().openFile(file);
    QFile changed(file);
    ASSERT_TRUE(changed.open(QIODevice::Append) && changed.write("\r\n") == 2);
    changed.close();
    const QByteArray theirs = contentOf(file);
    for (const bool replace : {false, true}) {
        services.filePicks = {file};
        services.yesNoAnswers = {replace};
        click("FilSave");
        EXPECT_EQ(contentOf(file) == theirs, !replace);
        EXPECT_EQ(static_cast<Budget&>(planner()).isDirty(), !replace);
    }
    EXPECT_EQ(services.questions,
              (std::vector<int>{Question::ReplaceChangedFile, Question::ReplaceChangedFile}));
    // Saved over once asked: the next save writes without a question.
    services.filePicks = {file};
    click("FilSave");
    EXPECT_EQ(services.questions.size(), 2u);
}

// Runs this test program again as the program itself, for a child process
// to type into, end and start again: TALLYVANE_CHILD names the steps.
class ChildRun
{
public:
    ChildRun(const QString& folder, const QString& steps, int delayMs = 600000)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("TALLYVANE_CHILD", steps);
        environment.insert("TALLYVANE_CHILD_FOLDER", folder);
        environment.insert("TALLYVANE_CHILD_DELAY", QString::number(delayMs));
        m_process.setProcessEnvironment(environment);
        m_process.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=KeptWorkChild.Run"});
    }
    ~ChildRun()
    {
        m_process.kill();
        m_process.waitForFinished();
    }
    // What the child reported once it was ready.
    QString report()
    {
        while (!m_output.contains("ready\n") && m_process.waitForReadyRead(20000))
            m_output += m_process.readAllStandardOutput();
        return QString::fromUtf8(m_output);
    }
    bool end(int signalNumber)
    {
        ::kill(static_cast<pid_t>(m_process.processId()), signalNumber);
        return m_process.waitForFinished(20000);
    }

private:
    QProcess m_process;
    QByteArray m_output;
};

TEST_F(OpenFileTest, FileOpenInAnotherProcessAsksFirst)
{
    ChildRun holder(folder.path(), "open:" + file);
    ASSERT_TRUE(holder.report().contains("name=Home.BGT"));
    EXPECT_TRUE(QFile::exists(lock));
    app.navigator().openFile(file); // the question is closed: not opened
    EXPECT_EQ(services.questions, std::vector<int>{Question::OpenFileOpenElsewhere});
    EXPECT_EQ(app.frame().windowTitle(), MenuTitle);
    EXPECT_TRUE(holder.end(SIGTERM));
    EXPECT_FALSE(QFile::exists(lock));
}

TEST_F(OpenFileTest, LockOfADeadProcessIsTakenOver)
{
    {
        ChildRun killed(folder.path(), "open:" + file);
        ASSERT_TRUE(killed.report().contains("name=Home.BGT"));
        ASSERT_TRUE(killed.end(SIGKILL));
    }
    ASSERT_TRUE(QFile::exists(lock));
    app.navigator().openFile(file);
    EXPECT_TRUE(services.questions.empty());
    EXPECT_EQ(app.values().dataFileName, "Home.BGT");
    EXPECT_TRUE(contentOf(lock).startsWith(QByteArray::number(QCoreApplication::applicationPid()) + "\n"));
    services.yesNoAnswers = {false};
    click("ExitBudget");
    EXPECT_FALSE(QFile::exists(lock));
}

struct EndCase
{
    const char* name;
    const char* steps;
    int signalNumber;
    const char* kept;     // in the recovery copy
    const char* reported; // in the reopened work
};

class SessionEndTest : public ::testing::TestWithParam<EndCase>
{
};

TEST_P(SessionEndTest, WorkComesBackAtTheNextStart)
{
    const EndCase& c = GetParam();
    QTemporaryDir recovery;
    {
        // Killed outright only the copy written after the change is left.
        ChildRun first(recovery.path(), c.steps, c.signalNumber == SIGKILL ? 50 : 600000);
        ASSERT_TRUE(first.report().contains("unsaved=1"));
        if (c.signalNumber == SIGKILL) {
            ASSERT_TRUE(
                QTest::qWaitFor([&] { return QDir(recovery.path()).entryList(QDir::Files).size() > 1; }));
        }
        ASSERT_TRUE(first.end(c.signalNumber));
    }
    const QStringList copies = QDir(recovery.path()).entryList({"*-???"}, QDir::Files);
    ASSERT_EQ(copies.size(), 1);
    EXPECT_TRUE(contentOf(recovery.filePath(copies.front())).contains(c.kept));

    ChildRun second(recovery.path(), "yes");
    const QString report = second.report();
    EXPECT_TRUE(report.contains("question=5")) << report.toStdString();
    EXPECT_TRUE(report.contains("unsaved=1"));
    EXPECT_TRUE(report.contains(c.reported));
}

INSTANTIATE_TEST_SUITE_P(
    Ends, SessionEndTest,
    ::testing::Values(EndCase{"BudgetTerm", "budget", SIGTERM, "Rent", "Rent"},
                      EndCase{"BudgetHangUp", "budget", SIGHUP, "Rent", "Rent"},
                      EndCase{"NetWorthTerm", "networth", SIGTERM, "House", "House"},
                      EndCase{"MortgageInterrupt", "mortgage", SIGINT, "76543", "76,543.00"},
                      EndCase{"BudgetKilledAfterTheCopy", "budget", SIGKILL, "Rent", "Rent"}),
    [](const auto& info) { return std::string(info.param.name); });

// The child's side of ChildRun; skipped in a normal run.
TEST(KeptWorkChild, Run)
{
    const QStringList steps = qEnvironmentVariable("TALLYVANE_CHILD").split(',');
    if (steps.front().isEmpty())
        GTEST_SKIP();
    QTemporaryDir programFolder;
    ScriptedServices services;
    TallyvaneApp app(programFolder.path(), &services);
    registerPlanners(app);
    app.keepWorkIn(qEnvironmentVariable("TALLYVANE_CHILD_FOLDER"),
                   qEnvironmentVariableIntValue("TALLYVANE_CHILD_DELAY"));
    app.start();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&app.frame()));
    for (const QString& step : steps) {
        if (step == "yes")
            services.yesNoAnswers.push_back(true);
        if (step.startsWith("open:"))
            app.navigator().openFile(step.mid(5));
        if (step == "budget") {
            app.navigator().choose(MenuChoice::Budget);
            auto* window = app.navigator().openPlanner();
            for (const auto& [box, keys] :
                 {std::pair{"InIncDesc", "Rent"}, {"InIncAmt", "1000"}, {"InIncFreq", "12"}})
                typeKeys(window->findChild<QWidget*>(box), keys);
            window->findChild<QPushButton*>("AddIncome1")->click();
        }
        if (step == "mortgage") {
            app.navigator().choose(MenuChoice::Mortgage);
            typeKeys(app.navigator().openPlanner()->findChild<QWidget*>("InPrincipal"), "76543\t");
        }
        if (step == "networth") {
            app.navigator().choose(MenuChoice::NetWorth);
            auto* grid = app.navigator().openPlanner()->findChild<Grid*>("NGrid1");
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                              grid->visualRect(grid->model()->index(0, 0)).center());
            QTest::keyClicks(grid, "House");
        }
    }
    app.offerKeptWork();
    QByteArray content;
    bool unsaved = false;
    if (auto* budget = qobject_cast<Budget*>(app.navigator().openPlanner())) {
        content = budgetFileContent(budget->incomeList(), budget->expenseList());
        unsaved = budget->isDirty();
    } else if (auto* netWorth = qobject_cast<NetWorthCalc*>(app.navigator().openPlanner())) {
        content = netWorthFileContent(netWorth->sheet());
        unsaved = netWorth->isUnsaved();
    } else if (auto* mortgage = app.navigator().openPlanner()) {
        content = mortgage->findChild<QLineEdit*>("InPrincipal")->text().toUtf8();
        unsaved = true; // asked for by the recovery question alone
    }
    std::printf("question=%d unsaved=%d name=%s content=%s\nready\n",
                services.questions.empty() ? 0 : services.questions.front(), unsaved,
                qPrintable(app.values().dataFileName), content.constData());
    std::fflush(stdout);
    QApplication::exec();
}

} // namespace
