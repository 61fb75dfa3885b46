// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mortgage/amortizationinput.h"
#include "mortgage/payoffgoal.h"
#include "shell/dialogs/shareddialog.h"

#include <functional>
#include <optional>

class QLabel;
class QLineEdit;

namespace tallyvane {

// Asks for the year by which the loan is to be paid off. "&Find" hands the
// year to the window, which searches the yearly additional payment, applies
// it and recalculates; the dialog shows what was found, or the refusal, and
// stays open for another year until it is closed.
class MortGoal : public SharedDialog
{
    Q_OBJECT

public:
    // Answers nothing when the search could not run at all.
    using Reach = std::function<std::optional<PayoffGoal>(int year)>;

    MortGoal(int lastYear, LoanKind kind, Reach reach, SharedValues& values, QWidget* parent);

private:
    void find();

    LoanKind m_kind;
    Reach m_reach;
    QLineEdit* m_year = nullptr;
    QLabel* m_outcome = nullptr;
};

} // namespace tallyvane
