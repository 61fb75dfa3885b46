// SPDX-License-Identifier: GPL-3.0-or-later
#include "budget/budgetwindow.h"

#include "budget/budgetdisplay.h"
#include "budget/budgetexport.h"
#include "budget/budgetfile.h"
#include "budget/budgetgridmodel.h"
#include "budget/budgetinputslots.h"
#include "budget/budgetprintout.h"
#include "budget/budgettotals.h"
#include "core/arithmeticfault.h"
#include "core/keyfilters.h"
#include "core/leadingnumber.h"
#include "core/messages.h"
#include "core/plannererror.h"
#include "core/report/printout.h"
#include "core/sharedvalues.h"
#include "shell/busypointer.h"
#include "shell/captionlabel.h"
#include "shell/dialogs/filechooser.h"
#include "shell/dialogs/yesnodialog.h"
#include "shell/greenbox.h"
#include "shell/grid/grid.h"
#include "shell/helpcontexts.h"
#include "shell/keptwork.h"
#include "shell/placement.h"
#include "shell/plannerstyle.h"
#include "shell/plannerwidgets.h"
#include "shell/uiservices.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tallyvane {
namespace {

const char* const PaymentsCaption = "# paymts per year";
const char* const BudgetedCaption = "Amount budgeted";

const FigureBoxLayout DescriptionBox{
    .filter = KeyFilterKind::Words, .selectAllOnFocus = true, .maxLength = BudgetDescriptionLimit};

FigureBoxLayout amountBox(int slot)
{
    return {.filter = KeyFilterKind::Decimal,
            .slot = slot,
            .format = QStringLiteral("###,,###.00"),
            .width = 10,
            .selectAllOnFocus = true,
            .formatsOwnText = true};
}

FigureBoxLayout paymentsBox(int slot)
{
    return {.filter = KeyFilterKind::WholeNumber,
            .slot = slot,
            .format = QStringLiteral("##"),
            .width = 8,
            .selectAllOnFocus = true,
            .formatsOwnText = true,
            .filterBeforeEmptying = true};
}

QString quickHelpText()
{
    const char* const paragraphs[] = {
        "Background Color: Input boxes are green, records and results are white.",
        "    Annual Income or Annual Expenses",
        "Type your data in the four top row input boxes, then click the Add button, data will move down to "
        "the "
        "spreadsheet.",
        "Entries in the second input boxes should be your current income/expenses. Third boxes, number of "
        "times "
        "each year the amounts were received/paid. Fourth boxes, your adjusted budget figures.",
        "To use either of the following two buttons, first click on row to select record number.",
        "What If? button: Record will show in top input boxes for change. Use to alter a record or reduce an "
        "expense.",
        "Delete button: Deletes a record from the spreadsheet.",
        "Show for Period: Click down-arrow to open, then select period. Amounts will be shown for that "
        "period. "
        "Totals text will also change.",
        "Sort by: Click down-arrow to open, then select type of sort. Records will be sorted.",
        "Open File button: Opens a file from disk.",
        "Save File button: Saves the current file to disk.",
        "To Printer button: Sends the budget data to your printer.",
        "All results shown rounded up or down to the nearest cent.",
        "Open the Sample.BGT file and try out all the features.",
        "Press F1 key for more detailed information.",
    };
    QString text;
    for (const char* paragraph : paragraphs)
        text += QString::fromLatin1(paragraph) + QStringLiteral("\r\n\r\n");
    return text + QString(25, u' ') + QStringLiteral("End");
}

void showBelowZero(QLabel* label, bool belowZero)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, belowZero ? PlannerStyle::NegativeRed : QColor(Qt::black));
    label->setPalette(palette);
}

} // namespace

// What tells the two sides apart: their slots, control names and texts.
struct Budget::SideDesign
{
    BudgetSide kind;
    int firstSlot;
    const char* frameName;
    const char* frameTitle;
    const char* descriptionName;
    const char* amountName;
    const char* paymentsName;
    const char* budgetedName;
    const char* descriptionCaption;
    const char* amountCaption;
    const char* addName;
    const char* addCaption;
    const char* whatIfName;
    const char* whatIfCaption;
    const char* removeName;
    const char* removeCaption;
    const char* addChangedName;
    const char* addChangedCaption;
    const char* gridName;
    const char* amountHeading;
    const char* totalCaptionName;
    const char* totalCaption;
    const char* totalName;
    const char* totalBudgetedName;
};

const Budget::SideDesign Budget::IncomeSide{.kind = BudgetSide::Income,
                                            .firstSlot = BudgetSlot::IncomeAmount,
                                            .frameName = "Frame2",
                                            .frameTitle = " Annual Income ",
                                            .descriptionName = "InIncDesc",
                                            .amountName = "InIncAmt",
                                            .paymentsName = "InIncFreq",
                                            .budgetedName = "InIncBgtAmt",
                                            .descriptionCaption = " Description of the source of income",
                                            .amountCaption = " Amount of income",
                                            .addName = "AddIncome1",
                                            .addCaption = "&Add",
                                            .whatIfName = "CorrectRec1",
                                            .whatIfCaption = "&What If?",
                                            .removeName = "DelRecord1",
                                            .removeCaption = "D&elete",
                                            .addChangedName = "AddCorRec1",
                                            .addChangedCaption = "Add Changed &Record",
                                            .gridName = "BGrid1",
                                            .amountHeading = "Income",
                                            .totalCaptionName = "Label3",
                                            .totalCaption = " Total annual income",
                                            .totalName = "TotInc",
                                            .totalBudgetedName = "TotIncBgt"};

const Budget::SideDesign Budget::ExpenseSide{.kind = BudgetSide::Expense,
                                             .firstSlot = BudgetSlot::ExpenseAmount,
                                             .frameName = "Frame1",
                                             .frameTitle = "Annual Expense",
                                             .descriptionName = "InExpDesc",
                                             .amountName = "InExpAmt",
                                             .paymentsName = "InExpFreq",
                                             .budgetedName = "InExpBgtAmt",
                                             .descriptionCaption = " Description of the expense purpose",
                                             .amountCaption = " Amount of expense",
                                             .addName = "AddExpense2",
                                             .addCaption = "Ad&d",
                                             .whatIfName = "CorrectRec2",
                                             .whatIfCaption = "What &If?",
                                             .removeName = "DelRecord2",
                                             .removeCaption = "De&lete",
                                             .addChangedName = "AddCorRec2",
                                             .addChangedCaption = "Add &Changed Record",
                                             .gridName = "BGrid2",
                                             .amountHeading = "Expense",
                                             .totalCaptionName = "Label4",
                                             .totalCaption = " Total annual expenses",
                                             .totalName = "TotExp",
                                             .totalBudgetedName = "TotExpBgt"};

Budget::Budget(SharedValues& values, UiServices& services, PlannerHost& host, QWidget* parent)
    : PlannerWindow(values, services, host, {QStringLiteral(" Budget Calculations"), HelpContext::Budget},
                    parent)
{
    setObjectName(QStringLiteral("Budget"));
    sizeInputSlots(BudgetSlot::Count);
    values.entryChanged = 0;
    values.plannerMode = 0;
    values.recNumPreset = 0;
    keepWork({.unsaved = [this] { return hasUnsavedWork(); },
              .content = [this] { return budgetFileContent(m_income.list, m_expense.list); },
              .extension = [] { return QStringLiteral("BGT"); },
              .fileName = [this] { return this->values().dataFileName; }});

    buildSide(m_income, IncomeSide);
    buildSide(m_expense, ExpenseSide);
    buildShared();
    layOut();
    linkSuccessors();
}

Budget::~Budget()
{
    // The grids read the lists, which go before the window's children do.
    for (Side* side : {&m_income, &m_expense}) {
        delete side->grid;
        delete side->model;
    }
}

QSize Budget::sizeHint() const
{
    // The window covers the frame at its start size from where it is placed.
    const QPoint at = childPositionTwips(ChildKind::Planner, SmallFrameMark);
    return {twipsToPixels(FrameStartWidthTwips - at.x(), logicalDpiX()),
            twipsToPixels(FrameStartHeightTwips - at.y(), logicalDpiY())};
}

void Budget::buildSide(Side& side, const SideDesign& design)
{
    side.kind = design.kind;
    side.firstSlot = design.firstSlot;
    const std::vector<GreenBox*> boxes = buildGreenBoxes({
        {.name = QString::fromLatin1(design.descriptionName),
         .layout = DescriptionBox,
         .successor = QString::fromLatin1(design.amountName)},
        {.name = QString::fromLatin1(design.amountName),
         .layout = amountBox(side.firstSlot),
         .successor = QString::fromLatin1(design.paymentsName)},
        {.name = QString::fromLatin1(design.paymentsName),
         .layout = paymentsBox(side.firstSlot + 1),
         .successor = QString::fromLatin1(design.budgetedName)},
        {.name = QString::fromLatin1(design.budgetedName),
         .layout = amountBox(side.firstSlot + 2),
         .successor = QString::fromLatin1(design.addName)},
    });
    side.description = boxes[0];
    side.amount = boxes[1];
    side.payments = boxes[2];
    side.budgeted = boxes[3];

    // The two sides' buttons read alike; a screen reader tells them apart.
    const QString sideWords = design.kind == BudgetSide::Income ? QStringLiteral(" in income")
                                                                : QStringLiteral(" in expenses");
    const auto button = [this, &side, &sideWords](const char* caption, const char* name,
                                                  void (Budget::*action)(Side&)) {
        QPushButton* pushButton =
            plannerButton(QString::fromLatin1(caption), QString::fromLatin1(name), this);
        pushButton->setAccessibleName(pushButton->text().remove(QLatin1Char('&')) + sideWords);
        connect(pushButton, &QPushButton::clicked, this, [this, &side, action] { (this->*action)(side); });
        return pushButton;
    };
    side.add = button(design.addCaption, design.addName, &Budget::add);
    side.whatIf = button(design.whatIfCaption, design.whatIfName, &Budget::whatIf);
    side.remove = button(design.removeCaption, design.removeName, &Budget::deleteRecord);
    side.addChanged = button(design.addChangedCaption, design.addChangedName, &Budget::addChangedRecord);
    side.addChanged->hide();

    side.model = new BudgetGridModel(side.list, QString::fromLatin1(design.amountHeading), this);
    side.grid = new Grid(side.model, this);
    side.grid->setObjectName(QString::fromLatin1(design.gridName));
    side.grid->setAccessibleName(design.kind == BudgetSide::Income ? QStringLiteral("Income records")
                                                                   : QStringLiteral("Expense records"));
    side.grid->setHeadingHeightTwips(300);
    // The number column fits the largest record number; the description
    // takes what the figures leave.
    side.grid->setColumnWidth(BudgetGridModel::Number,
                              side.grid->fontMetrics().horizontalAdvance(QStringLiteral("No. 0")) + 8);
    // The figure columns fit the largest figure and the description takes
    // the rest, so every column shows on a small screen, never scrolled aside.
    const int figureWidth = side.grid->fontMetrics().horizontalAdvance(QStringLiteral("9,999,999.99")) + 12;
    for (const int column : {BudgetGridModel::Amount, BudgetGridModel::Budgeted})
        side.grid->setColumnWidth(column,
                                  std::max(figureWidth, side.grid->horizontalHeader()->sectionSizeHint(column)));
    side.grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    side.grid->horizontalHeader()->setSectionResizeMode(BudgetGridModel::Description, QHeaderView::Stretch);
    connect(side.grid, &Grid::cellClicked, this, [this, &side] { presetRecordNumber(side); });

    side.totalCaption = plannerCaption(QString::fromLatin1(design.totalCaption),
                                       QString::fromLatin1(design.totalCaptionName), this);
    side.total = new ResultLabel(QString::fromLatin1(design.totalName), this);
    side.totalBudgeted = new ResultLabel(QString::fromLatin1(design.totalBudgetedName), this);
    side.frame = new QGroupBox(QString::fromLatin1(design.frameTitle), this);
    side.frame->setObjectName(QString::fromLatin1(design.frameName));

    const auto caption = [this](const char* text) {
        return plannerCaption(QString::fromLatin1(text), {}, this);
    };
    auto* frameLayout = new QVBoxLayout(side.frame);
    frameLayout->setSpacing(PlannerStyle::Spacing);
    QGridLayout* cards = captionedCards({{caption(design.descriptionCaption), side.description},
                                         {caption(design.amountCaption), side.amount},
                                         {caption(PaymentsCaption), side.payments},
                                         {caption(BudgetedCaption), side.budgeted}},
                                        4);
    // The description takes the width of two figures.
    cards->setColumnStretch(0, 2);
    frameLayout->addLayout(cards);
    frameLayout->addLayout(buttonGrid({{side.add, side.whatIf, side.remove, side.addChanged}}));
    frameLayout->addWidget(side.grid, 1);
    auto* totals = new QHBoxLayout;
    totals->addWidget(side.totalCaption, 1);
    totals->addWidget(side.total);
    totals->addWidget(side.totalBudgeted);
    frameLayout->addLayout(totals);
}

void Budget::buildShared()
{
    m_netCaption = plannerCaption(QStringLiteral(" Annual Net Balance"), QStringLiteral("Label7"), this);
    m_netBalance = new ResultLabel(QStringLiteral("NetBalance"), this);
    m_netBalanceBudgeted = new ResultLabel(QStringLiteral("NetBalanceBgt"), this);

    m_sortBy = choiceList(QStringLiteral("SortBy"), this);
    std::vector<ListEntry<SortOrder>> orders;
    for (const SortOrder order :
         {SortOrder::NamesAToZ, SortOrder::NamesZToA, SortOrder::AmountsHiLo, SortOrder::AmountsLoHi})
        orders.push_back({sortOrderListText(order), order});
    addListEntries(m_sortBy, orders);
    chooseEntry(m_sortBy, InitialSortOrder);

    m_period = choiceList(QStringLiteral("FreqPeriod"), this);
    std::vector<ListEntry<int>> periods;
    for (int index = 0; index < static_cast<int>(DisplayPeriods.size()); ++index)
        periods.push_back({DisplayPeriods[index].listText, index});
    addListEntries(m_period, periods);
    chooseEntry(m_period, static_cast<int>(DisplayPeriods.size()) - 1);

    for (QComboBox* list : {m_sortBy, m_period}) {
        list->installEventFilter(this);
        connect(list, &QComboBox::activated, this, &Budget::chooseListEntry);
    }

    m_help = plannerButton(QStringLiteral("Quick &Help"), QStringLiteral("Help2"), this);
    connect(m_help, &QPushButton::clicked, this, &Budget::toggleQuickHelp);
    m_open = plannerButton(QStringLiteral("&Open File"), QStringLiteral("FilOpen"), this);
    connect(m_open, &QPushButton::clicked, this, &Budget::openChosenFile);
    m_save = plannerButton(QStringLiteral("&Save File"), QStringLiteral("FilSave"), this);
    connect(m_save, &QPushButton::clicked, this, &Budget::saveFile);
    m_printer = plannerButton(QStringLiteral("To &Printer"), QStringLiteral("Ptr2"), this);
    connect(m_printer, &QPushButton::clicked, this, &Budget::print);
    m_export = plannerButton(QStringLiteral("Export CS&V…"), QStringLiteral("ExportBudget"), this);
    m_exit = plannerButton(QStringLiteral("E&xit to Menu"), QStringLiteral("ExitBudget"), this);
    connect(m_exit, &QPushButton::clicked, this, &Budget::exitToMenu);
    setUpCsvExport(
        [this] { return std::optional(budgetCsvTable(m_income.list, m_expense.list, chosenPeriod())); },
        QStringLiteral("Budget.csv"), {m_income.grid, m_expense.grid}, m_export);
}

void Budget::layOut()
{
    m_sides = new QWidget(this);
    auto* sides = new QHBoxLayout(m_sides);
    sides->setContentsMargins(0, 0, 0, 0);
    sides->setSpacing(PlannerStyle::Spacing);
    sides->addWidget(m_income.frame, 1);
    sides->addWidget(m_expense.frame, 1);

    const auto caption = [this](const char* text, const char* name) {
        return plannerCaption(QString::fromLatin1(text), QString::fromLatin1(name), this);
    };
    auto* net = new QVBoxLayout;
    net->setSpacing(PlannerStyle::CardSpacing);
    net->addWidget(m_netCaption);
    net->addLayout(captionedCards({{caption("Current", "Label16"), m_netBalance},
                                   {caption("Budgeted", "Label15"), m_netBalanceBudgeted}},
                                  2));
    QGridLayout* lists = captionedCards(
        {{caption(" Sorted by", "Label5"), m_sortBy}, {caption(" Show for period", "Label13"), m_period}}, 1);
    QGridLayout* buttons = buttonGrid({{m_open, m_save, m_printer}, {m_help, m_export, m_exit}});

    auto* bottom = new QHBoxLayout;
    bottom->setSpacing(2 * PlannerStyle::Spacing);
    bottom->addLayout(net, 2);
    bottom->addLayout(lists, 1);
    bottom->addLayout(buttons, 3);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(PlannerStyle::Margin, PlannerStyle::Margin, PlannerStyle::Margin,
                               PlannerStyle::Margin);
    layout->setSpacing(PlannerStyle::Spacing);
    layout->addWidget(m_sides, 1);
    layout->addLayout(bottom);
    // The help takes the place of both sides; Enter in it moves to the button that closes it.
    setUpQuickHelp(QStringLiteral("HelpTxt"), m_help, m_sides, {}, m_help);
}

// Sorts both lists in the chosen order and shows them with their totals for
// the chosen period; the focus goes to the side that was just changed.
void Budget::redisplay()
{
    const SortOrder order = chosenEntry<SortOrder>(m_sortBy);
    const DisplayPeriod& period = chosenPeriod();
    {
        const BusyPointer busy;
        for (Side* side : {&m_income, &m_expense}) {
            sortKeepingChangedRecord(*side, order);
            side->model->showList(period);
        }
    }
    showTotals(period);
    (m_selectedSide == BudgetSide::Income ? m_income : m_expense).description->setFocus(Qt::OtherFocusReason);
    m_selectedSide = BudgetSide::None;
    m_dirty = true;
    keptWork().noteChange();
}

void Budget::sortKeepingChangedRecord(Side& side, SortOrder order)
{
    if (side.changingRecord == 0) {
        side.list.sortList(order);
        return;
    }
    const BudgetRecord changing = side.list.record(side.changingRecord);
    side.list.sortList(order);
    side.changingRecord = side.list.numberOf(changing);
}

void Budget::showTotals(const DisplayPeriod& period)
{
    m_income.totalCaption->setText(period.incomeLabel);
    m_expense.totalCaption->setText(period.expenseLabel);
    m_netCaption->setText(period.netBalanceLabel());
    BudgetTotalTexts texts;
    runOperation(nullptr, [&] {
        texts =
            budgetTotalTexts(computeTotals(m_income.list, m_expense.list), period, values().currencySymbol);
    });
    m_income.total->setText(texts.income);
    m_income.totalBudgeted->setText(texts.incomeBudgeted);
    m_expense.total->setText(texts.expenses);
    m_expense.totalBudgeted->setText(texts.expensesBudgeted);
    m_netBalance->setText(texts.netBalance);
    m_netBalanceBudgeted->setText(texts.netBalanceBudgeted);
    showBelowZero(m_netBalance, texts.netBalanceBelowZero);
    showBelowZero(m_netBalanceBudgeted, texts.netBalanceBudgetedBelowZero);
}

const DisplayPeriod& Budget::chosenPeriod() const
{
    return DisplayPeriods.at(static_cast<std::size_t>(chosenEntry<int>(m_period)));
}

// A new order or period is shown at once; with both lists empty there is
// nothing to show.
void Budget::chooseListEntry()
{
    if (!m_income.list.isEmpty() || !m_expense.list.isEmpty())
        redisplay();
}

void Budget::checkEntry(const Side& side) const
{
    bool noPayments = false;
    try {
        noPayments = readLeadingMoney(side.payments->text()).isZero();
    } catch (const ArithmeticFault&) {
        // Far too many payments; the slot keeps the count stored before.
    }
    if (side.description->text().isEmpty() || noPayments)
        throw PlannerError(Message::BoxesOneAndThreeNeedData);
}

BudgetEntry Budget::typedEntry(const Side& side) const
{
    return {.description = side.description->text(),
            .amountPerPayment = slot(side.firstSlot),
            .paymentsPerYear = slot(side.firstSlot + 1),
            .budgetedPerPayment = slot(side.firstSlot + 2)};
}

// The slots keep their figures, so a box left empty in the next item adds
// the figure it last held.
void Budget::clearBoxes(Side& side)
{
    for (GreenBox* box : {side.description, side.amount, side.payments, side.budgeted})
        box->clear();
}

void Budget::add(Side& side)
{
    bool checked = false;
    runOperation(side.add, [&] {
        checkEntry(side);
        checked = true;
        m_selectedSide = side.kind;
        side.list.addRecord(typedEntry(side));
        clearBoxes(side);
    });
    if (checked)
        redisplay();
}

void Budget::whatIf(Side& side)
{
    side.whatIf->setFocus(Qt::OtherFocusReason);
    if (side.list.isEmpty()) {
        services().showMessage(values(), Message::NoRecordToChange);
        return;
    }
    const int number = askRecordNumber(side, false);
    if (number == 0)
        return;
    runOperation(nullptr, [&] {
        const BudgetEntry entry = side.list.recordEntry(number);
        slot(side.firstSlot) = entry.amountPerPayment;
        slot(side.firstSlot + 1) = entry.paymentsPerYear;
        slot(side.firstSlot + 2) = entry.budgetedPerPayment;
        side.description->setText(entry.description);
        side.amount->setText(entryAmountText(entry.amountPerPayment));
        side.payments->setText(entryPaymentsText(entry.paymentsPerYear));
        side.budgeted->setText(entryAmountText(entry.budgetedPerPayment));
        values().entryChanged = 0;
        side.changingRecord = number;
        showChanging(side, true);
        side.description->setFocus(Qt::OtherFocusReason);
    });
}

void Budget::addChangedRecord(Side& side)
{
    bool checked = false;
    const bool changed = runOperation(side.addChanged, [&] {
        checkEntry(side);
        checked = true;
        side.list.replaceRecord(side.changingRecord, typedEntry(side));
        clearBoxes(side);
        side.changingRecord = 0;
    });
    if (!checked)
        return;
    values().plannerMode = 0;
    values().recNumber = 0;
    redisplay();
    if (changed) {
        showChanging(side, false);
        // The focus comes back to this side after the next change, not this one.
        m_selectedSide = side.kind;
    }
}

void Budget::deleteRecord(Side& side)
{
    side.remove->setFocus(Qt::OtherFocusReason);
    if (side.list.isEmpty()) {
        services().showMessage(values(), Message::NoRecordsToDelete);
        return;
    }
    const int number = askRecordNumber(side, true);
    if (number == 0)
        return;
    values().msgDetail = QString::number(number);
    values().yesNoState = Question::DeleteRecord;
    services().askYesNo(values());
    if (values().yesNoState != AnswerYes) {
        values().recNumber = 0;
        return;
    }
    if (runOperation(nullptr, [&] { side.list.deleteRecord(number); })) {
        m_selectedSide = side.kind;
        redisplay();
    }
}

// The record-number prompt; 0 when cancelled. A number beyond the list is
// answered with message 17 and also gives 0.
int Budget::askRecordNumber(const Side& side, bool toDelete)
{
    values().recNumMode = toDelete ? 1 : 0;
    values().recNumSpot = static_cast<std::int16_t>(side.kind);
    services().askRecordNumber(values());
    const int number = values().recNumber;
    if (number > side.list.count()) {
        services().showMessage(values(), Message::RecordDoesNotExist);
        return 0;
    }
    return number;
}

// Clicking a row offers its number to the next What If? or Delete.
void Budget::presetRecordNumber(const Side& side)
{
    if (side.grid->isCurrentCellSelected())
        values().recNumPreset = static_cast<std::int16_t>(side.grid->currentRow());
}

void Budget::showChanging(Side& side, bool changing)
{
    side.add->setVisible(!changing);
    side.whatIf->setVisible(!changing);
    side.remove->setVisible(!changing);
    side.addChanged->setVisible(changing);
    side.budgeted->setSuccessor(changing ? side.addChanged : side.add);
}

void Budget::toggleQuickHelp()
{
    if (isQuickHelpOpen())
        closeQuickHelp();
    else
        openQuickHelp(quickHelpText());
}

bool Budget::hasUnsavedWork() const
{
    return m_dirty && (!m_income.list.isEmpty() || !m_expense.list.isEmpty());
}

bool Budget::mayLeave()
{
    if (hasUnsavedWork() && wantsToSaveFirst())
        return false;
    m_dirty = false;
    values().dataFileName.clear();
    giveUpWork();
    return true;
}

// The whole file is read before the lists change, so a file that cannot be
// read leaves the worksheet as it was.
bool Budget::readLists(const QString& path)
{
    BudgetList income;
    BudgetList expenses;
    {
        const BusyPointer busy;
        if (!readBudgetFile(path, income, expenses))
            return false;
    }
    m_income.list = std::move(income);
    m_expense.list = std::move(expenses);
    for (Side* side : {&m_income, &m_expense}) {
        side->changingRecord = 0;
        showChanging(*side, false);
    }
    return true;
}

bool Budget::openFile(const QString& path)
{
    if (!readLists(path))
        return false;
    values().dataFileName = QFileInfo(path).fileName();
    redisplay();
    // What was just read is on disk already.
    workIsInFile(path);
    return true;
}

bool Budget::recoverFile(const QString& path, const QString& originalName)
{
    if (!readLists(path))
        return false;
    values().dataFileName = originalName;
    redisplay();
    keptWork().recovered();
    return true;
}

void Budget::openChosenFile()
{
    m_open->setFocus(Qt::OtherFocusReason);
    if (hasUnsavedWork() && wantsToSaveFirst())
        return;
    const QString path = pickFile(FileRequestMode::OpenBudget);
    if (path.isEmpty()) {
        redisplay();
        return;
    }
    if (!mayOpen(path))
        return;
    if (!openFile(path))
        services().showMessage(values(), Message::FileNotFound);
}

// Only a save that wrote the file marks the worksheet saved.
void Budget::saveFile()
{
    m_save->setFocus(Qt::OtherFocusReason);
    if (m_income.list.isEmpty() && m_expense.list.isEmpty()) {
        services().showMessage(values(), Message::NoRecordsToSave);
        return;
    }
    const QString path = pickFileToSave(FileRequestMode::SaveBudget);
    if (path.isEmpty())
        return;
    const bool saved = runOperation(nullptr, [&] {
        if (const SaveOutcome written = writeBudgetFile(path, m_income.list, m_expense.list); !written)
            throw PlannerError(Message::BadBudgetFileName, saveFailureText(written.failure));
    });
    if (saved) {
        values().dataFileName = QFileInfo(path).fileName();
        m_dirty = false;
        workIsInFile(path);
    }
}

void Budget::print()
{
    m_printer->setFocus(Qt::OtherFocusReason);
    if (m_income.list.isEmpty() && m_expense.list.isEmpty()) {
        services().showMessage(values(), Message::NoDataToPrint);
        return;
    }
    printReport(printJobName(values().dataFileName, QStringLiteral("Budget statement")),
                [this](const PrintoutSettings& settings) {
        return budgetPrintout({m_income.list, m_expense.list, chosenPeriod()}, settings);
    });
}

namespace {

// Only the drop-down changes the sort order and the period: the keys that
// open it (Alt+Down, F4) and those that move the focus on pass, every other
// key (arrows and Page keys included, which would choose at once) beeps.
bool refusesListKey(const QKeyEvent& key)
{
    switch (key.key()) {
    case Qt::Key_F4:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
        return false;
    case Qt::Key_Down:
        return !(key.modifiers() & Qt::AltModifier);
    default:
        return true;
    }
}

} // namespace

// The lists change only by choosing from them: other keys beep, and a wheel
// turned over them does nothing.
bool Budget::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_sortBy || watched == m_period) {
        switch (event->type()) {
        case QEvent::Wheel:
            return true;
        case QEvent::KeyPress:
            if (refusesListKey(*static_cast<QKeyEvent*>(event))) {
                services().beep();
                return true;
            }
            break;
        default:
            break;
        }
    }
    return PlannerWindow::eventFilter(watched, event);
}

} // namespace tallyvane
