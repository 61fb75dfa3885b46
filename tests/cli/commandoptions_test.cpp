// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/commandoptions.h"
#include "core/plannererror.h"

#include <gtest/gtest.h>

#include <string>

namespace tallyvane::cli {
namespace {

const QStringList known{QStringLiteral("rate"), QStringLiteral("years"), QStringLiteral("extra"),
                        QStringLiteral("format")};

CommandOptions parse(const QStringList& arguments)
{
    return CommandOptions(arguments, known);
}

TEST(CommandOptions, SeparateAndJoinedValuesAndWords)
{
    const CommandOptions options =
        parse({QStringLiteral("Home.BGT"), QStringLiteral("--rate"), QStringLiteral("-5.25"),
               QStringLiteral("--years=25"), QStringLiteral("second word"), QStringLiteral("--format=")});
    EXPECT_EQ(options.value(QStringLiteral("rate")), QStringLiteral("-5.25"));
    EXPECT_EQ(options.value(QStringLiteral("years")), QStringLiteral("25"));
    EXPECT_EQ(options.value(QStringLiteral("format")), QString());
    EXPECT_EQ(options.value(QStringLiteral("extra")), std::nullopt);
    EXPECT_EQ(options.words(), (QStringList{QStringLiteral("Home.BGT"), QStringLiteral("second word")}));
}

TEST(CommandOptions, RepeatedOptionsKeepEveryValueAndTheLastWins)
{
    const CommandOptions options =
        parse({QStringLiteral("--extra"), QStringLiteral("12:500"), QStringLiteral("--extra=24:750"),
               QStringLiteral("--rate=1"), QStringLiteral("--rate=2")});
    EXPECT_EQ(options.values(QStringLiteral("extra")),
              (QStringList{QStringLiteral("12:500"), QStringLiteral("24:750")}));
    EXPECT_EQ(options.value(QStringLiteral("rate")), QStringLiteral("2"));
    EXPECT_TRUE(options.values(QStringLiteral("years")).isEmpty());
}

struct UsageCase
{
    const char* name;
    QStringList arguments;
};

class CommandOptionsUsage : public testing::TestWithParam<UsageCase>
{
};

TEST_P(CommandOptionsUsage, IsAUsageError)
{
    EXPECT_THROW(parse(GetParam().arguments), UsageError);
}

INSTANTIATE_TEST_SUITE_P(
    Options, CommandOptionsUsage,
    testing::Values(UsageCase{"UnknownOption", {QStringLiteral("--colour"), QStringLiteral("red")}},
                    UsageCase{"UnknownJoinedOption", {QStringLiteral("--colour=red")}},
                    UsageCase{"UnknownLastOption", {QStringLiteral("--colour")}},
                    UsageCase{"MissingValueAtEnd", {QStringLiteral("--rate")}},
                    UsageCase{"NextOptionIsNotAValue",
                              {QStringLiteral("--rate"), QStringLiteral("--years"), QStringLiteral("5")}},
                    UsageCase{"NameOnlyDashes", {QStringLiteral("--=5")}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CommandOptions, UnknownOptionIsNamedInTheMessage)
{
    try {
        parse({QStringLiteral("--colour")});
        FAIL() << "no usage error";
    } catch (const UsageError& error) {
        EXPECT_STREQ(error.what(), "unknown option --colour");
    }
}

TEST(CommandOptions, ChoicesAndNumbersAreChecked)
{
    const CommandOptions options =
        parse({QStringLiteral("--format=json"), QStringLiteral("--rate=7.5"), QStringLiteral("--years=ten")});
    EXPECT_EQ(outputFormat(options), OutputFormat::Json);
    EXPECT_EQ(outputFormat(parse({})), OutputFormat::Text);
    EXPECT_EQ(outputFormat(parse({QStringLiteral("--format"), QStringLiteral("csv")})), OutputFormat::Csv);
    EXPECT_THROW(outputFormat(parse({QStringLiteral("--format=xml")})), UsageError);

    EXPECT_EQ(options.number(QStringLiteral("rate"), QStringLiteral("0")), QStringLiteral("7.5"));
    EXPECT_EQ(options.number(QStringLiteral("extra"), QStringLiteral("1200")), QStringLiteral("1200"));
    EXPECT_THROW(options.number(QStringLiteral("years"), QStringLiteral("25")), UsageError);
    EXPECT_THROW(parse({QStringLiteral("--rate=1e3")}).number(QStringLiteral("rate"), QString()), UsageError);
    // A plain number beyond money is the planners' refusal, not a wrong command line.
    EXPECT_THROW(
        parse({QStringLiteral("--rate=99999999999999999999")}).number(QStringLiteral("rate"), QString()),
        PlannerError);
}

} // namespace
} // namespace tallyvane::cli
