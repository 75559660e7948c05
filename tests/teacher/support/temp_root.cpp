// SPDX-License-Identifier: GPL-3.0-or-later
#include "temp_root.h"

#include "test_files.h"

#include <QDir>
#include <QTest>

namespace testing {

TempRoot::TempRoot()
{
    QDir(m_dir.path()).mkpath(QStringLiteral("sys"));
}

TempRoot::~TempRoot()
{
    m_dir.setAutoRemove(!QTest::currentTestFailed());
    if (QTest::currentTestFailed())
        qWarning("data root kept: %s", qPrintable(m_dir.path()));
}

QString TempRoot::rosterFile() const
{
    return root().rosterFile();
}

void TempRoot::writeRoster(const QString &text) const
{
    writeBytes(rosterFile(), windowsText(text));
}

QByteArray TempRoot::rosterBytes() const
{
    return readBytes(rosterFile());
}

void TempRoot::removeSys() const
{
    QDir(root().sysFolder()).removeRecursively();
}

} // namespace testing
