// Every modal message, question and dialog goes through this one interface, so
// that windows can be driven by tests that answer from a script.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>
#include <optional>

namespace ui {

class Prompts
{
public:
    virtual ~Prompts() = default;

    /// A message with one OK button.
    virtual void message(const QString &text, const QString &title = {}) = 0;
    /// OK and Cancel; true for OK.
    virtual bool confirm(const QString &text, const QString &title = {}) = 0;
    /// Yes and No with No as the default; true for Yes.
    virtual bool question(const QString &text, const QString &title = {}) = 0;
    /// A line of text; nothing when cancelled.
    virtual std::optional<QString> input(const QString &prompt, const QString &title,
                                         const QString &initial = {}) = 0;
    /// A masked entry under the given title; nothing when cancelled.
    virtual std::optional<QString> password(const QString &title) = 0;
    /// A file to open; empty when cancelled.
    virtual QString openFile(const QString &title, const QString &folder,
                             const QString &filter) = 0;
    /// A folder; empty when cancelled.
    virtual QString chooseFolder(const QString &title, const QString &folder) = 0;
    /// A colour; nothing when cancelled.
    virtual std::optional<QColor> chooseColor(const QColor &initial) = 0;
};

} // namespace ui
