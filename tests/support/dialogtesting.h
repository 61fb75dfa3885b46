// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace tallyvane::testing {

// Shows a dialog without blocking and waits until it has the focus, so that
// keys and focus changes behave as they do for the user.
inline bool showActive(QWidget& window)
{
    window.show();
    QApplication::setActiveWindow(&window);
    return QTest::qWaitForWindowActive(&window);
}

// Clicks the named button, or presses Escape when there is no name.
inline void closeWith(QWidget& dialog, const char* buttonName)
{
    if (buttonName)
        QTest::mouseClick(dialog.findChild<QPushButton*>(QLatin1String(buttonName)), Qt::LeftButton);
    else
        QTest::keyClick(&dialog, Qt::Key_Escape);
}

// Runs `answer` on the modal dialog once a blocking call has shown it.
inline void whenModalShown(std::function<void(QWidget&)> answer)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, answer] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        answer(*modal);
    });
    poll->start(10);
}

} // namespace tallyvane::testing
