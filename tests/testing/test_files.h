// Small file helpers shared by the tests.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDir>
#include <QList>
#include <QMap>
#include <QPair>
#include <QString>
#include <QStringList>

namespace testing {

QByteArray readBytes(const QString &path);
void writeBytes(const QString &path, const QByteArray &bytes);
/// GBK bytes with CRLF line ends, as the Windows programs write a file.
QByteArray windowsText(const QString &text);
/// A file's text as the programs read it: GBK unless it starts with a UTF-8 byte-order mark.
QString readText(const QString &path);
/// The keys and values of one section of a profile file, in file order.
QList<QPair<QString, QString>> sectionOf(const QString &file, const QString &section);
/// What a folder holds, hidden entries too, in name order; a profile file's lock file,
/// which stays beside it after every write, is left out.
QStringList entriesOf(const QString &folder,
                      QDir::Filters filters = QDir::AllEntries | QDir::NoDotAndDotDot);
/// The path of a fixture under tests/data.
QString fixture(const QString &relative);
/// Copies a fixture into a folder (created when missing) under a new name.
QString copyFixture(const QString &relative, const QString &folder, const QString &name);

/// Every file and folder under a folder (relative paths; folders end in "/") with
/// the bytes of each file (size and time of files over 1 MiB): compare two to show
/// that nothing was written.
QMap<QString, QByteArray> treeSnapshot(const QString &folder);

} // namespace testing
