// The RTF reader on arbitrary bytes. Besides not crashing, three rules must hold: the plain
// text taken without a document equals the document's, what the writer makes of a document
// reads back as the same text, and Word content has the tables the document has.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "office/word_content.h"
#include "richtext/plain_text.h"
#include "richtext/rtf_parser.h"
#include "richtext/rtf_reader.h"
#include "richtext/rtf_writer.h"

#include <QGuiApplication>
#include <QTextDocument>
#include <QTextTable>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <pugixml.hpp>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "*=false");
    static int argc = 1;
    static char name[] = "fuzz_rtf";
    static char *argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    return 0;
}

namespace {

void check(bool ok, const char *rule, const QString &a, const QString &b)
{
    if (ok)
        return;
    std::fprintf(stderr, "%s\n--- first\n%s\n--- second\n%s\n", rule, qPrintable(a.toHtmlEscaped()),
                 qPrintable(b.toHtmlEscaped()));
    std::abort();
}

// Each table as rows x columns, the columns of Word content being those of its widest row.
QString tables(const QTextDocument &document)
{
    QString shape;
    for (QTextFrame *frame : document.rootFrame()->childFrames()) {
        if (auto *table = qobject_cast<QTextTable *>(frame))
            shape += QStringLiteral("%1x%2 ").arg(table->rows()).arg(table->columns());
    }
    return shape;
}

QString tables(const office::WordContent &content)
{
    QString shape;
    for (pugi::xml_node table : content.blocks().children("w:tbl")) {
        int rows = 0;
        size_t columns = 0;
        for (pugi::xml_node row : table.children("w:tr")) {
            ++rows;
            columns = std::max(columns, row.select_nodes("w:tc").size());
        }
        shape += QStringLiteral("%1x%2 ").arg(rows).arg(columns);
    }
    return shape;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    QTextDocument document;
    richtext::RtfReader::read(input, document);
    const QString text = richtext::plainText(document);
    if (richtext::RtfReader::maxInputSize >= input.size()) {
        const QString fast = richtext::plainText(input);
        check(fast == text, "plain text differs from the document's", fast, text);
    }

    const QByteArray written = richtext::RtfWriter::write(document);
    QTextDocument again;
    richtext::RtfReader::read(written, again);
    const QString back = richtext::plainText(again);
    check(back == text, "written document reads back with other text", text, back);

    if (richtext::RtfParser::isRtf(input)) {
        office::WordContent word;
        word.appendRtf(input);
        check(tables(word) == tables(document), "Word content has other tables", tables(word),
              tables(document));
    }
    return 0;
}
