// SPDX-License-Identifier: GPL-3.0-or-later
#include "csvexportcheck.h"

#include "core/money.h"
#include "core/numberformat.h"
#include "shell/grid/grid.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMimeData>
#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>

namespace tallyvane::testing {

QByteArray exportByCtrlE(QWidget& target, ScriptedServices& services, const QString& path)
{
    services.filePicks.push_back(path);
    QTest::keyClick(&target, Qt::Key_E, Qt::ControlModifier);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

void expectSameTableAsCalculator(const QByteArray& exported, const std::string& calculated)
{
    QStringList mine = QString::fromUtf8(exported).split(QStringLiteral("\r\n"));
    QStringList theirs = QString::fromStdString(calculated).split(u'\n');
    EXPECT_EQ(mine.takeLast(), "") << "the last line ends in CR LF";
    theirs.removeLast();
    ASSERT_EQ(mine.size(), theirs.size());
    static const QRegularExpression fourDecimals(QStringLiteral(R"(^-?\d+\.\d{4}$)"));
    for (qsizetype row = 0; row < mine.size(); ++row) {
        const QStringList ours = mine[row].split(u',');
        QStringList expected = theirs[row].split(u',');
        for (QString& cell : expected)
            if (fourDecimals.match(cell).hasMatch())
                cell = formatMoney(*Money::fromDecimalText(cell.toStdString()), u"0.00");
        EXPECT_EQ(ours.join(u'|').toStdString(), expected.join(u'|').toStdString()) << "row " << row;
    }
}

void copyBlock(QWidget& grid, int top, int left, int bottom, int right)
{
    auto& view = static_cast<Grid&>(grid);
    view.setFocus(Qt::OtherFocusReason);
    view.setCurrentCell(top, left);
    for (int row = top; row < bottom; ++row)
        QTest::keyClick(&view, Qt::Key_Down, Qt::ShiftModifier);
    for (int column = left; column < right; ++column)
        QTest::keyClick(&view, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(&view, Qt::Key_C, Qt::ControlModifier);
}

QString clipboardText()
{
    return QApplication::clipboard()->text();
}

QString clipboardHtml()
{
    const QMimeData* data = QApplication::clipboard()->mimeData();
    return data ? data->html() : QString();
}

} // namespace tallyvane::testing
