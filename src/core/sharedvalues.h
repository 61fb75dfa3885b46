// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// SharedValues holds the values that the whole program shares while it runs:
// the settings, the entry state of the box being typed in, the inputs and
// answers of the modal dialogs, and the results a planner hands to its grid,
// printout and graph. One instance is created at start-up and passed to every
// window that needs it. Only one planner is open at a time, so the planners
// take turns with the same input and result slots.

#include "core/money.h"
#include "core/moneytable.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace tallyvane {

inline constexpr std::int16_t DefaultPageLines = 53;
inline constexpr std::int16_t FileModeCancelled = 9;
inline constexpr std::int16_t AnswerYes = 6;
inline constexpr std::int16_t AnswerNo = 0;

struct SharedValues
{
    // Settings and start-up.
    QString currencySymbol;
    std::int16_t prtFontChoice = 0;
    QString userName;
    std::int16_t pageLines = 0;
    QString todayText;
    std::int32_t frameHeightMark = 0;

    // Set by the menu for the planner it opens.
    std::int16_t loanKind = 0;
    std::int16_t plannerMode = 0;

    // The figure box being typed in.
    QString entryText;
    std::int16_t entryDecimals = 0;
    std::int16_t entryChanged = 0;
    std::vector<Money> inputValues;

    // Dialog inputs and answers.
    std::int16_t msgNumber = 0;
    QString msgDetail;
    std::int16_t yesNoState = 0;
    std::int16_t recNumMode = 0;
    std::int16_t recNumPreset = 0;
    std::int16_t recNumSpot = 0;
    std::int16_t recNumber = 0;
    QString printHeader;
    QString insertLineText;
    std::int16_t fileMode = 0;
    QString filePicked;
    QString dataFileName;
    QString mortFileName;
    QString loanFileName;

    // Results handed from a planner to its grid, printout and graph.
    MoneyTable resultTable;
    MoneyTable graphTable;
    std::int16_t graphSource = 0;
    std::int16_t graphPointCount = 0;
    QString graphTitle;
    std::int16_t paymentsPerYear = 0;
    double yearsToFinal = 0.0;

    // The mortgage window's first payment date (short date form) and
    // days-in-year choice, kept from one opening of the window to the next
    // for the whole program run; empty until first set.
    QString firstPaymentDate;
    std::optional<std::int16_t> daysInYearChoice;
    // Where unsaved work is kept against a crash or a logout, and how soon
    // after a change; no folder keeps nothing (window tests).
    QString recoveryFolder;
    QString recoveryRun; // tags this run's recovery copy
    int recoveryDelayMs = 30000;
};

} // namespace tallyvane
