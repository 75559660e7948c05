// SPDX-License-Identifier: GPL-3.0-or-later
#include "built_in_help.h"

#include "help_viewer.h"

namespace ui {

BuiltInHelp::BuiltInHelp(QString helpFolder)
    : m_folder(std::move(helpFolder))
{}

BuiltInHelp::~BuiltInHelp()
{
    delete m_viewer.data();
}

HelpViewer *BuiltInHelp::viewer() const
{
    return m_viewer;
}

void BuiltInHelp::open(const QString &page, QWidget *over)
{
    QWidget *owner = over ? over->window() : nullptr;
    if (m_viewer && m_viewer->parentWidget() != owner) {
        // A viewer left under another window would be blocked by a modal one.
        delete m_viewer.data();
    }
    if (!m_viewer) {
        m_viewer = new HelpViewer(m_folder, owner);
        m_viewer->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_viewer->showPage(page);
    m_viewer->show();
    m_viewer->raise();
    m_viewer->activateWindow();
}

} // namespace ui
