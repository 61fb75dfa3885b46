// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Drives a planner window offscreen as a user does: keys typed into the
// focused control, buttons clicked, list entries chosen with the arrow keys,
// and the window's own dialogs answered in place by scripts the test queues
// before the button that opens them is pressed. A script or a scripted answer
// that is never used fails the test: it means the dialog never opened.

#include "core/sharedvalues.h"
#include "printers.h"
#include "scriptedservices.h"
#include "shell/plannerhost.h"

#include <QString>
#include <QWidget>

#include <deque>
#include <functional>
#include <vector>

#include <gtest/gtest.h>

class QComboBox;
class QDialog;
class QPushButton;

namespace tallyvane {
class PlannerWindow;
}

namespace tallyvane::testing {

// Records what a planner asks of the program around it.
class RecordingHost : public PlannerHost
{
public:
    void setFrameTitle(const QString& title) override { frameTitle = title; }
    void returnToMenu() override { ++menusShown; }
    void showGraph() override { ++graphsShown; }
    void leaveGraph() override { ++graphsLeft; }
    void showHelp(int) override {}

    QString frameTitle;
    int menusShown = 0;
    int graphsShown = 0;
    int graphsLeft = 0;
};

using DialogScript = std::function<void(QDialog& dialog)>;

class PlannerWindowTest : public ::testing::Test
{
protected:
    void TearDown() override;

    // Answers the window's dialogs from the scripts and shows it active.
    void attach(PlannerWindow& window);
    PlannerWindow& planner() const { return *m_window; }

    // The window's child of that name, of the type asked for.
    template <typename Widget> Widget* child(const char* name) const
    {
        auto* found = m_widget->findChild<Widget*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QPushButton* button(const char* name) const;
    QComboBox* list(const char* name) const;
    // The trimmed text of a label.
    QString label(const char* name) const;

    void click(const char* buttonName);
    // Gives the control the focus and types the keys.
    void typeInto(const char* controlName, const QString& keys);
    void pressEnter(const char* controlName);
    // Chooses an entry with the arrow keys, as from the open list.
    void chooseFromList(const char* listName, const QString& entry);
    // The next dialog the window opens runs `script`; a dialog still open
    // afterwards is closed as by its close box.
    void whenDialogOpens(DialogScript script);
    void activateWindow();

    SharedValues values;
    ScriptedServices services;
    RecordingHost host;
    std::vector<QString> dialogsShown; // object names, in the order opened

private:
    PlannerWindow* m_window = nullptr;
    QWidget* m_widget = nullptr; // the same window
    std::deque<DialogScript> m_dialogScripts;
};

// Shows a window and waits until it has the focus.
bool showActive(QWidget& widget);
// Clicks near the left edge of the named button or option.
void clickChild(QWidget& parent, const char* buttonName);

} // namespace tallyvane::testing
