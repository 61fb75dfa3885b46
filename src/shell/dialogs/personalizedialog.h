#pragma once

#include "shell/dialogs/shareddialog.h"

#include <QLineEdit>

class QButtonGroup;
class QPushButton;

namespace tallyvane {

class GreenBox;
class UiServices;

// The currency box of the Personalize window: any character but the double
// quote, the first key (or a click) replaces the old symbol, and leaving
// keeps the symbol right-aligned in two places.
class CurrencyBox : public QLineEdit
{
public:
    CurrencyBox(SharedValues& values, UiServices& services, QWidget* parent);
    void setSuccessor(QWidget* successor) { m_successor = successor; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    SharedValues& m_values;
    UiServices& m_services;
    QWidget* m_successor = nullptr;
};

// The Personalize window (ChangeFnt): the printer font, the user's name and
// the currency symbol. A font choice takes effect at once; leaving by "E&xit
// to Menu" (or any other way) keeps the symbol and the name and saves all
// three in the user's settings file. A save that fails is reported.
class ChangeFnt : public SharedDialog
{
    Q_OBJECT

public:
    ChangeFnt(SharedValues& values, UiServices& services, QWidget* frame);

    void done(int result) override;

private:
    UiServices& m_services;
    QButtonGroup* m_fonts;
    GreenBox* m_name;
    CurrencyBox* m_currency;
    QPushButton* m_exit;
};

} // namespace tallyvane
