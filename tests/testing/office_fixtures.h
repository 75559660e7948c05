// Small office files made in the tests, and reading back what the library wrote.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "office/package.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <pugixml.hpp>
#include <utility>

namespace testing {

inline constexpr const char *wordNamespaces =
    "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\" "
    "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\" "
    "xmlns:w14=\"http://schemas.microsoft.com/office/word/2010/wordml\"";

/// A zip archive of these entries, in this order.
QByteArray zipOf(const QList<std::pair<QString, QByteArray>> &entries);

/// A Word template whose body holds `bodyXml` (w:p and w:tbl elements, w: and r:
/// prefixes bound; a final A4 w:sectPr is added), with `extraParts` beside it.
QByteArray wordTemplate(const QString &bodyXml,
                        const QList<std::pair<QString, QByteArray>> &extraParts = {},
                        const QString &mainType = QStringLiteral(
                            "application/vnd.openxmlformats-officedocument.wordprocessingml."
                            "template.main+xml"));

/// A spreadsheet template with one worksheet per element of `sheetData` (the inner
/// XML of each worksheet element, without namespaces), a calculation chain, and
/// shared strings when given.
QByteArray workbookTemplate(const QStringList &sheetXml, const QStringList &sharedStrings = {});

/// A paragraph of runs, each given as its text (runs split where the text has "|").
QString paragraph(const QString &runs);

/// The parts of an archive; fails the test when it does not open.
office::Package parts(const QByteArray &zip);
/// One XML part, parsed.
std::unique_ptr<pugi::xml_document> xmlPart(const office::Package &package, const QString &name);

/// The visible text of each body paragraph of a .docx (w:t, w:tab as "\t").
QStringList docxParagraphs(const QByteArray &docx);

QByteArray pngBytes(int width, int height);

} // namespace testing
