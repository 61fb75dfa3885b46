#include "mortgage/mortgagewindow.h"

#include "core/arithmeticfault.h"
#include "core/dates.h"
#include "core/keyfilters.h"
#include "core/leadingnumber.h"
#include "core/messages.h"
#include "core/numberformat.h"
#include "core/rightalign.h"
#include "core/sharedvalues.h"
#include "mortgage/amortizationdisplay.h"
#include "mortgage/amortizationengine.h"
#include "mortgage/amortizationhandover.h"
#include "mortgage/captionlabel.h"
#include "mortgage/mortdatedialog.h"
#include "mortgage/mortgagegridmodel.h"
#include "mortgage/mortirfdialog.h"
#include "mortgage/mortprepaydialog.h"
#include "mortgage/resulttablelayout.h"
#include "shell/greenbox.h"
#include "shell/grid/grid.h"
#include "shell/placement.h"
#include "shell/plannerhost.h"
#include "shell/uiservices.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tallyvane {
namespace {

constexpr int PrincipalSlot = 1;
constexpr int RateSlot = 2;
constexpr int TermSlot = 3;
constexpr int InputSlots = 6;
constexpr int GraphTableRows = 46;
constexpr int GraphTableColumns = 7;
constexpr int MortgageGraphSource = 4;
constexpr int PrincipalWidth = 16;
constexpr int TermWidth = 16;
const Money OpeningRate = Money::fromRaw(101250); // 10.125 %
const QColor PrepaymentsInForceColour(248, 0, 0);

const FigureBoxLayout PrincipalBox{KeyFilterKind::Decimal,
                                   PrincipalSlot,
                                   QStringLiteral("####,,###.00"),
                                   PrincipalWidth,
                                   QString(),
                                   false,
                                   true,
                                   false};
const FigureBoxLayout RateBox{
    KeyFilterKind::Decimal, RateSlot, QStringLiteral("###.000"), 14, QStringLiteral("%"), true, false, false};
// The term is stored by the window: a loan's months are kept as years.
const FigureBoxLayout TermBox{
    KeyFilterKind::WholeNumber, -1, QStringLiteral("###"), TermWidth, QString(), false, false, false};

// The hourglass from the start of a calculation to its end, also after a failure.
class BusyPointer
{
public:
    BusyPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { QApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

void runModally(QDialog& dialog)
{
    dialog.exec();
}

// Lists share the width of their column instead of growing to their longest entry.
void fitList(QComboBox* list)
{
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list->setMinimumContentsLength(6);
    list->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    paintEntryGreen(list);
}

QComboBox* typedList(GreenBox* box, const QStringList& items, const QString& name, QWidget* parent)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->setLineEdit(box);
    // Typing follows the green box rules alone: no completion from the list,
    // and a typed figure never becomes a list entry.
    list->setCompleter(nullptr);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->addItems(items);
    fitList(list);
    return list;
}

QComboBox* choiceList(const QStringList& items, const QString& name, QWidget* parent)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->addItems(items);
    fitList(list);
    QPalette palette = list->palette();
    palette.setColor(QPalette::Button, palette.color(QPalette::Base));
    list->setPalette(palette);
    return list;
}

QPushButton* button(const QString& caption, const QString& name, QWidget* parent)
{
    auto* pushButton = new QPushButton(caption, parent);
    pushButton->setObjectName(name);
    pushButton->setAutoDefault(false);
    return pushButton;
}

// Captions are set a little smaller and quieter than the figures they name.
CaptionLabel* caption(const QString& text, const QString& name, QWidget* parent)
{
    auto* label = new CaptionLabel(text, parent);
    label->setObjectName(name);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 0.9);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0x3c, 0x47, 0x54));
    label->setPalette(palette);
    return label;
}

} // namespace

MortgageCalc::MortgageCalc(SharedValues& values, UiServices& services, PlannerHost& host, QWidget* parent)
    : QWidget(parent), m_values(values), m_services(services), m_host(host),
      m_mode(mortgageWindowMode(loanKindFromShared(values.loanKind))), m_runDialog(runModally)
{
    setObjectName(QStringLiteral("MortgageCalc"));
    setWindowTitle(m_mode.windowCaption);
    setProperty("helpContext", m_mode.helpContext);
    setAutoFillBackground(true);
    m_host.setFrameTitle(m_mode.frameCaption);

    m_values.resultTable.resize(ResultTableRows, ResultTableColumns);
    m_values.graphTable.resize(GraphTableRows, GraphTableColumns);
    m_values.inputValues.assign(InputSlots, Money());
    buildInputs();
    buildResults();
    buildButtons();
    buildTable();
    layOut();
    fillOpeningValues();
}

MortgageCalc::~MortgageCalc()
{
    // Boxes that lose the focus while the window is taken down must not
    // reach it any more.
    for (QObject* child : findChildren<QObject*>())
        child->disconnect(this);
}

void MortgageCalc::setDialogRunner(DialogRunner runner)
{
    m_runDialog = std::move(runner);
}

QSize MortgageCalc::sizeHint() const
{
    // The window covers the frame at its start size from where it is placed.
    const QPoint at = childPositionTwips(ChildKind::MortgagePlanner, SmallFrameMark);
    return {twipsToPixels(FrameStartWidthTwips - at.x(), logicalDpiX()),
            twipsToPixels(FrameStartHeightTwips - at.y(), logicalDpiY())};
}

Money& MortgageCalc::slot(int index)
{
    return m_values.inputValues.at(static_cast<std::size_t>(index));
}

void MortgageCalc::buildInputs()
{
    m_principal = new GreenBox(PrincipalBox, m_values, m_services, this);
    m_principal->setObjectName(QStringLiteral("InPrincipal"));
    connect(m_principal, &GreenBox::typingStarted, this, &MortgageCalc::clearResults);
    connect(m_principal, &GreenBox::figureStored, this, &MortgageCalc::showPrincipal);

    m_rateBox = new GreenBox(RateBox, m_values, m_services);
    m_rate = typedList(m_rateBox,
                       {QStringLiteral("6 "), QStringLiteral("7 "), QStringLiteral("8 "),
                        QStringLiteral("9 "), QStringLiteral("10 ")},
                       QStringLiteral("InRate"), this);
    connect(m_rateBox, &GreenBox::typingStarted, this, &MortgageCalc::clearResults);
    connect(m_rate, &QComboBox::activated, this, &MortgageCalc::storeRateChoice);

    m_termBox = new GreenBox(TermBox, m_values, m_services);
    m_term = typedList(m_termBox, m_mode.termList, QStringLiteral("InTerm"), this);
    connect(m_termBox, &GreenBox::typingStarted, this, &MortgageCalc::clearResults);
    connect(m_termBox, &GreenBox::figureStored, this, [this] {
        Money typed = Money::fromWhole(m_mode.termLimit + 1);
        try {
            typed = readLeadingMoney(m_termBox->text());
        } catch (const ArithmeticFault&) {
            // Far beyond the limit, which storeTerm corrects.
        }
        storeTerm(typed);
    });
    connect(m_term, &QComboBox::activated, this, &MortgageCalc::storeTermChoice);

    m_compounding = choiceList(compoundingListTexts(), QStringLiteral("Comperiod"), this);
    m_paymentKind = choiceList(paymentKindListTexts(), QStringLiteral("FreqPmt"), this);
    for (QComboBox* list : {m_compounding, m_paymentKind})
        connect(list, &QComboBox::activated, this, &MortgageCalc::clearResults);
    for (QComboBox* list : {m_rate, m_term, m_compounding, m_paymentKind})
        list->installEventFilter(this);

    m_principal->setSuccessor(m_rate);
    m_rateBox->setSuccessor(m_term);
    m_termBox->setSuccessor(m_compounding);

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
    const auto resultLabel = [this](const QString& name) {
        auto* label = new QLabel(this);
        label->setObjectName(name);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setFrameShape(QFrame::StyledPanel);
        label->setAutoFillBackground(true);
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, Qt::white);
        palette.setColor(QPalette::WindowText, Qt::black);
        label->setPalette(palette);
        label->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("$9,999,999.99")) + 10);
        m_resultLabels.push_back(label);
        return label;
    };
    m_paymentsPerYear = resultLabel(QStringLiteral("NumPmtsYear"));
    m_days = resultLabel(QStringLiteral("InDays"));
    m_periodicRate = resultLabel(QStringLiteral("PeriodicR"));
    m_payment = resultLabel(QStringLiteral("InMonthPI"));
    m_increaseAmount = resultLabel(QStringLiteral("PPpercent"));
    m_timeToFinal = resultLabel(QStringLiteral("EndMortYear"));
    m_totalPaid = resultLabel(QStringLiteral("AllPayments"));
    m_interestSavings = resultLabel(QStringLiteral("TotSavd"));
    m_increaseCaption = caption(increaseCaption(0.0f), QStringLiteral("Label16"), this);
}

void MortgageCalc::buildButtons()
{
    m_calculate = button(QStringLiteral("&Calculate"), QStringLiteral("MCalc"), this);
    QFont bold = m_calculate->font();
    bold.setBold(true);
    m_calculate->setFont(bold);
    connect(m_calculate, &QPushButton::clicked, this, &MortgageCalc::calculate);
    m_dateNumber = button(QStringLiteral("&View payment date"), QStringLiteral("MDateNumber"), this);
    connect(m_dateNumber, &QPushButton::clicked, this, &MortgageCalc::toggleDates);
    m_addPrePay = button(QStringLiteral("&Additional payments"), QStringLiteral("MAddPrePay"), this);
    connect(m_addPrePay, &QPushButton::clicked, this, &MortgageCalc::editAdditionalPayments);
    m_prepaymentIndicator = new QLabel(this);
    m_prepaymentIndicator->setObjectName(QStringLiteral("AddPmtsOn"));
    m_prepaymentIndicator->setAutoFillBackground(true);
    m_prepaymentIndicator->setFixedWidth(8);
    m_prepaymentIndicator->setToolTip(QStringLiteral("Red while additional payments or an increase apply"));
    showPrepaymentIndicator();
    m_showDays = button(QStringLiteral("&Days in year"), QStringLiteral("MShowIRF"), this);
    connect(m_showDays, &QPushButton::clicked, this, &MortgageCalc::chooseDaysInYear);
    // Files and printing come with their own features; the buttons hold their place.
    m_openFile = button(QStringLiteral("&Open File"), QStringLiteral("MLoadFile"), this);
    m_saveFile = button(QStringLiteral("S&ave File"), QStringLiteral("MSaveFile"), this);
    m_printer = button(QStringLiteral("To &Printer"), QStringLiteral("MPrinter"), this);
    m_graph = button(QStringLiteral("&Show Graph"), QStringLiteral("MGraphs"), this);
    connect(m_graph, &QPushButton::clicked, this, &MortgageCalc::showGraph);
    m_help = button(QStringLiteral("Quick &Help"), QStringLiteral("MHelp"), this);
    connect(m_help, &QPushButton::clicked, this, &MortgageCalc::toggleQuickHelp);
    m_exit = button(QStringLiteral("E&xit to Menu"), QStringLiteral("MExit"), this);
    connect(m_exit, &QPushButton::clicked, this, &MortgageCalc::exitToMenu);
}

void MortgageCalc::buildTable()
{
    m_model = new MortgageGridModel(this);
    m_model->showHeadings(AmortizationView::AnnualTotals, false);
    m_grid = new Grid(m_model, this);
    m_grid->setObjectName(QStringLiteral("MGrid"));
    m_grid->setHeadingHeightTwips(510);
    const QFontMetrics figures = m_grid->fontMetrics();
    const QFontMetrics firstColumn(m_model->data(m_model->index(0, 0), Qt::FontRole).value<QFont>());
    // The first column fits a payment number and its year; the amount columns
    // share the rest of the width.
    m_grid->setColumnWidth(MortgageGridModel::Payment,
                           firstColumn.horizontalAdvance(QStringLiteral("0000  0000  ")) + 12);
    for (int column = MortgageGridModel::Interest; column < MortgageGridModel::ColumnCount; ++column)
        m_grid->horizontalHeader()->setSectionResizeMode(column, QHeaderView::Stretch);
    m_grid->horizontalHeader()->setMinimumSectionSize(
        figures.horizontalAdvance(QStringLiteral("$9,999,999.99")) + 8);

    m_quickHelp = new QPlainTextEdit(this);
    m_quickHelp->setObjectName(QStringLiteral("MTextBox"));
    m_quickHelp->setReadOnly(true);
    m_quickHelp->setTextInteractionFlags(Qt::TextSelectableByKeyboard);
    m_quickHelp->installEventFilter(this);
    m_quickHelp->hide();
}

void MortgageCalc::layOut()
{
    auto* inputs = new QGridLayout;
    inputs->setHorizontalSpacing(8);
    inputs->setVerticalSpacing(3);
    const std::pair<CaptionLabel*, QWidget*> inputCards[] = {
        {caption(m_mode.principalCaption, QStringLiteral("Label1"), this), m_principal},
        {caption(m_mode.rateCaption, QStringLiteral("Label2"), this), m_rate},
        {caption(m_mode.termCaption, QStringLiteral("Label3"), this), m_term},
        {caption(QStringLiteral(" Interest compound           periods per year."), QStringLiteral("Label6"),
                 this),
         m_compounding},
        {caption(QStringLiteral(" Frequency and type of     each payment."), QStringLiteral("Label10"), this),
         m_paymentKind},
    };
    int column = 0;
    for (const auto& [label, box] : inputCards) {
        label->setBuddy(box);
        inputs->addWidget(label, 0, column);
        inputs->addWidget(box, 1, column);
        inputs->setColumnStretch(column++, 1);
    }

    auto* results = new QGridLayout;
    results->setHorizontalSpacing(8);
    results->setVerticalSpacing(3);
    const std::pair<CaptionLabel*, QLabel*> resultCards[] = {
        {caption(QStringLiteral(" No. of payments   each year."), QStringLiteral("Label9"), this),
         m_paymentsPerYear},
        {caption(QStringLiteral(" Days          in year."), QStringLiteral("Label15"), this), m_days},
        {caption(QStringLiteral(" Interest rate        factor."), QStringLiteral("Label14"), this),
         m_periodicRate},
        {caption(QStringLiteral(" Principal + Interest   payment."), QStringLiteral("Label4"), this),
         m_payment},
        {m_increaseCaption, m_increaseAmount},
        {caption(m_mode.timeToFinalCaption, QStringLiteral("Label11"), this), m_timeToFinal},
        {caption(m_mode.totalPaidCaption, QStringLiteral("Label8"), this), m_totalPaid},
        {caption(QStringLiteral(" Total interest      savings."), QStringLiteral("Label5"), this),
         m_interestSavings},
    };
    int card = 0;
    for (const auto& [label, value] : resultCards) {
        const int row = card / 4 * 2;
        results->addWidget(label, row, card % 4);
        results->addWidget(value, row + 1, card % 4);
        results->setColumnStretch(card++ % 4, 1);
    }
    auto* viewCaption = caption(QStringLiteral(" Show payments."), QStringLiteral("Label12"), this);
    results->addWidget(viewCaption, 0, 4);
    results->addWidget(m_allPayments, 1, 4);
    results->addWidget(m_annualTotals, 2, 4, Qt::AlignTop);

    auto* buttons = new QGridLayout;
    buttons->setHorizontalSpacing(6);
    buttons->setVerticalSpacing(4);
    auto* prePay = new QHBoxLayout;
    prePay->setSpacing(0);
    prePay->addWidget(m_addPrePay, 1);
    prePay->addWidget(m_prepaymentIndicator);
    buttons->addWidget(m_calculate, 0, 0);
    buttons->addWidget(m_dateNumber, 0, 1);
    buttons->addLayout(prePay, 0, 2);
    buttons->addWidget(m_showDays, 0, 3);
    buttons->addWidget(m_help, 0, 4);
    buttons->addWidget(m_openFile, 1, 0);
    buttons->addWidget(m_saveFile, 1, 1);
    buttons->addWidget(m_printer, 1, 2);
    buttons->addWidget(m_graph, 1, 3);
    buttons->addWidget(m_exit, 1, 4);
    for (int buttonColumn = 0; buttonColumn < 5; ++buttonColumn)
        buttons->setColumnStretch(buttonColumn, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(8);
    layout->addLayout(inputs);
    layout->addLayout(results);
    layout->addWidget(m_grid, 1);
    layout->addWidget(m_quickHelp, 1);
    layout->addLayout(buttons);
}

void MortgageCalc::fillOpeningValues()
{
    slot(PrincipalSlot) = m_mode.principal;
    slot(RateSlot) = OpeningRate;
    slot(TermSlot) = m_mode.termYears;
    m_principal->setText(QStringLiteral("   ") + m_values.currencySymbol + m_mode.principalText);
    m_rate->setEditText(m_mode.rateText);
    m_term->setEditText(m_mode.termText);
    m_values.plannerMode = static_cast<std::int16_t>(AmortizationView::AnnualTotals);
    m_state.firstPaymentDate = m_values.todayText.isEmpty() ? todayShortText() : m_values.todayText;
}

void MortgageCalc::showPrincipal()
{
    const QString amount = m_values.currencySymbol + formatMoney(slot(PrincipalSlot), PrincipalBox.format);
    // Padded to the box's width but never cut, so no digit of a large amount is lost.
    m_principal->setText(amount.rightJustified(PrincipalWidth));
}

void MortgageCalc::storeTerm(Money typed)
{
    const Money limit = Money::fromWhole(m_mode.termLimit);
    if (typed > limit) {
        m_services.showMessage(m_values, Message::FortyYearsLimit);
        typed = limit;
    }
    slot(TermSlot) = m_mode.termInMonths ? typed / Money::fromWhole(12) : typed;
    showTerm(typed);
}

void MortgageCalc::showTerm(Money typed)
{
    m_termBox->setText(rightAlign(formatMoney(typed, TermBox.format), TermWidth));
}

void MortgageCalc::storeRateChoice()
{
    slot(RateSlot) = readLeadingMoney(m_rate->currentText());
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
        if (watched == m_quickHelp) {
            const int keyCode = entryKeyCode(static_cast<QKeyEvent*>(event));
            if (keyCode == KeyEnter)
                m_principal->setFocus(Qt::TabFocusReason);
            else if (keyCode >= 0)
                m_services.beep();
            return keyCode >= 0;
        }
    }
    return QWidget::eventFilter(watched, event);
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
    m_services.beep();
    clearResults();
    return true;
}

void MortgageCalc::clearResults()
{
    for (QLabel* label : m_resultLabels)
        label->clear();
    m_increaseCaption->setText(increaseCaption(0.0f));
    m_model->clearBody();
    m_values.graphPointCount = 0;
    if (m_quickHelpOpen)
        showQuickHelp(false);
}

void MortgageCalc::calculate()
{
    // Moving the focus stores a figure still being typed, also when the
    // button is reached by its access key.
    m_calculate->setFocus(Qt::OtherFocusReason);
    std::int16_t failure = 0;
    {
        const BusyPointer busy;
        clearResults();
        try {
            const AmortizationInput input = engineInput();
            const AmortizationResult result = AmortizationEngine().calculate(input);
            handOverResults(input, result, m_values);
            showResult(result);
        } catch (const AmortizationError& error) {
            failure = error.messageNumber();
        }
    }
    if (failure != 0)
        m_services.showMessage(m_values, failure);
    if (failure == Message::FortyYearsLimit)
        storeTerm(Money::fromWhole(m_mode.termLimit));
}

AmortizationInput MortgageCalc::engineInput() const
{
    AmortizationInput input;
    input.loanKind = m_mode.loanKind;
    input.principal = m_values.inputValues.at(PrincipalSlot);
    input.annualRatePercent = m_values.inputValues.at(RateSlot);
    input.termYears = m_values.inputValues.at(TermSlot);
    input.compounding = compoundingFromListText(m_compounding->currentText()).value_or(Compounding::Monthly);
    input.paymentKind = paymentKindFromListText(m_paymentKind->currentText()).value_or(PaymentKind::Monthly);
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
    const SummaryTexts texts = summaryTexts(result, m_state.paymentIncrease, m_values.currencySymbol);
    m_paymentsPerYear->setText(texts.paymentsPerYear);
    m_days->setText(texts.daysInYear);
    m_periodicRate->setText(texts.periodicRate);
    m_payment->setText(texts.payment);
    m_increaseCaption->setText(texts.increaseCaption);
    m_increaseAmount->setText(texts.increaseAmount);
    m_timeToFinal->setText(texts.timeToFinal);
    m_totalPaid->setText(texts.totalPaid);
    m_interestSavings->setText(texts.interestSavings);
    m_model->showResult(result, m_state.additionalCount, m_values.currencySymbol);
    m_grid->setCurrentCell(1, MortgageGridModel::Payment);
}

AmortizationView MortgageCalc::chosenView() const
{
    return m_allPayments->isChecked() ? AmortizationView::AllPayments : AmortizationView::AnnualTotals;
}

void MortgageCalc::chooseView(AmortizationView view)
{
    m_values.plannerMode = static_cast<std::int16_t>(view);
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
        MortDateInput dialog(m_state, m_values, m_services, this);
        m_runDialog(dialog);
    }
}

void MortgageCalc::editAdditionalPayments()
{
    clearResults();
    MortPrePay dialog(m_state, slot(TermSlot), m_values, m_services, this);
    m_runDialog(dialog);
    showPrepaymentIndicator();
}

void MortgageCalc::chooseDaysInYear()
{
    MortIRFTable dialog(m_state, m_values, this);
    m_runDialog(dialog);
    clearResults();
}

void MortgageCalc::showPrepaymentIndicator()
{
    QPalette palette = m_prepaymentIndicator->palette();
    palette.setColor(QPalette::Window, prepaymentsInForce(m_state)
                                           ? PrepaymentsInForceColour
                                           : QApplication::palette().color(QPalette::Button));
    m_prepaymentIndicator->setPalette(palette);
}

void MortgageCalc::toggleQuickHelp()
{
    if (m_quickHelpOpen)
        clearResults(); // which closes it
    else
        showQuickHelp(true);
}

// The quick help takes the place of the table; printing, saving and the
// graph wait until it is closed.
void MortgageCalc::showQuickHelp(bool shown)
{
    m_quickHelpOpen = shown;
    m_help->setText(shown ? QStringLiteral("Close &Help") : QStringLiteral("Quick &Help"));
    for (QPushButton* needsResults : {m_printer, m_saveFile, m_graph})
        needsResults->setEnabled(!shown);
    m_grid->setVisible(!shown);
    m_quickHelp->setPlainText(
        shown ? QString(m_mode.quickHelp).replace(QStringLiteral("\r\n"), QStringLiteral("\n")) : QString());
    m_quickHelp->setVisible(shown);
    if (shown)
        m_quickHelp->setFocus(Qt::OtherFocusReason);
}

void MortgageCalc::showGraph()
{
    if (m_values.graphPointCount == 0) {
        m_services.showMessage(m_values, Message::NoDataToGraph);
        return;
    }
    m_values.graphSource = MortgageGraphSource;
    m_host.showGraph();
}

void MortgageCalc::exitToMenu()
{
    m_values.entryChanged = 0;
    m_quickHelp->clear();
    m_host.returnToMenu();
}

} // namespace tallyvane
