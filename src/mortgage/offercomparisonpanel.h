// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The comparison panel of the mortgage and loan window: offer A, kept from a
// calculation ("Keep for Comparison") or calculated from a saved file of
// either kind ("Compare with File..."), beside the offer on screen, B. The
// window tells the panel of every calculation and of every clearing of its
// results; the panel shows the figures while both offers are there and hides
// while no offer is kept. Its three buttons are the window's to place.
//
// The figures are the core's (comparisonTexts); the panel only shows them.

#include "mortgage/amortizationinput.h"
#include "mortgage/offercomparison.h"

#include <QWidget>

#include <optional>

class QLabel;
class QPushButton;
class QTableView;

namespace tallyvane {

struct SharedValues;
class ComparisonTableModel;
class UiServices;

class OfferComparisonPanel : public QWidget
{
    Q_OBJECT

public:
    OfferComparisonPanel(LoanKind shownAs, SharedValues& values, UiServices& services, QWidget* parent);

    QPushButton* keepButton() const { return m_keep; }
    QPushButton* fileButton() const { return m_withFile; }
    QPushButton* clearButton() const { return m_clear; }

    // The offer whose results are on screen now; cleared with them.
    void showCurrent(const ComparedOffer& offer);
    void clearCurrent();
    // A file of the other kind turns the window into that kind's window; the
    // panel then counts years to the final payment in that kind's unit.
    void setShownAs(LoanKind kind);
    // Both offers, while one is kept and the window shows results.
    std::optional<OfferComparison> comparison() const;

private:
    void keep();
    void compareWithFile();
    void clear();
    void refresh();

    LoanKind m_shownAs;
    SharedValues& m_values;
    UiServices& m_services;
    std::optional<ComparedOffer> m_kept;
    std::optional<ComparedOffer> m_current;

    QPushButton* m_keep = nullptr;
    QPushButton* m_withFile = nullptr;
    QPushButton* m_clear = nullptr;
    ComparisonTableModel* m_model = nullptr;
    QTableView* m_table = nullptr;
    QLabel* m_verdict = nullptr;
};

} // namespace tallyvane
