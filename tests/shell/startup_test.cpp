// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settingsfile.h"
#include "dialogtesting.h"
#include "shell/datafolder.h"
#include "shell/helpcontexts.h"
#include "shell/helpviewer.h"
#include "shell/navigator.h"
#include "shell/plannerwindow.h"
#include "shell/tallyvaneapp.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

using namespace tallyvane;

namespace {

class BarePlanner : public PlannerWindow
{
public:
    BarePlanner(SharedValues& values, UiServices& services, PlannerHost& host)
        : PlannerWindow(values, services, host, {QStringLiteral(" Mortgage Tables"), HelpContext::Mortgage})
    {
    }
};

class StartupTest : public ::testing::Test
{
protected:
    void SetUp() override { previousDirectory = QDir::currentPath(); }
    void TearDown() override { QDir::setCurrent(previousDirectory); }

    void writeSettings(const QByteArray& content)
    {
        QFile file(folder.filePath(QString::fromLatin1(SettingsFileName)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    void copyHelpFile()
    {
        const QString source = qEnvironmentVariable("TALLYVANE_TEST_DATA") + "/" + HelpFileName;
        ASSERT_TRUE(QFile::copy(source, folder.filePath(HelpFileName)));
    }

    QTemporaryDir folder;
    QString previousDirectory;
};

TEST_F(StartupTest, WithoutSettingsTheMenuShowsNoNameAndDefaultsApply)
{
    TallyvaneApp app(folder.path());
    app.start();
    EXPECT_EQ(app.frame().windowTitle(), " Tallyvane Menu");
    // Nothing relative may ever land in the program's folder.
    EXPECT_EQ(QDir::currentPath(), previousDirectory);
    EXPECT_EQ(app.values().currencySymbol, "$");
    EXPECT_EQ(app.values().prtFontChoice, 0);
    EXPECT_EQ(app.values().pageLines, DefaultPageLines);
    EXPECT_FALSE(app.menu().nameLabel()->isVisible());
    EXPECT_FALSE(app.values().todayText.isEmpty());
    EXPECT_EQ(app.values().frameHeightMark,
              frameHeightMarkFor(pixelsToTwips(app.frame().height(), app.frame().dotsPerInch())));
}

TEST_F(StartupTest, SettingsFileGivesSymbolFontAndName)
{
    writeSettings("\"EUR\",2,\"Jane Sample\"\r\n");
    TallyvaneApp app(folder.path());
    app.start();
    EXPECT_EQ(app.values().currencySymbol, "EUR");
    EXPECT_EQ(app.values().prtFontChoice, 2);
    EXPECT_EQ(app.values().pageLines, 0);
    EXPECT_TRUE(app.menu().nameLabel()->isVisible());
    EXPECT_EQ(app.menu().nameLabel()->text(), "Jane Sample");
}

TEST_F(StartupTest, MenuButtonsCarryTheirCaptions)
{
    TallyvaneApp app(folder.path());
    const std::pair<MenuChoice, const char*> captions[] = {
        {MenuChoice::NetWorth, "&Net Worth"},
        {MenuChoice::Loans, "Planning your &Loans"},
        {MenuChoice::Budget, "Planning your &Budget"},
        {MenuChoice::Personalize, "Personali&ze Settings"},
        {MenuChoice::Exit, "E&xit from Program"},
        {MenuChoice::HowTo, "&How to Use the Program"},
        {MenuChoice::Mortgage, "Planning your &Mortgage"},
        {MenuChoice::Savings, "Planning your &Savings"},
    };
    for (const auto& [choice, caption] : captions)
        EXPECT_EQ(app.menu().button(choice)->text(), caption);
}

TEST_F(StartupTest, ExitButtonAsksTheProgramToEnd)
{
    TallyvaneApp app(folder.path());
    app.start();
    // Only the request is checked: a real exit would end every later test's
    // dialogs at once.
    QObject::disconnect(&app.navigator(), &Navigator::exitRequested, nullptr, nullptr);
    QSignalSpy exitSpy(&app.navigator(), &Navigator::exitRequested);
    app.menu().button(MenuChoice::Exit)->click();
    EXPECT_EQ(exitSpy.count(), 1);
}

TEST_F(StartupTest, AccessKeysWorkFromTheKeyboard)
{
    TallyvaneApp app(folder.path());
    app.start();
    QApplication::setActiveWindow(&app.frame());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&app.frame()));
    QObject::disconnect(&app.navigator(), &Navigator::exitRequested, nullptr, nullptr);
    QSignalSpy exitSpy(&app.navigator(), &Navigator::exitRequested);
    QTest::keySequence(app.frame().windowHandle(), QKeySequence(QStringLiteral("Alt+X")));
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return exitSpy.count() == 1; })); // access keys click after a short flash
}

TEST_F(StartupTest, HowToOpensTheHelpAtTheMenuTopic)
{
    copyHelpFile();
    TallyvaneApp app(folder.path());
    app.start();
    app.menu().button(MenuChoice::HowTo)->click();
    HelpViewer* viewer = app.navigator().helpViewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_EQ(viewer->currentAnchor(), "context-2");
    EXPECT_TRUE(viewer->browser()->toPlainText().contains("How to Use Tallyvane"));
    EXPECT_TRUE(app.menu().isVisible());

    QApplication::setActiveWindow(viewer);
    ASSERT_TRUE(QTest::qWaitForWindowActive(viewer));
    QTest::keyClick(viewer->browser(), Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !app.navigator().helpViewer() || !viewer->isVisible(); }));
}

TEST_F(StartupTest, InstalledProgramFindsItsHelpInItsDataFolder)
{
    ASSERT_TRUE(QDir(folder.path()).mkpath("bin") && QDir(folder.path()).mkpath("share/tallyvane"));
    const QString source = qEnvironmentVariable("TALLYVANE_TEST_DATA") + "/" + HelpFileName;
    ASSERT_TRUE(QFile::copy(source, folder.filePath(QStringLiteral("share/tallyvane/") + HelpFileName)));
    EXPECT_EQ(dataFolder(folder.filePath("bin")), folder.filePath("share/tallyvane"));

    TallyvaneApp app(folder.filePath("bin"));
    app.start();
    app.navigator().showHelp(HelpContext::Menu);
    ASSERT_NE(app.navigator().helpViewer(), nullptr);
    EXPECT_TRUE(app.navigator().helpViewer()->browser()->toPlainText().contains("How to Use Tallyvane"));
}

TEST_F(StartupTest, PlannerReplacesTheMenuUntilItReturns)
{
    TallyvaneApp app(folder.path());
    PlannerHost* host = nullptr;
    app.navigator().registerPlanner(MenuChoice::Mortgage, ChildKind::MortgagePlanner, [&](PlannerHost& h) {
        host = &h;
        return new BarePlanner(app.values(), app.services(), h);
    });
    app.start();

    app.menu().button(MenuChoice::Mortgage)->click();
    EXPECT_EQ(app.values().loanKind, 1);
    EXPECT_FALSE(app.menu().isVisible());
    EXPECT_EQ(app.frame().windowTitle(), " Mortgage Tables");
    ASSERT_NE(app.navigator().openPlanner(), nullptr);
    EXPECT_EQ(app.navigator().activeHelpContext(), HelpContext::Mortgage);

    host->returnToMenu();
    QApplication::processEvents();
    EXPECT_TRUE(app.menu().isVisible());
    EXPECT_EQ(app.frame().windowTitle(), " Tallyvane Menu");
    EXPECT_EQ(app.values().loanKind, 0);
    EXPECT_EQ(app.navigator().activeHelpContext(), HelpContext::Menu);
}

TEST_F(StartupTest, PersonalizeChangesTheNameOnTheMenu)
{
    qputenv("XDG_CONFIG_HOME", folder.filePath(QStringLiteral("config")).toUtf8());
    TallyvaneApp app(folder.path());
    app.start();
    tallyvane::testing::whenModalShown([](QWidget& window) {
        auto* name = window.findChild<QLineEdit*>(QStringLiteral("InMyName"));
        name->setFocus();
        QTest::keyClicks(name, "Ann");
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("ExitFonts")), Qt::LeftButton);
    });
    app.menu().button(MenuChoice::Personalize)->click();
    EXPECT_EQ(app.menu().nameLabel()->text().trimmed(), "Ann");
    EXPECT_TRUE(QFile::exists(userSettingsPath()));
}

TEST_F(StartupTest, F1InPersonalizeOpensItsTopic)
{
    copyHelpFile();
    qputenv("XDG_CONFIG_HOME", folder.filePath(QStringLiteral("config")).toUtf8());
    TallyvaneApp app(folder.path());
    app.start();
    QString shownTopic;
    tallyvane::testing::whenModalShown([&](QWidget& window) {
        QTest::keyClick(window.findChild<QLineEdit*>(QStringLiteral("InMyName")), Qt::Key_F1);
        if (HelpViewer* viewer = app.navigator().helpViewer())
            shownTopic = viewer->currentAnchor();
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("ExitFonts")), Qt::LeftButton);
    });
    app.menu().button(MenuChoice::Personalize)->click();
    EXPECT_EQ(shownTopic, "context-60");
}

TEST_F(StartupTest, UnbuiltPlannerButtonsDoNothing)
{
    TallyvaneApp app(folder.path());
    app.start();
    app.menu().button(MenuChoice::Budget)->click();
    EXPECT_TRUE(app.menu().isVisible());
    EXPECT_EQ(app.navigator().openPlanner(), nullptr);
}

} // namespace
