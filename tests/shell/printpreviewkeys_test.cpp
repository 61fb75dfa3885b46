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

TEST(PrintPreviewKeys, PrintsSavesTurnsPagesAndZoomsFromTheKeyboard)
{
    bool closedByEscape = false;
    testing::whenModalShown([&](QWidget& shown) {
        auto& preview = static_cast<QPrintPreviewDialog&>(shown);
        preview.resize(737, 560); // 90 % of the frame at 80 % of a 1024 pixels wide screen
        QApplication::setActiveWindow(&preview);
        auto* pages = preview.findChild<QPrintPreviewWidget*>();
        for (const auto& [key, page] : std::vector<std::pair<Qt::Key, int>>{
                 {Qt::Key_PageDown, 2}, {Qt::Key_End, 3}, {Qt::Key_PageUp, 2}, {Qt::Key_Home, 1}}) {
            QTest::keyClick(&preview, key);
            EXPECT_EQ(pages->currentPage(), page) << key;
        }
        const qreal zoom = pages->zoomFactor();
        QTest::keyClick(&preview, Qt::Key_Minus, Qt::ControlModifier);
        EXPECT_LT(pages->zoomFactor(), zoom);
        QTest::keyClick(&preview, Qt::Key_Equal, Qt::ControlModifier);
        EXPECT_NEAR(pages->zoomFactor(), zoom, 1e-6);

        auto* tools = preview.findChild<QToolBar*>();
        for (const auto& [text, key] : {std::pair{"Print", "Ctrl+P"}, std::pair{"Save PDF...", "Ctrl+S"}}) {
            QAction* action = previewAction(preview, QString::fromLatin1(text));
            EXPECT_TRUE(tools->widgetForAction(action)->isVisible()) << text;
            EXPECT_TRUE(action->toolTip().contains(QLatin1String(key))) << text;
        }
        for (QToolButton* button : tools->findChildren<QToolButton*>())
            if (button->defaultAction() && button->isVisible())
                EXPECT_TRUE(button->focusPolicy() & Qt::TabFocus) << button->toolTip().toStdString();
        QTest::keyClick(&preview, Qt::Key_Escape);
        closedByEscape = !preview.isVisible();
        preview.reject();
    });
    Report report;
    report.pages.resize(3);
    showReportPreview(report, nullptr);
    EXPECT_TRUE(closedByEscape);
}

} // namespace
} // namespace tallyvane
