// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// PlannerWindow is the base of every planner window. A planner declares what
// it is (frame title, help topic), builds its boxes, lists, buttons and grid
// from the shell's pieces, and leaves the chores every planner repeats to
// this base:
// - sizing the input slots and result tables it works with, and releasing
//   them when it closes (the graph window, which only borrows them, does not);
// - the operation guard: the box being typed in is committed first, the
//   pointer shows busy, and a refusal raised by an engine (PlannerError) is
//   shown as its numbered message once the pointer is back;
// - the quick help that takes the place of the results;
// - refusing to graph, print or save without results;
// - "Export CSV…" of the planner's table: Ctrl+E, an entry in the grids'
//   context menus or a button, the file chooser and the safe save;
// - leaving for the menu, by its exit button or by the frame's close
//   request, after the planner's own unsaved-data question;
// - a teardown in which no box calls into the half-destroyed window;
// - for a planner that keeps work (KeptWork): its recovery copy, and the
//   lock and stamp of the file it has open.
//
// Every dialog a planner opens goes through runDialog, so tests answer them
// in place.

#include "core/csvtable.h"
#include "core/report/printout.h"
#include "core/report/report.h"
#include "shell/figureboxlayout.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

class QAction;
class QDialog;
class QPlainTextEdit;
class QPushButton;

namespace tallyvane {

struct SharedValues;
class GreenBox;
class Grid;
class KeptWork;
struct KeptWorkSource;
class Money;
class PlannerHost;
class UiServices;

struct PlannerIdentity
{
    QString frameTitle; // empty: the frame keeps the title it has
    int helpContext = 0;
    // A planner releases its results when it closes; a window that only
    // shows another planner's results (the graph) leaves them in place.
    bool releasesResults = true;
};

// One row of a planner's table of green boxes.
struct GreenBoxSpec
{
    QString name;
    FigureBoxLayout layout;
    QString successor; // object name of the control Enter moves to
    // Common figures offered in a drop-down list; the list takes the name.
    QStringList listItems = {};
};

class PlannerWindow : public QWidget
{
    Q_OBJECT

public:
    // Shows a modal dialog and returns once it has closed.
    using DialogRunner = std::function<void(QDialog& dialog)>;

    ~PlannerWindow() override;

    int helpContext() const { return m_identity.helpContext; }
    void setDialogRunner(DialogRunner runner);
    // Opens a file of this planner's kind as its Open button would, without
    // asking for a name. False when it cannot be read; then nothing changed.
    virtual bool openFile(const QString& path);
    // Asks what leaving needs asked (unsaved work); false keeps the planner open.
    virtual bool mayLeave();
    // The same at the desktop session's end, when the session lets the
    // program ask; false cancels the logout. Gives up only what the user
    // chose to give up: the recovery copy just written stays otherwise.
    virtual bool mayEndSession() { return mayLeave(); }
    // Whether `path` may be opened here: asks first when another window has
    // it open. False leaves everything as it was.
    bool mayOpen(const QString& path);
    // Opens a recovery copy as unsaved work that belongs to `originalName`;
    // false when it cannot be read.
    virtual bool recoverFile(const QString& path, const QString& originalName);
    // Writes the recovery copy of unsaved work now (the program is ending).
    void keepRecoveryCopy();

protected:
    PlannerWindow(SharedValues& values, UiServices& services, PlannerHost& host, PlannerIdentity identity,
                  QWidget* parent = nullptr);

    SharedValues& values() const { return m_values; }
    UiServices& services() const { return m_services; }
    PlannerHost& host() const { return m_host; }

    // Slots 0 to count - 1 of InputValues, all zero.
    void sizeInputSlots(int count);
    Money& slot(int index) const;

    // Builds the green boxes of the table in order; Enter in each moves to
    // the control its row names, once linkSuccessors has run.
    std::vector<GreenBox*> buildGreenBoxes(const std::vector<GreenBoxSpec>& rows);
    void linkSuccessors();

    void runDialog(QDialog& dialog);

    // Runs one user operation: `committer` takes the focus so the figure being
    // typed is stored, the pointer shows busy, and a PlannerError is shown as
    // its message. False when the operation was refused.
    bool runOperation(QWidget* committer, const std::function<void()>& operation);
    // True when there are results; otherwise shows `messageNumber` (nothing
    // to graph, print or save).
    bool hasResults(int messageNumber);

    // The quick help replaces `replaced` while open, and the buttons of
    // `waiting` stay disabled until it closes. Enter in the help moves the
    // focus to `focusAfter`; any other key beeps.
    void setUpQuickHelp(const QString& name, QPushButton* toggle, QWidget* replaced,
                        std::vector<QWidget*> waiting, QWidget* focusAfter);
    void openQuickHelp(const QString& text);
    void closeQuickHelp();
    bool isQuickHelpOpen() const { return m_quickHelpOpen; }

    // Asks for the printout's header, builds the printout for it and shows it
    // in the print preview, to be printed as the job `jobName`. A cancelled
    // header prints nothing; a PlannerError from the builder is shown as its
    // message. False when nothing was shown.
    bool printReport(const QString& jobName, const std::function<Report(const PrintoutSettings&)>& build);

    // A planner that turns into another kind of itself (a mortgage window
    // opening a loan file) takes that kind's frame title and help topic.
    void changeIdentity(const PlannerIdentity& identity);

    // Builds the table to export as the window shows it now, or answers
    // nothing after telling the user why there is none.
    using CsvTableBuilder = std::function<std::optional<CsvTable>()>;
    // Offers "Export CSV…" by Ctrl+E anywhere in the window, in the context
    // menu of each of `grids` and, where the window has room, by `button`.
    // The file chooser offers `proposedName`.
    void setUpCsvExport(CsvTableBuilder build, const QString& proposedName, const std::vector<Grid*>& grids,
                        QPushButton* button = nullptr);
    // Builds the table, asks for a file and writes it; a file that cannot be
    // written is left as it was and the user told.
    void exportCsv();

    // The planner's work is kept as `source` describes it.
    KeptWork& keepWork(KeptWorkSource source);
    KeptWork& keptWork() const { return *m_kept; }

    // Asks (question 3) whether to go back and save the work that leaving or
    // opening would erase. Only an explicit No gives the work up: Escape and
    // the close box go back, as Yes does.
    bool wantsToSaveFirst();
    // The work is given up on the way out: its recovery copy goes, and the
    // file is no longer held.
    void giveUpWork();
    // UiServices::pickFile for this planner.
    QString pickFile(int mode, const QString& proposed = {});
    // The file to save to, as `mode` says; empty when cancelled, or when it
    // is the file open here, another program changed it since, and the user
    // keeps what is there.
    QString pickFileToSave(int mode);
    // The work is what `path` holds now, just opened or saved: the file
    // chooser starts in its folder, the file is held and stamped, and no
    // recovery copy is kept.
    void workIsInFile(const QString& path);

    // Leaves for the menu after mayLeave agrees.
    void exitToMenu();

    bool focusNextPrevChild(bool next) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    SharedValues& m_values;
    UiServices& m_services;
    PlannerHost& m_host;
    PlannerIdentity m_identity;
    DialogRunner m_runDialog;
    KeptWork* m_kept = nullptr;
    std::vector<std::pair<GreenBox*, QString>> m_successors;

    QPointer<QPushButton> m_quickHelpToggle;
    QPlainTextEdit* m_quickHelp = nullptr;
    QPointer<QWidget> m_quickHelpReplaces;
    QPointer<QWidget> m_focusAfterHelp;
    std::vector<QPointer<QWidget>> m_waitingForHelp;
    bool m_quickHelpOpen = false;
    CsvTableBuilder m_buildCsvTable;
    QString m_csvName;
    bool m_leaving = false;
};

} // namespace tallyvane
