// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/planners.h"
#include "budget/budgetwindow.h"
#include "printers.h"
#include "shell/helpcontexts.h"
#include "shell/helpviewer.h"
#include "shell/tallyvaneapp.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace tallyvane;

namespace {

class BudgetMenuTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        previousDirectory = QDir::currentPath();
        for (const char* name : {HelpFileName, "Sample.BGT"})
            ASSERT_TRUE(QFile::copy(qEnvironmentVariable("TALLYVANE_TEST_DATA") + "/" + name,
                                    folder.filePath(QString::fromLatin1(name))));
        registerPlanners(app);
        app.start();
        QApplication::setActiveWindow(&app.frame());
        ASSERT_TRUE(QTest::qWaitForWindowActive(&app.frame()));
    }
    void TearDown() override { QDir::setCurrent(previousDirectory); }

    void press(const char* keys)
    {
        QTest::keySequence(app.frame().windowHandle(), QKeySequence(QString::fromLatin1(keys)));
    }

    QTemporaryDir folder;
    QString previousDirectory;
    TallyvaneApp app{folder.path()};
};

TEST_F(BudgetMenuTest, MenuOpensTheWorksheetAndF1ShowsItsHelp)
{
    press("Alt+B");
    ASSERT_TRUE(QTest::qWaitFor([&] { return app.navigator().openPlanner() != nullptr; }));
    ASSERT_NE(qobject_cast<Budget*>(app.navigator().openPlanner()), nullptr);
    EXPECT_EQ(app.frame().windowTitle(), " Budget Calculations");
    QTest::keyClick(app.navigator().openPlanner(), Qt::Key_F1);
    ASSERT_NE(app.navigator().helpViewer(), nullptr);
    EXPECT_EQ(app.navigator().helpViewer()->currentAnchor(), "context-10");
}

TEST_F(BudgetMenuTest, BudgetFileNamedAtStartOpensTheWorksheetWithIt)
{
    app.navigator().openFile(folder.filePath("Sample.BGT"));
    auto* window = qobject_cast<Budget*>(app.navigator().openPlanner());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->incomeList().count(), 4);
    EXPECT_EQ(window->expenseList().count(), 10);
    EXPECT_EQ(app.values().dataFileName, "Sample.BGT");
}

} // namespace
