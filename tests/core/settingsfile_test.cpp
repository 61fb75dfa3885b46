// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settingsfile.h"
#include "printers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

namespace tallyvane {
namespace {

struct SettingsCase
{
    const char* name;
    const char* content; // nullptr: no file at all
    bool complete;
    const char* currency;
    std::int16_t fontChoice;
    const char* userName;
    std::int16_t pageLines;
};

class SettingsFile : public testing::TestWithParam<SettingsCase>
{
};

TEST_P(SettingsFile, ReadsWhatItCanAndFallsBackToDefaults)
{
    const SettingsCase& c = GetParam();
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QString::fromLatin1(SettingsFileName));
    if (c.content) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.content);
    }
    SharedValues values;
    EXPECT_EQ(readSettingsFile(path, values), c.complete);
    EXPECT_EQ(values.currencySymbol, QString::fromUtf8(c.currency));
    EXPECT_EQ(values.prtFontChoice, c.fontChoice);
    EXPECT_EQ(values.userName, QString::fromUtf8(c.userName));
    EXPECT_EQ(values.pageLines, c.pageLines);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, SettingsFile,
    testing::Values(
        SettingsCase{"Complete", "\"\u20ac\",2,\"Ann Lee\"\r\n", true, "\u20ac", 2, "Ann Lee", 0},
        SettingsCase{"LineFeedOnlyAndBlanks", "  \"Fr\" , 3 ,  \"Jo\"\n", true, "Fr", 3, "Jo", 0},
        SettingsCase{"NoLineEnd", "\"$\",1,\"Bo\"", true, "$", 1, "Bo", 0},
        SettingsCase{"ExtraFieldsIgnored", "\"$\",0,\"Bo\",\"more\",7\r\nnext line", true, "$", 0, "Bo", 0},
        SettingsCase{"NoFile", nullptr, false, "$", 0, "", 53},
        SettingsCase{"EmptyFile", "", false, "$", 0, "", 53},
        SettingsCase{"EmptyCurrencyGivesDollar", "\"\",1,\"Bo\"\r\n", true, "$", 1, "Bo", 0},
        SettingsCase{"EmptyUnquotedCurrency", ",1,\"Bo\"\r\n", true, "$", 1, "Bo", 0},
        SettingsCase{"EmptyName", "\"$\",1,\"\"\r\n", true, "$", 1, "", 0},
        SettingsCase{"EmptyFontField", "\"$\",,\"Bo\"\r\n", true, "$", 0, "Bo", 0},
        SettingsCase{"OnlyFirstField", "\"\u00a3\"\r\n", false, "\u00a3", 0, "", 53},
        SettingsCase{"MissingName", "\"\u00a3\",3\r\n", false, "\u00a3", 3, "", 53},
        SettingsCase{"QuotedFontChoice", "\"$\",\"2\",\"Bo\"\r\n", false, "$", 0, "", 53},
        SettingsCase{"WordForFontChoice", "\"$\",large,\"Bo\"\r\n", false, "$", 0, "", 53},
        SettingsCase{"FractionalFontChoice", "\"$\",1.5,\"Bo\"\r\n", false, "$", 0, "", 53},
        SettingsCase{"FontChoiceTooHigh", "\"$\",4,\"Bo\"\r\n", false, "$", 0, "", 53},
        SettingsCase{"FontChoiceNegative", "\"$\",-1,\"Bo\"\r\n", false, "$", 0, "", 53},
        SettingsCase{"FontChoiceHuge", "\"$\",99999999999999999999999,\"Bo\"\r\n", false, "$", 0, "", 53},
        SettingsCase{"UnquotedNameTaken", "\"$\",0,Bo Smith\r\n", true, "$", 0, "Bo Smith", 0},
        SettingsCase{"MissingClosingQuote", "\"$\",0,\"Bo\r\n", false, "$", 0, "", 53},
        SettingsCase{"Windows1252Text", "\"\x80\",1,\"Zo\xeb\"\r\n", true, "\u20ac", 1, "Zo\u00eb", 0},
        SettingsCase{"BinaryJunk", "\xff\xfe,,", false, "\u00ff\u00fe", 0, "", 53}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SettingsFileRoundTrip, WrittenSettingsReadBack)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QString::fromLatin1(SettingsFileName));
    SharedValues written;
    written.currencySymbol = QStringLiteral("CHF");
    written.prtFontChoice = 3;
    written.userName = QStringLiteral("Zo\u00eb O'Neil, Jr.");
    ASSERT_TRUE(writeSettingsFile(path, written));

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("\"CHF\",3,\"Zo\xc3\xab O'Neil, Jr.\"\r\n"));

    SharedValues read;
    EXPECT_TRUE(readSettingsFile(path, read));
    EXPECT_EQ(read.currencySymbol, written.currencySymbol);
    EXPECT_EQ(read.prtFontChoice, written.prtFontChoice);
    EXPECT_EQ(read.userName, written.userName);
    EXPECT_EQ(read.pageLines, 0);
}

TEST(SettingsFileRoundTrip, LongestSettingsTheBoxesAllowReadBack)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QString::fromLatin1(SettingsFileName));
    SharedValues written;
    written.currencySymbol = QString(CurrencySymbolLimit, u'\u20ac');
    written.prtFontChoice = 3;
    written.userName = QString(UserNameLimit, u'\u20ac');
    ASSERT_TRUE(writeSettingsFile(path, written));
    SharedValues read;
    EXPECT_TRUE(readSettingsFile(path, read));
    EXPECT_EQ(read.currencySymbol, written.currencySymbol);
    EXPECT_EQ(read.userName, written.userName);

    // A name that would make the file too large to read is not written at all.
    written.userName = QString(400000, u'\u20ac');
    EXPECT_FALSE(writeSettingsFile(path, written));
}

TEST(SettingsFileRoundTrip, EmptySettingsReadBackAsDefaults)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QString::fromLatin1(SettingsFileName));
    ASSERT_TRUE(writeSettingsFile(path, SharedValues()));
    SharedValues read;
    EXPECT_TRUE(readSettingsFile(path, read));
    EXPECT_EQ(read.currencySymbol, QStringLiteral("$"));
    EXPECT_TRUE(read.userName.isEmpty());
}

} // namespace
} // namespace tallyvane
