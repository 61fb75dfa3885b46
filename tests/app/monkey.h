// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A seeded monkey over the whole program: the frame with its menu and every
// planner, offscreen, with the desktop's dialogs answered at random by
// scripted services. Each event is a key (digits, letters, control keys,
// access keys, Enter, Tab, Esc), a click on a button, box or grid cell, or a
// step through a list. A window's own dialog is driven by a few random
// events of its own and then closed as by its close box.
//
// After every event the program must still hold together: no exception got
// out, every green box shows the figure stored in its slot, and the results
// shown are cleared or the same as a fresh calculation from the inputs now
// in the window. The first event that breaks this ends the run; the seed
// and the events before it let the run be replayed.

#include "scriptedservices.h"
#include "shell/menuwindow.h"

#include <QPointer>
#include <QSet>
#include <QString>
#include <QStringList>

#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <random>

class QWidget;

namespace tallyvane {
class TallyvaneApp;
}

namespace tallyvane::testing {

// Where a run starts: at the menu, in a planner, or in the graph of a
// calculated mortgage.
enum class MonkeyStart
{
    Menu,
    Budget,
    Savings,
    Mortgage,
    Loans,
    NetWorth,
    Graph
};

QString startName(MonkeyStart start);
// Goes from the menu of a started program to `start` as a user would.
void enterStart(TallyvaneApp& app, MonkeyStart start);

struct MonkeyFailure
{
    unsigned seed = 0;
    int event = 0;    // counted from 1
    QString what;     // the broken promise
    QStringList recent; // the events that led to it, oldest first
};

struct MonkeyFigures
{
    std::map<QString, int> eventsIn; // by the window that took them
    int dialogs = 0;                 // dialogs opened and driven
    int messages = 0;                // messages and questions the user saw
    int resultChecks = 0;            // results compared with a fresh calculation
};

class Monkey
{
public:
    // Files are opened from and saved in `folder`; help and samples come
    // from `dataFolder`.
    Monkey(unsigned seed, QString folder, QString dataFolder);
    ~Monkey();

    // Starts the program, goes to `start` and sends `events` events.
    std::optional<MonkeyFailure> run(MonkeyStart start, int events);
    const MonkeyFigures& figures() const { return m_figures; }

private:
    void startProgram();
    void enter(MonkeyStart start);
    void showGraphAgain();
    void scriptAnswers();
    QString oneEvent(QWidget& root);
    QString keyEvent(QWidget& root);
    QString clickEvent(QWidget& root);
    QString gridEvent(QWidget& root);
    QString listEvent(QWidget& root);
    void driveDialog();
    std::optional<QString> brokenPromise();
    std::optional<QString> resultsDifferFromFreshOnes();
    QString whereWeAre() const;
    int below(int count);
    bool chance(int percent) { return below(100) < percent; }

    unsigned m_seed;
    QString m_folder;
    QString m_dataFolder;
    std::mt19937 m_random;
    bool m_tracing; // every event on the log as it is sent
    ScriptedServices m_services;
    std::unique_ptr<TallyvaneApp> m_app;
    MonkeyStart m_start = MonkeyStart::Menu;
    QSet<QWidget*> m_driving;
    std::deque<QString> m_recent;
    bool m_exited = false;            // the user left the program
    std::optional<QString> m_escaped; // an exception out of a dialog's events
    MonkeyFigures m_figures;
};

} // namespace tallyvane::testing
