// Path components resolved without regard to letter case, as the Windows
// installations that share a data root expect ("SHIJUAN" and "shijuan" are one folder).
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace store {

class CasePath
{
public:
    /// Joins components onto an existing base folder. Each component takes the
    /// spelling of an entry that exists in any letter case; components that do not
    /// exist keep the spelling given (the canonical one, for what is created).
    /// Gives an empty text when a component could climb out of its folder or
    /// name more than one level ("..", a separator, a NUL): such a path names nothing.
    static QString resolve(const QString &base, const QStringList &components);

    /// Whether a text can stand as one path component.
    static bool isSafeComponent(QStringView component);

    /// Joins with exactly one separator between base and name.
    static QString join(const QString &base, const QString &name);
};

} // namespace store
