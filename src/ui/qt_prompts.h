// The prompts of the running programs: Qt dialogs, modal over the active window.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "prompts.h"

#include <QPointer>
#include <QWidget>

namespace ui {

class QtPrompts final : public Prompts
{
public:
    /// The title of message boxes that are given none (the program's name).
    explicit QtPrompts(QString defaultTitle);

    void message(const QString &text, const QString &title = {}) override;
    bool confirm(const QString &text, const QString &title = {}) override;
    bool question(const QString &text, const QString &title = {}) override;
    std::optional<QString> input(const QString &prompt, const QString &title,
                                 const QString &initial = {}) override;
    std::optional<QString> password(const QString &title) override;
    QString openFile(const QString &title, const QString &folder, const QString &filter) override;
    QString chooseFolder(const QString &title, const QString &folder) override;
    std::optional<QColor> chooseColor(const QColor &initial) override;

private:
    QString titleOr(const QString &title) const;
    QString m_defaultTitle;
};

} // namespace ui
