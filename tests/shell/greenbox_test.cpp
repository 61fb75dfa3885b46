// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/sharedvalues.h"
#include "scriptedservices.h"
#include "shell/greenbox.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace tallyvane;

namespace {

const FigureBoxLayout mortgagePrincipal{
    KeyFilterKind::Decimal, 1, "####,,###.00", 16, "", false, true, false};
const FigureBoxLayout mortgageRate{KeyFilterKind::Decimal, 2, "###.000", 14, "%", true, false, false};
const FigureBoxLayout mortgageTerm{KeyFilterKind::WholeNumber, 3, "###", 16, "", false, false, false};
const FigureBoxLayout budgetAmount{KeyFilterKind::Decimal, 1, "###,,###.00", 10, "", false, true, true};
const FigureBoxLayout descriptionBox{KeyFilterKind::Words, -1, "", 0, "", false, false, false};
const FigureBoxLayout shortDescription{.filter = KeyFilterKind::Words, .maxLength = 5};

class GreenBoxTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        values.inputValues.assign(6, Money());
        window = std::make_unique<QWidget>();
        new QVBoxLayout(window.get());
    }

    GreenBox* addBox(const FigureBoxLayout& boxLayout)
    {
        auto* box = new GreenBox(boxLayout, values, services, window.get());
        window->layout()->addWidget(box);
        return box;
    }

    void showAndFocus(QWidget* box)
    {
        window->show();
        QApplication::setActiveWindow(window.get());
        box->setFocus(Qt::OtherFocusReason);
        QApplication::processEvents();
    }

    void leave(GreenBox* box, QWidget* next)
    {
        next->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        ASSERT_FALSE(box->hasFocus());
    }

    SharedValues values;
    tallyvane::testing::ScriptedServices services;
    std::unique_ptr<QWidget> window;
};

TEST_F(GreenBoxTest, FirstKeyReplacesTheOldFigure)
{
    GreenBox* box = addBox(mortgagePrincipal);
    box->setText("        1,234.00");
    showAndFocus(box);
    int started = 0;
    QObject::connect(box, &GreenBox::typingStarted, box, [&] { ++started; });

    QTest::keyClicks(box, "5");
    EXPECT_EQ(box->text(), "5");
    QTest::keyClicks(box, "0");
    EXPECT_EQ(box->text(), "50");
    EXPECT_EQ(started, 1);
}

TEST_F(GreenBoxTest, BackspaceAsFirstKeyAlsoEmptiesTheBox)
{
    GreenBox* box = addBox(mortgagePrincipal);
    box->setText("1,234.00");
    showAndFocus(box);
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(box->text(), "");
}

TEST_F(GreenBoxTest, RefusedKeysBeepAndChangeNothing)
{
    GreenBox* box = addBox(mortgagePrincipal);
    showAndFocus(box);
    QTest::keyClicks(box, "12.34");
    QTest::keyClicks(box, "5-a,");
    EXPECT_EQ(box->text(), "12.34");
    EXPECT_EQ(services.beeps, 4);
}

TEST_F(GreenBoxTest, RateBoxTakesThreeDecimals)
{
    GreenBox* box = addBox(mortgageRate);
    showAndFocus(box);
    QTest::keyClicks(box, "5.1256");
    EXPECT_EQ(box->text(), "5.125");
    EXPECT_EQ(services.beeps, 1);
    EXPECT_EQ(values.entryDecimals, 0);
}

TEST_F(GreenBoxTest, WholeNumberBoxRefusesThePeriod)
{
    GreenBox* box = addBox(mortgageTerm);
    showAndFocus(box);
    QTest::keyClicks(box, "2.5");
    EXPECT_EQ(box->text(), "25");
    EXPECT_EQ(services.beeps, 1);
}

TEST_F(GreenBoxTest, EnterMovesToTheSuccessorAndLeavingStoresAndFormats)
{
    GreenBox* rate = addBox(mortgageRate);
    GreenBox* term = addBox(mortgageTerm);
    rate->setSuccessor(term);
    showAndFocus(rate);
    int stored = 0;
    QObject::connect(rate, &GreenBox::figureStored, rate, [&] { ++stored; });

    QTest::keyClicks(rate, "10.125");
    QTest::keyClick(rate, Qt::Key_Return);

    EXPECT_TRUE(term->hasFocus());
    EXPECT_EQ(values.inputValues[2], Money::fromRaw(101250));
    EXPECT_EQ(rate->text(), "        10.125%");
    EXPECT_EQ(values.entryChanged, 0);
    EXPECT_EQ(stored, 1);
}

TEST_F(GreenBoxTest, MinusStartsANewNegativeFigureWhereTheBoxTakesIt)
{
    const FigureBoxLayout signedRate{
        .slot = 2, .format = "###.00", .width = 14, .suffix = "%", .takesMinus = true};
    GreenBox* rate = addBox(signedRate);
    GreenBox* unsignedRate = addBox({.slot = 3, .format = "###.00", .width = 14, .suffix = "%"});
    showAndFocus(rate);
    int started = 0;
    QObject::connect(rate, &GreenBox::typingStarted, rate, [&] { ++started; });

    QTest::keyClicks(rate, "12-5");
    EXPECT_EQ(rate->text(), "-5");
    EXPECT_EQ(started, 2);
    leave(rate, unsignedRate);
    EXPECT_EQ(values.inputValues[2], Money::fromWhole(-5));
    EXPECT_EQ(rate->text(), "         -5.00%");

    QTest::keyClicks(unsignedRate, "-");
    EXPECT_EQ(unsignedRate->text(), "");
    EXPECT_EQ(services.beeps, 1);
}

TEST_F(GreenBoxTest, CurrencySymbolSitsInsideTheFieldAndLongFiguresAreNotCut)
{
    GreenBox* amount = addBox({.slot = 1, .format = "###,,###.00", .width = 13, .prefix = "$"});
    values.inputValues[1] = Money::fromWhole(1200);
    amount->showStoredValue();
    EXPECT_EQ(amount->text(), "    $1,200.00");
    values.inputValues[1] = Money::fromWhole(1234567890);
    amount->showStoredValue();
    EXPECT_EQ(amount->text(), "$1,234,567,890.00");
}

TEST_F(GreenBoxTest, LeavingWithoutTypingKeepsTheStoredValue)
{
    GreenBox* principal = addBox(mortgagePrincipal);
    GreenBox* term = addBox(mortgageTerm);
    values.inputValues[1] = Money::fromWhole(100000);
    principal->showStoredValue();
    showAndFocus(principal);
    leave(principal, term);
    EXPECT_EQ(principal->text(), "      100,000.00");
    EXPECT_EQ(values.inputValues[1], Money::fromWhole(100000));
}

TEST_F(GreenBoxTest, EmptiedMoneyBoxShowsTheStoredZero)
{
    GreenBox* principal = addBox(mortgagePrincipal);
    GreenBox* term = addBox(mortgageTerm);
    values.inputValues[1] = Money::fromWhole(5);
    showAndFocus(principal);
    QTest::keyClick(principal, Qt::Key_Backspace);
    leave(principal, term);
    EXPECT_EQ(values.inputValues[1], Money());
    EXPECT_EQ(principal->text(), "             .00");
}

TEST_F(GreenBoxTest, BudgetBoxFormatsItsOwnText)
{
    GreenBox* amount = addBox(budgetAmount);
    GreenBox* other = addBox(mortgageTerm);
    showAndFocus(amount);
    QTest::keyClick(amount, Qt::Key_Backspace);
    leave(amount, other);
    EXPECT_EQ(amount->text(), QString(10, u' '));

    amount->setFocus();
    QTest::keyClicks(amount, "0");
    leave(amount, other);
    EXPECT_EQ(amount->text(), "       .00");

    amount->setFocus();
    QTest::keyClicks(amount, "1.2.");
    leave(amount, other);
    EXPECT_EQ(values.inputValues[1], Money::fromRaw(12000));
    EXPECT_EQ(amount->text(), "      1.2."); // text that is no number stays as typed

    amount->setFocus();
    QTest::keyClicks(amount, "1234567");
    leave(amount, other);
    EXPECT_EQ(amount->text(), "1,234,567.00"); // wider than the box, yet whole
}

TEST_F(GreenBoxTest, ClipboardTextSurvivesEnteringAndLeavingEveryKindOfBox)
{
    std::vector<GreenBox*> boxes;
    for (const FigureBoxLayout& layout :
         {mortgagePrincipal, mortgageRate, mortgageTerm, budgetAmount, descriptionBox})
        boxes.push_back(addBox(layout));
    QApplication::clipboard()->setText("1,234.56 from the bank");
    showAndFocus(boxes.front());
    for (GreenBox* box : boxes)
        QTest::mouseClick(box, Qt::LeftButton);
    leave(boxes.back(), boxes.front());
    EXPECT_EQ(QApplication::clipboard()->text(), "1,234.56 from the bank");
}

// Each way of changing the text other than typing, tried with text waiting
// on the clipboard and in the undo history.
struct TextChange
{
    const char* name;
    // Changes the box's text; returns the text the box must still show.
    std::function<QString(GreenBox*)> apply;
};

class GreenBoxTextChangeTest : public GreenBoxTest, public ::testing::WithParamInterface<TextChange>
{
};

TEST_P(GreenBoxTextChangeTest, IsRefused)
{
    GreenBox* principal = addBox(mortgagePrincipal);
    showAndFocus(principal);
    QTest::keyClicks(principal, "12");
    QApplication::clipboard()->setText("999");
    const QString expected = GetParam().apply(principal);
    QApplication::processEvents();
    EXPECT_EQ(principal->text(), expected);
}

QString keyed(GreenBox* box, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    const QString before = box->text();
    QTest::keyClick(box, key, modifiers);
    return before;
}

QString dropText(GreenBox* box)
{
    QMimeData data;
    data.setText("999");
    QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box, &enter);
    QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box, &drop);
    return QStringLiteral("12");
}

INSTANTIATE_TEST_SUITE_P(
    GreenBox, GreenBoxTextChangeTest,
    ::testing::Values(
        TextChange{"CtrlV", [](GreenBox* box) { return keyed(box, Qt::Key_V, Qt::ControlModifier); }},
        TextChange{"ShiftInsert",
                   [](GreenBox* box) { return keyed(box, Qt::Key_Insert, Qt::ShiftModifier); }},
        TextChange{"CtrlZ", [](GreenBox* box) { return keyed(box, Qt::Key_Z, Qt::ControlModifier); }},
        TextChange{"RedoAfterAnUndo",
                   [](GreenBox* box) {
                       box->undo(); // as if an undo had slipped through
                       return keyed(box, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
                   }},
        TextChange{"CtrlX",
                   [](GreenBox* box) {
                       box->selectAll();
                       return keyed(box, Qt::Key_X, Qt::ControlModifier);
                   }},
        TextChange{"Drop", dropText},
        // A letter with Alt that no access key takes.
        TextChange{"AltLetter", [](GreenBox* box) { return keyed(box, Qt::Key_L, Qt::AltModifier); }}),
    [](const ::testing::TestParamInfo<TextChange>& info) { return info.param.name; });

TEST_F(GreenBoxTest, FigureBeyondMoneySaysWrongEntryAndKeepsTheStoredValue)
{
    GreenBox* principal = addBox(mortgagePrincipal);
    GreenBox* term = addBox(mortgageTerm);
    values.inputValues[1] = Money::fromWhole(5000);
    showAndFocus(principal);
    QTest::keyClicks(principal, "99999999999999999999");
    leave(principal, term);
    EXPECT_EQ(services.messages, std::vector<int>{3});
    EXPECT_EQ(values.inputValues[1], Money::fromWhole(5000));
    EXPECT_EQ(principal->text().trimmed(), "5,000.00");
}

TEST_F(GreenBoxTest, WordBoxStopsAtItsLongestText)
{
    GreenBox* words = addBox(shortDescription);
    showAndFocus(words);
    QTest::keyClicks(words, "Groceries");
    EXPECT_EQ(words->text(), "Groce");
    EXPECT_EQ(services.beeps, 4);
    QTest::keyClick(words, Qt::Key_Backspace);
    QTest::keyClicks(words, "r");
    EXPECT_EQ(words->text(), "Grocr");
}

TEST_F(GreenBoxTest, WordBoxRefusesTheDoubleQuoteOnly)
{
    GreenBox* words = addBox(descriptionBox);
    GreenBox* term = addBox(mortgageTerm);
    words->setSuccessor(term);
    words->setText("Rent");
    showAndFocus(words);
    words->end(false);
    QTest::keyClicks(words, " \"A\" 1.5");
    EXPECT_EQ(words->text(), "Rent A 1.5");
    EXPECT_EQ(services.beeps, 2);
    QTest::keyClick(words, Qt::Key_Return);
    EXPECT_TRUE(term->hasFocus());
    EXPECT_EQ(values.entryChanged, 0);
}

TEST_F(GreenBoxTest, BoxesAreLightGreen)
{
    GreenBox* box = addBox(mortgagePrincipal);
    EXPECT_EQ(box->palette().color(QPalette::Base), QColor(128, 255, 128));
}

} // namespace
