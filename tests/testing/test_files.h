// Small file helpers shared by the tests.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

namespace testing {

QByteArray readBytes(const QString &path);
void writeBytes(const QString &path, const QByteArray &bytes);
/// GBK bytes with CRLF line ends, as the Windows programs write a file.
QByteArray windowsText(const QString &text);
/// The path of a fixture under tests/data.
QString fixture(const QString &relative);
/// Copies a fixture into a folder (created when missing) under a new name.
QString copyFixture(const QString &relative, const QString &folder, const QString &name);

/// Every file and folder under a folder (relative paths; folders end in "/") with
/// the bytes of each file (size and time of files over 1 MiB): compare two to show
/// that nothing was written.
QMap<QString, QByteArray> treeSnapshot(const QString &folder);

} // namespace testing
