// A data root in a temporary folder, kept on disk when the test fails.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/data_root.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace testing {

class TempRoot
{
public:
    /// With its "sys" folder, as an installation has it.
    TempRoot();
    ~TempRoot();

    store::DataRoot root() const { return store::DataRoot(m_dir.path()); }
    QString path() const { return m_dir.path(); }
    QString rosterFile() const;

    /// Writes the roster from text, as the Windows programs would (GBK, CRLF).
    void writeRoster(const QString &text) const;
    QByteArray rosterBytes() const;
    /// Removes the "sys" folder, so that every roster write fails.
    void removeSys() const;

private:
    QTemporaryDir m_dir;
};

} // namespace testing
