// SPDX-License-Identifier: GPL-3.0-or-later
#include "office_fixtures.h"

#include <QBuffer>
#include <QImage>
#include <QTest>
#include <cstring>
#include <zip.h>

namespace testing {

namespace {

const QByteArray declaration = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";

void collectText(const pugi::xml_node &node, QString &out)
{
    for (pugi::xml_node child : node.children()) {
        if (std::strcmp(child.name(), "w:t") == 0)
            out += QString::fromUtf8(child.text().get());
        else if (std::strcmp(child.name(), "w:tab") == 0)
            out += u'\t';
        else if (std::strcmp(child.name(), "w:p") != 0 &&
                 std::strcmp(child.name(), "w:delText") != 0)
            collectText(child, out);
    }
}

void collectParagraphs(const pugi::xml_node &node, QStringList &out)
{
    for (pugi::xml_node child : node.children()) {
        if (std::strcmp(child.name(), "w:p") == 0) {
            QString text;
            collectText(child, text);
            out.append(text);
        }
        collectParagraphs(child, out);
    }
}

} // namespace

QByteArray zipOf(const QList<std::pair<QString, QByteArray>> &entries)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *target = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_t *archive = zip_open_from_source(target, ZIP_TRUNCATE, &error);
    zip_source_keep(target);
    for (const auto &[name, data] : entries) {
        zip_source_t *source =
            zip_source_buffer(archive, data.constData(), zip_uint64_t(data.size()), 0);
        zip_file_add(archive, name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8);
    }
    zip_close(archive);
    QByteArray bytes;
    zip_source_open(target);
    zip_source_seek(target, 0, SEEK_END);
    bytes.resize(qsizetype(zip_source_tell(target)));
    zip_source_seek(target, 0, SEEK_SET);
    zip_source_read(target, bytes.data(), zip_uint64_t(bytes.size()));
    zip_source_close(target);
    zip_source_free(target);
    zip_error_fini(&error);
    return bytes;
}

QByteArray wordTemplate(const QString &bodyXml,
                        const QList<std::pair<QString, QByteArray>> &extraParts,
                        const QString &mainType)
{
    QByteArray types =
        declaration +
        "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
        "<Default Extension=\"rels\" "
        "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
        "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
        "<Override PartName=\"/word/document.xml\" ContentType=\"" +
        mainType.toUtf8() + "\"/></Types>";
    const QByteArray packageRels =
        declaration +
        "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
        "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
        "relationships/officeDocument\" Target=\"word/document.xml\"/></Relationships>";
    const QByteArray document =
        declaration + "<w:document " + wordNamespaces + "><w:body>" + bodyXml.toUtf8() +
        "<w:sectPr><w:pgSz w:w=\"11906\" w:h=\"16838\"/><w:pgMar w:top=\"1134\" w:right=\"1134\" "
        "w:bottom=\"1134\" w:left=\"1134\"/></w:sectPr></w:body></w:document>";
    QList<std::pair<QString, QByteArray>> entries{{QStringLiteral("[Content_Types].xml"), types},
                                                  {QStringLiteral("_rels/.rels"), packageRels},
                                                  {QStringLiteral("word/document.xml"), document}};
    entries += extraParts;
    return zipOf(entries);
}

QByteArray workbookTemplate(const QStringList &sheetXml, const QStringList &sharedStrings)
{
    const QByteArray sml = "application/vnd.openxmlformats-officedocument.spreadsheetml";
    QByteArray types =
        declaration +
        "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
        "<Default Extension=\"rels\" "
        "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
        "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
        "<Override PartName=\"/xl/workbook.xml\" ContentType=\"" +
        sml +
        ".template.main+xml\"/>"
        "<Override PartName=\"/xl/calcChain.xml\" ContentType=\"" +
        sml + ".calcChain+xml\"/>";
    QByteArray sheets;
    QByteArray rels =
        declaration +
        "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">";
    QList<std::pair<QString, QByteArray>> entries;
    for (qsizetype i = 1; i <= sheetXml.size(); ++i) {
        const QByteArray n = QByteArray::number(i);
        types += "<Override PartName=\"/xl/worksheets/sheet" + n + ".xml\" ContentType=\"" + sml +
                 ".worksheet+xml\"/>";
        sheets += "<sheet name=\"Sheet" + n + "\" sheetId=\"" + n + "\" r:id=\"rId" + n + "\"/>";
        rels += "<Relationship Id=\"rId" + n +
                "\" "
                "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
                "worksheet\" Target=\"worksheets/sheet" +
                n + ".xml\"/>";
        entries.append(
            {QStringLiteral("xl/worksheets/sheet%1.xml").arg(i),
             declaration +
                 "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
                 "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/"
                 "relationships\">" +
                 sheetXml.at(i - 1).toUtf8() + "</worksheet>"});
    }
    rels += "<Relationship Id=\"rIdChain\" "
            "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
            "calcChain\" Target=\"calcChain.xml\"/>";
    if (!sharedStrings.isEmpty()) {
        types += "<Override PartName=\"/xl/sharedStrings.xml\" ContentType=\"" + sml +
                 ".sharedStrings+xml\"/>";
        rels += "<Relationship Id=\"rIdStrings\" "
                "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
                "sharedStrings\" Target=\"sharedStrings.xml\"/>";
        QByteArray strings =
            declaration +
            "<sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">";
        for (const QString &s : sharedStrings)
            strings += "<si><t>" + s.toUtf8() + "</t></si>";
        entries.append({QStringLiteral("xl/sharedStrings.xml"), strings + "</sst>"});
    }
    types += "</Types>";
    rels += "</Relationships>";
    const QByteArray workbook =
        declaration +
        "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
        "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
        "<sheets>" +
        sheets + "</sheets><definedNames/><calcPr calcId=\"1\"/></workbook>";
    const QByteArray packageRels =
        declaration +
        "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
        "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
        "relationships/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>";
    entries.prepend(
        {QStringLiteral("xl/calcChain.xml"),
         declaration +
             "<calcChain xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"/>"});
    entries.prepend({QStringLiteral("xl/_rels/workbook.xml.rels"), rels});
    entries.prepend({QStringLiteral("xl/workbook.xml"), workbook});
    entries.prepend({QStringLiteral("_rels/.rels"), packageRels});
    entries.prepend({QStringLiteral("[Content_Types].xml"), types});
    return zipOf(entries);
}

QString paragraph(const QString &runs)
{
    QString xml = QStringLiteral("<w:p>");
    for (const QString &run : runs.split(u'|'))
        xml += QStringLiteral("<w:r><w:t xml:space=\"preserve\">%1</w:t></w:r>").arg(run);
    return xml + QStringLiteral("</w:p>");
}

office::Package parts(const QByteArray &zip)
{
    office::Result<office::Package> package = office::Package::fromBytes(zip);
    if (!package)
        qFatal("not a package: %s", qPrintable(package.reason()));
    return std::move(*package);
}

std::unique_ptr<pugi::xml_document> xmlPart(const office::Package &package, const QString &name)
{
    auto document = std::make_unique<pugi::xml_document>();
    const QByteArray *bytes = package.find(name);
    if (!bytes || !document->load_buffer(bytes->constData(), size_t(bytes->size()),
                                         pugi::parse_default | pugi::parse_ws_pcdata_single))
        qWarning("part %s is missing or not XML", qPrintable(name));
    return document;
}

QStringList docxParagraphs(const QByteArray &docx)
{
    const office::Package package = parts(docx);
    const auto document = xmlPart(package, QStringLiteral("word/document.xml"));
    QStringList out;
    collectParagraphs(document->document_element().child("w:body"), out);
    return out;
}

QByteArray pngBytes(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace testing
