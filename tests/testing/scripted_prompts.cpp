// SPDX-License-Identifier: GPL-3.0-or-later
#include "scripted_prompts.h"

namespace testing {

void ScriptedPrompts::accept(const QString &text)
{
    m_replies.append(Reply{true, text, {}});
}

void ScriptedPrompts::refuse()
{
    m_replies.append(Reply{false, {}, {}});
}

void ScriptedPrompts::pickColor(const QColor &color)
{
    m_replies.append(Reply{true, {}, color});
}

QStringList ScriptedPrompts::texts() const
{
    QStringList texts;
    for (const Shown &shown : m_shown)
        texts.append(shown.text);
    return texts;
}

QStringList ScriptedPrompts::messages() const
{
    QStringList texts;
    for (const Shown &shown : m_shown) {
        if (shown.kind == Kind::Message)
            texts.append(shown.text);
    }
    return texts;
}

void ScriptedPrompts::clear()
{
    m_replies.clear();
    m_shown.clear();
    m_unscripted = 0;
}

void ScriptedPrompts::show(Kind kind, const QString &text, const QString &title)
{
    m_shown.append(Shown{kind, text, title});
    if (m_whileShown && !m_inWhileShown) {
        m_inWhileShown = true;
        m_whileShown(m_shown.constLast());
        m_inWhileShown = false;
    }
}

ScriptedPrompts::Reply ScriptedPrompts::next(Kind kind, const QString &text, const QString &title)
{
    show(kind, text, title);
    if (m_replies.isEmpty()) {
        ++m_unscripted;
        return {};
    }
    return m_replies.takeFirst();
}

void ScriptedPrompts::message(const QString &text, const QString &title)
{
    show(Kind::Message, text, title);
}

bool ScriptedPrompts::confirm(const QString &text, const QString &title)
{
    return next(Kind::Confirm, text, title).accepted;
}

bool ScriptedPrompts::question(const QString &text, const QString &title)
{
    return next(Kind::Question, text, title).accepted;
}

std::optional<QString> ScriptedPrompts::input(const QString &prompt, const QString &title,
                                              const QString &)
{
    const Reply reply = next(Kind::Input, prompt, title);
    if (!reply.accepted)
        return std::nullopt;
    return reply.text;
}

std::optional<QString> ScriptedPrompts::password(const QString &title)
{
    const Reply reply = next(Kind::Password, title, title);
    if (!reply.accepted)
        return std::nullopt;
    return reply.text;
}

QString ScriptedPrompts::openFile(const QString &title, const QString &, const QString &)
{
    const Reply reply = next(Kind::OpenFile, title, title);
    return reply.accepted ? reply.text : QString();
}

QString ScriptedPrompts::chooseFolder(const QString &title, const QString &)
{
    const Reply reply = next(Kind::ChooseFolder, title, title);
    return reply.accepted ? reply.text : QString();
}

std::optional<QColor> ScriptedPrompts::chooseColor(const QColor &)
{
    const Reply reply = next(Kind::ChooseColor, {}, {});
    if (!reply.accepted || !reply.color.isValid())
        return std::nullopt;
    return reply.color;
}

} // namespace testing
