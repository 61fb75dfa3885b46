// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QTextBrowser;

namespace tallyvane {

// A window showing the program's help file at the topic of a context number.
// The help file is HTML in which each topic starts at an anchor named
// "context-N".
class HelpViewer : public QWidget
{
    Q_OBJECT

public:
    explicit HelpViewer(QString helpFile, QWidget* parent = nullptr);

    void showTopic(int contextNumber);
    QString currentAnchor() const { return m_anchor; }
    QTextBrowser* browser() const { return m_browser; }

private:
    bool loadHelpFile();

    QString m_helpFile;
    QTextBrowser* m_browser;
    QString m_anchor;
    bool m_loaded = false;
};

QString helpAnchor(int contextNumber);

} // namespace tallyvane
