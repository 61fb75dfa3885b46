// SPDX-License-Identifier: GPL-3.0-or-later
#include "plannerwindowdriver.h"

#include "shell/plannerwindow.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace tallyvane::testing {

bool showActive(QWidget& widget)
{
    widget.show();
    QApplication::setActiveWindow(&widget);
    return QTest::qWaitForWindowActive(&widget);
}

void clickChild(QWidget& parent, const char* buttonName)
{
    auto* found = parent.findChild<QAbstractButton*>(QLatin1String(buttonName));
    ASSERT_NE(found, nullptr) << buttonName;
    // Near the left edge, where an option's round button is: an option is
    // often wider than its caption.
    QTest::mouseClick(found, Qt::LeftButton, {}, QPoint(6, found->height() / 2));
}

void PlannerWindowTest::TearDown()
{
    EXPECT_TRUE(m_dialogScripts.empty()) << m_dialogScripts.size() << " scripted dialog(s) never opened";
    EXPECT_TRUE(services.unusedAnswers().isEmpty())
        << "scripted answers never asked for: " << services.unusedAnswers().toStdString();
}

void PlannerWindowTest::attach(PlannerWindow& window)
{
    m_window = &window;
    m_widget = &window;
    window.setDialogRunner([this](QDialog& dialog) {
        dialogsShown.push_back(dialog.objectName());
        EXPECT_TRUE(showActive(dialog));
        if (!m_dialogScripts.empty()) {
            const DialogScript script = m_dialogScripts.front();
            m_dialogScripts.pop_front();
            script(dialog);
        }
        if (dialog.isVisible())
            dialog.reject();
        QApplication::processEvents();
    });
    activateWindow();
}

void PlannerWindowTest::activateWindow()
{
    ASSERT_TRUE(showActive(*m_window));
}

QPushButton* PlannerWindowTest::button(const char* name) const
{
    return child<QPushButton>(name);
}

QComboBox* PlannerWindowTest::list(const char* name) const
{
    return child<QComboBox>(name);
}

QString PlannerWindowTest::label(const char* name) const
{
    return child<QLabel>(name)->text().trimmed();
}

void PlannerWindowTest::click(const char* buttonName)
{
    if (!QApplication::activeModalWidget())
        activateWindow();
    QTest::mouseClick(button(buttonName), Qt::LeftButton);
    QApplication::processEvents();
}

void PlannerWindowTest::typeInto(const char* controlName, const QString& keys)
{
    auto* control = child<QWidget>(controlName);
    control->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
    QTest::keyClicks(control, keys);
}

void PlannerWindowTest::pressEnter(const char* controlName)
{
    QTest::keyClick(child<QWidget>(controlName), Qt::Key_Return);
    QApplication::processEvents();
}

void PlannerWindowTest::chooseFromList(const char* listName, const QString& entry)
{
    QComboBox* choices = list(listName);
    const int target = choices->findText(entry);
    ASSERT_GE(target, 0) << entry.toStdString();
    choices->setFocus(Qt::MouseFocusReason);
    // As the drop-down chooses: some lists refuse every key but the one that
    // opens it, and an offscreen popup cannot be clicked reliably.
    choices->setCurrentIndex(target);
    emit choices->activated(target);
    QApplication::processEvents();
}

void PlannerWindowTest::whenDialogOpens(DialogScript script)
{
    m_dialogScripts.push_back(std::move(script));
}

} // namespace tallyvane::testing
