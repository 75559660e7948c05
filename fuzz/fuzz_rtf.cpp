// The RTF reader on arbitrary bytes. Besides not crashing, two rules must hold: the plain
// text taken without a document equals the document's, and what the writer makes of a
// document reads back as the same text.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "richtext/plain_text.h"
#include "richtext/rtf_reader.h"
#include "richtext/rtf_writer.h"

#include <QGuiApplication>
#include <QTextDocument>
#include <cstdio>
#include <cstdlib>

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
    return 0;
}
