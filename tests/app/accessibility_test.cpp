// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/planners.h"
#include "dialogtesting.h"
#include "monkey.h"
#include "printers.h"
#include "shell/dialogs/insertlinedialog.h"
#include "shell/dialogs/messagebox.h"
#include "shell/dialogs/personalizedialog.h"
#include "shell/dialogs/printheaderdialog.h"
#include "shell/dialogs/recordnumberdialog.h"
#include "shell/dialogs/yesnodialog.h"
#include "shell/helpviewer.h"
#include "shell/navigator.h"
#include "shell/plannerwindow.h"
#include "shell/printpreview.h"
#include "shell/printpreviewkeys.h"
#include "shell/tallyvaneapp.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

#include <map>
using namespace tallyvane;
using namespace tallyvane::testing;

namespace {

// Walks the tree a screen reader sees: every control Tab reaches needs a name
// (a list is read by its value and a table by nothing, so those need a name
// or label of their own), and no two buttons may share one.
QStringList namingFaults(QWidget& window)
{
    QStringList faults;
    std::map<QString, QString> buttons;
    std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
        for (int at = 0; at < node->childCount(); ++at) {
            QAccessibleInterface* child = node->child(at);
            auto* widget = child ? qobject_cast<QWidget*>(child->object()) : nullptr;
            if (!widget || !widget->isVisibleTo(&window))
                continue;
            const bool named = !widget->accessibleName().isEmpty() || !child->relations(QAccessible::Label).isEmpty() ||
                               (!qobject_cast<QComboBox*>(widget) && !qobject_cast<QAbstractItemView*>(widget) &&
                                !child->text(QAccessible::Name).trimmed().isEmpty());
            if ((widget->focusPolicy() & Qt::TabFocus) && !named)
                faults << QStringLiteral("no name: %1 %2").arg(QLatin1String(widget->metaObject()->className()), widget->objectName());
            if (qobject_cast<QAbstractButton*>(widget) && !buttons.emplace(child->text(QAccessible::Name), "").second)
                faults << QStringLiteral("shared name: ") + child->text(QAccessible::Name);
            // A list's or a scrolled view's inner parts are named by the whole.
            if (!qobject_cast<QAbstractScrollArea*>(widget) && !qobject_cast<QComboBox*>(widget))
                walk(child);
        }
    };
    walk(QAccessible::queryAccessibleInterface(&window));
    return faults;
}

// Sees which button an access key reaches, without running what it does.
struct ShortcutCatcher : QObject
{
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Shortcut)
            return false;
        reached = static_cast<QShortcutEvent*>(event)->isAmbiguous() ? nullptr : watched;
        return true;
    }
    QObject* reached = nullptr;
};

// Alt and each button's access key in the active `window` press that button alone.
QStringList accessKeyFaults(QWidget& window)
{
    QStringList faults;
    ShortcutCatcher catcher;
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        const qsizetype at = button->text().indexOf(u'&');
        if (!button->isVisibleTo(&window) || !button->isEnabled() || at < 0 || at + 1 >= button->text().size())
            continue;
        button->installEventFilter(&catcher);
        catcher.reached = nullptr;
        QTest::keyClick(&window, button->text()[at + 1].toLower().toLatin1(), Qt::AltModifier);
        if (catcher.reached != button)
            faults << QStringLiteral("misses or shares its key: ") + button->text();
        button->removeEventFilter(&catcher);
    }
    return faults;
}

QString faultsOf(QWidget& window)
{
    return (namingFaults(window) + accessKeyFaults(window)).join(u'\n');
}

class ProgramWindow : public ::testing::TestWithParam<MonkeyStart>
{
protected:
    void SetUp() override
    {
        registerPlanners(m_app);
        m_app.start();
        ASSERT_TRUE(showActive(m_app.frame()));
        enterStart(m_app, GetParam());
    }
    ScriptedServices m_services;
    TallyvaneApp m_app{qEnvironmentVariable("TALLYVANE_TEST_DATA"), &m_services};
};

TEST_P(ProgramWindow, NamesEveryControlAndEachAccessKeyPressesItsButton)
{
    EXPECT_EQ(faultsOf(m_app.frame()), QString());
    PlannerWindow* planner = m_app.navigator().openPlanner();
    if (GetParam() == MonkeyStart::NetWorth) { // Tab follows the rows, left to right
        const QStringList order{"NGrid1",   "NGrid2",  "InsertAss", "NCalc", "InsertLiab", "NHelp",
                                "Loadnet", "SaveNet", "NPrinter",  "NExit", "NGrid1"};
        planner->findChild<QWidget*>(order.front())->setFocus(Qt::TabFocusReason);
        QStringList reached;
        for (qsizetype step = 0; step < order.size(); ++step) {
            reached << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        EXPECT_EQ(reached, order);
    }
    if (GetParam() != MonkeyStart::Mortgage) // the mortgage window's own dialogs, opened by their buttons
        return;
    planner->setDialogRunner([](QDialog& dialog) {
        ASSERT_TRUE(showActive(dialog));
        EXPECT_EQ(faultsOf(dialog), QString()) << dialog.objectName().toStdString();
    });
    for (const char* opener : {"MDateNumber", "MAddPrePay", "MShowIRF"})
        QTest::mouseClick(planner->findChild<QPushButton*>(QLatin1String(opener)), Qt::LeftButton);
}

INSTANTIATE_TEST_SUITE_P(Accessibility, ProgramWindow,
                         ::testing::Values(MonkeyStart::Menu, MonkeyStart::Budget, MonkeyStart::Savings,
                                           MonkeyStart::Mortgage, MonkeyStart::Loans, MonkeyStart::NetWorth,
                                           MonkeyStart::Graph),
                         [](const auto& info) { return startName(info.param).toStdString(); });
TEST(SharedWindows, NameEveryControlAndEachAccessKeyPressesItsButton)
{
    SharedValues values;
    values.msgNumber = values.yesNoState = values.plannerMode = 1;
    ScriptedServices services;
    const std::vector<QWidget*> windows{
        new AMsgbox(values, nullptr), new AllYesNo(values, nullptr), new InRecNum(values, services, nullptr),
        new PrinterHeaderInput(values, services, nullptr), new FundCurValInput(values, services, nullptr),
        new ChangeFnt(values, services, nullptr),
        new HelpViewer(qEnvironmentVariable("TALLYVANE_TEST_DATA") + "/tlvuse36.hlp")};
    for (QWidget* window : windows) {
        EXPECT_TRUE(showActive(*window));
        EXPECT_EQ(faultsOf(*window), QString()) << window->metaObject()->className();
        window->hide();
    }
    qDeleteAll(windows);
}

// The preview also turns pages, zooms, prints (Ctrl+P) and saves (Ctrl+S)
// from the keyboard; Print and Save PDF show at 90 % of the frame at 80 % of
// a 1024 pixels wide screen.
TEST(PrintPreview, NamesEveryControlAndWorksFromTheKeyboard)
{
    whenModalShown([&](QWidget& shown) {
        auto& preview = static_cast<QPrintPreviewDialog&>(shown);
        preview.resize(737, 560);
        QApplication::setActiveWindow(&preview);
        EXPECT_EQ(faultsOf(preview), QString());
        auto* pages = preview.findChild<QPrintPreviewWidget*>();
        QTest::keyClick(&preview, Qt::Key_End);
        EXPECT_EQ(pages->currentPage(), 3);
        const qreal zoom = pages->zoomFactor();
        QTest::keyClick(&preview, Qt::Key_Minus, Qt::ControlModifier);
        EXPECT_LT(pages->zoomFactor(), zoom);
        auto* tools = preview.findChild<QToolBar*>();
        for (const auto& [text, key] : {std::pair{"Print", "Ctrl+P"}, std::pair{"Save PDF...", "Ctrl+S"}}) {
            QAction* action = previewAction(preview, QString::fromLatin1(text));
            EXPECT_TRUE(tools->widgetForAction(action)->isVisible()) << text;
            EXPECT_TRUE(action->toolTip().contains(QLatin1String(key))) << text;
        }
        for (QToolButton* button : tools->findChildren<QToolButton*>())
            EXPECT_TRUE(!button->defaultAction() || !button->isVisible() || (button->focusPolicy() & Qt::TabFocus));
        preview.reject();
    });
    Report report;
    report.pages.resize(3);
    showReportPreview(report, nullptr);
}

} // namespace
