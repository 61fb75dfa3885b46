#include "dialogtesting.h"
#include "shell/printpreview.h"
#include "shell/printpreviewkeys.h"

#include <QAction>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

namespace tallyvane {
namespace {

using testing::whenModalShown;

Report threePages()
{
    Report report;
    report.pages.resize(3);
    return report;
}

// Runs `check` on the preview of a three-page printout, then closes it with
// Escape; false when Escape left it open.
bool inPreview(const std::function<void(QPrintPreviewDialog&)>& check)
{
    bool closed = false;
    whenModalShown([&](QWidget& shown) {
        auto& preview = static_cast<QPrintPreviewDialog&>(shown);
        QApplication::setActiveWindow(&preview);
        check(preview);
        QTest::keyClick(&preview, Qt::Key_Escape);
        closed = !preview.isVisible();
        if (!closed)
            preview.reject();
    });
    showReportPreview(threePages(), nullptr);
    return closed;
}

TEST(PrintPreviewKeys, PagesAndZoomMoveFromTheKeyboard)
{
    EXPECT_TRUE(inPreview([](QPrintPreviewDialog& preview) {
        auto* pages = preview.findChild<QPrintPreviewWidget*>();
        ASSERT_NE(pages, nullptr);
        QTest::keyClick(&preview, Qt::Key_PageDown);
        EXPECT_EQ(pages->currentPage(), 2);
        QTest::keyClick(&preview, Qt::Key_End);
        EXPECT_EQ(pages->currentPage(), 3);
        QTest::keyClick(&preview, Qt::Key_PageUp);
        EXPECT_EQ(pages->currentPage(), 2);
        QTest::keyClick(&preview, Qt::Key_Home);
        EXPECT_EQ(pages->currentPage(), 1);
        const qreal zoom = pages->zoomFactor();
        QTest::keyClick(&preview, Qt::Key_Minus, Qt::ControlModifier);
        EXPECT_LT(pages->zoomFactor(), zoom);
        QTest::keyClick(&preview, Qt::Key_Equal, Qt::ControlModifier);
        EXPECT_NEAR(pages->zoomFactor(), zoom, 1e-6);
    }));
}

TEST(PrintPreviewKeys, EveryButtonIsReachedByTabAndNamesItsShortcut)
{
    inPreview([](QPrintPreviewDialog& preview) {
        // The frame at 80 % of a 1024 pixels wide screen, the preview at 90 % of it.
        preview.resize(737, 560);
        QApplication::processEvents();
        auto* tools = preview.findChild<QToolBar*>();
        ASSERT_NE(tools, nullptr);
        for (const char* text : {"Print", "Save PDF..."}) {
            QAction* action = previewAction(preview, QString::fromLatin1(text));
            ASSERT_NE(action, nullptr) << text;
            EXPECT_TRUE(tools->widgetForAction(action)->isVisible()) << text;
        }
        EXPECT_TRUE(previewAction(preview, QStringLiteral("Print"))->toolTip().contains(QStringLiteral("Ctrl+P")));
        EXPECT_TRUE(previewAction(preview, QStringLiteral("Save PDF..."))->toolTip().contains(QStringLiteral("Ctrl+S")));
        for (QToolButton* button : tools->findChildren<QToolButton*>()) {
            if (!button->defaultAction() || !button->isVisible())
                continue;
            EXPECT_TRUE(button->focusPolicy() & Qt::TabFocus) << button->defaultAction()->text().toStdString();
            if (!button->defaultAction()->shortcut().isEmpty())
                EXPECT_TRUE(button->toolTip().contains(
                    button->defaultAction()->shortcut().toString(QKeySequence::NativeText)))
                    << button->toolTip().toStdString();
        }
    });
}

} // namespace
} // namespace tallyvane
