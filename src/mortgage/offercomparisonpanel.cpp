// SPDX-License-Identifier: GPL-3.0-or-later
#include "mortgage/offercomparisonpanel.h"

#include "core/fieldreader.h"
#include "core/messages.h"
#include "core/plannererror.h"
#include "core/sharedvalues.h"
#include "mortgage/mortgagefile.h"
#include "shell/dialogs/filechooser.h"
#include "shell/plannerwidgets.h"
#include "shell/uiservices.h"

#include <QAbstractTableModel>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace tallyvane {

// The compared figures, one row each: caption, A, B and B - A.
class ComparisonTableModel : public QAbstractTableModel
{
public:
    enum Column
    {
        Caption,
        OfferA,
        OfferB,
        Difference,
        ColumnCount
    };

    using QAbstractTableModel::QAbstractTableModel;

    void show(std::vector<ComparedFigure> figures, QString headingA)
    {
        beginResetModel();
        m_figures = std::move(figures);
        m_headingA = std::move(headingA);
        endResetModel();
    }

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(m_figures.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : ColumnCount;
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid())
            return {};
        if (role == Qt::TextAlignmentRole)
            return index.column() == Caption ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                             : QVariant(Qt::AlignRight | Qt::AlignVCenter);
        if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
            return {};
        const ComparedFigure& figure = m_figures.at(static_cast<std::size_t>(index.row()));
        switch (index.column()) {
        case Caption:
            return figure.caption;
        case OfferA:
            return figure.a;
        case OfferB:
            return figure.b;
        default:
            return figure.difference;
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return {};
        switch (section) {
        case Caption:
            return QString();
        case OfferA:
            return m_headingA;
        case OfferB:
            return QStringLiteral("Offer B (on screen)");
        default:
            return QStringLiteral("B - A");
        }
    }

private:
    std::vector<ComparedFigure> m_figures;
    QString m_headingA;
};

OfferComparisonPanel::OfferComparisonPanel(LoanKind shownAs, SharedValues& values, UiServices& services,
                                           QWidget* parent)
    : QWidget(parent), m_shownAs(shownAs), m_values(values), m_services(services)
{
    setObjectName(QStringLiteral("ComparisonPanel"));
    m_keep = plannerButton(QStringLiteral("&Keep for Comparison"), QStringLiteral("MKeepOffer"), parent);
    m_withFile = plannerButton(QStringLiteral("Compare &with File…"), QStringLiteral("MCompareFile"), parent);
    m_clear = plannerButton(QStringLiteral("Clea&r Comparison"), QStringLiteral("MClearComparison"), parent);
    connect(m_keep, &QPushButton::clicked, this, &OfferComparisonPanel::keep);
    connect(m_withFile, &QPushButton::clicked, this, &OfferComparisonPanel::compareWithFile);
    connect(m_clear, &QPushButton::clicked, this, &OfferComparisonPanel::clear);

    m_model = new ComparisonTableModel(this);
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("ComparisonTable"));
    m_table->setAccessibleName(QStringLiteral("Comparison of offer A and offer B"));
    m_table->setModel(m_model);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setTabKeyNavigation(false);
    m_table->verticalHeader()->hide();
    // Rows as close as the grid's, so the table below keeps its room.
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_table->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_table->horizontalHeader()->setSectionResizeMode(ComparisonTableModel::Caption,
                                                      QHeaderView::ResizeToContents);
    m_verdict = new QLabel(this);
    m_verdict->setObjectName(QStringLiteral("ComparisonVerdict"));
    m_verdict->setAccessibleName(QStringLiteral("Cheaper offer"));
    QFont bold = m_verdict->font();
    bold.setBold(true);
    m_verdict->setFont(bold);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_verdict);
    refresh();
}

void OfferComparisonPanel::showCurrent(const ComparedOffer& offer)
{
    m_current = offer;
    refresh();
}

void OfferComparisonPanel::clearCurrent()
{
    m_current.reset();
    refresh();
}

void OfferComparisonPanel::setShownAs(LoanKind kind)
{
    m_shownAs = kind;
    refresh();
}

std::optional<OfferComparison> OfferComparisonPanel::comparison() const
{
    if (!m_kept || !m_current)
        return std::nullopt;
    return OfferComparison{.a = *m_kept, .b = *m_current, .shownAs = m_shownAs};
}

void OfferComparisonPanel::keep()
{
    if (!m_current) {
        m_services.showMessage(m_values, Message::NoDataToPrint);
        return;
    }
    m_kept = m_current;
    refresh();
}

void OfferComparisonPanel::compareWithFile()
{
    const QString path = m_services.pickFile(m_values, FileRequestMode::OpenMortgageOrLoan);
    if (path.isEmpty())
        return;
    try {
        m_kept = calculatedOffer(readMortgageFile(path), QFileInfo(path).fileName());
    } catch (const FileFormatError&) {
        m_services.showMessage(m_values, Message::FileNotFound);
    } catch (const PlannerError& error) {
        m_services.showMessage(m_values, error.messageNumber());
    }
    refresh();
}

void OfferComparisonPanel::clear()
{
    m_kept.reset();
    refresh();
}

void OfferComparisonPanel::refresh()
{
    setVisible(m_kept.has_value());
    m_clear->setEnabled(m_kept.has_value());
    if (!m_kept)
        return;
    const QString headingA = m_kept->source.isEmpty() ? QStringLiteral("Offer A (kept)")
                                                      : QStringLiteral("Offer A (%1)").arg(m_kept->source);
    // Until B is calculated the panel shows A against itself, B left empty.
    const ComparedOffer& b = m_current ? *m_current : *m_kept;
    ComparisonTexts texts =
        comparisonTexts({.a = *m_kept, .b = b, .shownAs = m_shownAs}, m_values.currencySymbol);
    if (!m_current) {
        for (ComparedFigure& figure : texts.figures)
            figure.b = figure.difference = QString();
        texts.verdict = QStringLiteral("Calculate to compare with offer A.");
    }
    m_model->show(std::move(texts.figures), headingA);
    m_verdict->setText(texts.verdict);
    m_table->setFixedHeight(m_table->horizontalHeader()->sizeHint().height() +
                            m_model->rowCount() * m_table->verticalHeader()->defaultSectionSize() +
                            2 * m_table->frameWidth());
}

} // namespace tallyvane
