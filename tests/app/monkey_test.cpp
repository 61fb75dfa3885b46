// SPDX-License-Identifier: GPL-3.0-or-later
#include "monkey.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <iostream>

using namespace tallyvane::testing;

namespace {

// The normal suite sends a short run to every window; `scripts/dev monkey`
// sets a long one and a seed of its own.
int numberFromEnvironment(const char* name, int fallback)
{
    bool ok = false;
    const int number = qEnvironmentVariableIntValue(name, &ok);
    return ok ? number : fallback;
}

// The offscreen platform says of every window shown what it cannot do.
void dropPlatformNotes(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    qt_message_output(type, context, message);
}

class MonkeyTest : public ::testing::TestWithParam<MonkeyStart>
{
protected:
    void SetUp() override { m_previousHandler = qInstallMessageHandler(dropPlatformNotes); }
    void TearDown() override { qInstallMessageHandler(m_previousHandler); }

private:
    QtMessageHandler m_previousHandler = nullptr;
};

TEST_P(MonkeyTest, ProgramHoldsTogetherUnderRandomInput)
{
    const int events = numberFromEnvironment("TALLYVANE_MONKEY_EVENTS", 1500);
    const int baseSeed = numberFromEnvironment("TALLYVANE_MONKEY_SEED", 20261208);
    const unsigned seed = static_cast<unsigned>(baseSeed) + static_cast<unsigned>(GetParam());
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    // Settings saved by one run must not steer the next.
    const QByteArray settingsHome = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", folder.filePath(QStringLiteral("config")).toLocal8Bit());
    Monkey monkey(seed, folder.path(), qEnvironmentVariable("TALLYVANE_TEST_DATA"));
    QElapsedTimer clock;
    clock.start();
    const std::optional<MonkeyFailure> failure = monkey.run(GetParam(), events);

    qputenv("XDG_CONFIG_HOME", settingsHome);

    const MonkeyFigures& figures = monkey.figures();
    std::cout << "monkey " << startName(GetParam()).toStdString() << ", seed " << baseSeed << ": "
              << (failure ? failure->event : events) << " events in " << clock.elapsed() << " ms; "
              << figures.dialogs << " dialogs, " << figures.messages << " messages, " << figures.resultChecks
              << " results checked; by window:";
    for (const auto& [window, count] : figures.eventsIn)
        std::cout << ' ' << window.toStdString() << ' ' << count;
    std::cout << std::endl;
    if (failure) {
        ADD_FAILURE() << "event " << failure->event << " of the run from " << startName(GetParam()).toStdString()
                      << ": " << failure->what.toStdString() << "\nthe events before it:\n  "
                      << failure->recent.join(QStringLiteral("\n  ")).toStdString()
                      << "\nreplay: TALLYVANE_MONKEY_SEED=" << baseSeed << " TALLYVANE_MONKEY_EVENTS=" << events
                      << " tests/test_app --gtest_filter='*/" << startName(GetParam()).toStdString() << "'";
    }
}

INSTANTIATE_TEST_SUITE_P(Start, MonkeyTest,
                         ::testing::Values(MonkeyStart::Menu, MonkeyStart::Budget, MonkeyStart::Savings,
                                           MonkeyStart::Mortgage, MonkeyStart::Loans, MonkeyStart::NetWorth,
                                           MonkeyStart::Graph),
                         [](const auto& info) { return startName(info.param).toStdString(); });

} // namespace
