// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/plannerwindow.h"

#include "core/keyfilters.h"
#include "core/messages.h"
#include "core/money.h"
#include "core/plannererror.h"
#include "core/safefile.h"
#include "core/sharedvalues.h"
#include "shell/busypointer.h"
#include "shell/dialogs/filechooser.h"
#include "shell/dialogs/printheaderdialog.h"
#include "shell/dialogs/yesnodialog.h"
#include "shell/greenbox.h"
#include "shell/grid/grid.h"
#include "shell/keptwork.h"
#include "shell/plannerhost.h"
#include "shell/plannerwidgets.h"
#include "shell/readingorder.h"
#include "shell/uiservices.h"

#include <QAction>
#include <QBoxLayout>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>

#include <optional>

namespace tallyvane {
namespace {

void runModally(QDialog& dialog)
{
    dialog.exec();
}

} // namespace

PlannerWindow::PlannerWindow(SharedValues& values, UiServices& services, PlannerHost& host,
                             PlannerIdentity identity, QWidget* parent)
    : QWidget(parent), m_values(values), m_services(services), m_host(host), m_identity(std::move(identity)),
      m_runDialog(runModally)
{
    setAutoFillBackground(true);
    setWindowTitle(m_identity.frameTitle.trimmed());
    if (!m_identity.frameTitle.isEmpty())
        m_host.setFrameTitle(m_identity.frameTitle);
}

PlannerWindow::~PlannerWindow()
{
    // The planner's own part is already gone: no box may reach it any more,
    // not even the one whose figure is stored as it loses the focus now.
    for (QObject* child : findChildren<QObject*>())
        child->disconnect(this);
    if (QWidget* focused = focusWidget(); focused && isAncestorOf(focused))
        focused->clearFocus();
}

void PlannerWindow::setDialogRunner(DialogRunner runner)
{
    m_runDialog = std::move(runner);
}

bool PlannerWindow::openFile(const QString&)
{
    return false;
}

bool PlannerWindow::mayLeave()
{
    return true;
}

void PlannerWindow::changeIdentity(const PlannerIdentity& identity)
{
    m_identity = identity;
    setWindowTitle(m_identity.frameTitle.trimmed());
    if (!m_identity.frameTitle.isEmpty())
        m_host.setFrameTitle(m_identity.frameTitle);
}

bool PlannerWindow::mayOpen(const QString& path)
{
    return !m_kept || m_kept->mayOpen(path);
}

bool PlannerWindow::recoverFile(const QString&, const QString&)
{
    return false;
}

void PlannerWindow::keepRecoveryCopy()
{
    if (m_kept)
        m_kept->keepNow();
}

KeptWork& PlannerWindow::keepWork(KeptWorkSource source)
{
    m_kept = new KeptWork(m_values, m_services, std::move(source), this);
    return *m_kept;
}

bool PlannerWindow::wantsToSaveFirst()
{
    m_values.yesNoState = Question::SaveBeforeErasing;
    m_services.askYesNo(m_values);
    return m_values.yesNoState != AnswerNo;
}

void PlannerWindow::giveUpWork()
{
    m_kept->letGo();
    m_kept->closeFile();
}

QString PlannerWindow::pickFile(int mode, const QString& proposed)
{
    return m_services.pickFile(m_values, mode, proposed);
}

QString PlannerWindow::pickFileToSave(int mode)
{
    const QString path = pickFile(mode);
    return path.isEmpty() || (m_kept && !m_kept->mayReplace(path)) ? QString() : path;
}

void PlannerWindow::workIsInFile(const QString& path)
{
    m_services.fileUsed(path);
    if (m_kept) {
        m_kept->opened(path);
        m_kept->letGo();
    }
}

void PlannerWindow::sizeInputSlots(int count)
{
    m_values.inputValues.assign(static_cast<std::size_t>(count), Money());
}

Money& PlannerWindow::slot(int index) const
{
    return m_values.inputValues.at(static_cast<std::size_t>(index));
}

std::vector<GreenBox*> PlannerWindow::buildGreenBoxes(const std::vector<GreenBoxSpec>& rows)
{
    std::vector<GreenBox*> boxes;
    for (const GreenBoxSpec& row : rows) {
        auto* box = new GreenBox(row.layout, m_values, m_services, this);
        if (row.listItems.isEmpty())
            box->setObjectName(row.name);
        else
            typedList(box, row.listItems, row.name, this);
        m_successors.emplace_back(box, row.successor);
        boxes.push_back(box);
    }
    return boxes;
}

void PlannerWindow::linkSuccessors()
{
    for (const auto& [box, name] : m_successors)
        box->setSuccessor(findChild<QWidget*>(name));
    m_successors.clear();
}

void PlannerWindow::runDialog(QDialog& dialog)
{
    m_runDialog(dialog);
}

bool PlannerWindow::runOperation(QWidget* committer, const std::function<void()>& operation)
{
    // Moving the focus stores a figure still being typed, also when the
    // operation's button is reached by its access key.
    if (committer)
        committer->setFocus(Qt::OtherFocusReason);
    std::int16_t refusal = 0;
    QString detail;
    {
        const BusyPointer busy;
        try {
            operation();
        } catch (const PlannerError& error) {
            refusal = error.messageNumber();
            detail = error.detail();
        }
    }
    if (refusal == 0)
        return true;
    m_values.msgNumber = refusal;
    m_values.msgDetail = detail;
    m_services.showMessage(m_values);
    return false;
}

bool PlannerWindow::hasResults(int messageNumber)
{
    if (m_values.graphPointCount != 0)
        return true;
    m_services.showMessage(m_values, messageNumber);
    return false;
}

void PlannerWindow::setUpQuickHelp(const QString& name, QPushButton* toggle, QWidget* replaced,
                                   std::vector<QWidget*> waiting, QWidget* focusAfter)
{
    m_quickHelpToggle = toggle;
    m_quickHelpReplaces = replaced;
    m_focusAfterHelp = focusAfter;
    m_waitingForHelp.assign(waiting.begin(), waiting.end());
    m_quickHelp = new QPlainTextEdit(this);
    m_quickHelp->setObjectName(name);
    m_quickHelp->setReadOnly(true);
    m_quickHelp->setAccessibleName(QStringLiteral("Quick help"));
    m_quickHelp->setTextInteractionFlags(Qt::TextSelectableByKeyboard);
    m_quickHelp->installEventFilter(this);
    m_quickHelp->hide();
    if (auto* layout = replaced->parentWidget()->layout()) {
        const int at = layout->indexOf(replaced);
        if (auto* box = qobject_cast<QBoxLayout*>(layout); box && at >= 0)
            box->insertWidget(at + 1, m_quickHelp, 1);
    }
}

void PlannerWindow::openQuickHelp(const QString& text)
{
    m_quickHelpOpen = true;
    m_quickHelpToggle->setText(QStringLiteral("Close &Help"));
    for (const auto& waiting : m_waitingForHelp)
        if (waiting)
            waiting->setEnabled(false);
    m_quickHelpReplaces->hide();
    m_quickHelp->setPlainText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    m_quickHelp->show();
    m_quickHelp->setFocus(Qt::OtherFocusReason);
}

void PlannerWindow::closeQuickHelp()
{
    if (!m_quickHelp)
        return;
    m_quickHelpOpen = false;
    m_quickHelpToggle->setText(QStringLiteral("Quick &Help"));
    for (const auto& waiting : m_waitingForHelp)
        if (waiting)
            waiting->setEnabled(true);
    m_quickHelp->clear();
    m_quickHelp->hide();
    m_quickHelpReplaces->show();
}

bool PlannerWindow::printReport(const QString& jobName, const std::function<Report(const PrintoutSettings&)>& build)
{
    m_services.askPrintHeader(m_values);
    if (m_values.printHeader == QLatin1String(CancelledPrintHeader))
        return false;
    std::optional<Report> report;
    if (!runOperation(nullptr, [&] { report = build(printoutSettings(m_values)); }))
        return false;
    report->jobName = jobName;
    m_services.showPrintPreview(*report);
    return true;
}

void PlannerWindow::setUpCsvExport(CsvTableBuilder build, const QString& proposedName,
                                   const std::vector<Grid*>& grids, QPushButton* button)
{
    m_buildCsvTable = std::move(build);
    m_csvName = proposedName;
    auto* action = new QAction(QStringLiteral("&Export CSV…"), this);
    action->setObjectName(QStringLiteral("ExportCsv"));
    action->setShortcut(QKeySequence(Qt::ControlModifier | Qt::Key_E));
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(action, &QAction::triggered, this, &PlannerWindow::exportCsv);
    addAction(action);
    for (Grid* grid : grids)
        grid->addContextAction(action);
    if (button) {
        button->setAccessibleName(QStringLiteral("Export CSV"));
        button->setToolTip(QStringLiteral("Save the table as a CSV file for a spreadsheet (Ctrl+E)"));
        connect(button, &QPushButton::clicked, action, &QAction::trigger);
    }
}

void PlannerWindow::exportCsv()
{
    if (!m_buildCsvTable)
        return;
    std::optional<CsvTable> table;
    if (!runOperation(nullptr, [&] { table = m_buildCsvTable(); }) || !table)
        return;
    const QString path = pickFile(FileRequestMode::ExportCsv, m_csvName);
    if (path.isEmpty())
        return;
    runOperation(nullptr, [&] {
        if (!saveFileSafely(path, csvDocument(*table)))
            throw PlannerError(Message::TableNotExported, path);
    });
}

void PlannerWindow::exitToMenu()
{
    if (!mayLeave())
        return;
    m_leaving = true;
    m_values.entryChanged = 0;
    m_host.returnToMenu();
}

bool PlannerWindow::focusNextPrevChild(bool next)
{
    return focusNextInReadingOrder(*this, next) || QWidget::focusNextPrevChild(next);
}

void PlannerWindow::closeEvent(QCloseEvent* event)
{
    // A close that does not come from the exit button (the frame closing)
    // asks the same question first.
    if (!m_leaving && !mayLeave()) {
        event->ignore();
        return;
    }
    m_leaving = true;
    closeQuickHelp();
    if (m_identity.releasesResults) {
        m_values.inputValues.clear();
        m_values.resultTable.clear();
        m_values.graphTable.clear();
        m_values.graphPointCount = 0;
    }
    event->accept();
}

bool PlannerWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_quickHelp && event->type() == QEvent::KeyPress) {
        const int keyCode = entryKeyCode(static_cast<QKeyEvent*>(event));
        if (keyCode == KeyEnter && m_focusAfterHelp)
            m_focusAfterHelp->setFocus(Qt::TabFocusReason);
        else if (keyCode >= 0)
            m_services.beep();
        return keyCode >= 0;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tallyvane
