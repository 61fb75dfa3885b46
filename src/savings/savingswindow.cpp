// SPDX-License-Identifier: GPL-3.0-or-later
#include "savings/savingswindow.h"

#include "core/keyfilters.h"
#include "core/leadingnumber.h"
#include "core/messages.h"
#include "core/report/printout.h"
#include "core/sharedvalues.h"
#include "savings/growthengine.h"
#include "savings/savingsexport.h"
#include "savings/savingsgridmodel.h"
#include "savings/savingsprintout.h"
#include "savings/savingsquickhelp.h"
#include "shell/greenbox.h"
#include "shell/grid/grid.h"
#include "shell/helpcontexts.h"
#include "shell/placement.h"
#include "shell/plannerhost.h"
#include "shell/plannerstyle.h"
#include "shell/plannerwidgets.h"
#include "shell/uiservices.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace tallyvane {
namespace {

constexpr int SavingsGraphSource = 1;
// The lump sum first shows in a wider field than it is stored back in.
constexpr int OpeningLumpSumWidth = 15;

FigureBoxLayout amountBox(int slot, const QString& format, const QString& currencySymbol)
{
    return {.filter = KeyFilterKind::Decimal,
            .slot = slot,
            .format = format,
            .width = 13,
            .prefix = currencySymbol};
}

FigureBoxLayout rateBox(int slot, bool takesMinus)
{
    return {.filter = KeyFilterKind::Decimal,
            .slot = slot,
            .format = QStringLiteral("###.00"),
            .width = 14,
            .suffix = QStringLiteral("%"),
            .takesMinus = takesMinus};
}

// The years are stored by the window, which holds them to the 40-year limit.
// A refused first key empties the box, as in every other box.
const FigureBoxLayout TermBox{
    .filter = KeyFilterKind::WholeNumber, .format = QStringLiteral("###"), .width = 17};

} // namespace

SavingsCalc::SavingsCalc(SharedValues& values, UiServices& services, PlannerHost& host, QWidget* parent)
    : PlannerWindow(values, services, host,
                    {QStringLiteral(" Investment Growth Calculations"), HelpContext::Savings}, parent)
{
    setObjectName(QStringLiteral("SavingsCalc"));
    values.resultTable.resize(SavingsTableRows, SavingsTableColumns);
    sizeInputSlots(SavingsInputSlotCount);
    buildInputs();
    buildButtons();
    buildTable();
    layOut();
    linkSuccessors();
    showDefaults();
}

QSize SavingsCalc::sizeHint() const
{
    // The window covers the frame at its start size from where it is placed.
    const QPoint at = childPositionTwips(ChildKind::Planner, SmallFrameMark);
    return {twipsToPixels(FrameStartWidthTwips - at.x(), logicalDpiX()),
            twipsToPixels(FrameStartHeightTwips - at.y(), logicalDpiY())};
}

void SavingsCalc::buildInputs()
{
    const QString& symbol = values().currencySymbol;
    const auto items = [](std::initializer_list<const char*> texts) {
        QStringList list;
        for (const char* text : texts)
            list << QString::fromLatin1(text);
        return list;
    };
    const QStringList smallRates = items({"3", "4", "5", "6", "7"});
    m_boxes = buildGreenBoxes({
        {.name = QStringLiteral("InLumpInv"),
         .layout = amountBox(LumpSumSlot, QStringLiteral("###,,###.00"), symbol),
         .successor = QStringLiteral("InInvest"),
         .listItems = items({"10000", "15000", "20000", "25000", "30000", "35000"})},
        {.name = QStringLiteral("InInvest"),
         .layout = amountBox(ContributionSlot, QStringLiteral("####,,###.00"), symbol),
         .successor = QStringLiteral("InMonthsYrs"),
         .listItems = items({"100", "300", "1200"})},
        {.name = QStringLiteral("InRate"),
         .layout = rateBox(RateSlot, false),
         .successor = QStringLiteral("InIncrRate"),
         .listItems = items({"10", "12.5", "15", "17.5", "20"})},
        {.name = QStringLiteral("InIncrRate"),
         .layout = rateBox(IncreaseSlot, true),
         .successor = QStringLiteral("inInflatRate"),
         .listItems = smallRates},
        {.name = QStringLiteral("inInflatRate"),
         .layout = rateBox(InflationSlot, true),
         .successor = QStringLiteral("InTerm"),
         .listItems = smallRates},
        {.name = QStringLiteral("InTerm"),
         .layout = TermBox,
         .successor = QStringLiteral("SCalc"),
         .listItems = items({"5", "10", "15", "20", "25", "30"})},
    });
    m_lumpSumBox = m_boxes.front();
    m_termBox = m_boxes.back();
    m_lumpSum = findChild<QComboBox*>(QStringLiteral("InLumpInv"));
    for (GreenBox* box : m_boxes) {
        connect(box, &GreenBox::typingStarted, this, &SavingsCalc::clearResults);
        auto* list = qobject_cast<QComboBox*>(box->parentWidget());
        connect(list, &QComboBox::activated, this, [this, list, box] { storeListChoice(list, box); });
        list->installEventFilter(this);
    }
    connect(m_termBox, &GreenBox::figureStored, this, &SavingsCalc::storeTypedTerm);

    m_frequency = choiceList(QStringLiteral("InMonthsYrs"), this);
    addListEntries<SavingsFrequency>(
        m_frequency, {{frequencyText(SavingsFrequency::Annually), SavingsFrequency::Annually},
                      {frequencyText(SavingsFrequency::Quarterly), SavingsFrequency::Quarterly},
                      {frequencyText(SavingsFrequency::Monthly), SavingsFrequency::Monthly}});
    connect(m_frequency, &QComboBox::activated, this, &SavingsCalc::clearResults);
    m_frequency->installEventFilter(this);
}

void SavingsCalc::buildButtons()
{
    const auto button = [this](const char* caption, const char* name, void (SavingsCalc::*action)()) {
        QPushButton* pushButton = plannerButton(QString::fromUtf8(caption), QString::fromLatin1(name), this);
        connect(pushButton, &QPushButton::clicked, this, action);
        return pushButton;
    };
    m_calculate = button("&Calculate", "SCalc", &SavingsCalc::calculate);
    QFont bold = m_calculate->font();
    bold.setBold(true);
    m_calculate->setFont(bold);
    m_help = button("Quick &Help", "SHelp", &SavingsCalc::toggleQuickHelp);
    m_graph = button("&Show Graph", "SGraphs", &SavingsCalc::showGraph);
    m_printer = button("To &Printer", "SPrinter", &SavingsCalc::print);
    m_export = plannerButton(QStringLiteral("Export CS&V…"), QStringLiteral("SExport"), this);
    m_exit = button("E&xit to Menu", "SExit", &SavingsCalc::exitToMenu);
}

void SavingsCalc::buildTable()
{
    m_model = new SavingsGridModel(this);
    m_grid = new Grid(m_model, this);
    m_grid->setObjectName(QStringLiteral("SGrid"));
    m_grid->setAccessibleName(QStringLiteral("Savings growth by period"));
    m_grid->setHeadingHeightTwips(500);
    m_grid->widenColumn(SavingsGridModel::Period, 300);
    // The amount columns share the rest of the width, never narrower than a figure.
    m_grid->horizontalHeader()->setMinimumSectionSize(
        m_grid->fontMetrics().horizontalAdvance(QString::fromLatin1(PlannerStyle::WidestFigure)) + 8);
    m_grid->shareWidthFrom(SavingsGridModel::Invested);
    m_grid->setCurrentCell(1, SavingsGridModel::Period);
    setUpCsvExport(
        [this]() -> std::optional<CsvTable> {
            if (!hasResults(Message::NoRecords) || !m_calculation)
                return std::nullopt;
            return savingsCsvTable(m_calculation->result, m_calculation->inputs.frequency);
        },
        QStringLiteral("Savings.csv"), {m_grid}, m_export);
}

void SavingsCalc::layOut()
{
    const auto caption = [this](const char* text, const char* name) {
        return plannerCaption(QString::fromLatin1(text), QString::fromLatin1(name), this);
    };
    const auto list = [this](const char* name) { return findChild<QComboBox*>(QString::fromLatin1(name)); };
    QGridLayout* inputs = captionedCards(
        {
            {caption(" Amount of  lump sum             invested at start.", "Label1"), m_lumpSum},
            {caption(" Amount invested at each       contribution period.", "Label2"), list("InInvest")},
            {caption(" Frequency of each                contribution period.", "Label3"), m_frequency},
            {caption(" Annual interest/growth          rate (%).", "Label4"), list("InRate")},
            {caption(" Increase the annual               investment rate(%) by", "Label5"),
             list("InIncrRate")},
            {caption(" Adjust current value for          annual inflation rate(%).     ", "Label6"),
             list("inInflatRate")},
            {caption(" Number of years invested.", "Label7"), list("InTerm")},
        },
        4);
    QGridLayout* buttons = buttonGrid({{m_calculate, m_help, m_graph, m_printer, m_export, m_exit}});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(PlannerStyle::Margin, PlannerStyle::Margin, PlannerStyle::Margin,
                               PlannerStyle::Margin);
    layout->setSpacing(PlannerStyle::Spacing);
    layout->addLayout(inputs);
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttons);
    setUpQuickHelp(QStringLiteral("STextBox"), m_help, m_grid, {m_printer, m_graph, m_export}, m_lumpSum);
}

void SavingsCalc::showDefaults()
{
    values().inputValues = SavingsInputs().toSlots();
    for (GreenBox* box : m_boxes)
        box->showStoredValue();
    m_lumpSumBox->setText(m_lumpSumBox->text().rightJustified(OpeningLumpSumWidth));
    m_termBox->showValue(slot(YearsSlot));
    chooseEntry(m_frequency, SavingsFrequency::Annually);
}

void SavingsCalc::storeListChoice(QComboBox* list, GreenBox* box)
{
    const Money chosen = readLeadingMoney(list->currentText());
    if (box == m_termBox) {
        storeTerm(chosen);
    } else {
        slot(box->boxLayout().slot) = chosen;
        box->showStoredValue();
    }
    // The box shows the stored figure, which is not to be read back on leaving.
    values().entryChanged = 0;
    clearResults();
}

void SavingsCalc::storeTypedTerm()
{
    storeTerm(readLeadingMoneyOr(m_termBox->text(), Money::fromWhole(MaxSavingsYears + 1)));
}

void SavingsCalc::storeTerm(Money typed)
{
    const Money limit = Money::fromWhole(MaxSavingsYears);
    if (typed > limit) {
        services().showMessage(values(), Message::FortyYearsLimit);
        typed = limit;
    }
    slot(YearsSlot) = typed;
    m_termBox->showValue(typed);
}

bool SavingsCalc::eventFilter(QObject* watched, QEvent* event)
{
    // A wheel turned over a list would choose from it unseen.
    if (event->type() == QEvent::Wheel && qobject_cast<QComboBox*>(watched))
        return true;
    if (event->type() == QEvent::KeyPress && watched == m_frequency)
        return refuseFrequencyKey(event);
    return PlannerWindow::eventFilter(watched, event);
}

// The frequency is chosen from its list (arrow keys included) and never
// typed: Enter moves on, any other key beeps.
bool SavingsCalc::refuseFrequencyKey(QEvent* event)
{
    const auto* key = static_cast<QKeyEvent*>(event);
    const int keyCode = entryKeyCode(key);
    if (keyCode < 0 && key->key() != Qt::Key_Space)
        return false;
    if (keyCode == KeyEnter) {
        findChild<QComboBox*>(QStringLiteral("InRate"))->setFocus(Qt::TabFocusReason);
        return true;
    }
    services().beep();
    values().entryChanged = 0;
    return true;
}

void SavingsCalc::clearResults()
{
    m_model->clearResult();
    m_calculation.reset();
    values().graphPointCount = 0;
}

SavingsInputs SavingsCalc::enteredInputs() const
{
    return SavingsInputs::fromSlots(values().inputValues, chosenEntry<SavingsFrequency>(m_frequency));
}

void SavingsCalc::calculate()
{
    runOperation(m_calculate, [this] {
        closeQuickHelp();
        clearResults();
        const SavingsInputs inputs = enteredInputs();
        m_calculation.emplace(Calculation{inputs, GrowthEngine().calculate(inputs)});
        m_calculation->result.handOver(values());
        m_model->showResult(m_calculation->result, inputs.frequency, values().currencySymbol);
        m_grid->setCurrentCell(1, SavingsGridModel::Period);
    });
}

void SavingsCalc::toggleQuickHelp()
{
    if (isQuickHelpOpen()) {
        closeQuickHelp();
        clearResults();
    } else {
        openQuickHelp(savingsQuickHelp(values().currencySymbol));
    }
}

void SavingsCalc::showGraph()
{
    if (!hasResults(Message::NoDataToGraph))
        return;
    values().graphSource = SavingsGraphSource;
    host().showGraph();
}

void SavingsCalc::print()
{
    if (!hasResults(Message::NoDataToPrint) || !m_calculation)
        return;
    printReport(printJobName(QString(), QStringLiteral("Savings report")), [this](const PrintoutSettings& settings) {
        return savingsPrintout(m_calculation->inputs, m_calculation->result, settings);
    });
}

} // namespace tallyvane
