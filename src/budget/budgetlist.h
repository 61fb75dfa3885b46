// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The budget planner keeps two BudgetLists, income and expenses, of at most
// 500 records each. Records hold annual figures (amount per payment times
// payments per year) so that totals are plain sums; every figure is divided
// by the chosen DisplayPeriod only when it is shown. Each list is kept in one
// of four SortOrders by a Shell sort and numbered 1, 2, 3 ... in that order;
// the sort's exchange order is part of the behaviour, because records with
// equal keys stay wherever it leaves them. The worksheet calls, on every
// change: add, replace or delete; then sortList on both lists; then
// computeTotals. Refused operations throw PlannerError with the number of the
// message to show and leave the list as it was.

#include "budget/budgetrecord.h"
#include "budget/sortorder.h"

#include <cstdint>
#include <vector>

namespace tallyvane {

class BudgetList
{
public:
    static constexpr std::int16_t Capacity = 500;

    std::int16_t count() const { return static_cast<std::int16_t>(m_records.size()); }
    bool isEmpty() const { return m_records.empty(); }
    // Record n, 1 to count.
    const BudgetRecord& record(int n) const;
    const std::vector<BudgetRecord>& records() const { return m_records; }

    void clear();

    // Appends the entry as a new last record with its annual figures. The
    // description must not be empty and the payments per year not 0.
    void addRecord(const BudgetEntry& entry);
    // Appends a record whose annual figures are already known (as read from a
    // file); it becomes number count.
    void appendRecord(const BudgetRecord& record);
    // Record n as figures per payment, for editing.
    BudgetEntry recordEntry(int n) const;
    // Overwrites record n; its number and position stay until the next sort.
    void replaceRecord(int n, const BudgetEntry& entry);
    // Removes record n; the records after it move up and are renumbered.
    void deleteRecord(int n);
    void sortList(SortOrder order);
    // The number of the first record holding the same description and
    // figures as `record`, whatever its number; 0 when there is none.
    int numberOf(const BudgetRecord& record) const;

private:
    BudgetRecord& at(int n) { return m_records[n - 1]; }
    void checkNumber(int n) const;
    void renumber();

    std::vector<BudgetRecord> m_records;
};

} // namespace tallyvane
