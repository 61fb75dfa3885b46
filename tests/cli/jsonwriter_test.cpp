// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/jsonwriter.h"

#include <QJsonDocument>

#include <gtest/gtest.h>

#include <limits>

namespace tallyvane::cli {
namespace {

TEST(JsonWriter, NestsObjectsAndArraysWithCommasAndIndentation)
{
    JsonWriter json;
    json.beginObject();
    json.key(QStringLiteral("summary"));
    json.beginObject();
    json.key(QStringLiteral("lastPeriod"));
    json.integer(25);
    json.key(QStringLiteral("finalValue"));
    json.money(Money::fromDecimalText("917.53").value());
    json.endObject();
    json.key(QStringLiteral("rows"));
    json.beginArray();
    json.beginObject();
    json.key(QStringLiteral("value"));
    json.null();
    json.endObject();
    json.beginArray();
    json.endArray();
    json.boolean(false);
    json.endArray();
    json.key(QStringLiteral("empty"));
    json.beginObject();
    json.endObject();
    json.endObject();
    EXPECT_EQ(json.text(), "{\n"
                           "  \"summary\": {\n"
                           "    \"lastPeriod\": 25,\n"
                           "    \"finalValue\": 917.5300\n"
                           "  },\n"
                           "  \"rows\": [\n"
                           "    {\n"
                           "      \"value\": null\n"
                           "    },\n"
                           "    [],\n"
                           "    false\n"
                           "  ],\n"
                           "  \"empty\": {}\n"
                           "}\n");
}

TEST(JsonWriter, MoneyKeepsFourDecimalsAndNumbersTheirShortestForm)
{
    JsonWriter json;
    json.beginArray();
    json.money(Money::fromDecimalText("-0.25").value());
    json.money(Money());
    json.money(Money::min());
    json.number(0.1 + 0.2);
    json.number(12000);
    json.number(std::numeric_limits<double>::quiet_NaN());
    json.number(std::numeric_limits<double>::infinity());
    json.integer(-7);
    json.endArray();
    EXPECT_EQ(json.text(), "[\n  -0.2500,\n  0.0000,\n  -922337203685477.5808,\n  0.30000000000000004,\n"
                           "  12000,\n  null,\n  null,\n  -7\n]\n");
}

TEST(JsonWriter, EscapesTextSoThatItParsesBack)
{
    const QString tricky = QStringLiteral("Say \"hi\"\\ \n\r\t\u0001\u001f caf\u00e9 \u20ac /");
    JsonWriter json;
    json.beginObject();
    json.key(QStringLiteral("a\"b"));
    json.string(tricky);
    json.endObject();
    const std::string text = json.text();
    EXPECT_NE(text.find(R"("Say \"hi\"\\ \n\r\t\u0001\u001f caf)"), std::string::npos) << text;

    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(text), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << text;
    EXPECT_EQ(document[QStringLiteral("a\"b")].toString(), tricky);
}

} // namespace
} // namespace tallyvane::cli
