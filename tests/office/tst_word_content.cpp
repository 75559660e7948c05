// Rich text into WordprocessingML: formats, East Asian fonts, paragraphs, tables and
// pictures of real documents, and documents that are damaged or made to hurt.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "office_fixtures.h"
#include "test_files.h"

#include "office/word_content.h"

#include <QBuffer>
#include <QImage>
#include <QTest>
#include <QtEndian>
#include <cstring>

using office::WordContent;

namespace {

QByteArray fixture(const QString &name)
{
    return testing::readBytes(QStringLiteral(QUORIN_TEST_DATA "/richtext/") + name);
}

// The first run whose text is `text`, or the first run when `text` is empty.
pugi::xml_node runOf(const WordContent &content, const char *text)
{
    for (pugi::xpath_node node : content.blocks().select_nodes(".//w:r")) {
        const pugi::xml_node run = node.node();
        if (!*text || std::strcmp(run.child("w:t").text().get(), text) == 0)
            return run;
    }
    return {};
}

QStringList paragraphTexts(const WordContent &content)
{
    QStringList texts;
    for (pugi::xml_node p : content.blocks().children("w:p")) {
        QString text;
        for (pugi::xpath_node node : p.select_nodes(".//*")) {
            const char *name = node.node().name();
            if (std::strcmp(name, "w:t") == 0)
                text += QString::fromUtf8(node.node().text().get());
            else if (std::strcmp(name, "w:tab") == 0)
                text += u'\t';
            else if (std::strcmp(name, "w:br") == 0)
                text += u'\n';
        }
        texts.append(text);
    }
    return texts;
}

QByteArray rtf(const QByteArray &body)
{
    return "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\froman Times New Roman;}{\\f1\\fswiss Arial;}}"
           "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}" +
           body + "}";
}

QByteArray dibBytes()
{
    // A 2 x 2, 24-bit BITMAPINFOHEADER and its bits.
    QByteArray dib(40, '\0');
    qToLittleEndian<quint32>(40, dib.data());
    qToLittleEndian<qint32>(2, dib.data() + 4);
    qToLittleEndian<qint32>(2, dib.data() + 8);
    qToLittleEndian<quint16>(1, dib.data() + 12);
    qToLittleEndian<quint16>(24, dib.data() + 14);
    dib += QByteArray(16, '\x40');
    return dib;
}

} // namespace

class TestWordContent : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void runFormats_data();
    void runFormats();
    void chineseTextKeepsEastAsianFont();
    void paragraphs();
    void tableGridFollowsCellEdges();
    void pictures_data();
    void pictures();
    void widePictureShrinksToPage();
    void samePictureOnce();
    void metafilesOfBitmapsArePng_data();
    void metafilesOfBitmapsArePng();
    void drawingMetafileStaysMetafile();
    void plainTextFile();
    void damagedDocuments_data();
    void damagedDocuments();
};

void TestWordContent::runFormats_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("value");

    QTest::newRow("bold") << QByteArray("x {\\b word}") << QStringLiteral("w:b") << QString();
    QTest::newRow("italic") << QByteArray("x {\\i word}") << QStringLiteral("w:i") << QString();
    QTest::newRow("underline") << QByteArray("x {\\ul word}") << QStringLiteral("w:u")
                               << QStringLiteral("single");
    QTest::newRow("strike") << QByteArray("x {\\strike word}") << QStringLiteral("w:strike")
                            << QString();
    QTest::newRow("superscript") << QByteArray("x {\\super word}") << QStringLiteral("w:vertAlign")
                                 << QStringLiteral("superscript");
    QTest::newRow("subscript") << QByteArray("x {\\sub word}") << QStringLiteral("w:vertAlign")
                               << QStringLiteral("subscript");
    QTest::newRow("colour") << QByteArray("x {\\cf1 word}") << QStringLiteral("w:color")
                            << QStringLiteral("FF0000");
    QTest::newRow("size") << QByteArray("x {\\fs36 word}") << QStringLiteral("w:sz")
                          << QStringLiteral("36");
    QTest::newRow("highlight") << QByteArray("x {\\cb2 word}") << QStringLiteral("w:shd")
                               << QStringLiteral("0000FF");
}

void TestWordContent::runFormats()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, element);
    QFETCH(QString, value);
    WordContent content;
    content.appendRtf(rtf(body + "\\par"));
    const pugi::xml_node word = runOf(content, "word");
    QVERIFY(word);
    const pugi::xml_node property = word.child("w:rPr").child(element.toUtf8().constData());
    QVERIFY2(property, qPrintable(element));
    if (!value.isEmpty()) {
        const char *attribute = element == u"w:shd" ? "w:fill" : "w:val";
        QCOMPARE(QString::fromUtf8(property.attribute(attribute).value()), value);
    }
    // The plain text before it has none of it.
    QVERIFY(!runOf(content, "x ").child("w:rPr").child(element.toUtf8().constData()) ||
            element == u"w:sz");
}

void TestWordContent::chineseTextKeepsEastAsianFont()
{
    WordContent content;
    content.appendRtf(fixture(QStringLiteral("wordpad_gbk.rtf")));
    QCOMPARE(paragraphTexts(content).first(), QStringLiteral("下列哪个是质数？"));
    const pugi::xml_node fonts = runOf(content, "").child("w:rPr").child("w:rFonts");
    QCOMPARE(QString::fromUtf8(fonts.attribute("w:eastAsia").value()), QStringLiteral("宋体"));
    QCOMPARE(QString::fromUtf8(fonts.attribute("w:hint").value()), QStringLiteral("eastAsia"));
    // A Latin font keeps Chinese text out of it.
    const pugi::xml_node latin = runOf(content, "A. 21").child("w:rPr").child("w:rFonts");
    QCOMPARE(QString::fromUtf8(latin.attribute("w:ascii").value()), QStringLiteral("Arial"));
    QVERIFY(!latin.attribute("w:eastAsia"));
}

void TestWordContent::paragraphs()
{
    WordContent content;
    content.appendRtf(rtf("\\pard\\qc centred\\par\\pard\\qj\\li720\\fi-360\\sa200 just\\par"
                          "\\pard a\\tab b\\line c\\par\\pard\\qr\\par last"));
    QCOMPARE(paragraphTexts(content),
             (QStringList{QStringLiteral("centred"), QStringLiteral("just"),
                          QStringLiteral("a\tb\nc"), QString(), QStringLiteral("last")}));
    const QList<pugi::xml_node> p = [&] {
        QList<pugi::xml_node> list;
        for (pugi::xml_node node : content.blocks().children("w:p"))
            list.append(node);
        return list;
    }();
    QCOMPARE(QString::fromUtf8(p[0].child("w:pPr").child("w:jc").attribute("w:val").value()),
             QStringLiteral("center"));
    const pugi::xml_node second = p[1].child("w:pPr");
    QCOMPARE(QString::fromUtf8(second.child("w:jc").attribute("w:val").value()),
             QStringLiteral("both"));
    QCOMPARE(second.child("w:ind").attribute("w:left").as_int(), 720);
    QCOMPARE(second.child("w:ind").attribute("w:hanging").as_int(), 360);
    QCOMPARE(second.child("w:spacing").attribute("w:after").as_int(), 200);
    // Schema order: spacing, ind, jc.
    QCOMPARE(QString::fromUtf8(second.first_child().name()), QStringLiteral("w:spacing"));
    QCOMPARE(QString::fromUtf8(second.last_child().name()), QStringLiteral("w:jc"));
    // An empty paragraph keeps the size of its line.
    QVERIFY(p[3].child("w:pPr").child("w:rPr").child("w:sz"));
}

void TestWordContent::tableGridFollowsCellEdges()
{
    WordContent content;
    content.appendRtf(rtf("before\\par"
                          "\\trowd\\cellx2000\\cellx5000\\intbl a\\cell b\\cell\\row"
                          "\\trowd\\cellx5000\\intbl wide\\cell\\row"
                          "\\pard after\\par"));
    const pugi::xml_node table = content.blocks().child("w:tbl");
    QVERIFY(table);
    QCOMPARE(QString::fromUtf8(table.previous_sibling().name()), QStringLiteral("w:p"));
    QCOMPARE(QString::fromUtf8(table.next_sibling().name()), QStringLiteral("w:p"));
    QList<int> grid;
    for (pugi::xml_node column : table.child("w:tblGrid").children("w:gridCol"))
        grid.append(column.attribute("w:w").as_int());
    QCOMPARE(grid, (QList<int>{2000, 3000}));
    const pugi::xml_node second = table.child("w:tr").next_sibling("w:tr");
    QCOMPARE(second.child("w:tc").child("w:tcPr").child("w:gridSpan").attribute("w:val").as_int(),
             2);
    QCOMPARE(second.child("w:tc").child("w:tcPr").child("w:tcW").attribute("w:w").as_int(), 5000);
    for (pugi::xpath_node cell : table.select_nodes(".//w:tc"))
        QVERIFY(cell.node().child("w:p"));
}

void TestWordContent::pictures_data()
{
    QTest::addColumn<QByteArray>("picture");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QByteArray>("signature");
    QTest::addColumn<qint64>("width");

    const QByteArray png = testing::pngBytes(40, 20);
    QTest::newRow("PNG as it is, at its goal size")
        << QByteArray("\\pngblip\\picwgoal1500\\pichgoal750 " + png.toHex())
        << QStringLiteral("png") << png.left(16) << qint64(100 * WordContent::emuPerPixel);
    QTest::newRow("PNG at its pixel size")
        << QByteArray("\\pngblip " + png.toHex()) << QStringLiteral("png") << png.left(16)
        << qint64(40 * WordContent::emuPerPixel);
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG");
    QTest::newRow("JPEG as it is")
        << QByteArray("\\jpegblip " + jpeg.toHex()) << QStringLiteral("jpeg") << jpeg.left(16)
        << qint64(8 * WordContent::emuPerPixel);
    QTest::newRow("device-independent bitmap as PNG")
        << QByteArray("\\dibitmap0\\picw2\\pich2 " + dibBytes().toHex()) << QStringLiteral("png")
        << QByteArray("\x89PNG") << qint64(2 * WordContent::emuPerPixel);
}

void TestWordContent::pictures()
{
    QFETCH(QByteArray, picture);
    QFETCH(QString, extension);
    QFETCH(QByteArray, signature);
    QFETCH(qint64, width);
    WordContent content;
    content.appendRtf(rtf("see {\\pict" + picture + "} here\\par"));
    QCOMPARE(content.pictures().size(), 1);
    QCOMPARE(content.pictures().first().extension, extension);
    QVERIFY(content.pictures().first().data.startsWith(signature));
    const pugi::xml_node extent = content.blocks().select_node(".//wp:extent").node();
    QCOMPARE(qint64(extent.attribute("cx").as_llong()), width);
    const pugi::xml_node blip = content.blocks().select_node(".//a:blip").node();
    QCOMPARE(WordContent::pictureIndex(blip.attribute("r:embed").value()), 0);
    QCOMPARE(paragraphTexts(content), QStringList{QStringLiteral("see  here")});
}

void TestWordContent::widePictureShrinksToPage()
{
    WordContent content;
    content.setMaxPictureWidth(100 * WordContent::emuPerPixel);
    content.appendRtf(rtf("{\\pict\\pngblip " + testing::pngBytes(400, 200).toHex() + "}\\par"));
    const pugi::xml_node extent = content.blocks().select_node(".//wp:extent").node();
    QCOMPARE(qint64(extent.attribute("cx").as_llong()), 100 * WordContent::emuPerPixel);
    QCOMPARE(qint64(extent.attribute("cy").as_llong()), 50 * WordContent::emuPerPixel);
}

void TestWordContent::samePictureOnce()
{
    const QByteArray picture = "{\\pict\\pngblip " + testing::pngBytes(5, 5).toHex() + "}";
    WordContent content;
    content.appendRtf(rtf(picture + picture + "\\par"));
    content.appendRtf(rtf(picture + "\\par"));
    QCOMPARE(content.pictures().size(), 1);
    QCOMPARE(content.blocks().select_nodes(".//a:blip").size(), size_t(3));
}

void TestWordContent::metafilesOfBitmapsArePng_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("WordPad metafile") << QStringLiteral("wordpad_wmf.rtf");
    QTest::newRow("Word enhanced metafile") << QStringLiteral("word_emf.rtf");
}

void TestWordContent::metafilesOfBitmapsArePng()
{
    // The bitmap they draw is what the question shows on screen, and every program
    // draws a PNG.
    QFETCH(QString, name);
    WordContent content;
    content.appendRtf(fixture(name));
    QCOMPARE(content.pictures().size(), 1);
    QCOMPARE(content.pictures().first().extension, QStringLiteral("png"));
    QVERIFY(content.pictures().first().data.startsWith("\x89PNG"));
}

void TestWordContent::drawingMetafileStaysMetafile()
{
    // A metafile that draws lines only (an equation, a sketch): window origin (0, 0),
    // extent 2000 x 1000, one line, end.
    QByteArray wmf(18, '\0');
    qToLittleEndian<quint16>(1, wmf.data());
    qToLittleEndian<quint16>(9, wmf.data() + 2);
    qToLittleEndian<quint16>(0x0300, wmf.data() + 4);
    const auto record = [&](quint16 function, std::initializer_list<qint16> parameters) {
        QByteArray r(6 + 2 * int(parameters.size()), '\0');
        qToLittleEndian<quint32>(quint32(r.size() / 2), r.data());
        qToLittleEndian<quint16>(function, r.data() + 4);
        int at = 6;
        for (qint16 p : parameters) {
            qToLittleEndian<qint16>(p, r.data() + at);
            at += 2;
        }
        wmf += r;
    };
    record(0x020B, {0, 0});
    record(0x020C, {1000, 2000});
    record(0x0213, {900, 1900});
    record(0, {});
    WordContent content;
    content.appendRtf(rtf("{\\pict\\wmetafile8\\picw2000\\pich1000\\picwgoal1200\\pichgoal600 " +
                          wmf.toHex() + "}\\par"));
    QCOMPARE(content.pictures().size(), 1);
    const QByteArray file = content.pictures().first().data;
    QCOMPARE(content.pictures().first().contentType, QStringLiteral("image/x-wmf"));
    QCOMPARE(qFromLittleEndian<quint32>(file.constData()), 0x9AC6CDD7u);
    // The bounds are the window the metafile sets.
    QCOMPARE(qFromLittleEndian<qint16>(file.constData() + 6), qint16(0));
    QCOMPARE(qFromLittleEndian<qint16>(file.constData() + 10), qint16(2000));
    QCOMPARE(qFromLittleEndian<qint16>(file.constData() + 12), qint16(1000));
    quint16 checksum = 0;
    for (int i = 0; i < 10; ++i)
        checksum ^= qFromLittleEndian<quint16>(file.constData() + 2 * i);
    QCOMPARE(qFromLittleEndian<quint16>(file.constData() + 20), checksum);
    QCOMPARE(file.mid(22), wmf);
    // The goal size of the RTF: 1200 x 600 twips.
    const pugi::xml_node extent = content.blocks().select_node(".//wp:extent").node();
    QCOMPARE(qint64(extent.attribute("cx").as_llong()), 80 * WordContent::emuPerPixel);
    // A file that has the header already keeps it as it is.
    QCOMPARE(office::placeableMetafile(file), file);
}

void TestWordContent::plainTextFile()
{
    WordContent content;
    content.appendRtf(QByteArray("\xEF\xBB\xBF") + QStringLiteral("第一行\r\nsecond").toUtf8());
    QCOMPARE(paragraphTexts(content),
             (QStringList{QStringLiteral("第一行"), QStringLiteral("second")}));
}

void TestWordContent::damagedDocuments_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("cut off in a table") << QByteArray("{\\rtf1\\ansi\\trowd\\cellx100 a\\cell b");
    QTest::newRow("cell outside a row") << QByteArray("{\\rtf1\\ansi a\\cell b\\row c\\par}");
    QTest::newRow("unbalanced") << QByteArray("{\\rtf1{{{{\\b x}");
    QTest::newRow("control characters") << QByteArray("{\\rtf1\\ansi a\\'01\\'02\\u1? b}");
    QTest::newRow("damaged picture") << QByteArray("{\\rtf1{\\pict\\dibitmap0 ffff}\\par}");
    QByteArray wide = "{\\rtf1\\trowd";
    for (int i = 1; i <= 200; ++i)
        wide += "\\cellx" + QByteArray::number(i * 10);
    for (int i = 0; i < 200; ++i)
        wide += " x\\cell";
    QTest::newRow("two hundred columns") << wide + "\\row}";
}

void TestWordContent::damagedDocuments()
{
    QFETCH(QByteArray, bytes);
    WordContent content;
    content.appendRtf(bytes);
    // Whatever was read is well-formed: every cell has a paragraph, no row is empty.
    for (pugi::xpath_node cell : content.blocks().select_nodes(".//w:tc"))
        QVERIFY(cell.node().child("w:p"));
    for (pugi::xpath_node row : content.blocks().select_nodes(".//w:tr"))
        QVERIFY(row.node().child("w:tc"));
    for (pugi::xpath_node table : content.blocks().select_nodes(".//w:tbl"))
        QVERIFY(table.node().child("w:tr").select_nodes("w:tc").size() <= 63);
    for (pugi::xpath_node t : content.blocks().select_nodes(".//w:t")) {
        for (const char *c = t.node().text().get(); *c; ++c)
            QVERIFY(static_cast<unsigned char>(*c) >= 0x20 || *c == '\t' || *c == '\n');
    }
}

QTEST_GUILESS_MAIN(TestWordContent)
#include "tst_word_content.moc"
