// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The net worth window (NetWorthCalc): the assets grid (NGrid1) beside the
// liabilities grid (NGrid2), typed into cell by cell, with Calculate, blank
// line insertion, the .NWF file and the printed statement.
//
// The window holds one NetWorthSheet; both grid models read and write its
// tables, the CellEditor of each side decides what a typed key does, and the
// window only applies the answer (beep, row-limit message, move down). Any
// change to the tables marks the statement unsaved until a save succeeds or
// a file is opened, and leaving or opening another file asks first while
// unsaved entries would be lost.

#include "networth/networthsheet.h"
#include "shell/plannerwindow.h"

class QLabel;
class QPushButton;

namespace tallyvane {

class Grid;
class NetWorthGridModel;
class ResultLabel;

class NetWorthCalc : public PlannerWindow
{
    Q_OBJECT

public:
    NetWorthCalc(SharedValues& values, UiServices& services, PlannerHost& host, QWidget* parent = nullptr);

    const NetWorthSheet& sheet() const { return m_sheet; }
    bool isUnsaved() const { return m_unsaved; }
    QSize sizeHint() const override;

    // A file whose totals go beyond money is refused with its message and,
    // as it was read, answers true: the sheet stays as it was.
    bool openFile(const QString& path) override;
    bool recoverFile(const QString& path, const QString& originalName) override;
    bool mayLeave() override;

private:
    Grid* buildGrid(NetWorthGridModel* model, const char* name);
    void buildButtons();
    void layOut();

    int typeIntoGrid(Grid& grid, NetWorthGridModel& model, int keyCode);
    void followCurrentCell(Grid& grid, NetWorthGridModel& model);
    void noteChange();
    void markUnsaved();
    bool readSheet(const QString& path, NetWorthSheet& opened);

    // Calculates and shows the sheet; false when the figures were refused.
    bool recalculate();
    // False when the calculation was refused (with its message).
    bool calculateClicked();
    void insertBlankLine(NetWorthSide side);
    void openClicked();
    void saveClicked();
    void printClicked();
    void toggleQuickHelp();
    bool hasUnsavedEntries() const;

    NetWorthSheet m_sheet;
    bool m_unsaved = false;

    NetWorthGridModel* m_assetsModel = nullptr;
    NetWorthGridModel* m_liabilitiesModel = nullptr;
    Grid* m_assets = nullptr;
    Grid* m_liabilities = nullptr;
    QWidget* m_grids = nullptr;
    QLabel* m_changes = nullptr;
    ResultLabel* m_net = nullptr;

    QPushButton* m_insertAssets = nullptr;
    QPushButton* m_insertLiabilities = nullptr;
    QPushButton* m_calculate = nullptr;
    QPushButton* m_open = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_help = nullptr;
    QPushButton* m_printer = nullptr;
    QPushButton* m_exit = nullptr;
};

} // namespace tallyvane
