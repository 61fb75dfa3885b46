// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/messages.h"
#include "core/settingsfile.h"
#include "dialogtesting.h"
#include "scriptedservices.h"
#include "shell/dialogs/personalizedialog.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tallyvane {
namespace {

class PersonalizeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
        values.currencySymbol = QStringLiteral("$");
        values.userName = QStringLiteral("Ann");
        values.prtFontChoice = 0;
    }

    // Opens the window, lets `use` work it, and leaves by "E&xit to Menu".
    template <typename Use> void personalize(Use use)
    {
        ChangeFnt window(values, services, nullptr);
        ASSERT_TRUE(testing::showActive(window));
        use(window);
        testing::closeWith(window, "ExitFonts");
    }

    static void type(QWidget& window, const char* box, const QString& keys)
    {
        auto* edit = window.findChild<QLineEdit*>(QLatin1String(box));
        QTest::mouseClick(edit, Qt::LeftButton);
        QTest::keyClicks(edit, keys);
    }

    QByteArray savedSettings() const
    {
        QFile file(userSettingsPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir config;
    SharedValues values;
    testing::ScriptedServices services;
};

TEST_F(PersonalizeTest, FontTakesEffectAtOnceAndEverythingIsSavedOnLeaving)
{
    personalize([this](QWidget& window) {
        QTest::mouseClick(window.findChild<QRadioButton*>("PtrFt2"), Qt::LeftButton, {}, QPoint(6, 6));
        EXPECT_EQ(values.prtFontChoice, 2);
        type(window, "InCurrency", QStringLiteral("EUR"));
        type(window, "InMyName", QStringLiteral(" Lee"));
    });
    EXPECT_EQ(savedSettings(), "\"EU\",2,\"Ann Lee\"\r\n");
    EXPECT_EQ(values.currencySymbol, "EU");
    EXPECT_EQ(values.userName, "Ann Lee");
}

TEST_F(PersonalizeTest, EmptySymbolIsSavedEmptyAndComesBackAsDollar)
{
    personalize([](QWidget& window) { type(window, "InCurrency", QString()); });
    EXPECT_EQ(savedSettings(), "\"\",0,\"Ann\"\r\n");
    EXPECT_EQ(values.currencySymbol, "");

    // A later start: the program's own folder may be read-only, the user's
    // settings still come back.
    SharedValues restarted;
    QTemporaryDir programFolder;
    EXPECT_TRUE(readSettings(programFolder.path(), restarted));
    EXPECT_EQ(restarted.currencySymbol, "$");
    EXPECT_EQ(restarted.userName, "Ann");
}

TEST_F(PersonalizeTest, ASaveThatFailsIsReported)
{
    const QString folder = config.filePath(QStringLiteral("tallyvane"));
    ASSERT_TRUE(QDir().mkpath(folder));
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    personalize([](QWidget&) {});
    EXPECT_EQ(services.messages, std::vector<int>{Message::SettingsNotSaved});
    EXPECT_TRUE(services.messageTexts.front().endsWith("tallyvane/Personal.tvp"));
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST_F(PersonalizeTest, ClipboardTextSurvivesItsBoxes)
{
    QApplication::clipboard()->setText("copied elsewhere");
    personalize([](QWidget& window) { type(window, "InCurrency", "EUR"); });
    EXPECT_EQ(QApplication::clipboard()->text(), "copied elsewhere");
}

} // namespace
} // namespace tallyvane
