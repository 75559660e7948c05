// Fixture files and small helpers shared by the rich-text tests.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "richtext/rtf_reader.h"

#include <QFile>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <memory>
#include <vector>

namespace fixtures {

inline QString path(const QString &name)
{
    return QStringLiteral(QUORIN_TEST_DATA "/richtext/") + name;
}

inline QByteArray bytes(const QString &name)
{
    QFile file(path(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

/// LibreOffice's text export of a fixture, without its byte-order mark and last line end.
inline QString libreOfficeText(const QString &rtfName)
{
    QByteArray text =
        bytes(QString(rtfName).replace(QLatin1StringView(".rtf"), QLatin1StringView(".txt")));
    if (text.startsWith("\xEF\xBB\xBF"))
        text.remove(0, 3);
    if (text.endsWith('\n'))
        text.chop(1);
    return QString::fromUtf8(text);
}

inline std::unique_ptr<QTextDocument> read(const QByteArray &rtf,
                                           richtext::ReadStatus *status = nullptr)
{
    auto document = std::make_unique<QTextDocument>();
    const richtext::ReadStatus outcome = richtext::RtfReader::read(rtf, *document);
    if (status)
        *status = outcome;
    return document;
}

/// The first fragment that holds `text` after `skip` others that do, or an invalid one.
inline QTextFragment fragmentWith(const QTextDocument &document, const QString &text, int skip = 0)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().text().contains(text) && skip-- == 0)
                return it.fragment();
        }
    }
    return {};
}

inline std::vector<QTextImageFormat> images(const QTextDocument &document)
{
    std::vector<QTextImageFormat> found;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().isImageFormat())
                found.push_back(it.fragment().charFormat().toImageFormat());
        }
    }
    return found;
}

inline QString family(const QTextCharFormat &format)
{
    const QStringList families = format.fontFamilies().toStringList();
    return families.isEmpty() ? QString() : families.front();
}

} // namespace fixtures
