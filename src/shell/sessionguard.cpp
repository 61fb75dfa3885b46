// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/sessionguard.h"

#include "core/messages.h"
#include "core/sharedvalues.h"
#include "shell/dialogs/yesnodialog.h"
#include "shell/navigator.h"
#include "shell/plannerwindow.h"
#include "shell/terminationsignals.h"
#include "shell/uiservices.h"

#include <QFile>
#include <QGuiApplication>
#include <QSessionManager>
#include <QTimer>

namespace tallyvane {

QString keptWorkDetail(const RecoveryCopy& copy)
{
    const QString planner = copy.extension == QLatin1String("BGT")   ? QStringLiteral("Budget")
                            : copy.extension == QLatin1String("NWF") ? QStringLiteral("Net worth")
                            : copy.extension == QLatin1String("ULD") ? QStringLiteral("Loan")
                                                                     : QStringLiteral("Mortgage");
    return planner + QStringLiteral(": ") +
           (copy.originalName.isEmpty() ? QStringLiteral("not saved to a file yet") : copy.originalName);
}

SessionGuard::SessionGuard(SharedValues& values, UiServices& services, Navigator& navigator,
                           const QString& folder, int delayMs)
    : m_values(values), m_services(services), m_navigator(navigator), m_run(folder),
      m_signals(new TerminationSignals(this))
{
    m_values.recoveryFolder = m_run.folder();
    m_values.recoveryRun = m_run.tag();
    m_values.recoveryDelayMs = delayMs;
    connect(m_signals, &TerminationSignals::received, this, [this](int signalNumber) {
        keepOpenWork();
        QCoreApplication::exit(128 + signalNumber);
    });
    if (auto* application = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(
            application, &QGuiApplication::commitDataRequest, this,
            [this](QSessionManager& manager) {
                if (!endSession(manager.allowsInteraction()))
                    manager.cancel();
                manager.release();
            },
            Qt::DirectConnection);
    // Offered once the planner that closed has gone.
    connect(&m_navigator, &Navigator::returnedToMenu, this, &SessionGuard::offerNext, Qt::QueuedConnection);
}

SessionGuard::~SessionGuard()
{
    m_values.recoveryFolder.clear();
}

void SessionGuard::keepOpenWork()
{
    if (PlannerWindow* planner = m_navigator.openPlanner())
        planner->keepRecoveryCopy();
}

bool SessionGuard::endSession(bool mayAsk)
{
    // Kept first: the session may end the program while the question is up.
    keepOpenWork();
    PlannerWindow* planner = m_navigator.openPlanner();
    return !mayAsk || !planner || planner->mayEndSession();
}

void SessionGuard::offerEarlierWork()
{
    const std::vector<RecoveryCopy> earlier = m_run.earlierCopies();
    m_offered.assign(earlier.begin(), earlier.end());
    offerNext();
}

void SessionGuard::offerNext()
{
    // A question's own event loop may deliver the call queued by a planner
    // that could not read its copy: one question at a time.
    if (m_offering)
        return;
    m_offering = true;
    offerEach();
    m_offering = false;
}

void SessionGuard::offerEach()
{
    while (!m_offered.empty() && !m_navigator.openPlanner()) {
        const RecoveryCopy copy = m_offered.front();
        m_offered.pop_front();
        if (!QFile::exists(copy.path))
            continue;
        m_values.yesNoState = Question::OpenKeptWork;
        m_values.msgDetail = keptWorkDetail(copy);
        m_services.askYesNo(m_values);
        m_values.msgDetail.clear();
        if (m_values.yesNoState == AnswerNo) {
            QFile::remove(copy.path);
        } else if (m_values.yesNoState == AnswerYes) {
            // The planner keeps its own copy before the earlier one goes.
            if (m_navigator.recoverFile(copy.path, copy.extension, copy.originalName)) {
                QFile::remove(copy.path);
                return;
            }
            moveRecoveryCopyAside(copy);
            m_services.showMessage(m_values, Message::FileNotFound);
        }
    }
}

} // namespace tallyvane
