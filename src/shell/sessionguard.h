// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// SessionGuard keeps typed work through the ways a run can end other than
// by the user's own Exit:
// - the desktop session ending (logout, shutdown): the open planner asks
//   its unsaved-data question when the session lets it, and "go back"
//   cancels the logout; otherwise its recovery copy is written;
// - SIGTERM, SIGHUP or SIGINT: the recovery copy is written, then the
//   program ends;
// - a crash or kill -9: the copy its planner wrote after the last change
//   stays behind.
// At the next start it offers each earlier run's copy, one at a time: Yes
// opens it in its planner as unsaved work, No removes it, closing the
// question keeps it for the start after. A copy that cannot be read is
// reported and moved aside. Copies left while a planner was open are
// offered when the menu shows again.

#include "core/recoveryfolder.h"

#include <QObject>

#include <deque>

namespace tallyvane {

struct SharedValues;
class Navigator;
class TerminationSignals;
class UiServices;

class SessionGuard : public QObject
{
    Q_OBJECT

public:
    SessionGuard(SharedValues& values, UiServices& services, Navigator& navigator, const QString& folder,
                 int delayMs);
    ~SessionGuard() override;

    // Offers the earlier runs' copies; the menu is showing.
    void offerEarlierWork();
    // The session is ending. With `mayAsk`, the open planner asks about
    // unsaved work; false means the user went back, so the session's end
    // is to be cancelled.
    bool endSession(bool mayAsk);

private:
    void offerNext();
    void offerEach();
    void keepOpenWork();

    SharedValues& m_values;
    UiServices& m_services;
    Navigator& m_navigator;
    RecoveryRun m_run;
    TerminationSignals* m_signals;
    std::deque<RecoveryCopy> m_offered;
    bool m_offering = false;
};

// What the recovery question names: the planner and the file the work
// belonged to.
QString keptWorkDetail(const RecoveryCopy& copy);

} // namespace tallyvane
