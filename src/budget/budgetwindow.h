// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The budget worksheet window (Budget). Income on the left, expenses on the
// right: each side types one item into its four green boxes and adds it to
// its list, loads a record back into the boxes to change it (What If? and
// Add Changed Record), or deletes one. After every change both lists are
// sorted in the chosen order and shown with their totals for the chosen
// period, with the current and budgeted net balances (redisplay). The lists,
// totals and texts are the budget core's; the window only places them.
//
// Each side remembers the record it is changing by itself, and finds it again
// when a new sort order moves it, so that Add Changed Record always replaces
// the record that was loaded. Work that was not saved is never dropped
// without the unsaved-data question: on leaving, and before a file is opened
// in its place.

#include "budget/budgetlist.h"
#include "budget/displayperiod.h"
#include "shell/plannerwindow.h"

class QComboBox;
class QGroupBox;
class QPushButton;

namespace tallyvane {

class BudgetGridModel;
class CaptionLabel;
class Grid;
class ResultLabel;

enum class BudgetSide
{
    None = 0,
    Income = 1,
    Expense = 2
};

class Budget : public PlannerWindow
{
    Q_OBJECT

public:
    Budget(SharedValues& values, UiServices& services, PlannerHost& host, QWidget* parent = nullptr);
    ~Budget() override;

    const BudgetList& incomeList() const { return m_income.list; }
    const BudgetList& expenseList() const { return m_expense.list; }
    // Whether the worksheet changed since it was last saved.
    bool isDirty() const { return m_dirty; }

    bool openFile(const QString& path) override;
    bool recoverFile(const QString& path, const QString& originalName) override;
    bool mayLeave() override;
    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The controls and list of one side; both sides are built alike.
    struct Side
    {
        BudgetSide kind = BudgetSide::None;
        BudgetList list;
        int firstSlot = 0; // slot of the amount box; payments and budgeted follow
        QGroupBox* frame = nullptr;
        GreenBox* description = nullptr;
        GreenBox* amount = nullptr;
        GreenBox* payments = nullptr;
        GreenBox* budgeted = nullptr;
        QPushButton* add = nullptr;
        QPushButton* whatIf = nullptr;
        QPushButton* remove = nullptr;
        QPushButton* addChanged = nullptr;
        BudgetGridModel* model = nullptr;
        Grid* grid = nullptr;
        CaptionLabel* totalCaption = nullptr;
        ResultLabel* total = nullptr;
        ResultLabel* totalBudgeted = nullptr;
        int changingRecord = 0; // the record What If? loaded, 0 when none
    };
    struct SideDesign;
    static const SideDesign IncomeSide;
    static const SideDesign ExpenseSide;

    void buildSide(Side& side, const SideDesign& design);
    void buildShared();
    void layOut();

    void redisplay();
    void sortKeepingChangedRecord(Side& side, SortOrder order);
    void showTotals(const DisplayPeriod& period);
    const DisplayPeriod& chosenPeriod() const;
    void chooseListEntry();

    void add(Side& side);
    void whatIf(Side& side);
    void addChangedRecord(Side& side);
    void deleteRecord(Side& side);
    void checkEntry(const Side& side) const;
    BudgetEntry typedEntry(const Side& side) const;
    void clearBoxes(Side& side);
    void showChanging(Side& side, bool changing);
    int askRecordNumber(const Side& side, bool toDelete);
    void presetRecordNumber(const Side& side);

    void toggleQuickHelp();
    bool readLists(const QString& path);
    void openChosenFile();
    void saveFile();
    void print();
    bool hasUnsavedWork() const;

    Side m_income;
    Side m_expense;
    BudgetSide m_selectedSide = BudgetSide::None;
    bool m_dirty = false;

    CaptionLabel* m_netCaption = nullptr;
    ResultLabel* m_netBalance = nullptr;
    ResultLabel* m_netBalanceBudgeted = nullptr;
    QComboBox* m_sortBy = nullptr;
    QComboBox* m_period = nullptr;
    QWidget* m_sides = nullptr;
    QPushButton* m_help = nullptr;
    QPushButton* m_open = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_printer = nullptr;
    QPushButton* m_export = nullptr;
    QPushButton* m_exit = nullptr;
};

} // namespace tallyvane
