// SPDX-License-Identifier: GPL-3.0-or-later
#include "networth/networthfile.h"
#include "sidefixture.h"

#include "core/fieldreader.h"
#include "core/plannererror.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tallyvane {
namespace {

using testing_support::fillSide;

QByteArray emptyRows(int count)
{
    QByteArray rows;
    for (int i = 0; i < count; ++i)
        rows += ",,,\r\n";
    return rows;
}

// Two assets and one liability, saved after Calculate.
const QByteArray HouseFile =
    "2,1\r\n\"House\",150000,\"Mortgage\",90000\r\n\"Car\",12000.5,,\r\n" + emptyRows(29);

NetWorthSheet houseSheet()
{
    NetWorthSheet sheet;
    fillSide(sheet.cells(NetWorthSide::Assets), {{"House", "150000"}, {"Car", "12000.5"}});
    fillSide(sheet.cells(NetWorthSide::Liabilities), {{"Mortgage", "90000"}});
    EXPECT_NO_THROW(sheet.calculate());
    return sheet;
}

bool sameTables(const NetWorthSheet& a, const NetWorthSheet& b)
{
    for (const NetWorthSide side : {NetWorthSide::Assets, NetWorthSide::Liabilities})
        if (!(a.cells(side) == b.cells(side)) || a.count(side) != b.count(side))
            return false;
    return true;
}

QString writeFile(const QTemporaryDir& dir, const QByteArray& content)
{
    const QString path = dir.filePath(QStringLiteral("Test.NWF"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
    return path;
}

TEST(NetWorthFile, WritesThirtyTwoLinesOfQuotedNamesAndBareFigures)
{
    EXPECT_EQ(netWorthFileContent(houseSheet()), HouseFile);
}

TEST(NetWorthFile, RoundTripKeepsEveryKindOfCell)
{
    NetWorthSheet sheet;
    fillSide(sheet.cells(NetWorthSide::Assets), {{"Home, main", "100000"},
                                                 {"Café", "0.1"},
                                                 {"Sub Total", nullptr},
                                                 {" ", ""},
                                                 {"Unpriced", nullptr},
                                                 {"Tiny", "0.0001"}});
    fillSide(sheet.cells(NetWorthSide::Liabilities), {{"Card", "1240.6"}});
    ASSERT_NO_THROW(sheet.calculate());
    // Typed after Calculate: saved as it stands, count not yet updated.
    fillSide(sheet.cells(NetWorthSide::Liabilities), {{"Typed later", "5"}}, 2);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Round.NWF"));
    ASSERT_TRUE(saveNetWorthFile(path, sheet));
    NetWorthSheet opened;
    ASSERT_TRUE(openNetWorthFile(path, opened));
    EXPECT_TRUE(sameTables(opened, sheet));

    ASSERT_NO_THROW(sheet.calculate());
    ASSERT_NO_THROW(opened.calculate());
    EXPECT_EQ(opened.total(NetWorthSide::Assets), sheet.total(NetWorthSide::Assets));
    EXPECT_EQ(opened.netWorth(), sheet.netWorth());
    EXPECT_EQ(opened.count(NetWorthSide::Liabilities), 2);
}

struct EncodingCase
{
    const char* name;
    QByteArray house; // "Maison à Nîmes" as the file holds it
};

class NetWorthFileEncoding : public testing::TestWithParam<EncodingCase>
{
};

TEST_P(NetWorthFileEncoding, KeepsEveryLetterAndSavesItAsUtf8)
{
    QByteArray content = HouseFile;
    content.replace("House", GetParam().house);
    QTemporaryDir dir;
    const QString path = writeFile(dir, content);
    NetWorthSheet sheet;
    ASSERT_TRUE(openNetWorthFile(path, sheet));
    EXPECT_EQ(sheet.cells(NetWorthSide::Assets).name(1).text(), QStringLiteral("Maison \u00e0 N\u00eemes"));

    ASSERT_TRUE(saveNetWorthFile(path, sheet));
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), QByteArray(HouseFile).replace("House", "Maison \xc3\xa0 N\xc3\xaemes"));
}

INSTANTIATE_TEST_SUITE_P(Encodings, NetWorthFileEncoding,
                         testing::Values(EncodingCase{"Utf8", "Maison \xc3\xa0 N\xc3\xaemes"},
                                         EncodingCase{"Windows1252", "Maison \xe0 N\xeemes"}),
                         [](const auto& info) { return std::string(info.param.name); });

// Every row of both sides named with `length` three-byte characters and
// valued with the largest figure that stays exact.
NetWorthSheet fullSheet(int length)
{
    NetWorthSheet sheet;
    for (const NetWorthSide side : {NetWorthSide::Assets, NetWorthSide::Liabilities}) {
        for (int row = 1; row <= CellTable::LastEntryRow; ++row) {
            sheet.cells(side).set(row, CellTable::NameColumn,
                                  CellValue::fromText(QString(length, u'\u20ac')));
            sheet.cells(side).set(row, CellTable::ValueColumn, CellValue::fromNumber(-900000000000000.25));
        }
    }
    return sheet;
}

TEST(NetWorthFile, FullestStatementTheGridAllowsOpensAgainUnchanged)
{
    const NetWorthSheet sheet = fullSheet(NetWorthNameLimit);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Full.NWF"));
    ASSERT_TRUE(saveNetWorthFile(path, sheet));
    NetWorthSheet opened;
    ASSERT_TRUE(openNetWorthFile(path, opened));
    EXPECT_TRUE(sameTables(opened, sheet));
}

TEST(NetWorthFile, StatementTooLargeToOpenAgainIsNotSaved)
{
    QTemporaryDir dir;
    EXPECT_FALSE(saveNetWorthFile(dir.filePath(QStringLiteral("Huge.NWF")), fullSheet(20000)));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("Huge.NWF"))));
}

TEST(NetWorthFile, SubtotalsAreWrittenAsMoney)
{
    NetWorthSheet sheet;
    fillSide(sheet.cells(NetWorthSide::Assets), {{"Cash", "0.1"}, {"Coins", "0.2"}, {"Sub Total", nullptr}});
    ASSERT_NO_THROW(sheet.calculate());
    ASSERT_EQ(sheet.cells(NetWorthSide::Assets).value(3).number(), 0.1 + 0.2);
    EXPECT_TRUE(netWorthFileContent(sheet).contains("\r\n\"Sub Total\",0.3,,\r\n"));
}

TEST(NetWorthFile, DeclaredCountsGiveWayToCalculate)
{
    QByteArray content = HouseFile;
    content.replace(0, 3, "9,0");
    NetWorthSheet sheet = parseNetWorthFile(content);
    EXPECT_EQ(sheet.count(NetWorthSide::Assets), 9);
    ASSERT_NO_THROW(sheet.calculate());
    EXPECT_EQ(sheet.count(NetWorthSide::Assets), 2);
    EXPECT_EQ(sheet.count(NetWorthSide::Liabilities), 1);
}

struct MalformedCase
{
    const char* name;
    QByteArray content;
};

class NetWorthMalformedFile : public testing::TestWithParam<MalformedCase>
{
};

TEST_P(NetWorthMalformedFile, LeavesTheSheetAsItWas)
{
    EXPECT_THROW(parseNetWorthFile(GetParam().content), FileFormatError);

    QTemporaryDir dir;
    NetWorthSheet sheet = houseSheet();
    EXPECT_FALSE(openNetWorthFile(writeFile(dir, GetParam().content), sheet));
    EXPECT_TRUE(sameTables(sheet, houseSheet()));
    EXPECT_EQ(sheet.netWorth(), houseSheet().netWorth());
}

QByteArray withLine(int index, const QByteArray& line)
{
    QList<QByteArray> lines = HouseFile.split('\n');
    lines[index] = line + "\r";
    return lines.join('\n');
}

INSTANTIATE_TEST_SUITE_P(
    NetWorth, NetWorthMalformedFile,
    testing::Values(MalformedCase{"Empty", ""},
                    MalformedCase{"ThirtyOneLines", HouseFile.left(HouseFile.size() - 5)},
                    MalformedCase{"CutInsideAName", HouseFile.left(12)},
                    MalformedCase{"LastLineShort", HouseFile.left(HouseFile.size() - 3)},
                    MalformedCase{"TextForACount", withLine(0, "\"two\",1")},
                    MalformedCase{"MissingCount", withLine(0, "2")},
                    MalformedCase{"CountTooLarge", withLine(0, "31,1")},
                    MalformedCase{"TextForAValue", withLine(1, "\"House\",\"lots\",\"Mortgage\",90000")},
                    MalformedCase{"NameWithoutQuotes", withLine(1, "House,150000,\"Mortgage\",90000")},
                    MalformedCase{"UnclosedQuote", withLine(1, "\"House,150000,\"Mortgage\",90000")},
                    MalformedCase{"NumberWithLetters", withLine(1, "\"House\",150000x,\"Mortgage\",90000")},
                    MalformedCase{"ExtraField", withLine(1, "\"House\",150000,\"Mortgage\",90000,\"Boat\"")},
                    MalformedCase{"BlankRowLine", withLine(5, "")},
                    MalformedCase{"Binary", QByteArray("\x00\xff\x01\"\x02", 5).repeated(40)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NetWorthFile, MissingFileLeavesTheSheetAsItWas)
{
    NetWorthSheet sheet = houseSheet();
    EXPECT_FALSE(openNetWorthFile(QStringLiteral("/nonexistent/folder/None.NWF"), sheet));
    EXPECT_TRUE(sameTables(sheet, houseSheet()));
}

TEST(NetWorthFile, SampleFileIsOurOwnWriting)
{
    const QString path = qEnvironmentVariable("TALLYVANE_TEST_DATA") + QStringLiteral("/NetSampl.NWF");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    const QByteArray content = file.readAll();
    NetWorthSheet sheet = parseNetWorthFile(content);
    EXPECT_EQ(netWorthFileContent(sheet), content);
    ASSERT_NO_THROW(sheet.calculate());
    EXPECT_EQ(netWorthFileContent(sheet), content); // it was saved calculated
    EXPECT_GT(sheet.count(NetWorthSide::Assets), 10);
    EXPECT_FALSE(sheet.netWorth().isZero());
}

} // namespace
} // namespace tallyvane
