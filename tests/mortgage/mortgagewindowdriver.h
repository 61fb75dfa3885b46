#pragma once

// Drives the mortgage window offscreen as a user does: keys typed into the
// focused control, buttons clicked, list entries chosen with the arrow keys,
// and the window's own dialogs answered in place by scripts the test queues
// before the button that opens them is pressed.

#include "core/sharedvalues.h"
#include "mortgage/amortizationinput.h"
#include "mortgage/mortgagewindow.h"
#include "printers.h"
#include "scriptedservices.h"
#include "shell/plannerhost.h"

#include <QString>

#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

class QComboBox;
class QDialog;
class QPushButton;

namespace tallyvane {
class Grid;
class MortgageGridModel;
} // namespace tallyvane

namespace tallyvane::testing {

// Counts the graphs asked for; the menu and frame are checked through the
// real navigator.
class RecordingHost : public PlannerHost
{
public:
    void setFrameTitle(const QString&) override {}
    void returnToMenu() override {}
    void showGraph() override { ++graphsShown; }
    void leaveGraph() override {}
    void showHelp(int) override {}

    int graphsShown = 0;
};

using DialogScript = std::function<void(QDialog& dialog)>;

class MortgageWindowTest : public ::testing::Test
{
protected:
    void open(LoanKind kind);

    // The window's child of that name, of the type asked for.
    template <typename Widget> Widget* child(const char* name) const
    {
        auto* found = window->findChild<Widget*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QPushButton* button(const char* name) const;
    QComboBox* list(const char* name) const;
    // The trimmed text of a label.
    QString label(const char* name) const;
    QString cell(int row, int column) const;
    MortgageGridModel* gridModel() const;
    Grid* grid() const;

    void click(const char* buttonName);
    // Gives the control the focus and types the keys.
    void typeInto(const char* controlName, const QString& keys);
    void pressEnter(const char* controlName);
    // Chooses an entry with the arrow keys, as from the open list.
    void chooseFromList(const char* listName, const QString& entry);
    void chooseAllPayments();
    // The next dialog the window opens runs `script`; a dialog still open
    // afterwards is closed as by its close box.
    void whenDialogOpens(DialogScript script);
    void activateWindow();

    SharedValues values;
    ScriptedServices services;
    RecordingHost host;
    std::unique_ptr<MortgageCalc> window;
    std::deque<DialogScript> dialogScripts;
    std::vector<QString> dialogsShown; // object names, in the order opened
};

// Shows a dialog and waits until it has the focus.
void showActive(QWidget& widget);
void clickChild(QWidget& parent, const char* buttonName);

} // namespace tallyvane::testing
