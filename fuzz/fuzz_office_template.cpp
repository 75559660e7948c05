// The template reader on arbitrary bytes, as a Word template and as a spreadsheet
// template. Besides not crashing: whatever opens is filled and written, and what is
// written opens again with every placeholder it was given replaced.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "office/docx_template.h"
#include "office/word_content.h"
#include "office/xlsx_template.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>
#include <cstring>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qputenv("QT_LOGGING_RULES", "*=false");
    static int argc = 1;
    static char name[] = "fuzz_office_template";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return 0;
}

namespace {

void check(bool ok, const char *rule, const QString &detail)
{
    if (ok)
        return;
    std::fprintf(stderr, "%s: %s\n", rule, qPrintable(detail));
    std::abort();
}

// Small bounds: a few megabytes are plenty to reach every path of the reader.
office::PackageLimits limits()
{
    office::PackageLimits limits;
    limits.maxFileSize = 4 << 20;
    limits.maxPartSize = 4 << 20;
    limits.maxTotalSize = 16 << 20;
    limits.maxParts = 500;
    return limits;
}

void fillDocument(const QByteArray &input)
{
    office::Result<office::DocxTemplate> opened = office::DocxTemplate::fromBytes(input, limits());
    if (!opened)
        return;
    office::DocxTemplate &document = *opened;
    if (auto at = document.find(QStringLiteral("[AUTHOR]"), document.body()))
        document.replace(*at, QStringLiteral("李 & <Li>"));
    const auto first = document.find(QStringLiteral("[QUESTION No]"), document.body());
    const auto last =
        first ? document.find(QStringLiteral("[OPTION]"), document.body(), &*first) : std::nullopt;
    if (first && last) {
        if (const auto block = document.blockBetween(*first, *last)) {
            for (const office::BlockRange &copy : document.repeat(*block, 3)) {
                if (auto at = document.find(QStringLiteral("[QUESTION No]"), copy))
                    document.replace(*at, QStringLiteral("7"));
                if (auto at = document.find(QStringLiteral("[QUESTION]"), copy)) {
                    office::WordContent content;
                    content.appendRtf("{\\rtf1 one\\par two\\trowd\\cellx100\\intbl x\\cell\\row}");
                    document.replace(*at, content);
                }
            }
        }
    }
    const office::Result<QByteArray> bytes = document.toBytes();
    check(bytes.ok(), "an opened template must be written", bytes.reason());
    office::Result<office::DocxTemplate> again = office::DocxTemplate::fromBytes(*bytes);
    check(again.ok(), "a written document must open again", again.reason());
}

void fillWorkbook(const QByteArray &input)
{
    office::Result<office::XlsxTemplate> opened = office::XlsxTemplate::fromBytes(input, limits());
    if (!opened)
        return;
    for (int sheet = 1; sheet <= std::min(opened->sheetCount(), 4); ++sheet) {
        opened->setText(sheet, QStringLiteral("B2"), QStringLiteral("=Maths"));
        opened->setNumber(sheet, office::CellAddress{6, 3}, 85);
        opened->setText(sheet, office::CellAddress{5, 1}, QStringLiteral("NO 1"));
    }
    const office::Result<QByteArray> bytes = opened->toBytes();
    check(bytes.ok(), "an opened workbook must be written", bytes.reason());
    office::Result<office::XlsxTemplate> again = office::XlsxTemplate::fromBytes(*bytes);
    check(again.ok(), "a written workbook must open again", again.reason());
    if (again->sheetCount() >= 1 && again->isWorksheet(1))
        check(again->cellText(1, office::CellAddress{2, 2}) == QStringLiteral("=Maths"),
              "a written text reads back", again->cellText(1, office::CellAddress{2, 2}));
}

// Mutations of a zip archive mostly break its checksums; an input that is XML goes
// into a shipped template instead, as its main document and as its first worksheet,
// so that the XML paths are reached too.
QByteArray shipped(const char *name)
{
    QFile file(QStringLiteral(QUORIN_SOURCE_DIR "/data/sys/") + QLatin1StringView(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray replacePart(const QByteArray &zip, const QString &part, const QByteArray &xml)
{
    office::Result<office::Package> package = office::Package::fromBytes(zip);
    if (!package)
        return {};
    package->setPart(part, xml);
    const office::Result<QByteArray> bytes = package->toBytes();
    return bytes ? *bytes : QByteArray();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    if (input.startsWith('<')) {
        static const QByteArray document = shipped("paper.dotx");
        static const QByteArray workbook = shipped("score.xltx");
        fillDocument(replacePart(document, QStringLiteral("word/document.xml"), input));
        fillWorkbook(replacePart(workbook, QStringLiteral("xl/worksheets/sheet1.xml"), input));
        return 0;
    }
    fillDocument(input);
    fillWorkbook(input);
    return 0;
}
