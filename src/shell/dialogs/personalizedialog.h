// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/dialogs/shareddialog.h"
#include "shell/greenbox.h"

class QButtonGroup;
class QPushButton;

namespace tallyvane {

class UiServices;

// The currency box of the Personalize window: a word box (any character but
// the double quote) whose first key, or a click, replaces the old symbol, and
// which keeps the symbol right-aligned in two places when left.
class CurrencyBox : public GreenBox
{
public:
    CurrencyBox(SharedValues& values, UiServices& services, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    SharedValues& m_values;
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
