// SPDX-License-Identifier: GPL-3.0-or-later
#include "networth/networthwindow.h"

#include "core/keyfilters.h"
#include "core/messages.h"
#include "core/report/printout.h"
#include "core/sharedvalues.h"
#include "networth/networthdisplay.h"
#include "networth/networthexport.h"
#include "networth/networthfile.h"
#include "networth/networthgridmodel.h"
#include "networth/networthprintout.h"
#include "shell/busypointer.h"
#include "shell/dialogs/filechooser.h"
#include "shell/grid/grid.h"
#include "shell/helpcontexts.h"
#include "shell/keptwork.h"
#include "shell/placement.h"
#include "shell/plannerstyle.h"
#include "shell/plannerwidgets.h"
#include "shell/uiservices.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tallyvane {
namespace {

constexpr int HeadingHeightTwips = 300;
constexpr int ValueColumnWideningTwips = 920;
constexpr std::int16_t InsertingAssets = 1;
constexpr std::int16_t InsertingLiabilities = 2;

} // namespace

NetWorthCalc::NetWorthCalc(SharedValues& values, UiServices& services, PlannerHost& host, QWidget* parent)
    : PlannerWindow(values, services, host, {QStringLiteral(" Net Worth"), HelpContext::NetWorth}, parent)
{
    setObjectName(QStringLiteral("NetWorthCalc"));
    keepWork({.unsaved = [this] { return m_unsaved && m_sheet.holdsEntries(); },
              .content = [this] { return netWorthFileContent(m_sheet); },
              .extension = [] { return QStringLiteral("NWF"); },
              .fileName = [this] { return this->values().dataFileName; }});
    m_assetsModel = new NetWorthGridModel(m_sheet, NetWorthSide::Assets, values.currencySymbol, this);
    m_liabilitiesModel =
        new NetWorthGridModel(m_sheet, NetWorthSide::Liabilities, values.currencySymbol, this);
    m_assets = buildGrid(m_assetsModel, "NGrid1");
    m_liabilities = buildGrid(m_liabilitiesModel, "NGrid2");
    buildButtons();
    layOut();
    recalculate();
    // Both rows of buttons are full; the export lives in the grids' menus.
    setUpCsvExport([this] { return std::optional(netWorthCsvTable(m_sheet)); },
                   QStringLiteral("NetWorth.csv"), {m_assets, m_liabilities});
}

QSize NetWorthCalc::sizeHint() const
{
    // The window covers the frame at its start size from where it is placed.
    const QPoint at = childPositionTwips(ChildKind::Planner, SmallFrameMark);
    return {twipsToPixels(FrameStartWidthTwips - at.x(), logicalDpiX()),
            twipsToPixels(FrameStartHeightTwips - at.y(), logicalDpiY())};
}

Grid* NetWorthCalc::buildGrid(NetWorthGridModel* model, const char* name)
{
    auto* grid = new Grid(model, this);
    grid->setObjectName(QString::fromLatin1(name));
    grid->setAccessibleName(model == m_assetsModel ? QStringLiteral("Assets") : QStringLiteral("Liabilities"));
    grid->setHeadingHeightTwips(HeadingHeightTwips);
    // Names take whatever width the window gives; figures keep theirs.
    grid->horizontalHeader()->setSectionResizeMode(NetWorthGridModel::Name, QHeaderView::Stretch);
    grid->widenColumn(NetWorthGridModel::Value, ValueColumnWideningTwips);
    const int widestFigure =
        grid->fontMetrics().horizontalAdvance(QString::fromLatin1(PlannerStyle::WidestFigure)) + 12;
    grid->setColumnWidth(NetWorthGridModel::Value,
                         std::max(grid->columnWidth(NetWorthGridModel::Value), widestFigure));
    grid->setKeyHandler([this, grid, model](int keyCode) { return typeIntoGrid(*grid, *model, keyCode); });
    const auto follow = [this, grid, model] { followCurrentCell(*grid, *model); };
    connect(grid, &Grid::currentCellChanged, this, follow);
    connect(grid, &Grid::cellClicked, this, follow);
    return grid;
}

void NetWorthCalc::buildButtons()
{
    const auto button = [this](const char* caption, const char* name, void (NetWorthCalc::*action)()) {
        QPushButton* pushButton =
            plannerButton(QString::fromLatin1(caption), QString::fromLatin1(name), this);
        connect(pushButton, &QPushButton::clicked, this, action);
        return pushButton;
    };
    m_insertAssets = plannerButton(QStringLiteral("&Insert blank line"), QStringLiteral("InsertAss"), this);
    m_insertAssets->setAccessibleName(QStringLiteral("Insert blank line in assets"));
    connect(m_insertAssets, &QPushButton::clicked, this, [this] { insertBlankLine(NetWorthSide::Assets); });
    m_insertLiabilities =
        plannerButton(QStringLiteral("Insert &blank line"), QStringLiteral("InsertLiab"), this);
    m_insertLiabilities->setAccessibleName(QStringLiteral("Insert blank line in liabilities"));
    connect(m_insertLiabilities, &QPushButton::clicked, this,
            [this] { insertBlankLine(NetWorthSide::Liabilities); });
    m_calculate = plannerButton(QStringLiteral("&Calculate"), QStringLiteral("NCalc"), this);
    connect(m_calculate, &QPushButton::clicked, this, [this] { calculateClicked(); });
    QFont bold = m_calculate->font();
    bold.setBold(true);
    m_calculate->setFont(bold);
    m_open = button("&Open File", "Loadnet", &NetWorthCalc::openClicked);
    m_save = button("&Save File", "SaveNet", &NetWorthCalc::saveClicked);
    m_help = button("Quick &Help", "NHelp", &NetWorthCalc::toggleQuickHelp);
    m_printer = button("To &Printer", "NPrinter", &NetWorthCalc::printClicked);
    m_exit = button("E&xit to Menu", "NExit", &NetWorthCalc::exitToMenu);
}

void NetWorthCalc::layOut()
{
    m_grids = new QWidget(this);
    auto* grids = new QHBoxLayout(m_grids);
    grids->setContentsMargins(0, 0, 0, 0);
    grids->setSpacing(PlannerStyle::Spacing);
    grids->addWidget(m_assets, 1);
    grids->addWidget(m_liabilities, 1);

    m_changes = new QLabel(QStringLiteral("Changes made, Calculate"), this);
    m_changes->setObjectName(QStringLiteral("NetInfo"));
    QPalette warning = m_changes->palette();
    warning.setColor(QPalette::WindowText, PlannerStyle::IndicatorRed);
    m_changes->setPalette(warning);
    // The grids keep their height whether or not the note shows.
    QSizePolicy keepSpace = m_changes->sizePolicy();
    keepSpace.setRetainSizeWhenHidden(true);
    m_changes->setSizePolicy(keepSpace);
    m_changes->hide();
    m_net = new ResultLabel(QStringLiteral("Net"), this);
    auto* status = new QHBoxLayout;
    status->addWidget(m_changes);
    status->addStretch(1);
    // One line beside its figure: a planner caption would break at the double blank.
    auto* caption = new QLabel(QStringLiteral(" Net Worth  ="), this);
    caption->setObjectName(QStringLiteral("Label3"));
    status->addWidget(caption);
    status->addWidget(m_net);

    // Each insert button sits below its own grid.
    QGridLayout* buttons = buttonGrid({
        {m_insertAssets, m_calculate, m_insertLiabilities, m_help},
        {m_open, m_save, m_printer, m_exit},
    });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(PlannerStyle::Margin, PlannerStyle::Margin, PlannerStyle::Margin,
                               PlannerStyle::Margin);
    layout->setSpacing(PlannerStyle::Spacing);
    layout->addWidget(m_grids, 1);
    layout->addLayout(status);
    layout->addLayout(buttons);
    setUpQuickHelp(QStringLiteral("NTextBox"), m_help, m_grids,
                   {m_insertAssets, m_insertLiabilities, m_calculate, m_open, m_save, m_printer}, m_assets);
}

int NetWorthCalc::typeIntoGrid(Grid& grid, NetWorthGridModel& model, int keyCode)
{
    // A drag can move the current cell without a click on it.
    if (grid.currentRow() != model.editRow() || grid.currentColumn() != model.editColumn())
        followCurrentCell(grid, model);
    if (keyCode == KeyDelete) {
        if (model.clearCell())
            markUnsaved();
        m_changes->show();
        return KeyRefused;
    }
    switch (model.typeKey(keyCode)) {
    case CellKeyAction::Rewritten:
        noteChange();
        return KeyRefused;
    case CellKeyAction::MoveDown:
        return KeyEnter;
    case CellKeyAction::Refused:
        services().beep();
        return KeyRefused;
    case CellKeyAction::RowLimit:
        services().showMessage(values(), Message::ThirtyRowLimit);
        return KeyRefused;
    case CellKeyAction::Ignored:
        break;
    }
    return KeyRefused;
}

void NetWorthCalc::followCurrentCell(Grid& grid, NetWorthGridModel& model)
{
    if (grid.isCurrentCellSelected())
        model.moveTo(grid.currentRow(), grid.currentColumn());
}

void NetWorthCalc::noteChange()
{
    markUnsaved();
    m_changes->show();
}

void NetWorthCalc::markUnsaved()
{
    m_unsaved = true;
    keptWork().noteChange();
}

bool NetWorthCalc::recalculate()
{
    const bool calculated = runOperation(nullptr, [this] { m_sheet.calculate(); });
    m_assetsModel->showSheet();
    m_liabilitiesModel->showSheet();
    m_net->setText(netWorthText(m_sheet, values().currencySymbol));
    if (calculated)
        m_changes->hide();
    return calculated;
}

bool NetWorthCalc::calculateClicked()
{
    const NetWorthSheet before = m_sheet;
    const bool calculated = recalculate();
    // Rows without a name are dropped: that changes what a save would write.
    if (calculated && !(m_sheet == before))
        markUnsaved();
    return calculated;
}

void NetWorthCalc::insertBlankLine(NetWorthSide side)
{
    const NetWorthGridModel& model = side == NetWorthSide::Assets ? *m_assetsModel : *m_liabilitiesModel;
    values().plannerMode = side == NetWorthSide::Assets ? InsertingAssets : InsertingLiabilities;
    values().recNumPreset = static_cast<std::int16_t>(model.editRow());
    services().askInsertLine(values());
    values().plannerMode = 0;
    if (!m_sheet.insertBlankRow(side, insertLineFromText(values().insertLineText)))
        return;
    markUnsaved();
    recalculate();
}

bool NetWorthCalc::hasUnsavedEntries() const
{
    return m_unsaved && m_sheet.holdsEntries();
}

bool NetWorthCalc::mayLeave()
{
    if (hasUnsavedEntries() && wantsToSaveFirst())
        return false;
    m_unsaved = false;
    values().dataFileName.clear();
    giveUpWork();
    return true;
}

bool NetWorthCalc::readSheet(const QString& path, NetWorthSheet& opened)
{
    const BusyPointer busy;
    return openNetWorthFile(path, opened);
}

bool NetWorthCalc::openFile(const QString& path)
{
    NetWorthSheet opened;
    if (!readSheet(path, opened))
        return false;
    // Totals beyond money are refused before anything on screen changes.
    if (!runOperation(nullptr, [&opened] { opened.calculate(); }))
        return true;
    m_sheet = opened;
    values().dataFileName = QFileInfo(path).fileName();
    m_unsaved = false;
    workIsInFile(path);
    recalculate();
    return true;
}

bool NetWorthCalc::recoverFile(const QString& path, const QString& originalName)
{
    NetWorthSheet opened;
    if (!readSheet(path, opened))
        return false;
    m_sheet = opened;
    values().dataFileName = originalName;
    recalculate();
    m_unsaved = true;
    keptWork().recovered();
    return true;
}

void NetWorthCalc::openClicked()
{
    if (hasUnsavedEntries() && wantsToSaveFirst())
        return;
    const QString path = pickFile(FileRequestMode::OpenNetWorth);
    if (!path.isEmpty() && mayOpen(path) && !openFile(path))
        services().showMessage(values(), Message::FileNotFound);
}

void NetWorthCalc::saveClicked()
{
    if (!m_sheet.holdsEntries()) {
        services().showMessage(values(), Message::NoRecords);
        return;
    }
    const QString path = pickFileToSave(FileRequestMode::SaveNetWorth);
    if (path.isEmpty())
        return;
    SaveOutcome saved;
    {
        const BusyPointer busy;
        saved = saveNetWorthFile(path, m_sheet);
    }
    if (!saved) {
        values().msgDetail = saveFailureText(saved.failure);
        services().showMessage(values(), Message::BadNetWorthFileName);
        return;
    }
    values().dataFileName = QFileInfo(path).fileName();
    m_unsaved = false;
    workIsInFile(path);
}

// Printed as the Calculate button would leave the sheet, so every printed
// total is the sum of the rows printed above it.
void NetWorthCalc::printClicked()
{
    if (!calculateClicked())
        return;
    printReport(printJobName(values().dataFileName, QStringLiteral("Net worth statement")),
                [this](const PrintoutSettings& settings) { return netWorthPrintout(m_sheet, settings); });
}

void NetWorthCalc::toggleQuickHelp()
{
    if (isQuickHelpOpen())
        closeQuickHelp();
    else
        openQuickHelp(netWorthQuickHelp());
}

} // namespace tallyvane
