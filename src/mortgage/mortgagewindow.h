// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The mortgage and loan window (MortgageCalc). The menu opens it as a
// mortgage, whose term is typed in years, or as a personal loan, whose term is
// typed in months and kept in years. The window is thin: it keeps the figures
// of its green boxes in InputValues (principal in slot 1, rate in slot 2, term
// in years in slot 3), hands them with the list choices and the dialogs'
// choices to the amortization engine on Calculate, and shows what comes back
// in its result labels and grid. Every figure on screen is the engine's.
//
// Results on screen are valid from a Calculate until the next change of an
// input, view or dialog choice, which clears them at once (clearResults). Its
// three dialogs (additional payments, first payment date, days in the year)
// change the MortgageWindowState the window keeps. The chores every planner
// shares (operation guard, quick help, leaving) are PlannerWindow's.

#include "mortgage/amortizationresult.h"
#include "mortgage/mortgageplan.h"
#include "mortgage/mortgagewindowmode.h"
#include "mortgage/mortgagewindowstate.h"
#include "mortgage/payoffgoal.h"
#include "shell/plannerwindow.h"

#include <optional>
#include <utility>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace tallyvane {

class CaptionLabel;
class Grid;
class MortgageGridModel;
class OfferComparisonPanel;
class ResultLabel;

class MortgageCalc : public PlannerWindow
{
    Q_OBJECT

public:
    // Opens in the mode the menu left in SharedValues::loanKind.
    MortgageCalc(SharedValues& values, UiServices& services, PlannerHost& host, QWidget* parent = nullptr);

    const MortgageWindowState& state() const { return m_state; }
    QSize sizeHint() const override;
    bool openFile(const QString& path) override;
    bool recoverFile(const QString& path, const QString& originalName) override;
    bool mayLeave() override;
    // Asks nothing, and keeps the inputs' recovery copy for the next start.
    bool mayEndSession() override { return true; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildInputs();
    void buildResults();
    void buildButtons();
    void buildTable();
    void layOut();
    void fillOpeningValues();
    void keepDatesForTheRun();
    void takeModeOf(LoanKind kind);

    void showPrincipal();
    void storeTerm(Money typed);
    void showTerm(Money typed);
    void showOpenedTerm(Money termYears);
    void storeRateChoice();
    void storeTermChoice();
    bool refuseListKey(QWidget* successor, QEvent* event);

    void clearResults();
    void calculate();
    AmortizationInput engineInput() const;
    void showResult(const AmortizationResult& result);
    AmortizationView chosenView() const;
    void chooseView(AmortizationView view);
    void toggleDates();
    void editAdditionalPayments();
    void chooseDaysInYear();
    void showPrepaymentIndicator();
    void toggleQuickHelp();
    void showGraph();
    void aimForPayoffYear();
    std::optional<PayoffGoal> reachPayoffYear(int year);
    void print();
    void openChosenFile();
    void saveFile();
    MortgagePlan plan() const;
    void showPlan(const MortgagePlan& plan);
    // Reads the plan at `path` whole, then shows and calculates it under
    // `fileName`; false (nothing changed) when it cannot be read.
    bool showFile(const QString& path, const QString& fileName);
    QString& rememberedFileName() const;

    // The last inputs are kept against a crash or a logout like unsaved
    // work (mortgagewindowrecovery.cpp), until saved or left by Exit. The
    // file opened or saved is held and stamped as the budget's is.
    void keepInputs();
    void noteInputsChanged();
    void inputsSaved(const QString& path);

    const MortgageWindowMode* m_mode;
    MortgageWindowState m_state;
    // What the results on screen were calculated from, for the printout.
    std::optional<std::pair<AmortizationInput, AmortizationResult>> m_shown;
    bool m_inputsChanged = false;

    GreenBox* m_principal = nullptr;
    QComboBox* m_rate = nullptr;
    GreenBox* m_rateBox = nullptr;
    QComboBox* m_term = nullptr;
    GreenBox* m_termBox = nullptr;
    QComboBox* m_compounding = nullptr;
    QComboBox* m_paymentKind = nullptr;
    QRadioButton* m_allPayments = nullptr;
    QRadioButton* m_annualTotals = nullptr;

    std::vector<ResultLabel*> m_resultLabels;
    ResultLabel* m_paymentsPerYear = nullptr;
    ResultLabel* m_days = nullptr;
    ResultLabel* m_periodicRate = nullptr;
    ResultLabel* m_payment = nullptr;
    CaptionLabel* m_increaseCaption = nullptr;
    ResultLabel* m_increaseAmount = nullptr;
    ResultLabel* m_timeToFinal = nullptr;
    ResultLabel* m_totalPaid = nullptr;
    ResultLabel* m_interestSavings = nullptr;

    QPushButton* m_calculate = nullptr;
    QPushButton* m_dateNumber = nullptr;
    QPushButton* m_addPrePay = nullptr;
    QLabel* m_prepaymentIndicator = nullptr;
    QPushButton* m_showDays = nullptr;
    QPushButton* m_openFile = nullptr;
    QPushButton* m_saveFile = nullptr;
    QPushButton* m_printer = nullptr;
    QPushButton* m_graph = nullptr;
    QPushButton* m_help = nullptr;
    QPushButton* m_exit = nullptr;

    MortgageGridModel* m_model = nullptr;
    Grid* m_grid = nullptr;
    OfferComparisonPanel* m_comparison = nullptr;
    QPushButton* m_goal = nullptr;
};

} // namespace tallyvane
