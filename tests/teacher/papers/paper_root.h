// Data roots with papers as the Windows programs leave them, for the tests of
// "Manage paper": GBK files with CRLF line ends, documents named "<number>.RTF".
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "temp_root.h"

#include <QPair>
#include <QString>
#include <QStringList>

namespace testing {

/// Settings of a paper that the editor has saved once: all fifteen "MAIN" keys.
QString fullPaperMain(const QString &testTime = QStringLiteral("45"));

/// Writes SHIJUAN/<name>/<file name> with a "MAIN" section of the given lines
/// ("KEY=value" separated by newlines) and two questions, and the two documents
/// they name; makes CHENGJI/<name> too. The file name defaults to "<name>.cho".
void writePaper(const TempRoot &root, const QString &name, const QString &mainLines,
                const QString &fileName = {});

/// The keys and values of one section of a profile file, in file order.
QList<QPair<QString, QString>> sectionOf(const QString &file, const QString &section);

/// What a folder holds (files and folders), in name order.
QStringList entriesOf(const QString &folder);

} // namespace testing
