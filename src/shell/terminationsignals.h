// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// TerminationSignals turns SIGTERM, SIGHUP and SIGINT (logout, shutdown, a
// closed terminal, Ctrl+C) into a Qt signal on the event loop. The handler
// only writes the signal's number into a pipe, which is all a handler may
// safely do; a socket notifier reads it back where anything may be done.

#include <QObject>

class QSocketNotifier;

namespace tallyvane {

class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    // Only one instance may exist; it catches the signals while it lives.
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    void received(int signalNumber);

private:
    void readSignal();

    QSocketNotifier* m_notifier = nullptr;
};

} // namespace tallyvane
