// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/planners.h"
#include "core/dates.h"
#include "dialogtesting.h"
#include "mortgage/mortgagefile.h"
#include "mortgage/mortgagewindow.h"
#include "printers.h"
#include "shell/helpcontexts.h"
#include "shell/helpviewer.h"
#include "shell/tallyvaneapp.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace tallyvane;

namespace {

struct MenuCase
{
    const char* name;
    const char* accessKey;
    const char* frameTitle;
    const char* helpAnchor;
    std::int16_t loanKind;
};

class MortgageMenuTest : public ::testing::TestWithParam<MenuCase>
{
protected:
    void SetUp() override
    {
        previousDirectory = QDir::currentPath();
        const QString help = qEnvironmentVariable("TALLYVANE_TEST_DATA") + "/" + HelpFileName;
        ASSERT_TRUE(QFile::copy(help, folder.filePath(HelpFileName)));
    }
    void TearDown() override { QDir::setCurrent(previousDirectory); }

    static void press(TallyvaneApp& app, const char* keys)
    {
        QTest::keySequence(app.frame().windowHandle(), QKeySequence(QString::fromLatin1(keys)));
    }

    QTemporaryDir folder;
    QString previousDirectory;
};

TEST_P(MortgageMenuTest, AccessKeysOpenCalculateAndLeaveTheWindow)
{
    const MenuCase& menuCase = GetParam();
    TallyvaneApp app(folder.path());
    registerPlanners(app);
    app.start();
    QApplication::setActiveWindow(&app.frame());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&app.frame()));

    press(app, menuCase.accessKey);
    ASSERT_TRUE(QTest::qWaitFor([&] { return app.navigator().openPlanner() != nullptr; }));
    auto* window = qobject_cast<MortgageCalc*>(app.navigator().openPlanner());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(app.frame().windowTitle(), menuCase.frameTitle);
    EXPECT_EQ(app.values().loanKind, menuCase.loanKind);
    EXPECT_FALSE(app.menu().isVisible());

    press(app, "Alt+C");
    EXPECT_TRUE(QTest::qWaitFor([&] { return app.values().graphPointCount != 0; }));
    EXPECT_FALSE(window->findChild<QLabel*>("InMonthPI")->text().isEmpty());

    press(app, "Alt+X");
    ASSERT_TRUE(QTest::qWaitFor([&] { return app.menu().isVisible(); }));
    EXPECT_EQ(app.navigator().openPlanner(), nullptr);
    EXPECT_EQ(app.frame().windowTitle(), " Tallyvane Menu");
    EXPECT_TRUE(app.values().resultTable.isEmpty());
    EXPECT_TRUE(app.values().inputValues.empty());
    EXPECT_EQ(app.values().graphPointCount, 0);
    EXPECT_EQ(app.values().plannerMode, 0);

    // Opened again, F1 shows the help at this window's topic.
    press(app, menuCase.accessKey);
    ASSERT_TRUE(QTest::qWaitFor([&] { return app.navigator().openPlanner() != nullptr; }));
    QTest::keyClick(app.navigator().openPlanner(), Qt::Key_F1);
    ASSERT_NE(app.navigator().helpViewer(), nullptr);
    EXPECT_EQ(app.navigator().helpViewer()->currentAnchor(), menuCase.helpAnchor);
}

TEST_F(MortgageMenuTest, FileNamedAtStartOpensItsPlannerWithResultsOrTheMessageOverTheMenu)
{
    const QString loan = folder.filePath(QStringLiteral("Car.uld"));
    MortgagePlan plan;
    plan.loanKind = LoanKind::PersonalLoan;
    plan.principal = Money::fromWhole(20000);
    plan.annualRatePercent = Money::fromRaw(101250);
    plan.termYears = Money::fromWhole(4);
    plan.choices.firstPaymentDate = todayShortText();
    writeMortgageFile(loan, plan);
    TallyvaneApp app(folder.path());
    registerPlanners(app);
    app.start();
    app.navigator().openFile(loan);
    auto* window = qobject_cast<MortgageCalc*>(app.navigator().openPlanner());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(app.frame().windowTitle(), " Loan Tables");
    EXPECT_EQ(window->findChild<QLabel*>("InMonthPI")->text().trimmed(), "$508.45");

    press(app, "Alt+X");
    ASSERT_TRUE(QTest::qWaitFor([&] { return app.menu().isVisible(); }));
    QString shown;
    tallyvane::testing::whenModalShown([&shown](QWidget& message) {
        shown = message.findChild<QPlainTextEdit*>()->toPlainText();
        message.close();
    });
    app.navigator().openFile(folder.filePath(QStringLiteral("missing.UMD")));
    EXPECT_TRUE(shown.startsWith("File not found or wrong format.")) << shown.toStdString();
    EXPECT_EQ(app.navigator().openPlanner(), nullptr);
    EXPECT_TRUE(app.menu().isVisible());
}

INSTANTIATE_TEST_SUITE_P(Menu, MortgageMenuTest,
                         ::testing::Values(MenuCase{"Mortgage", "Alt+M", " Mortgage Tables", "context-30", 1},
                                           MenuCase{"Loans", "Alt+L", " Loan Tables", "context-31", 2}),
                         [](const ::testing::TestParamInfo<MenuCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
