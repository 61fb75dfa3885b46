// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphs/flatchart.h"

#include "shell/ondemand.h"

#include <QLabel>

namespace tallyvane {
namespace {

class MissingFlatChart : public QLabel, public FlatChart
{
public:
    MissingFlatChart(const QString& why, QWidget* parent)
        : QLabel(QStringLiteral("The 2D chart is not available: %1").arg(why), parent)
    {
        setObjectName(QStringLiteral("Bars2D"));
        setAlignment(Qt::AlignCenter);
        setWordWrap(true);
    }

    QWidget* widget() override { return this; }
    void showSeries(const GraphSeries&, const QString&) override {}
};

} // namespace

FlatChart* makeFlatChart(QWidget* parent)
{
    QString why;
    if (auto* make = onDemand<decltype(tallyvane_makeFlatChart)>(OnDemandEntry::FlatChart, &why))
        return make(parent);
    return new MissingFlatChart(why, parent);
}

} // namespace tallyvane
