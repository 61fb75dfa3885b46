// SPDX-License-Identifier: GPL-3.0-or-later
#include "mortgage/mortgagewindow.h"

#include "core/arithmeticfault.h"
#include "core/dates.h"
#include "core/fieldreader.h"
#include "core/keyfilters.h"
#include "core/leadingnumber.h"
#include "core/messages.h"
#include "core/numberformat.h"
#include "core/report/printout.h"
#include "core/plannererror.h"
#include "core/rightalign.h"
#include "core/sharedvalues.h"
#include "mortgage/amortizationdisplay.h"
#include "mortgage/amortizationengine.h"
#include "mortgage/amortizationhandover.h"
#include "mortgage/mortdatedialog.h"
#include "mortgage/mortgageexport.h"
#include "mortgage/mortgagefile.h"
#include "mortgage/mortgagegridmodel.h"
#include "mortgage/mortgageinputslots.h"
#include "mortgage/mortgageprintout.h"
#include "mortgage/mortgoaldialog.h"
#include "mortgage/mortirfdialog.h"
#include "mortgage/mortprepaydialog.h"
#include "mortgage/offercomparisonpanel.h"
#include "mortgage/resulttablelayout.h"
#include "shell/captionlabel.h"
#include "shell/dialogs/filechooser.h"
#include "shell/greenbox.h"
#include "shell/grid/grid.h"
#include "shell/placement.h"
#include "shell/plannerhost.h"
#include "shell/plannerstyle.h"
#include "shell/plannerwidgets.h"
#include "shell/uiservices.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace tallyvane {
namespace {

constexpr int GraphTableRows = 46;
constexpr int GraphTableColumns = 7;
constexpr int MortgageGraphSource = 4;
constexpr int PrincipalWidth = 16;
constexpr int TermWidth = 16;
const Money OpeningRate = Money::fromRaw(101250); // 10.125 %

const FigureBoxLayout PrincipalBox{.filter = KeyFilterKind::Decimal,
                                   .slot = MortgageSlot::Principal,
                                   .format = QStringLiteral("####,,###.00"),
                                   .width = PrincipalWidth,
                                   .selectAllOnFocus = true};
const FigureBoxLayout RateBox{.filter = KeyFilterKind::Decimal,
                              .slot = MortgageSlot::Rate,
                              .format = QStringLiteral("###.000"),
                              .width = 14,
                              .suffix = QStringLiteral("%"),
                              .threeDecimals = true};
// The term is stored by the window: a loan's months are kept as years.
const FigureBoxLayout TermBox{
    .filter = KeyFilterKind::WholeNumber, .format = QStringLiteral("###"), .width = TermWidth};

template <typename Value>
std::vector<ListEntry<Value>> entriesOf(const QStringList& texts,
                                        std::optional<Value> (*meaning)(const QString&))
{
    std::vector<ListEntry<Value>> entries;
    for (const QString& text : texts)
        entries.push_back({text, meaning(text).value()});
    return entries;
}

} // namespace

MortgageCalc::MortgageCalc(SharedValues& values, UiServices& services, PlannerHost& host, QWidget* parent)
    : PlannerWindow(values, services, host,
                    {mortgageWindowMode(loanKindFromShared(values.loanKind)).frameCaption,
                     mortgageWindowMode(loanKindFromShared(values.loanKind)).helpContext},
                    parent),
      m_mode(&mortgageWindowMode(loanKindFromShared(values.loanKind)))
{
    setObjectName(QStringLiteral("MortgageCalc"));
    setWindowTitle(m_mode->windowCaption);

    values.resultTable.resize(ResultTableRows, ResultTableColumns);
    values.graphTable.resize(GraphTableRows, GraphTableColumns);
    sizeInputSlots(MortgageSlot::Count);
    keepInputs();
    buildInputs();
    buildResults();
    buildButtons();
    buildTable();
    layOut();
    linkSuccessors();
    fillOpeningValues();
    m_inputsChanged = false;
}

QSize MortgageCalc::sizeHint() const
{
    // The window covers the frame at its start size from where it is placed.
    const QPoint at = childPositionTwips(ChildKind::MortgagePlanner, SmallFrameMark);
    return {twipsToPixels(FrameStartWidthTwips - at.x(), logicalDpiX()),
            twipsToPixels(FrameStartHeightTwips - at.y(), logicalDpiY())};
}

void MortgageCalc::buildInputs()
{
    const std::vector<GreenBox*> boxes = buildGreenBoxes({
        {.name = QStringLiteral("InPrincipal"),
         .layout = PrincipalBox,
         .successor = QStringLiteral("InRate")},
        {.name = QStringLiteral("InRate"),
         .layout = RateBox,
         .successor = QStringLiteral("InTerm"),
         .listItems = {QStringLiteral("6 "), QStringLiteral("7 "), QStringLiteral("8 "), QStringLiteral("9 "),
                       QStringLiteral("10 ")}},
        {.name = QStringLiteral("InTerm"),
         .layout = TermBox,
         .successor = QStringLiteral("Comperiod"),
         .listItems = m_mode->termList},
    });
    m_principal = boxes[0];
    m_rateBox = boxes[1];
    m_termBox = boxes[2];
    m_rate = findChild<QComboBox*>(QStringLiteral("InRate"));
    m_term = findChild<QComboBox*>(QStringLiteral("InTerm"));
    for (GreenBox* box : boxes)
        connect(box, &GreenBox::typingStarted, this, &MortgageCalc::clearResults);
    connect(m_principal, &GreenBox::figureStored, this, &MortgageCalc::showPrincipal);
    connect(m_rate, &QComboBox::activated, this, &MortgageCalc::storeRateChoice);
    connect(m_termBox, &GreenBox::figureStored, this, [this] {
        storeTerm(readLeadingMoneyOr(m_termBox->text(), Money::fromWhole(m_mode->termLimit + 1)));
    });
    connect(m_term, &QComboBox::activated, this, &MortgageCalc::storeTermChoice);

    m_compounding = choiceList(QStringLiteral("Comperiod"), this);
    addListEntries(m_compounding, entriesOf(compoundingListTexts(), compoundingFromListText));
    m_paymentKind = choiceList(QStringLiteral("FreqPmt"), this);
    addListEntries(m_paymentKind, entriesOf(paymentKindListTexts(), paymentKindFromListText));
    for (QComboBox* list : {m_compounding, m_paymentKind})
        connect(list, &QComboBox::activated, this, &MortgageCalc::clearResults);
    for (QComboBox* list : {m_rate, m_term, m_compounding, m_paymentKind})
        list->installEventFilter(this);

    m_allPayments = new QRadioButton(QStringLiteral("All "), this);
    m_allPayments->setObjectName(QStringLiteral("Option1"));
    m_annualTotals = new QRadioButton(QStringLiteral("Annual"), this);
    m_annualTotals->setObjectName(QStringLiteral("Option2"));
    m_annualTotals->setChecked(true);
    connect(m_allPayments, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            chooseView(AmortizationView::AllPayments);
    });
    connect(m_annualTotals, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            chooseView(AmortizationView::AnnualTotals);
    });
}

void MortgageCalc::buildResults()
{
    const auto resultLabel = [this](const char* name) {
        auto* label = new ResultLabel(QString::fromLatin1(name), this);
        m_resultLabels.push_back(label);
        return label;
    };
    m_paymentsPerYear = resultLabel("NumPmtsYear");
    m_days = resultLabel("InDays");
    m_periodicRate = resultLabel("PeriodicR");
    m_payment = resultLabel("InMonthPI");
    m_increaseAmount = resultLabel("PPpercent");
    m_timeToFinal = resultLabel("EndMortYear");
    m_totalPaid = resultLabel("AllPayments");
    m_interestSavings = resultLabel("TotSavd");
    m_increaseCaption = plannerCaption(increaseCaption(0.0f), QStringLiteral("Label16"), this);
}

void MortgageCalc::buildButtons()
{
    const auto button = [this](const char* caption, const char* name, void (MortgageCalc::*action)()) {
        QPushButton* pushButton = plannerButton(QString::fromUtf8(caption), QString::fromLatin1(name), this);
        if (action)
            connect(pushButton, &QPushButton::clicked, this, action);
        return pushButton;
    };
    m_calculate = button("&Calculate", "MCalc", &MortgageCalc::calculate);
    QFont bold = m_calculate->font();
    bold.setBold(true);
    m_calculate->setFont(bold);
    m_dateNumber = button("&View payment date", "MDateNumber", &MortgageCalc::toggleDates);
    m_addPrePay = button("&Additional payments", "MAddPrePay", &MortgageCalc::editAdditionalPayments);
    m_prepaymentIndicator = new QLabel(this);
    m_prepaymentIndicator->setObjectName(QStringLiteral("AddPmtsOn"));
    m_prepaymentIndicator->setAutoFillBackground(true);
    m_prepaymentIndicator->setFixedWidth(8);
    m_prepaymentIndicator->setToolTip(QStringLiteral("Red while additional payments or an increase apply"));
    showPrepaymentIndicator();
    m_showDays = button("&Days in year", "MShowIRF", &MortgageCalc::chooseDaysInYear);
    m_openFile = button("&Open File", "MLoadFile", &MortgageCalc::openChosenFile);
    m_saveFile = button("Save &File", "MSaveFile", &MortgageCalc::saveFile);
    m_printer = button("To &Printer", "MPrinter", &MortgageCalc::print);
    m_graph = button("&Show Graph", "MGraphs", &MortgageCalc::showGraph);
    m_help = button("Quick &Help", "MHelp", &MortgageCalc::toggleQuickHelp);
    m_exit = button("E&xit to Menu", "MExit", nullptr);
    connect(m_exit, &QPushButton::clicked, this, &MortgageCalc::exitToMenu);
    m_comparison = new OfferComparisonPanel(m_mode->loanKind, values(), services(), this);
    m_goal = button("&Goal…", "MGoal", &MortgageCalc::aimForPayoffYear);
}

void MortgageCalc::buildTable()
{
    m_model = new MortgageGridModel(this);
    m_model->showHeadings(AmortizationView::AnnualTotals, false);
    m_grid = new Grid(m_model, this);
    m_grid->setObjectName(QStringLiteral("MGrid"));
    m_grid->setAccessibleName(QStringLiteral("Amortization schedule"));
    m_grid->setHeadingHeightTwips(510);
    const QFontMetrics figures = m_grid->fontMetrics();
    const QFontMetrics firstColumn(m_model->data(m_model->index(0, 0), Qt::FontRole).value<QFont>());
    // The first column fits a payment number and its year; the amount columns
    // share the rest of the width.
    m_grid->setColumnWidth(MortgageGridModel::Payment,
                           firstColumn.horizontalAdvance(QStringLiteral("0000  0000  ")) + 12);
    m_grid->horizontalHeader()->setMinimumSectionSize(
        figures.horizontalAdvance(QString::fromLatin1(PlannerStyle::WidestFigure)) + 8);
    m_grid->shareWidthFrom(MortgageGridModel::Interest);
    // The buttons fill the window; the export lives in the grid's menu.
    const bool loan = m_mode->loanKind == LoanKind::PersonalLoan;
    setUpCsvExport(
        [this]() -> std::optional<CsvTable> {
            if (!hasResults(Message::NoRecords) || !m_shown)
                return std::nullopt;
            return mortgageCsvTable(m_shown->second);
        },
        loan ? QStringLiteral("Loan.csv") : QStringLiteral("Mortgage.csv"), {m_grid});
}

void MortgageCalc::layOut()
{
    const auto caption = [this](const QString& text, const char* name) {
        return plannerCaption(text, QString::fromLatin1(name), this);
    };
    QGridLayout* inputs = captionedCards(
        {
            {caption(m_mode->principalCaption, "Label1"), m_principal},
            {caption(m_mode->rateCaption, "Label2"), m_rate},
            {caption(m_mode->termCaption, "Label3"), m_term},
            {caption(QStringLiteral(" Interest compound           periods per year."), "Label6"),
             m_compounding},
            {caption(QStringLiteral(" Frequency and type of     each payment."), "Label10"), m_paymentKind},
        },
        5);

    QGridLayout* results = captionedCards(
        {
            {caption(QStringLiteral(" No. of payments   each year."), "Label9"), m_paymentsPerYear},
            {caption(QStringLiteral(" Days          in year."), "Label15"), m_days},
            {caption(QStringLiteral(" Interest rate        factor."), "Label14"), m_periodicRate},
            {caption(QStringLiteral(" Principal + Interest   payment."), "Label4"), m_payment},
            {m_increaseCaption, m_increaseAmount},
            {caption(m_mode->timeToFinalCaption, "Label11"), m_timeToFinal},
            {caption(m_mode->totalPaidCaption, "Label8"), m_totalPaid},
            {caption(QStringLiteral(" Total interest      savings."), "Label5"), m_interestSavings},
        },
        4);
    results->addWidget(caption(QStringLiteral(" Show payments."), "Label12"), 0, 4);
    results->addWidget(m_allPayments, 1, 4);
    results->addWidget(m_annualTotals, 2, 4, Qt::AlignTop);

    // The indicator sits flush against the button it belongs to.
    auto* prePay = new QWidget(this);
    auto* prePayRow = new QHBoxLayout(prePay);
    prePayRow->setContentsMargins(0, 0, 0, 0);
    prePayRow->setSpacing(0);
    prePayRow->addWidget(m_addPrePay, 1);
    prePayRow->addWidget(m_prepaymentIndicator);
    QGridLayout* buttons = buttonGrid({
        {m_calculate, m_dateNumber, prePay, m_showDays, m_help},
        {m_openFile, m_saveFile, m_printer, m_graph, m_exit},
        {m_comparison->keepButton(), m_comparison->fileButton(), m_comparison->clearButton(), m_goal},
    });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(PlannerStyle::Margin, PlannerStyle::Margin, PlannerStyle::Margin,
                               PlannerStyle::Margin);
    layout->setSpacing(PlannerStyle::Spacing);
    layout->addLayout(inputs);
    layout->addLayout(results);
    layout->addWidget(m_comparison);
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttons);
    setUpQuickHelp(QStringLiteral("MTextBox"), m_help, m_grid, {m_printer, m_saveFile, m_graph}, m_principal);
}

void MortgageCalc::fillOpeningValues()
{
    slot(MortgageSlot::Principal) = m_mode->principal;
    slot(MortgageSlot::Rate) = OpeningRate;
    slot(MortgageSlot::TermYears) = m_mode->termYears;
    m_principal->setText(QStringLiteral("   ") + values().currencySymbol + m_mode->principalText);
    m_rate->setEditText(m_mode->rateText);
    m_term->setEditText(m_mode->termText);
    values().plannerMode = static_cast<std::int16_t>(AmortizationView::AnnualTotals);
    const QString today = values().todayText.isEmpty() ? todayShortText() : values().todayText;
    m_state.firstPaymentDate = values().firstPaymentDate.isEmpty() ? today : values().firstPaymentDate;
    m_state.daysInYearChoice = values().daysInYearChoice.value_or(DefaultDaysInYearChoice);
}

// The date and the days in the year stay as last set until the program ends,
// however often the window is left and opened again.
void MortgageCalc::keepDatesForTheRun()
{
    values().firstPaymentDate = m_state.firstPaymentDate;
    values().daysInYearChoice = m_state.daysInYearChoice;
}

void MortgageCalc::showPrincipal()
{
    const QString amount =
        values().currencySymbol + formatMoney(slot(MortgageSlot::Principal), PrincipalBox.format);
    // Padded to the box's width but never cut, so no digit of a large amount is lost.
    m_principal->setText(amount.rightJustified(PrincipalWidth));
}

void MortgageCalc::storeTerm(Money typed)
{
    const Money limit = Money::fromWhole(m_mode->termLimit);
    if (typed > limit) {
        services().showMessage(values(), Message::FortyYearsLimit);
        typed = limit;
    }
    slot(MortgageSlot::TermYears) = m_mode->termInMonths ? typed / Money::fromWhole(12) : typed;
    showTerm(typed);
}

void MortgageCalc::showTerm(Money typed)
{
    m_termBox->setText(rightAlign(formatMoney(typed, TermBox.format), TermWidth));
}

void MortgageCalc::storeRateChoice()
{
    slot(MortgageSlot::Rate) = readLeadingMoney(m_rate->currentText());
    m_rateBox->showStoredValue();
    clearResults();
}

void MortgageCalc::storeTermChoice()
{
    storeTerm(readLeadingMoney(m_term->currentText()));
    // A term picked from the list starts the prepayments afresh.
    erasePrepayments(m_state);
    showPrepaymentIndicator();
    clearResults();
}

bool MortgageCalc::eventFilter(QObject* watched, QEvent* event)
{
    // A wheel turned over a list would choose from it unseen, and a term
    // chosen that way erases the additional payments.
    if (event->type() == QEvent::Wheel && qobject_cast<QComboBox*>(watched))
        return true;
    if (event->type() == QEvent::KeyPress) {
        if (watched == m_compounding)
            return refuseListKey(m_paymentKind, event);
        if (watched == m_paymentKind)
            return refuseListKey(m_calculate, event);
    }
    return PlannerWindow::eventFilter(watched, event);
}

// The lists take no typing: a choice is made from the list (arrow keys
// included); Enter moves on; any other key beeps and clears the results.
bool MortgageCalc::refuseListKey(QWidget* successor, QEvent* event)
{
    const int keyCode = entryKeyCode(static_cast<QKeyEvent*>(event));
    if (keyCode < 0 && static_cast<QKeyEvent*>(event)->key() != Qt::Key_Space)
        return false;
    if (keyCode == KeyEnter) {
        successor->setFocus(Qt::TabFocusReason);
        return true;
    }
    services().beep();
    clearResults();
    return true;
}

void MortgageCalc::clearResults()
{
    for (ResultLabel* label : m_resultLabels)
        label->clear();
    m_increaseCaption->setText(increaseCaption(0.0f));
    m_model->clearResult();
    m_shown.reset();
    m_comparison->clearCurrent();
    values().graphPointCount = 0;
    closeQuickHelp();
    noteInputsChanged();
}

void MortgageCalc::calculate()
{
    const bool calculated = runOperation(m_calculate, [this] {
        clearResults();
        const AmortizationInput input = engineInput();
        const AmortizationResult result = AmortizationEngine().calculate(input);
        handOverResults(input, result, values());
        showResult(result);
        m_shown.emplace(input, result);
        m_comparison->showCurrent(comparedOffer(input, result));
    });
    if (!calculated && values().msgNumber == Message::FortyYearsLimit)
        storeTerm(Money::fromWhole(m_mode->termLimit));
}

MortgagePlan MortgageCalc::plan() const
{
    return {.loanKind = m_mode->loanKind,
            .principal = slot(MortgageSlot::Principal),
            .annualRatePercent = slot(MortgageSlot::Rate),
            .termYears = slot(MortgageSlot::TermYears),
            .compounding = chosenEntry<Compounding>(m_compounding),
            .paymentKind = chosenEntry<PaymentKind>(m_paymentKind),
            .view = chosenView(),
            .choices = m_state};
}

AmortizationInput MortgageCalc::engineInput() const
{
    AmortizationInput input;
    input.loanKind = m_mode->loanKind;
    input.principal = slot(MortgageSlot::Principal);
    input.annualRatePercent = slot(MortgageSlot::Rate);
    input.termYears = slot(MortgageSlot::TermYears);
    input.compounding = chosenEntry<Compounding>(m_compounding);
    input.paymentKind = chosenEntry<PaymentKind>(m_paymentKind);
    input.daysInYearChoice = m_state.daysInYearChoice;
    input.paymentIncrease = m_state.paymentIncrease;
    input.additionalPayments = m_state.additionalPayments;
    input.view = chosenView();
    if (m_state.showDates)
        input.firstPaymentDate = parseShortDate(m_state.firstPaymentDate);
    return input;
}

void MortgageCalc::showResult(const AmortizationResult& result)
{
    const SummaryTexts texts = summaryTexts(result, m_state.paymentIncrease, values().currencySymbol);
    m_paymentsPerYear->setText(texts.paymentsPerYear);
    m_days->setText(texts.daysInYear);
    m_periodicRate->setText(texts.periodicRate);
    m_payment->setText(texts.payment);
    m_increaseCaption->setText(texts.increaseCaption);
    m_increaseAmount->setText(texts.increaseAmount);
    m_timeToFinal->setText(texts.timeToFinal);
    m_totalPaid->setText(texts.totalPaid);
    m_interestSavings->setText(texts.interestSavings);
    m_model->showResult(result, m_state.additionalCount, values().currencySymbol);
    m_grid->setCurrentCell(1, MortgageGridModel::Payment);
}

AmortizationView MortgageCalc::chosenView() const
{
    return m_allPayments->isChecked() ? AmortizationView::AllPayments : AmortizationView::AnnualTotals;
}

void MortgageCalc::chooseView(AmortizationView view)
{
    values().plannerMode = static_cast<std::int16_t>(view);
    m_model->showHeadings(view, m_state.showDates);
    clearResults();
}

void MortgageCalc::toggleDates()
{
    clearResults();
    m_state.showDates = !m_state.showDates;
    m_dateNumber->setText(m_state.showDates ? QStringLiteral("&View payment No.")
                                            : QStringLiteral("&View payment date"));
    m_model->showHeadings(chosenView(), m_state.showDates);
    if (m_state.showDates) {
        MortDateInput dialog(m_state, values(), services(), this);
        runDialog(dialog);
        keepDatesForTheRun();
    }
}

void MortgageCalc::editAdditionalPayments()
{
    clearResults();
    MortPrePay dialog(m_state, slot(MortgageSlot::TermYears), values(), services(), this);
    runDialog(dialog);
    showPrepaymentIndicator();
}

void MortgageCalc::chooseDaysInYear()
{
    MortIRFTable dialog(m_state, values(), this);
    runDialog(dialog);
    keepDatesForTheRun();
    clearResults();
}

void MortgageCalc::showPrepaymentIndicator()
{
    QPalette palette = m_prepaymentIndicator->palette();
    palette.setColor(QPalette::Window, prepaymentsInForce(m_state)
                                           ? PlannerStyle::IndicatorRed
                                           : QApplication::palette().color(QPalette::Button));
    m_prepaymentIndicator->setPalette(palette);
}

void MortgageCalc::toggleQuickHelp()
{
    if (isQuickHelpOpen())
        clearResults(); // which closes it
    else
        openQuickHelp(m_mode->quickHelp);
}

void MortgageCalc::showGraph()
{
    if (!hasResults(Message::NoDataToGraph))
        return;
    values().graphSource = MortgageGraphSource;
    host().showGraph();
}

void MortgageCalc::print()
{
    if (!hasResults(Message::NoDataToPrint) || !m_shown)
        return;
    const QString printout = m_mode->loanKind == LoanKind::PersonalLoan ? QStringLiteral("Loan table")
                                                                        : QStringLiteral("Mortgage table");
    const std::optional<OfferComparison> comparison = m_comparison->comparison();
    printReport(printJobName(rememberedFileName(), printout), [&](const PrintoutSettings& settings) {
        return comparison ? mortgagePrintout(m_shown->first, m_shown->second, settings, *comparison)
                          : mortgagePrintout(m_shown->first, m_shown->second, settings);
    });
}

// The goal dialog offers the years of the term, a part year counting whole.
void MortgageCalc::aimForPayoffYear()
{
    const int lastYear = std::max(1, static_cast<int>(std::ceil(slot(MortgageSlot::TermYears).toDouble())));
    MortGoal dialog(
        lastYear, m_mode->loanKind, [this](int year) { return reachPayoffYear(year); }, values(), this);
    runDialog(dialog);
}

// The amount found replaces the additional payments, as if typed into their
// table, and the window shows the schedule with it.
std::optional<PayoffGoal> MortgageCalc::reachPayoffYear(int year)
{
    std::optional<PayoffGoal> goal;
    const bool searched = runOperation(nullptr, [&] {
        goal = findPayoffGoal(engineInput(), year);
        if (!goal->reached)
            throw PlannerError(Message::GoalOutOfReach, outOfReachDetail(*goal));
    });
    if (!searched || !goal->reached)
        return goal;
    applyYearlyAdditional(m_state, slot(MortgageSlot::TermYears), goal->yearlyAdditional);
    showPrepaymentIndicator();
    calculate();
    return goal;
}

QString& MortgageCalc::rememberedFileName() const
{
    return m_mode->loanKind == LoanKind::PersonalLoan ? values().loanFileName : values().mortFileName;
}

void MortgageCalc::saveFile()
{
    if (!hasResults(Message::NoRecords))
        return;
    const bool loan = m_mode->loanKind == LoanKind::PersonalLoan;
    const QString path = pickFileToSave(loan ? FileRequestMode::SaveLoan : FileRequestMode::SaveMortgage);
    if (path.isEmpty())
        return;
    if (runOperation(nullptr, [&] { writeMortgageFile(path, plan()); })) {
        rememberedFileName() = QFileInfo(path).fileName();
        inputsSaved(path);
    }
}

void MortgageCalc::openChosenFile()
{
    const bool loan = m_mode->loanKind == LoanKind::PersonalLoan;
    const QString path = pickFile(loan ? FileRequestMode::OpenLoan : FileRequestMode::OpenMortgage);
    if (path.isEmpty() || !mayOpen(path))
        return;
    if (!openFile(path)) {
        rememberedFileName().clear();
        services().showMessage(values(), Message::FileNotFound);
    }
}

// The whole file is read before anything on screen changes, so a file that
// cannot be read leaves the window as it was.
bool MortgageCalc::showFile(const QString& path, const QString& fileName)
{
    MortgagePlan plan;
    try {
        plan = readMortgageFile(path);
    } catch (const FileFormatError&) {
        return false;
    }
    showPlan(plan);
    rememberedFileName() = fileName;
    calculate();
    return true;
}

bool MortgageCalc::openFile(const QString& path)
{
    if (!showFile(path, QFileInfo(path).fileName()))
        return false;
    inputsSaved(path);
    return true;
}

// The term in this window's unit, rounded to whole years or months. A term
// from a file too far out to be shown at all is taken as if typed: beyond
// the limit it becomes the limit, with the limit's message; below zero it
// becomes 0, which calculating refuses.
void MortgageCalc::showOpenedTerm(Money termYears)
{
    try {
        const Money shown = m_mode->termInMonths ? termYears * Money::fromWhole(12) : termYears;
        showTerm(Money::fromWhole(static_cast<std::int64_t>(std::llround(shown.toDouble()))));
    } catch (const ArithmeticFault&) {
        storeTerm(termYears < Money() ? Money() : Money::fromWhole(m_mode->termLimit + 1));
    }
}

// A file of the other kind turns the window into that kind's window, as the
// menu would have opened it: title, captions, help topic, quick help, term
// list and unit follow the file, so the term shown is the term calculated
// and saved.
void MortgageCalc::takeModeOf(LoanKind kind)
{
    if (kind == m_mode->loanKind)
        return;
    m_mode = &mortgageWindowMode(kind);
    values().loanKind = static_cast<std::int16_t>(kind);
    changeIdentity({.frameTitle = m_mode->frameCaption, .helpContext = m_mode->helpContext});
    setWindowTitle(m_mode->windowCaption);
    const std::pair<const char*, const QString&> captions[] = {{"Label1", m_mode->principalCaption},
                                                               {"Label2", m_mode->rateCaption},
                                                               {"Label3", m_mode->termCaption},
                                                               {"Label8", m_mode->totalPaidCaption},
                                                               {"Label11", m_mode->timeToFinalCaption}};
    for (const auto& [name, text] : captions)
        findChild<QLabel*>(QString::fromLatin1(name))->setText(text);
    const QSignalBlocker quiet(m_term);
    m_term->clear();
    m_term->addItems(m_mode->termList);
    m_comparison->setShownAs(kind);
}

void MortgageCalc::showPlan(const MortgagePlan& opened)
{
    takeModeOf(opened.loanKind);
    clearResults();
    slot(MortgageSlot::Principal) = opened.principal;
    slot(MortgageSlot::Rate) = opened.annualRatePercent;
    slot(MortgageSlot::TermYears) = opened.termYears;
    showPrincipal();
    m_rateBox->showStoredValue();
    showOpenedTerm(opened.termYears);
    chooseEntry(m_compounding, opened.compounding);
    chooseEntry(m_paymentKind, opened.paymentKind);
    m_state = opened.choices;
    keepDatesForTheRun();
    m_dateNumber->setText(m_state.showDates ? QStringLiteral("&View payment No.")
                                            : QStringLiteral("&View payment date"));
    (opened.view == AmortizationView::AllPayments ? m_allPayments : m_annualTotals)->setChecked(true);
    chooseView(opened.view);
    showPrepaymentIndicator();
}

} // namespace tallyvane
