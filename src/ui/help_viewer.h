// The built-in help window: HTML pages from the data root's help folder.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "translations.h"

#include <QWidget>

class QPushButton;
class QTextBrowser;

namespace ui {

/// Shows one page of the help folder and follows its links. A missing folder or
/// page is explained in the viewer itself, so that asking for help never fails.
class HelpViewer : public QWidget
{
    Q_OBJECT

public:
    /// Pages are shown in `language` where the help folder has them ("zh_CN/login.html"),
    /// else in English.
    explicit HelpViewer(QString helpFolder, QWidget *parent = nullptr,
                        QString language = currentLanguage());

    /// Shows "<page>.html" of the help folder, or a note saying why it cannot.
    void showPage(const QString &page);

    /// The page asked for last.
    QString page() const { return m_page; }
    /// Whether the last page asked for was found.
    bool isPageShown() const { return m_found; }
    /// What the viewer shows, as plain text.
    QString shownText() const;
    QString helpFolder() const { return m_folder; }

private:
    QString pagePath(const QString &page) const;
    void showNote(const QString &html);

    QString m_folder;
    QString m_language;
    QString m_page;
    bool m_found = false;
    QTextBrowser *m_browser;
    QPushButton *m_back;
    QPushButton *m_contents;
};

} // namespace ui
