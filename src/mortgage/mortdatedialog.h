// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mortgage/mortgagewindowstate.h"
#include "shell/dialogs/shareddialog.h"

class QLineEdit;

namespace tallyvane {

class UiServices;

// Asks for the date of the first payment. The box takes any characters; when
// it is left, its text must read as a date, which is then shown again in the
// short date form and kept. Text that is no date is answered with a message
// and the date kept before comes back.
class MortDateInput : public SharedDialog
{
    Q_OBJECT

public:
    MortDateInput(MortgageWindowState& state, SharedValues& values, UiServices& services, QWidget* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool typeKey(QKeyEvent* event);
    void readDate();

    MortgageWindowState& m_state;
    UiServices& m_services;
    QLineEdit* m_date;
    QWidget* m_ok;
};

} // namespace tallyvane
