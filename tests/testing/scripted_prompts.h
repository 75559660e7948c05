// Prompts that answer from a script and record every text shown: tests drive
// whole windows with it and assert the exact messages.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/prompts.h"

#include <QList>
#include <functional>
#include <QStringList>

namespace testing {

class ScriptedPrompts final : public ui::Prompts
{
public:
    enum class Kind {
        Message,
        Confirm,
        Question,
        Input,
        Password,
        OpenFile,
        ChooseFolder,
        ChooseColor
    };

    struct Shown
    {
        Kind kind;
        QString text; ///< the message, or the prompt of an input
        QString title;
    };

    /// The next prompt that asks something is accepted (OK, Yes) and, where it
    /// takes text (input, password, file, folder), gets this text.
    void accept(const QString &text = {});
    /// The next prompt that asks something is refused (Cancel, No).
    void refuse();
    /// The next colour dialog picks this colour.
    void pickColor(const QColor &color);
    /// Runs while each prompt is open, as a timer tick can in the running program.
    /// Prompts the action itself shows do not run it again.
    void whileShown(std::function<void(const Shown &)> action) { m_whileShown = std::move(action); }

    const QList<Shown> &shown() const { return m_shown; }
    /// The texts shown, in order.
    QStringList texts() const;
    /// The texts of plain messages only.
    QStringList messages() const;
    /// Prompts that asked something while the script had no reply left (refused).
    int unscripted() const { return m_unscripted; }
    /// Replies the script still holds.
    int pending() const { return int(m_replies.size()); }
    void clear();

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
    struct Reply
    {
        bool accepted = false;
        QString text;
        QColor color;
    };
    Reply next(Kind kind, const QString &text, const QString &title);
    void show(Kind kind, const QString &text, const QString &title);

    QList<Reply> m_replies;
    QList<Shown> m_shown;
    int m_unscripted = 0;
    std::function<void(const Shown &)> m_whileShown;
    bool m_inWhileShown = false;
};

} // namespace testing
