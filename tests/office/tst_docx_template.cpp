// The Word template engine: placeholders however the word processor split them,
// text and block content put in their place, blocks copied, the package kept
// consistent, and templates that are damaged or made to hurt.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "office_fixtures.h"

#include "office/docx_template.h"
#include "office/word_content.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

using office::DocxTemplate;
using office::WordContent;

// `document`, the template made of `bytes`; one that does not open fails the test.
#define OPEN_TEMPLATE(document, bytes)                                                             \
    office::Result<DocxTemplate> document##Opened = DocxTemplate::fromBytes(bytes);                \
    QVERIFY2(document##Opened, qPrintable(document##Opened.reason()));                             \
    DocxTemplate &document = *document##Opened

// `docx`, what `document` writes; a document that is not written fails the test.
#define WRITE_DOCUMENT(docx, document)                                                             \
    const office::Result<QByteArray> docx##Written = (document).toBytes();                         \
    QVERIFY2(docx##Written, qPrintable(docx##Written.reason()));                                   \
    const QByteArray &docx = *docx##Written

namespace {

WordContent textContent(const QString &text)
{
    WordContent content;
    content.appendText(text);
    return content;
}

QByteArray zipWith(const QString &name, const QByteArray &data)
{
    return testing::zipOf({{name, data}});
}

} // namespace

class TestDocxTemplate : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void replacesSplitPlaceholders_data();
    void replacesSplitPlaceholders();
    void valueTakesFormatOfPlaceholderStart();
    void hiddenOrDeletedTextIsNotAPlaceholder_data();
    void hiddenOrDeletedTextIsNotAPlaceholder();
    void insertedTextIsNeverFoundAgain();
    void findFromParagraphStart();
    void blockContentKeepsTextAround_data();
    void blockContentKeepsTextAround();
    void blockContentTakesParagraphStyle();
    void tableContentIsFollowedByParagraph();
    void repeatCopiesBlockOnce();
    void repeatInTableCell();
    void blockBetweenNeedsOrder();
    void picturesAreConsistentParts();
    void writesDocumentNotTemplate();
    void libreOfficeTemplate();
    void hostileTemplates_data();
    void hostileTemplates();
};

void TestDocxTemplate::replacesSplitPlaceholders_data()
{
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("expected");

    QTest::newRow("one run") << testing::paragraph(QStringLiteral("By [AUTHOR] alone"))
                             << QStringLiteral("By Li Ming alone");
    QTest::newRow("runs of revisions")
        << QStringLiteral(
               "<w:p><w:r w:rsidR=\"00A1\"><w:t>By [AUT</w:t></w:r>"
               "<w:r w:rsidR=\"00B2\"><w:t xml:space=\"preserve\">HOR] alone</w:t></w:r></w:p>")
        << QStringLiteral("By Li Ming alone");
    QTest::newRow("spelling marks")
        << QStringLiteral("<w:p><w:r><w:t xml:space=\"preserve\">By [</w:t></w:r>"
                          "<w:proofErr w:type=\"spellStart\"/><w:r><w:t>AUTHOR</w:t></w:r>"
                          "<w:proofErr w:type=\"spellEnd\"/><w:r><w:t xml:space=\"preserve\">] "
                          "alone</w:t></w:r></w:p>")
        << QStringLiteral("By Li Ming alone");
    QTest::newRow("format change inside")
        << QStringLiteral("<w:p><w:r><w:t xml:space=\"preserve\">By [AU</w:t></w:r>"
                          "<w:r><w:rPr><w:b/></w:rPr><w:t>THO</w:t></w:r>"
                          "<w:r><w:t xml:space=\"preserve\">R] alone</w:t></w:r></w:p>")
        << QStringLiteral("By Li Ming alone");
    QTest::newRow("bookmark and page break mark")
        << QStringLiteral(
               "<w:p><w:r><w:t xml:space=\"preserve\">By [AUT</w:t></w:r>"
               "<w:bookmarkStart w:id=\"0\" w:name=\"_GoBack\"/><w:bookmarkEnd w:id=\"0\"/>"
               "<w:r><w:lastRenderedPageBreak/><w:t xml:space=\"preserve\">HOR] "
               "alone</w:t></w:r></w:p>")
        << QStringLiteral("By Li Ming alone");
    QTest::newRow("hyperlink and inserted revision")
        << QStringLiteral("<w:p><w:hyperlink r:id=\"x\"><w:r><w:t xml:space=\"preserve\">By "
                          "[AUTH</w:t></w:r></w:hyperlink>"
                          "<w:ins w:id=\"3\" w:author=\"a\"><w:r><w:t xml:space=\"preserve\">OR] "
                          "alone</w:t></w:r></w:ins></w:p>")
        << QStringLiteral("By Li Ming alone");
    QTest::newRow("table cell") << QStringLiteral("<w:tbl><w:tr><w:tc>%1</w:tc></w:tr></w:tbl>")
                                       .arg(
                                           testing::paragraph(QStringLiteral("By [AUTHOR]| alone")))
                                << QStringLiteral("By Li Ming alone");
    QTest::newRow("Chinese text around") << testing::paragraph(QStringLiteral("作者：[AU|THOR]。"))
                                         << QStringLiteral("作者：Li Ming。");
    QTest::newRow("second of two") << testing::paragraph(QStringLiteral("[AUTHOR] and [AUTHOR]"))
                                   << QStringLiteral("Li Ming and [AUTHOR]");
}

void TestDocxTemplate::replacesSplitPlaceholders()
{
    QFETCH(QString, body);
    QFETCH(QString, expected);
    OPEN_TEMPLATE(document, testing::wordTemplate(body));
    const std::optional<office::Placement> at =
        document.find(QStringLiteral("[AUTHOR]"), document.body());
    QVERIFY(at);
    document.replace(*at, QStringLiteral("Li Ming"));
    WRITE_DOCUMENT(docx, document);
    QCOMPARE(testing::docxParagraphs(docx).first(), expected);
}

void TestDocxTemplate::valueTakesFormatOfPlaceholderStart()
{
    // "[AU" plain, "THOR]" bold: the value is plain, the bold run keeps nothing.
    OPEN_TEMPLATE(
        document,
        testing::wordTemplate(QStringLiteral(
            "<w:p><w:r><w:rPr><w:i/></w:rPr><w:t>[AU</w:t></w:r>"
            "<w:r><w:rPr><w:b/></w:rPr><w:t xml:space=\"preserve\">THOR] x</w:t></w:r></w:p>")));
    document.replace(*document.find(QStringLiteral("[AUTHOR]"), document.body()),
                     QStringLiteral("Li"));
    WRITE_DOCUMENT(docx, document);
    const office::Package package = testing::parts(docx);
    const auto xml = testing::xmlPart(package, QStringLiteral("word/document.xml"));
    const pugi::xml_node paragraph = xml->document_element().child("w:body").child("w:p");
    const pugi::xml_node first = paragraph.child("w:r");
    QVERIFY(first.child("w:rPr").child("w:i"));
    QCOMPARE(QString::fromUtf8(first.child("w:t").text().get()), QStringLiteral("Li"));
    const pugi::xml_node second = first.next_sibling("w:r");
    QVERIFY(second.child("w:rPr").child("w:b"));
    QCOMPARE(QString::fromUtf8(second.child("w:t").text().get()), QStringLiteral(" x"));
    // The blank that begins the bold rest survives the reading of the file.
    QCOMPARE(QString::fromUtf8(second.child("w:t").attribute("xml:space").value()),
             QStringLiteral("preserve"));
    QVERIFY(!package.find(QStringLiteral("word/document.xml"))->contains("quorin"));
}

void TestDocxTemplate::hiddenOrDeletedTextIsNotAPlaceholder_data()
{
    QTest::addColumn<QString>("body");
    QTest::newRow("deleted revision") << QStringLiteral(
        "<w:p><w:del w:id=\"1\" "
        "w:author=\"a\"><w:r><w:delText>[AUTHOR]</w:delText></w:r></w:del></w:p>");
    QTest::newRow("tab inside") << QStringLiteral(
        "<w:p><w:r><w:t>[AUT</w:t><w:tab/><w:t>HOR]</w:t></w:r></w:p>");
    QTest::newRow("picture inside") << QStringLiteral(
        "<w:p><w:r><w:t>[AUT</w:t></w:r><w:r><w:drawing/></w:r><w:r><w:t>HOR]</w:t></w:r></w:p>");
    QTest::newRow("over two paragraphs")
        << testing::paragraph(QStringLiteral("[AUT")) + testing::paragraph(QStringLiteral("HOR]"));
}

void TestDocxTemplate::hiddenOrDeletedTextIsNotAPlaceholder()
{
    QFETCH(QString, body);
    OPEN_TEMPLATE(document, testing::wordTemplate(body));
    QVERIFY(!document.find(QStringLiteral("[AUTHOR]"), document.body()));
}

void TestDocxTemplate::insertedTextIsNeverFoundAgain()
{
    // An author who calls himself "[MARK]" must not receive the question's mark, nor a
    // question that quotes "[OPTION]" end the block.
    OPEN_TEMPLATE(document,
                  testing::wordTemplate(testing::paragraph(QStringLiteral("[AUTHOR] [QUESTION]"))));
    document.replace(*document.find(QStringLiteral("[AUTHOR]"), document.body()),
                     QStringLiteral("[MARK]"));
    QVERIFY(!document.find(QStringLiteral("[MARK]"), document.body()));
    document.replace(*document.find(QStringLiteral("[QUESTION]"), document.body()),
                     textContent(QStringLiteral("see [OPTION]")));
    QVERIFY(!document.find(QStringLiteral("[OPTION]"), document.body()));
    QCOMPARE(document.paragraphTexts(), QStringList{QStringLiteral("[MARK] see [OPTION]")});
}

void TestDocxTemplate::findFromParagraphStart()
{
    OPEN_TEMPLATE(document, testing::wordTemplate(
                                testing::paragraph(QStringLiteral("[MARK] first")) +
                                testing::paragraph(QStringLiteral("[MARK] then [QUESTION No]")) +
                                testing::paragraph(QStringLiteral("[MARK] last"))));
    const std::optional<office::Placement> number =
        document.find(QStringLiteral("[QUESTION No]"), document.body());
    QVERIFY(number);
    // From the start of the number's paragraph, as Home then Find does in a word processor.
    const std::optional<office::Placement> mark =
        document.find(QStringLiteral("[MARK]"), document.body(), &*number);
    QVERIFY(mark);
    QCOMPARE(mark->paragraph, number->paragraph);
    QCOMPARE(mark->start, 0);
}

void TestDocxTemplate::blockContentKeepsTextAround_data()
{
    QTest::addColumn<QString>("runs");
    QTest::addColumn<QString>("content");
    QTest::addColumn<QStringList>("expected");

    const QString one = QStringLiteral("What is 7 x 8?");
    const QString two = QStringLiteral("What is 7 x 8?\nA. 56");
    QTest::newRow("alone, one paragraph")
        << QStringLiteral("[QUESTION]") << one << QStringList{QStringLiteral("What is 7 x 8?")};
    QTest::newRow("alone, two paragraphs")
        << QStringLiteral("[QUESTION]") << two
        << QStringList{QStringLiteral("What is 7 x 8?"), QStringLiteral("A. 56")};
    QTest::newRow("text before") << QStringLiteral("Q: |[QUESTION]") << two
                                 << QStringList{QStringLiteral("Q: What is 7 x 8?"),
                                                QStringLiteral("A. 56")};
    QTest::newRow("text after") << QStringLiteral("[QUES|TION] (5)") << two
                                << QStringList{QStringLiteral("What is 7 x 8?"),
                                               QStringLiteral("A. 56 (5)")};
    QTest::newRow("text on both sides, one paragraph")
        << QStringLiteral("Q: [QUESTION] (5)") << one
        << QStringList{QStringLiteral("Q: What is 7 x 8? (5)")};
    QTest::newRow("empty content")
        << QStringLiteral("Q: [QUESTION]|!") << QString() << QStringList{QStringLiteral("Q: !")};
}

void TestDocxTemplate::blockContentKeepsTextAround()
{
    QFETCH(QString, runs);
    QFETCH(QString, content);
    QFETCH(QStringList, expected);
    OPEN_TEMPLATE(document, testing::wordTemplate(testing::paragraph(QStringLiteral("before")) +
                                                  testing::paragraph(runs) +
                                                  testing::paragraph(QStringLiteral("after"))));
    WordContent blocks;
    if (!content.isEmpty())
        blocks.appendText(content);
    document.replace(*document.find(QStringLiteral("[QUESTION]"), document.body()), blocks);
    expected.prepend(QStringLiteral("before"));
    expected.append(QStringLiteral("after"));
    WRITE_DOCUMENT(docx, document);
    QCOMPARE(testing::docxParagraphs(docx), expected);
}

void TestDocxTemplate::blockContentTakesParagraphStyle()
{
    OPEN_TEMPLATE(document, testing::wordTemplate(QStringLiteral(
                                "<w:p><w:pPr><w:pStyle w:val=\"QuestionText\"/></w:pPr>"
                                "<w:r><w:t>[QUESTION]</w:t></w:r></w:p>")));
    document.replace(*document.find(QStringLiteral("[QUESTION]"), document.body()),
                     textContent(QStringLiteral("one\ntwo")));
    WRITE_DOCUMENT(docx, document);
    const office::Package package = testing::parts(docx);
    const auto xml = testing::xmlPart(package, QStringLiteral("word/document.xml"));
    int styled = 0;
    for (pugi::xml_node p : xml->document_element().child("w:body").children("w:p")) {
        QCOMPARE(QString::fromUtf8(p.child("w:pPr").first_child().name()),
                 QStringLiteral("w:pStyle"));
        styled +=
            QLatin1StringView(p.child("w:pPr").child("w:pStyle").attribute("w:val").value()) ==
            u"QuestionText";
    }
    QCOMPARE(styled, 2);
}

void TestDocxTemplate::tableContentIsFollowedByParagraph()
{
    // A question ending in a table inside a table cell: the cell must still end in a
    // paragraph, and in the body the next block must not run into the table.
    const QByteArray rtf =
        "{\\rtf1\\ansi\\trowd\\cellx2000\\cellx4000\\intbl a\\cell b\\cell\\row}";
    for (const bool inCell : {false, true}) {
        const QString placeholder = testing::paragraph(QStringLiteral("[QUESTION]"));
        const QString body =
            inCell ? QStringLiteral("<w:tbl><w:tr><w:tc>%1</w:tc></w:tr></w:tbl>").arg(placeholder)
                   : placeholder;
        OPEN_TEMPLATE(document, testing::wordTemplate(body));
        WordContent content;
        content.appendRtf(rtf);
        document.replace(*document.find(QStringLiteral("[QUESTION]"), document.body()), content);
        WRITE_DOCUMENT(docx, document);
        const office::Package package = testing::parts(docx);
        const auto xml = testing::xmlPart(package, QStringLiteral("word/document.xml"));
        pugi::xml_node container = xml->document_element().child("w:body");
        if (inCell)
            container = container.child("w:tbl").child("w:tr").child("w:tc");
        pugi::xml_node last = container.last_child();
        if (QLatin1StringView(last.name()) == u"w:sectPr")
            last = last.previous_sibling();
        QCOMPARE(QString::fromUtf8(last.name()), QStringLiteral("w:p"));
        QCOMPARE(QString::fromUtf8(last.previous_sibling().name()), QStringLiteral("w:tbl"));
    }
}

void TestDocxTemplate::repeatCopiesBlockOnce()
{
    const QString block =
        QStringLiteral(
            "<w:p w14:paraId=\"1A2B3C4D\"><w:bookmarkStart w:id=\"0\" w:name=\"_GoBack\"/>"
            "<w:r><w:t xml:space=\"preserve\">No [QUESTION No] </w:t></w:r>"
            "<w:bookmarkEnd w:id=\"0\"/></w:p>") +
        testing::paragraph(QStringLiteral("[QUESTION]")) +
        QStringLiteral("<w:p><w:pPr><w:sectPr><w:type w:val=\"nextPage\"/></w:sectPr></w:pPr>"
                       "<w:r><w:t>[OPTION]</w:t></w:r></w:p>");
    OPEN_TEMPLATE(document,
                  testing::wordTemplate(testing::paragraph(QStringLiteral("head")) + block +
                                        testing::paragraph(QStringLiteral("tail"))));
    const auto first = document.find(QStringLiteral("[QUESTION No]"), document.body());
    const auto last = document.find(QStringLiteral("[OPTION]"), document.body(), &*first);
    const std::optional<office::BlockRange> range = document.blockBetween(*first, *last);
    QVERIFY(range);
    const QList<office::BlockRange> copies = document.repeat(*range, 3);
    QCOMPARE(copies.size(), 3);
    for (int q = 1; q <= 3; ++q) {
        const auto number = document.find(QStringLiteral("[QUESTION No]"), copies.at(q - 1));
        QVERIFY(number);
        document.replace(*number, QString::number(q));
        // Nothing of a copy lies outside it.
        QVERIFY(!document.find(QStringLiteral("[QUESTION No]"), copies.at(q - 1)));
    }
    WRITE_DOCUMENT(docx, document);
    QCOMPARE(testing::docxParagraphs(docx),
             (QStringList{
                 QStringLiteral("head"), QStringLiteral("No 1 "), QStringLiteral("[QUESTION]"),
                 QStringLiteral("[OPTION]"), QStringLiteral("No 2 "), QStringLiteral("[QUESTION]"),
                 QStringLiteral("[OPTION]"), QStringLiteral("No 3 "), QStringLiteral("[QUESTION]"),
                 QStringLiteral("[OPTION]"), QStringLiteral("tail")}));
    const QByteArray xml = *testing::parts(docx).find(QStringLiteral("word/document.xml"));
    QCOMPARE(xml.count("w:bookmarkStart"), 1);
    QCOMPARE(xml.count("w14:paraId"), 1);
    // The section that ended in the block ends once, after its last copy.
    QCOMPARE(xml.count("<w:sectPr>"), 2);
    QVERIFY(xml.indexOf("<w:sectPr>") > xml.lastIndexOf("No 3"));
    QVERIFY(!xml.contains("<?"
                          "quorin"));
}

void TestDocxTemplate::repeatInTableCell()
{
    const QString cell = testing::paragraph(QStringLiteral("[ANSWER No]. [OP]"));
    OPEN_TEMPLATE(document,
                  testing::wordTemplate(
                      QStringLiteral("<w:tbl><w:tr><w:tc>%1</w:tc><w:tc>%2</w:tc></w:tr></w:tbl>")
                          .arg(cell, testing::paragraph(QStringLiteral("right")))));
    const auto key = document.find(QStringLiteral("[ANSWER No]"), document.body());
    const QList<office::BlockRange> lines = document.repeat(document.paragraphOf(*key), 2);
    for (int q = 1; q <= 2; ++q) {
        document.replace(*document.find(QStringLiteral("[ANSWER No]"), lines.at(q - 1)),
                         QString::number(q));
        document.replace(*document.find(QStringLiteral("[OP]"), lines.at(q - 1)),
                         QStringLiteral("13"));
    }
    WRITE_DOCUMENT(docx, document);
    QCOMPARE(
        testing::docxParagraphs(docx),
        (QStringList{QStringLiteral("1. 13"), QStringLiteral("2. 13"), QStringLiteral("right")}));
}

void TestDocxTemplate::blockBetweenNeedsOrder()
{
    OPEN_TEMPLATE(document,
                  testing::wordTemplate(testing::paragraph(QStringLiteral("[OPTION]")) +
                                        testing::paragraph(QStringLiteral("[QUESTION No]"))));
    const auto first = document.find(QStringLiteral("[QUESTION No]"), document.body());
    const auto last = document.find(QStringLiteral("[OPTION]"), document.body());
    QVERIFY(!document.blockBetween(*first, *last));
    QVERIFY(document.repeat(office::BlockRange{}, 0).isEmpty());
}

void TestDocxTemplate::picturesAreConsistentParts()
{
    // A header that already holds drawing 7, and a block with a drawing of its own
    // that is copied: every drawing id in the document ends up unique.
    const QByteArray header =
        "<w:hdr xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\" "
        "xmlns:wp=\"http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing\">"
        "<w:p><w:r><w:drawing><wp:inline><wp:docPr id=\"7\" "
        "name=\"logo\"/></wp:inline></w:drawing></w:r></w:p></w:hdr>";
    const QString drawing = QStringLiteral(
        "<w:p><w:r><w:drawing><wp:inline "
        "xmlns:wp=\"http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing\">"
        "<wp:docPr id=\"1\" "
        "name=\"line\"/></wp:inline></w:drawing></w:r><w:r><w:t>[QUESTION]</w:t></w:r></w:p>");
    OPEN_TEMPLATE(document,
                  testing::wordTemplate(drawing, {{QStringLiteral("word/header1.xml"), header}}));
    const auto block = document.find(QStringLiteral("[QUESTION]"), document.body());
    const QList<office::BlockRange> copies = document.repeat(document.paragraphOf(*block), 3);

    const QByteArray png = testing::pngBytes(4, 3);
    const QByteArray rtf = "{\\rtf1\\ansi {\\pict\\pngblip\\picwgoal600\\pichgoal450 " +
                           png.toHex() + "} and {\\pict\\pngblip " +
                           testing::pngBytes(2, 2).toHex() + "}\\par}";
    for (const office::BlockRange &copy : copies) {
        WordContent content;
        content.appendRtf(rtf);
        QCOMPARE(content.pictures().size(), 2);
        document.replace(*document.find(QStringLiteral("[QUESTION]"), copy), content);
    }
    WRITE_DOCUMENT(docx, document);
    const office::Package package = testing::parts(docx);

    // The same two pictures in three questions: two media parts, two relationships.
    QStringList media;
    for (const QString &name : package.names()) {
        if (name.startsWith(u"word/media/"))
            media.append(name);
    }
    QCOMPARE(media.size(), 2);
    QVERIFY(package.find(media.first())->startsWith("\x89PNG"));
    const auto rels = testing::xmlPart(package, QStringLiteral("word/_rels/document.xml.rels"));
    QSet<QString> targets;
    for (pugi::xml_node r : rels->document_element().children("Relationship"))
        targets.insert(QStringLiteral("word/") + QString::fromUtf8(r.attribute("Target").value()));
    for (const QString &name : media)
        QVERIFY2(targets.contains(name), qPrintable(name));
    const auto types = testing::xmlPart(package, QStringLiteral("[Content_Types].xml"));
    QVERIFY(types->document_element().find_child_by_attribute("Default", "Extension", "png"));

    const QString xml = QString::fromUtf8(*package.find(QStringLiteral("word/document.xml")));
    QSet<QString> embeds;
    static const QRegularExpression embed(QStringLiteral("r:embed=\"([^\"]+)\""));
    for (const QRegularExpressionMatch &m : embed.globalMatch(xml))
        embeds.insert(m.captured(1));
    QCOMPARE(embeds.size(), 2);
    for (const QString &id : embeds)
        QVERIFY(rels->document_element().find_child_by_attribute("Relationship", "Id",
                                                                 id.toUtf8().constData()));
    QList<int> ids;
    static const QRegularExpression docPr(QStringLiteral("docPr id=\"(\\d+)\""));
    for (const QRegularExpressionMatch &m : docPr.globalMatch(xml))
        ids.append(m.captured(1).toInt());
    QCOMPARE(ids.size(), 3 + 6);
    QCOMPARE(QSet<int>(ids.cbegin(), ids.cend()).size(), ids.size());
    QVERIFY(!ids.contains(7));
}

void TestDocxTemplate::writesDocumentNotTemplate()
{
    OPEN_TEMPLATE(document, testing::wordTemplate(testing::paragraph(QStringLiteral("x"))));
    WRITE_DOCUMENT(docx, document);
    const office::Package package = testing::parts(docx);
    const auto types = testing::xmlPart(package, QStringLiteral("[Content_Types].xml"));
    const pugi::xml_node main = types->document_element().find_child_by_attribute(
        "Override", "PartName", "/word/document.xml");
    QCOMPARE(
        QString::fromUtf8(main.attribute("ContentType").value()),
        QStringLiteral(
            "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml"));
    QCOMPARE(package.names().first(), QStringLiteral("[Content_Types].xml"));
}

void TestDocxTemplate::libreOfficeTemplate()
{
    office::Result<DocxTemplate> opened =
        DocxTemplate::open(QStringLiteral(QUORIN_TEST_DATA "/office/lo_paper.dotx"));
    QVERIFY2(opened, qPrintable(opened.reason()));
    for (const char *mark :
         {"[PAPER NAME]", "[AUTHOR]", "[TESTTIME]", "[QUESTION_COUNT]", "[FULLMARK]",
          "[QUESTION No]", "[MARK]", "[QUESTION]", "[OPTION]", "[ANSWER No]", "[OP]"})
        QVERIFY2(opened->find(QLatin1StringView(mark), opened->body()), mark);
    QVERIFY(opened->textWidth() > 0);
}

void TestDocxTemplate::hostileTemplates_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");

    const QString body = testing::paragraph(QStringLiteral("[AUTHOR]"));
    const QByteArray good = testing::wordTemplate(body);
    QTest::newRow("empty") << QByteArray() << QStringLiteral("not a zip");
    QTest::newRow("a text file") << QByteArray("[AUTHOR] and more") << QStringLiteral("not a zip");
    QTest::newRow("cut off") << good.left(good.size() / 2) << QStringLiteral("damaged");
    QTest::newRow("zip of something else")
        << zipWith(QStringLiteral("readme.txt"), "hello") << QStringLiteral("content types");
    // 20 MB of zeros pack into a few kilobytes.
    QTest::newRow("zip bomb") << zipWith(QStringLiteral("word/document.xml"),
                                         QByteArray(20 << 20, '\0'))
                              << QStringLiteral("larger than");
    QTest::newRow("macros")
        << testing::wordTemplate(
               body, {},
               QStringLiteral("application/vnd.ms-word.template.macroEnabledTemplate.main+xml"))
        << QStringLiteral("macros");
    QTest::newRow("spreadsheet")
        << testing::wordTemplate(
               body, {},
               QStringLiteral(
                   "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"))
        << QStringLiteral("not a Word");
    QByteArray broken =
        testing::wordTemplate(QStringLiteral("<w:p><w:r><w:t>[AUTHOR]</w:r></w:p>"));
    QTest::newRow("malformed XML") << broken << QStringLiteral("not well-formed");
    QTest::newRow("nested too deeply")
        << testing::wordTemplate(QStringLiteral("<w:sdt><w:sdtContent>").repeated(200) + body +
                                 QStringLiteral("</w:sdtContent></w:sdt>").repeated(200))
        << QStringLiteral("nested too deeply");
}

void TestDocxTemplate::hostileTemplates()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    office::PackageLimits limits;
    limits.maxPartSize = 8 << 20;
    const office::Result<DocxTemplate> opened = DocxTemplate::fromBytes(bytes, limits);
    QVERIFY(!opened);
    QVERIFY2(opened.reason().contains(reason, Qt::CaseInsensitive), qPrintable(opened.reason()));
}

QTEST_GUILESS_MAIN(TestDocxTemplate)
#include "tst_docx_template.moc"
