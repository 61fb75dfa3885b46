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
#include "shell/tallyvaneapp.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QComboBox>
#include <QDialog>
#include <QTest>

#include <gtest/gtest.h>

#include <map>
#include <memory>

using namespace tallyvane;
using namespace tallyvane::testing;

namespace {

QString describe(const QWidget* widget)
{
    return QStringLiteral("%1 %2").arg(QString::fromLatin1(widget->metaObject()->className()), widget->objectName());
}

// A list is read out by its value and a table by nothing at all, so either
// needs a name of its own or a label that names it.
bool hasName(QWidget* widget, QAccessibleInterface* node)
{
    if (!widget->accessibleName().trimmed().isEmpty() || !node->relations(QAccessible::Label).isEmpty())
        return true;
    if (qobject_cast<QComboBox*>(widget) || qobject_cast<QAbstractItemView*>(widget))
        return false;
    return !node->text(QAccessible::Name).trimmed().isEmpty();
}

// Every control the Tab key reaches in `window`, walked through the tree a
// screen reader sees, that has no name; and every button whose name another
// button of the window has too.
QStringList namingFaults(QWidget& window)
{
    QStringList faults;
    std::map<QString, QString> buttonNames;
    std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
        for (int at = 0; at < node->childCount(); ++at) {
            QAccessibleInterface* child = node->child(at);
            auto* widget = child ? qobject_cast<QWidget*>(child->object()) : nullptr;
            if (!widget || !widget->isVisibleTo(&window))
                continue;
            if ((widget->focusPolicy() & Qt::TabFocus) && !hasName(widget, child))
                faults << QStringLiteral("no name: ") + describe(widget);
            if (qobject_cast<QAbstractButton*>(widget)) {
                const QString name = child->text(QAccessible::Name);
                const auto [known, added] = buttonNames.emplace(name, describe(widget));
                if (!added)
                    faults << QStringLiteral("\"%1\" names %2 and %3").arg(name, known->second, describe(widget));
            }
            // A list's or scrolled view's inner parts are named by the whole.
            if (!qobject_cast<QAbstractScrollArea*>(widget) && !qobject_cast<QComboBox*>(widget))
                walk(child);
        }
    };
    walk(QAccessible::queryAccessibleInterface(&window));
    return faults;
}

// The access key a button's caption marks, or 0.
QChar accessKey(const QAbstractButton& button)
{
    const QString text = button.text();
    const qsizetype at = text.indexOf(QLatin1Char('&'));
    return at >= 0 && at + 1 < text.size() ? text[at + 1].toUpper() : QChar();
}

// Catches the access-key press a button receives, so the test sees which
// button Alt+key reaches without running what it does.
class ShortcutCatcher : public QObject
{
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Shortcut)
            return false;
        reached = qobject_cast<QAbstractButton*>(watched);
        ambiguous = static_cast<QShortcutEvent*>(event)->isAmbiguous();
        return true;
    }
    QAbstractButton* reached = nullptr;
    bool ambiguous = false;
};

// Presses Alt and each button's access key in the active `window`; each must
// press its own button alone.
QStringList accessKeyFaults(QWidget& window)
{
    QStringList faults;
    ShortcutCatcher catcher;
    std::vector<QAbstractButton*> buttons;
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>())
        if (button->isVisibleTo(&window) && button->isEnabled() && !accessKey(*button).isNull()) {
            button->installEventFilter(&catcher);
            buttons.push_back(button);
        }
    for (QAbstractButton* button : buttons) {
        catcher.reached = nullptr;
        const QChar key = accessKey(*button);
        QTest::keyClick(&window, key.toLower().toLatin1(), Qt::AltModifier);
        if (catcher.reached != button || catcher.ambiguous)
            faults << QStringLiteral("Alt+%1 for \"%2\" %3").arg(key, button->text(),
                                                                catcher.ambiguous ? QStringLiteral("is shared")
                                                                                  : QStringLiteral("missed it"));
    }
    for (QAbstractButton* button : buttons)
        button->removeEventFilter(&catcher);
    return faults;
}

QString joined(const QStringList& faults)
{
    return faults.join(QStringLiteral("\n  "));
}

// The program started offscreen at a window, with every dialog its planner
// opens held for the test.
class ProgramWindow : public ::testing::TestWithParam<MonkeyStart>
{
protected:
    void SetUp() override
    {
        m_app = std::make_unique<TallyvaneApp>(qEnvironmentVariable("TALLYVANE_TEST_DATA"), &m_services);
        registerPlanners(*m_app);
        m_app->start();
        ASSERT_TRUE(showActive(m_app->frame()));
        enterStart(*m_app, GetParam());
        QApplication::processEvents();
    }

    QWidget& frame() { return m_app->frame(); }
    PlannerWindow* planner() { return m_app->navigator().openPlanner(); }

    ScriptedServices m_services;
    std::unique_ptr<TallyvaneApp> m_app;
};

TEST_P(ProgramWindow, NamesEveryControlForScreenReaders)
{
    EXPECT_EQ(joined(namingFaults(frame())), QString());
}

TEST_P(ProgramWindow, EachAccessKeyPressesItsOwnButton)
{
    EXPECT_EQ(joined(accessKeyFaults(frame())), QString());
}

INSTANTIATE_TEST_SUITE_P(Accessibility, ProgramWindow,
                         ::testing::Values(MonkeyStart::Menu, MonkeyStart::Budget, MonkeyStart::Savings,
                                           MonkeyStart::Mortgage, MonkeyStart::Loans, MonkeyStart::NetWorth,
                                           MonkeyStart::Graph),
                         [](const auto& info) { return startName(info.param).toStdString(); });

// The names of the controls Tab moves through from the one named `first`,
// `count` of them.
QStringList tabChain(QWidget& planner, const QString& first, int count)
{
    planner.findChild<QWidget*>(first)->setFocus(Qt::TabFocusReason);
    QStringList names;
    for (int step = 0; step < count; ++step) {
        QWidget* focused = QApplication::focusWidget();
        if (!focused)
            break;
        names << focused->objectName();
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    return names;
}

struct ReadingCase
{
    MonkeyStart start;
    QStringList order;
};

class ReadingOrder : public ::testing::TestWithParam<ReadingCase>
{
};

TEST_P(ReadingOrder, TabFollowsTheRowsLeftToRight)
{
    ScriptedServices services;
    TallyvaneApp app(qEnvironmentVariable("TALLYVANE_TEST_DATA"), &services);
    registerPlanners(app);
    app.start();
    ASSERT_TRUE(showActive(app.frame()));
    enterStart(app, GetParam().start);
    ASSERT_NE(app.navigator().openPlanner(), nullptr);
    const QStringList& order = GetParam().order;
    EXPECT_EQ(tabChain(*app.navigator().openPlanner(), order.front(), order.size() + 1).join(u' '),
              (order + QStringList{order.front()}).join(u' '));
}

INSTANTIATE_TEST_SUITE_P(
    Accessibility, ReadingOrder,
    ::testing::Values(ReadingCase{MonkeyStart::NetWorth,
                                  {"NGrid1", "NGrid2", "InsertAss", "NCalc", "InsertLiab", "NHelp", "Loadnet",
                                   "SaveNet", "NPrinter", "NExit"}},
                      ReadingCase{MonkeyStart::Savings,
                                  {"InLumpInv", "InInvest", "InMonthsYrs", "InRate", "InIncrRate", "inInflatRate",
                                   "InTerm", "SGrid", "SCalc", "SHelp", "SGraphs", "SPrinter", "SExit"}}),
    [](const auto& info) { return startName(info.param.start).toStdString(); });

// The mortgage window's own dialogs, opened by their buttons.
class MortgageDialog : public ProgramWindow
{
};

TEST_P(MortgageDialog, NamesEveryControlAndEachAccessKeyPressesItsButton)
{
    const char* const openers[] = {"MDateNumber", "MAddPrePay", "MShowIRF"};
    int shown = 0;
    planner()->setDialogRunner([&](QDialog& dialog) {
        ASSERT_TRUE(showActive(dialog));
        EXPECT_EQ(joined(namingFaults(dialog)), QString()) << dialog.objectName().toStdString();
        EXPECT_EQ(joined(accessKeyFaults(dialog)), QString()) << dialog.objectName().toStdString();
        ++shown;
    });
    for (const char* opener : openers)
        QTest::mouseClick(planner()->findChild<QPushButton*>(QLatin1String(opener)), Qt::LeftButton);
    EXPECT_EQ(shown, 3);
}

INSTANTIATE_TEST_SUITE_P(Accessibility, MortgageDialog, ::testing::Values(MonkeyStart::Mortgage),
                         [](const auto& info) { return startName(info.param).toStdString(); });

// The shared dialogs, the help and the print preview.
struct DialogCase
{
    const char* name;
    std::function<std::unique_ptr<QWidget>(SharedValues&, UiServices&)> make;
};

class SharedWindow : public ::testing::TestWithParam<DialogCase>
{
};

TEST_P(SharedWindow, NamesEveryControlAndEachAccessKeyPressesItsButton)
{
    SharedValues values;
    values.msgNumber = 1;
    values.yesNoState = 1;
    values.plannerMode = 1;
    ScriptedServices services;
    const std::unique_ptr<QWidget> window = GetParam().make(values, services);
    ASSERT_TRUE(showActive(*window));
    EXPECT_EQ(joined(namingFaults(*window)), QString());
    EXPECT_EQ(joined(accessKeyFaults(*window)), QString());
}

template <typename Dialog> std::unique_ptr<QWidget> withServices(SharedValues& values, UiServices& services)
{
    return std::make_unique<Dialog>(values, services, nullptr);
}

template <typename Dialog> std::unique_ptr<QWidget> withValues(SharedValues& values, UiServices&)
{
    return std::make_unique<Dialog>(values, nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Accessibility, SharedWindow,
    ::testing::Values(DialogCase{"Message", withValues<AMsgbox>}, DialogCase{"YesNo", withValues<AllYesNo>},
                      DialogCase{"RecordNumber", withServices<InRecNum>},
                      DialogCase{"PrintHeader", withServices<PrinterHeaderInput>},
                      DialogCase{"InsertLine", withServices<FundCurValInput>},
                      DialogCase{"Personalize", withServices<ChangeFnt>},
                      DialogCase{"Help",
                                 [](SharedValues&, UiServices&) -> std::unique_ptr<QWidget> {
                                     return std::make_unique<HelpViewer>(
                                         qEnvironmentVariable("TALLYVANE_TEST_DATA") + QStringLiteral("/tlvuse36.hlp"));
                                 }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PrintPreview, NamesEveryControlAndEachAccessKeyPressesItsButton)
{
    Report report;
    report.pages.resize(3);
    QStringList faults;
    whenModalShown([&faults](QWidget& preview) {
        faults = namingFaults(preview) + accessKeyFaults(preview);
        QTest::keyClick(&preview, Qt::Key_Escape);
    });
    showReportPreview(report, nullptr);
    EXPECT_EQ(joined(faults), QString());
}

} // namespace
