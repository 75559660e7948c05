// SPDX-License-Identifier: GPL-3.0-or-later
#include "help_viewer.h"

#include "help_page.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace ui {

namespace {

// Page names come from the program, but a page must never name a file outside the folder.
bool isPageName(const QString &page)
{
    if (page.isEmpty() || page.size() > 64)
        return false;
    for (QChar c : page) {
        if (!(c.isLetterOrNumber() || c == u'-' || c == u'_'))
            return false;
    }
    return true;
}

} // namespace

HelpViewer::HelpViewer(QString helpFolder, QWidget *parent, QString language)
    : QWidget(parent, Qt::Window)
    , m_folder(std::move(helpFolder))
    , m_language(std::move(language))
    , m_browser(new QTextBrowser(this))
    , m_back(new QPushButton(tr("Back"), this))
    , m_contents(new QPushButton(tr("Contents"), this))
{
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(tr("Help"));
    setAccessibleName(tr("Help"));
    m_browser->setObjectName(QStringLiteral("HelpText"));
    m_browser->setAccessibleName(tr("Help text"));
    m_browser->setOpenExternalLinks(true);
    m_browser->setSearchPaths({m_folder});
    m_back->setObjectName(QStringLiteral("Cmd_back"));
    m_back->setAccessibleName(tr("Back"));
    m_back->setEnabled(false);
    m_contents->setObjectName(QStringLiteral("Cmd_contents"));
    m_contents->setAccessibleName(tr("Contents"));
    auto *close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("Cmd_close"));
    close->setAccessibleName(tr("Close"));

    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QPushButton::setEnabled);
    connect(m_back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_contents, &QPushButton::clicked, this, [this] { showPage(QStringLiteral("index")); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_back);
    buttons->addWidget(m_contents);
    buttons->addStretch();
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_browser);
    resize(620, 560);
}

QString HelpViewer::pagePath(const QString &page) const
{
    if (!isPageName(page))
        return {};
    return helpPagePath(m_folder, page + QStringLiteral(".html"), m_language);
}

void HelpViewer::showPage(const QString &page)
{
    m_page = page;
    m_found = false;
    if (m_folder.isEmpty() || !QFileInfo(m_folder).isDir()) {
        showNote(tr("<h2>Help is not installed</h2>"
                    "<p>The help folder <tt>%1</tt> does not exist. The help pages "
                    "come with the program; copy the <tt>help</tt> folder of the "
                    "installation into the data folder.</p>")
                     .arg(m_folder.toHtmlEscaped()));
        return;
    }
    const QString path = pagePath(page);
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        const bool hasIndex = QFileInfo(pagePath(QStringLiteral("index"))).isFile();
        showNote(tr("<h2>No help for this window</h2>"
                    "<p>The help page <tt>%1.html</tt> is missing from the help "
                    "folder <tt>%2</tt>.</p>%3")
                     .arg(page.toHtmlEscaped(), m_folder.toHtmlEscaped(),
                          hasIndex ? tr("<p><a href=\"index.html\">All help "
                                        "topics</a></p>")
                                   : QString()));
        return;
    }
    m_found = true;
    m_browser->setSource(QUrl::fromLocalFile(path));
}

void HelpViewer::showNote(const QString &html)
{
    m_browser->clearHistory();
    m_browser->setHtml(html);
}

QString HelpViewer::shownText() const
{
    return m_browser->toPlainText();
}

} // namespace ui
