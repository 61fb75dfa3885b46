// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/fieldreader.h"
#include "core/fieldwriter.h"
#include "printers.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace tallyvane {
namespace {

TEST(FieldReader, ReadsQuotedBareAndEmptyFieldsAcrossLines)
{
    FieldReader reader(QByteArray("\"Rent, monthly\",  12.5 ,,\"\"\r\n"
                                  "  \"second line\",-3\n"
                                  "\"multi\r\nline\",7"));
    EXPECT_EQ(reader.readText(), QStringLiteral("Rent, monthly"));
    EXPECT_DOUBLE_EQ(reader.readNumber(), 12.5);
    EXPECT_DOUBLE_EQ(reader.readNumber(), 0.0); // empty field
    const Field emptyQuoted = reader.readField();
    EXPECT_EQ(emptyQuoted.kind, Field::Kind::Quoted);
    EXPECT_TRUE(emptyQuoted.text.isEmpty());
    EXPECT_EQ(reader.readText(), QStringLiteral("second line"));
    EXPECT_EQ(reader.readWhole16(), -3);
    EXPECT_EQ(reader.readText(), QStringLiteral("multi\r\nline"));
    EXPECT_FALSE(reader.atEnd());
    EXPECT_EQ(reader.readMoney(), Money::fromWhole(7));
    EXPECT_TRUE(reader.atEnd());
    EXPECT_THROW(reader.readField(), FileFormatError);
}

TEST(FieldReader, EmptyFieldsAtLineEndAndBareText)
{
    FieldReader reader(QByteArray("5,\r\nplain words , .5\r\n"));
    EXPECT_EQ(reader.readMoney(), Money::fromWhole(5));
    EXPECT_EQ(reader.readField().kind, Field::Kind::Empty);
    EXPECT_EQ(reader.readText(), QStringLiteral("plain words"));
    EXPECT_EQ(reader.readMoney().raw(), 5000);
    EXPECT_TRUE(reader.atEnd());
}

struct MalformedCase
{
    const char* name;
    const char* content;
};

class FieldReaderMalformed : public testing::TestWithParam<MalformedCase>
{
};

// Each content is read as a text field followed by two numbers.
TEST_P(FieldReaderMalformed, ReportsAFormatError)
{
    FieldReader reader{QByteArray(GetParam().content)};
    EXPECT_THROW(
        {
            reader.readText();
            reader.readMoney();
            reader.readWhole16();
        },
        FileFormatError);
}

INSTANTIATE_TEST_SUITE_P(Files, FieldReaderMalformed,
                         testing::Values(MalformedCase{"EmptyFile", ""},
                                         MalformedCase{"OnlyBlankLines", "\r\n\r\n"},
                                         MalformedCase{"MissingClosingQuote", "\"Rent,5,6\r\n"},
                                         MalformedCase{"TruncatedAfterText", "\"Rent\","},
                                         MalformedCase{"TruncatedLine", "\"Rent\",5"},
                                         MalformedCase{"TextWhereMoneyBelongs", "\"Rent\",abc,6"},
                                         MalformedCase{"QuotedMoney", "\"Rent\",\"5\",6"},
                                         MalformedCase{"TwoPeriods", "\"Rent\",1.2.3,6"},
                                         MalformedCase{"TextAfterClosingQuote", "\"Rent\"x,5,6"},
                                         MalformedCase{"FractionalWhole", "\"Rent\",5,6.5"},
                                         MalformedCase{"WholeOutOfRange", "\"Rent\",5,40000"},
                                         MalformedCase{"MoneyOutOfRange", "\"Rent\",99999999999999999999,6"},
                                         MalformedCase{"HugeWhole", "\"Rent\",5,99999999999999999999999"},
                                         MalformedCase{"ExponentNumber", "\"Rent\",5,1e3"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FieldReader, NumbersBeyondMoneyReadAsDoublesButNotEndlessOnes)
{
    FieldReader reader(QByteArray("100000000000000000000,") + QByteArray(400, '9'));
    EXPECT_DOUBLE_EQ(reader.readNumber(), 1e20);
    EXPECT_THROW(reader.readNumber(), FileFormatError);
}

// Reads fields until the data ends or a format error, as every file reader
// does; it must stop within one step per byte.
int readAllFields(const QByteArray& content)
{
    FieldReader reader(content);
    int steps = 0;
    try {
        while (!reader.atEnd()) {
            reader.readText();
            if (!reader.atEnd())
                reader.readNumber();
            if (++steps > content.size())
                return -1;
        }
    } catch (const FileFormatError&) {
    }
    return steps;
}

TEST(FieldReader, TruncationsAndDamageNeverLoopOrEscape)
{
    FieldWriter writer;
    writer.writeText(QStringLiteral("Salary"));
    writer.writeNumber(12);
    writer.writeMoney(Money::fromDecimalText("3250.75").value());
    writer.endLine();
    writer.writeText(QStringLiteral("Car, loan"));
    writer.writeEmpty();
    writer.writeNumber(-0.5);
    writer.endLine();
    const QByteArray valid = writer.content();
    for (qsizetype length = 0; length <= valid.size(); ++length)
        EXPECT_GE(readAllFields(valid.left(length)), 0) << length;

    std::mt19937 random(20240611);
    const char alphabet[] = "\",\r\n .-0123456789ab\x00\xff";
    for (int round = 0; round < 2000; ++round) {
        QByteArray damaged = valid.left(random() % (valid.size() + 1));
        for (int change = random() % 4; change >= 0 && !damaged.isEmpty(); --change)
            damaged[random() % damaged.size()] = alphabet[random() % (sizeof alphabet - 1)];
        EXPECT_GE(readAllFields(damaged), 0) << damaged.toHex().constData();
    }
}

TEST(FieldWriter, WritesQuotedTextShortestNumbersAndCrLf)
{
    FieldWriter writer;
    writer.writeText(QStringLiteral("Rent \"home\", flat"));
    writer.writeNumber(12000);
    writer.writeNumber(12000.5);
    writer.writeNumber(0.25);
    writer.writeNumber(-0.0);
    writer.writeEmpty();
    writer.writeMoney(Money::fromDecimalText("917.5300").value());
    writer.endLine();
    writer.writeWhole(-7);
    writer.writeRaw("1,234.00");
    writer.endLine();
    writer.writeEmpty();
    writer.endLine();
    EXPECT_EQ(writer.content(),
              QByteArray("\"Rent 'home', flat\",12000,12000.5,0.25,0,,917.53\r\n-7,1,234.00\r\n\r\n"));
}

TEST(FieldWriter, PlainNumbersNeverUseAnExponent)
{
    EXPECT_EQ(plainNumberText(1e20), QStringLiteral("100000000000000000000"));
    EXPECT_EQ(plainNumberText(0.0000001), QStringLiteral("0.0000001"));
    EXPECT_EQ(plainNumberText(0.1 + 0.2), QStringLiteral("0.30000000000000004"));
    EXPECT_EQ(plainNumberText(-1234.5), QStringLiteral("-1234.5"));
}

TEST(FieldWriter, WhatIsWrittenReadsBackTheSame)
{
    // A text may start with U+FEFF; only the file's first character can be a byte order mark.
    const QString texts[] = {QStringLiteral(""), QStringLiteral("a, b"), QStringLiteral("\u20ac Caf\u00e9"),
                             QStringLiteral("\ufeff\ufeffhidden")};
    const double numbers[] = {0, 12000, 12000.5, -0.25, 1.0 / 3, 1e-9, 123456789.125};
    FieldWriter writer;
    for (const QString& text : texts)
        writer.writeText(text);
    for (const double number : numbers)
        writer.writeNumber(number);
    writer.writeMoney(Money::min());
    writer.endLine();

    FieldReader reader(writer.content());
    for (const QString& text : texts)
        EXPECT_EQ(reader.readText(), text);
    for (const double number : numbers)
        EXPECT_EQ(reader.readNumber(), number);
    EXPECT_EQ(reader.readMoney(), Money::min());
    EXPECT_TRUE(reader.atEnd());
}

} // namespace
} // namespace tallyvane
