// An ordered list of writes to one profile file, applied in one step.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

namespace store {

class ProfileBatch
{
public:
    struct Write
    {
        QString section;
        QString key;
        QString value;
    };

    /// Adds a write. The value is cleaned when the batch is applied: a line break
    /// or any other control character becomes a space, so that no value can
    /// carry a line of its own into the file.
    void set(const QString &section, const QString &key, const QString &value);

    const QList<Write> &writes() const { return m_writes; }
    bool isEmpty() const { return m_writes.isEmpty(); }
    qsizetype size() const { return m_writes.size(); }

    /// Whether a section or key name can be written: not empty, no "[", "]", "=",
    /// no control character, no blanks at either end and no ";" in front.
    static bool isValidName(QStringView name);

    /// The value as it will be written (control characters replaced by spaces).
    static QString cleanValue(QStringView value);

private:
    QList<Write> m_writes;
};

} // namespace store
