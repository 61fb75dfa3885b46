// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The savings window (SavingsCalc). The user sets a lump sum, a contribution
// per period, how often it is made, the growth rate, a yearly increase of the
// contribution, an inflation rate and the number of years in green boxes;
// Calculate hands them to the growth engine and the grid shows the period
// table it returns. The window holds no arithmetic: the figures of its boxes
// live in InputValues (slots in savings/savingsinputs.h), and every text of
// its grid and printout is made from the engine's result in core.
//
// Results are valid from a Calculate until the first key typed into a box or
// the next choice from a list, which clears them at once. While the quick
// help is open the results are out of sight, and closing it clears them.
// The chores every planner shares (operation guard, quick help, leaving) are
// PlannerWindow's.

#include "savings/savingsinputs.h"
#include "savings/savingsresult.h"
#include "shell/plannerwindow.h"

#include <optional>

class QComboBox;
class QPushButton;

namespace tallyvane {

class Grid;
class SavingsGridModel;

class SavingsCalc : public PlannerWindow
{
    Q_OBJECT

public:
    SavingsCalc(SharedValues& values, UiServices& services, PlannerHost& host, QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A calculation and the plan it was made from, kept for the printout.
    struct Calculation
    {
        SavingsInputs inputs;
        SavingsResult result;
    };

    void buildInputs();
    void buildButtons();
    void buildTable();
    void layOut();
    void showDefaults();

    void storeListChoice(QComboBox* list, GreenBox* box);
    void storeTypedTerm();
    void storeTerm(Money typed);
    bool refuseFrequencyKey(QEvent* event);

    void clearResults();
    void calculate();
    SavingsInputs enteredInputs() const;
    void toggleQuickHelp();
    void showGraph();
    void print();

    std::vector<GreenBox*> m_boxes;
    QComboBox* m_lumpSum = nullptr;
    GreenBox* m_lumpSumBox = nullptr;
    GreenBox* m_termBox = nullptr;
    QComboBox* m_frequency = nullptr;

    QPushButton* m_calculate = nullptr;
    QPushButton* m_help = nullptr;
    QPushButton* m_graph = nullptr;
    QPushButton* m_printer = nullptr;
    QPushButton* m_export = nullptr;
    QPushButton* m_exit = nullptr;

    SavingsGridModel* m_model = nullptr;
    Grid* m_grid = nullptr;
    std::optional<Calculation> m_calculation;
};

} // namespace tallyvane
