// The program's help shown in its own viewer window.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "help.h"

#include <QPointer>

namespace ui {

class HelpViewer;

/// Keeps one viewer open. The viewer belongs to the window that asked last, so
/// that a modal working window does not block it and takes it along when it closes.
class BuiltInHelp final : public Help
{
public:
    explicit BuiltInHelp(QString helpFolder);
    ~BuiltInHelp() override;

    void open(const QString &page, QWidget *over) override;

    /// The open viewer, if any.
    HelpViewer *viewer() const;

private:
    QString m_folder;
    QPointer<HelpViewer> m_viewer;
};

} // namespace ui
