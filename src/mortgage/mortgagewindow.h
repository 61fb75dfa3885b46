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
// change the MortgageWindowState the window keeps; every message goes
// through UiServices.

#include "mortgage/amortizationresult.h"
#include "mortgage/mortgagewindowmode.h"
#include "mortgage/mortgagewindowstate.h"

#include <QWidget>

#include <functional>
#include <vector>

class QComboBox;
class QDialog;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace tallyvane {

struct SharedValues;
class CaptionLabel;
class GreenBox;
class Grid;
class MortgageGridModel;
class PlannerHost;
class UiServices;

class MortgageCalc : public QWidget
{
    Q_OBJECT

public:
    // Shows a modal dialog and returns once it has closed.
    using DialogRunner = std::function<void(QDialog& dialog)>;

    // Opens in the mode the menu left in SharedValues::loanKind.
    MortgageCalc(SharedValues& values, UiServices& services, PlannerHost& host, QWidget* parent = nullptr);
    ~MortgageCalc() override;

    // Tests answer the dialogs in place instead of running them modally.
    void setDialogRunner(DialogRunner runner);
    const MortgageWindowState& state() const { return m_state; }
    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildInputs();
    void buildResults();
    void buildButtons();
    void buildTable();
    void layOut();
    void fillOpeningValues();

    void showPrincipal();
    void storeTerm(Money typed);
    void showTerm(Money typed);
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
    void showQuickHelp(bool shown);
    void showGraph();
    void exitToMenu();

    Money& slot(int index);

    SharedValues& m_values;
    UiServices& m_services;
    PlannerHost& m_host;
    const MortgageWindowMode& m_mode;
    MortgageWindowState m_state;
    DialogRunner m_runDialog;
    bool m_quickHelpOpen = false;

    GreenBox* m_principal = nullptr;
    QComboBox* m_rate = nullptr;
    GreenBox* m_rateBox = nullptr;
    QComboBox* m_term = nullptr;
    GreenBox* m_termBox = nullptr;
    QComboBox* m_compounding = nullptr;
    QComboBox* m_paymentKind = nullptr;
    QRadioButton* m_allPayments = nullptr;
    QRadioButton* m_annualTotals = nullptr;

    std::vector<QLabel*> m_resultLabels;
    QLabel* m_paymentsPerYear = nullptr;
    QLabel* m_days = nullptr;
    QLabel* m_periodicRate = nullptr;
    QLabel* m_payment = nullptr;
    CaptionLabel* m_increaseCaption = nullptr;
    QLabel* m_increaseAmount = nullptr;
    QLabel* m_timeToFinal = nullptr;
    QLabel* m_totalPaid = nullptr;
    QLabel* m_interestSavings = nullptr;

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
    QPlainTextEdit* m_quickHelp = nullptr;
};

} // namespace tallyvane
