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

#include <gtest/gtest.h>

#include <map>

using namespace tallyvane;
using namespace tallyvane::testing;

namespace {

QString describe(const QWidget* widget)
{
    return QString::fromLatin1(widget->metaObject()->className()) + u' ' + widget->objectName();
}

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
                faults << QStringLiteral("no name: ") + describe(widget);
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
    // The mortgage window's own dialogs, opened by their buttons.
    if (GetParam() != MonkeyStart::Mortgage)
        return;
    PlannerWindow* planner = m_app.navigator().openPlanner();
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
class TabOrder : public ProgramWindow
{
};

TEST_P(TabOrder, FollowsTheRowsLeftToRight)
{
    const QStringList order{"NGrid1", "NGrid2", "InsertAss", "NCalc", "InsertLiab", "NHelp",
                            "Loadnet", "SaveNet", "NPrinter", "NExit", "NGrid1"};
    m_app.navigator().openPlanner()->findChild<QWidget*>(order.front())->setFocus(Qt::TabFocusReason);
    QStringList reached;
    for (int step = 0; step < order.size(); ++step) {
        reached << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(reached, order);
}

INSTANTIATE_TEST_SUITE_P(Accessibility, TabOrder, ::testing::Values(MonkeyStart::NetWorth),
                         [](const auto& info) { return startName(info.param).toStdString(); });

using WindowMaker = std::function<std::unique_ptr<QWidget>(SharedValues&, UiServices&)>;

class SharedWindow : public ::testing::TestWithParam<std::pair<const char*, WindowMaker>>
{
};

TEST_P(SharedWindow, NamesEveryControlAndEachAccessKeyPressesItsButton)
{
    SharedValues values;
    values.msgNumber = values.yesNoState = values.plannerMode = 1;
    ScriptedServices services;
    const std::unique_ptr<QWidget> window = GetParam().second(values, services);
    ASSERT_TRUE(showActive(*window));
    EXPECT_EQ(faultsOf(*window), QString());
}

template <typename Dialog> std::pair<const char*, WindowMaker> dialog(const char* name)
{
    return {name, [](SharedValues& values, UiServices& services) -> std::unique_ptr<QWidget> {
                if constexpr (std::is_constructible_v<Dialog, SharedValues&, QWidget*>)
                    return std::make_unique<Dialog>(values, nullptr);
                else
                    return std::make_unique<Dialog>(values, services, nullptr);
            }};
}

INSTANTIATE_TEST_SUITE_P(
    Accessibility, SharedWindow,
    ::testing::Values(dialog<AMsgbox>("Message"), dialog<AllYesNo>("YesNo"), dialog<InRecNum>("RecordNumber"),
                      dialog<PrinterHeaderInput>("PrintHeader"), dialog<FundCurValInput>("InsertLine"),
                      dialog<ChangeFnt>("Personalize"),
                      std::pair<const char*, WindowMaker>{"Help",
                                                          [](SharedValues&, UiServices&) -> std::unique_ptr<QWidget> {
                                                              return std::make_unique<HelpViewer>(
                                                                  qEnvironmentVariable("TALLYVANE_TEST_DATA") +
                                                                  QStringLiteral("/tlvuse36.hlp"));
                                                          }}),
    [](const auto& info) { return std::string(info.param.first); });

TEST(PrintPreview, NamesEveryControlAndEachAccessKeyPressesItsButton)
{
    Report report;
    report.pages.resize(3);
    QString faults;
    whenModalShown([&faults](QWidget& preview) {
        faults = faultsOf(preview);
        QTest::keyClick(&preview, Qt::Key_Escape);
    });
    showReportPreview(report, nullptr);
    EXPECT_EQ(faults, QString());
}

} // namespace
