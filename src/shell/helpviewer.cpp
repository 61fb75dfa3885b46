// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/helpviewer.h"

#include "core/safefile.h"

#include <QDir>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace tallyvane {

QString helpAnchor(int contextNumber)
{
    return QStringLiteral("context-%1").arg(contextNumber);
}

HelpViewer::HelpViewer(QString helpFile, QWidget* parent)
    : QWidget(parent, Qt::Window), m_helpFile(std::move(helpFile)), m_browser(new QTextBrowser(this))
{
    setWindowTitle(QStringLiteral("How to Use Tallyvane"));
    m_browser->setAccessibleName(QStringLiteral("Help"));
    m_browser->setOpenExternalLinks(false);
    m_browser->document()->setDocumentMargin(16);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    resize(620, 520);
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
}

bool HelpViewer::loadHelpFile()
{
    if (m_loaded)
        return true;
    const auto content = readSmallFile(m_helpFile);
    if (!content) {
        m_browser->setPlainText(
            QStringLiteral("The help file %1 was not found.").arg(QDir::toNativeSeparators(m_helpFile)));
        return false;
    }
    m_browser->setHtml(QString::fromUtf8(*content));
    m_loaded = true;
    return true;
}

void HelpViewer::showTopic(int contextNumber)
{
    m_anchor = helpAnchor(contextNumber);
    if (loadHelpFile())
        m_browser->scrollToAnchor(m_anchor);
    show();
    raise();
    activateWindow();
}

} // namespace tallyvane
