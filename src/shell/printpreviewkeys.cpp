// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/printpreviewkeys.h"

#include <QAction>
#include <QComboBox>
#include <QGraphicsView>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QToolBar>
#include <QToolButton>

#include <QList>

#include <vector>

namespace tallyvane {
namespace {

struct ActionKeys
{
    const char* text; // the preview's own caption of the action
    QList<QKeySequence> keys;
    // The preview zooms on its tool buttons' clicks, which repeat while held,
    // not on the actions; a key clicks the button.
    bool clicksButton = false;
};

const std::vector<ActionKeys>& previewKeys()
{
    static const std::vector<ActionKeys> keys{
        {"Print", {QKeySequence::Print}},
        {"First page", {QKeySequence(Qt::Key_Home)}},
        {"Previous page", {QKeySequence(Qt::Key_PageUp)}},
        {"Next page", {QKeySequence(Qt::Key_PageDown)}},
        {"Last page", {QKeySequence(Qt::Key_End)}},
        {"Zoom in", {QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)}, true},
        {"Zoom out", {QKeySequence::ZoomOut}, true},
    };
    return keys;
}

QString withShortcut(const QAction* action, const QKeySequence& key)
{
    QString tip = action->toolTip().isEmpty() ? action->text() : action->toolTip();
    tip.remove(QLatin1Char('&'));
    if (!key.isEmpty())
        tip += QStringLiteral(" (%1)").arg(key.toString(QKeySequence::NativeText));
    return tip;
}

void giveKeys(QPrintPreviewDialog& preview, QToolBar& tools, QAction& action, const ActionKeys& entry)
{
    action.setToolTip(withShortcut(&action, entry.keys.value(0)));
    if (!entry.clicksButton) {
        action.setShortcuts(entry.keys);
        action.setShortcutContext(Qt::WindowShortcut);
        return;
    }
    auto* button = qobject_cast<QToolButton*>(tools.widgetForAction(&action));
    if (!button)
        return;
    auto* key = new QAction(&preview);
    key->setShortcuts(entry.keys);
    preview.addAction(key);
    QObject::connect(key, &QAction::triggered, button, &QToolButton::click);
}

} // namespace

QAction* previewAction(const QPrintPreviewDialog& preview, const QString& text)
{
    const QToolBar* tools = preview.findChild<QToolBar*>();
    if (!tools)
        return nullptr;
    for (QAction* action : tools->actions())
        if (action->text().remove(QLatin1Char('&')).compare(text, Qt::CaseInsensitive) == 0)
            return action;
    return nullptr;
}

void setUpPreviewKeyboard(QPrintPreviewDialog& preview, QAction* savePdf)
{
    auto* tools = preview.findChild<QToolBar*>();
    if (!tools)
        return;
    savePdf->setToolTip(withShortcut(savePdf, QKeySequence::Save));
    savePdf->setShortcut(QKeySequence::Save);

    // Printing, saving and page set-up first, then the rest as they were.
    QAction* first = tools->actions().value(0);
    for (QAction* action : {previewAction(preview, QStringLiteral("Print")), savePdf,
                            previewAction(preview, QStringLiteral("Page setup"))}) {
        if (!action || action == first)
            continue;
        tools->removeAction(action);
        tools->insertAction(first, action);
    }
    if (first)
        tools->insertSeparator(first);

    // Keys after the moves: a tool button made anew keeps its action's keys.
    for (const ActionKeys& entry : previewKeys())
        if (QAction* action = previewAction(preview, QString::fromLatin1(entry.text)))
            giveKeys(preview, *tools, *action, entry);

    if (auto* zoom = tools->findChild<QComboBox*>())
        zoom->setAccessibleName(QStringLiteral("Zoom"));
    for (auto* pageNumber : tools->findChildren<QLineEdit*>())
        if (!qobject_cast<QComboBox*>(pageNumber->parentWidget()))
            pageNumber->setAccessibleName(QStringLiteral("Page number"));
    if (auto* pages = preview.findChild<QGraphicsView*>())
        pages->setAccessibleName(QStringLiteral("Pages"));

    QWidget* previous = nullptr;
    for (QAction* action : tools->actions()) {
        QWidget* widget = tools->widgetForAction(action);
        if (!widget || action->isSeparator())
            continue;
        if (auto* button = qobject_cast<QToolButton*>(widget)) {
            button->setFocusPolicy(Qt::TabFocus);
            button->setAccessibleName(action->text().remove(QLatin1Char('&')));
        }
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

} // namespace tallyvane
