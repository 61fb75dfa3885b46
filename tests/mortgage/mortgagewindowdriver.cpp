#include "mortgagewindowdriver.h"

#include "core/dates.h"
#include "mortgage/mortgagegridmodel.h"
#include "shell/grid/grid.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace tallyvane::testing {

void showActive(QWidget& widget)
{
    widget.show();
    QApplication::setActiveWindow(&widget);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&widget));
}

void clickChild(QWidget& parent, const char* buttonName)
{
    auto* found = parent.findChild<QAbstractButton*>(QLatin1String(buttonName));
    ASSERT_NE(found, nullptr) << buttonName;
    // Near the left edge, where an option's round button is: an option is
    // often wider than its caption.
    QTest::mouseClick(found, Qt::LeftButton, {}, QPoint(6, found->height() / 2));
}

void MortgageWindowTest::open(LoanKind kind)
{
    values.currencySymbol = QStringLiteral("$");
    values.todayText = shortDateText(QDate(2026, 3, 15));
    values.loanKind = static_cast<std::int16_t>(kind);
    window = std::make_unique<MortgageCalc>(values, services, host);
    window->setDialogRunner([this](QDialog& dialog) {
        dialogsShown.push_back(dialog.objectName());
        showActive(dialog);
        if (!dialogScripts.empty()) {
            const DialogScript script = dialogScripts.front();
            dialogScripts.pop_front();
            script(dialog);
        }
        if (dialog.isVisible())
            dialog.reject();
        QApplication::processEvents();
    });
    activateWindow();
}

void MortgageWindowTest::activateWindow()
{
    showActive(*window);
}

QPushButton* MortgageWindowTest::button(const char* name) const
{
    return child<QPushButton>(name);
}

QComboBox* MortgageWindowTest::list(const char* name) const
{
    return child<QComboBox>(name);
}

QString MortgageWindowTest::label(const char* name) const
{
    return child<QLabel>(name)->text().trimmed();
}

MortgageGridModel* MortgageWindowTest::gridModel() const
{
    return static_cast<MortgageGridModel*>(grid()->gridModel());
}

Grid* MortgageWindowTest::grid() const
{
    return child<Grid>("MGrid");
}

QString MortgageWindowTest::cell(int row, int column) const
{
    return gridModel()->text(row, column);
}

void MortgageWindowTest::click(const char* buttonName)
{
    if (!QApplication::activeModalWidget())
        activateWindow();
    QTest::mouseClick(button(buttonName), Qt::LeftButton);
    QApplication::processEvents();
}

void MortgageWindowTest::typeInto(const char* controlName, const QString& keys)
{
    auto* control = child<QWidget>(controlName);
    control->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
    QTest::keyClicks(control, keys);
}

void MortgageWindowTest::pressEnter(const char* controlName)
{
    QTest::keyClick(child<QWidget>(controlName), Qt::Key_Return);
    QApplication::processEvents();
}

void MortgageWindowTest::chooseFromList(const char* listName, const QString& entry)
{
    QComboBox* choices = list(listName);
    const int target = choices->findText(entry);
    ASSERT_GE(target, 0) << entry.toStdString();
    choices->setFocus(Qt::MouseFocusReason);
    if (target == choices->currentIndex()) {
        // The entry already shown is chosen again: one step away and back.
        const bool last = target == choices->count() - 1;
        QTest::keyClick(choices, last ? Qt::Key_Up : Qt::Key_Down);
        QTest::keyClick(choices, last ? Qt::Key_Down : Qt::Key_Up);
    }
    while (choices->currentIndex() != target)
        QTest::keyClick(choices, choices->currentIndex() < target ? Qt::Key_Down : Qt::Key_Up);
    QApplication::processEvents();
}

void MortgageWindowTest::chooseAllPayments()
{
    clickChild(*window, "Option1");
}

void MortgageWindowTest::whenDialogOpens(DialogScript script)
{
    dialogScripts.push_back(std::move(script));
}

} // namespace tallyvane::testing
