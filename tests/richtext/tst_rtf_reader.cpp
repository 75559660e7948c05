// Tests of reading RTF: real files from LibreOffice and WordPad, code pages, Unicode,
// destinations, pictures, and files that are damaged or made to hurt.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "rtf_fixtures.h"

#include "richtext/picture.h"
#include "richtext/picture_decoder.h"
#include "richtext/plain_text.h"
#include "richtext/rtf_reader.h"
#include "richtext/rtf_table.h"

#include <cstring>

#include <QTest>
#include <QTextTable>
#include <QUrl>

using richtext::ReadStatus;

class TestRtfReader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void textEqualsLibreOffice_data();
    void textEqualsLibreOffice();
    void libreOfficeFormats_data();
    void libreOfficeFormats();
    void libreOfficeParagraphs();
    void libreOfficePicturesAndTable();
    void wordPadFontNamesInGbk();
    void metafilesWrappingBitmaps_data();
    void metafilesWrappingBitmaps();
    void text_data();
    void text();
    void pictureDestinations_data();
    void pictureDestinations();
    void otherMetafileIsFrame();
    void notRtfIsPlainText_data();
    void notRtfIsPlainText();
    void hostile_data();
    void hostile();
    void truncatedAnywhere();
    void tableCellsAreBounded();
};

void TestRtfReader::textEqualsLibreOffice_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("LibreOffice formats") << QStringLiteral("lo_formats.rtf");
    QTest::newRow("LibreOffice pictures and table") << QStringLiteral("lo_pictures.rtf");
    QTest::newRow("WordPad code page 936") << QStringLiteral("wordpad_gbk.rtf");
    QTest::newRow("WordPad metafile") << QStringLiteral("wordpad_wmf.rtf");
    QTest::newRow("Word enhanced metafile") << QStringLiteral("word_emf.rtf");
}

void TestRtfReader::textEqualsLibreOffice()
{
    QFETCH(QString, name);
    const QByteArray rtf = fixtures::bytes(name);
    QVERIFY(!rtf.isEmpty());
    ReadStatus status;
    const auto document = fixtures::read(rtf, &status);
    QCOMPARE(status, ReadStatus::Ok);
    QCOMPARE(richtext::plainText(*document), fixtures::libreOfficeText(name));
}

void TestRtfReader::libreOfficeFormats_data()
{
    // The fragment that holds `text` after `skip` others that do.
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("skip");
    QTest::addColumn<QString>("family");
    QTest::addColumn<double>("points");
    QTest::addColumn<int>("property");
    QTest::addColumn<QVariant>("value");

    const QString serif = QStringLiteral("DejaVu Serif");
    QTest::newRow("bold") << QStringLiteral("bold") << 0 << serif << 12.0
                          << int(QTextFormat::FontWeight) << QVariant(int(QFont::Bold));
    QTest::newRow("italic") << QStringLiteral("italic") << 0 << serif << 12.0
                            << int(QTextFormat::FontItalic) << QVariant(true);
    QTest::newRow("underline") << QStringLiteral("underlined") << 0 << serif << 12.0
                               << int(QTextFormat::TextUnderlineStyle)
                               << QVariant(int(QTextCharFormat::SingleUnderline));
    QTest::newRow("strike") << QStringLiteral("struck") << 0 << serif << 12.0
                            << int(QTextFormat::FontStrikeOut) << QVariant(true);
    // "x2 and H2O": the first 2 is raised, the second lowered.
    QTest::newRow("superscript") << QStringLiteral("2") << 0 << serif << 12.0
                                 << int(QTextFormat::TextVerticalAlignment)
                                 << QVariant(int(QTextCharFormat::AlignSuperScript));
    QTest::newRow("subscript") << QStringLiteral("2") << 1 << serif << 12.0
                               << int(QTextFormat::TextVerticalAlignment)
                               << QVariant(int(QTextCharFormat::AlignSubScript));
    QTest::newRow("red Chinese") << QStringLiteral("红色的字") << 0 << serif << 12.0
                                 << int(QTextFormat::ForegroundBrush)
                                 << QVariant(QBrush(QColor(255, 0, 0)));
    QTest::newRow("highlight") << QStringLiteral("highlighted") << 0 << serif << 12.0
                               << int(QTextFormat::BackgroundBrush)
                               << QVariant(QBrush(QColor(255, 255, 0)));
    QTest::newRow("20 points") << QStringLiteral("Centred") << 0 << serif << 20.0 << -1
                               << QVariant();
    QTest::newRow("double-byte font and size")
        << QStringLiteral("右对齐的黑体") << 0 << QStringLiteral("SimHei") << 16.0 << -1
        << QVariant();
    QTest::newRow("font of a run") << QStringLiteral("Indented") << 0
                                   << QStringLiteral("DejaVu Sans") << 12.0 << -1 << QVariant();
}

void TestRtfReader::libreOfficeFormats()
{
    QFETCH(QString, text);
    QFETCH(int, skip);
    QFETCH(QString, family);
    QFETCH(double, points);
    QFETCH(int, property);
    QFETCH(QVariant, value);

    const auto document = fixtures::read(fixtures::bytes(QStringLiteral("lo_formats.rtf")));
    const QTextFragment fragment = fixtures::fragmentWith(*document, text, skip);
    QVERIFY(fragment.isValid());
    const QTextCharFormat format = fragment.charFormat();
    QCOMPARE(fixtures::family(format), family);
    QCOMPARE(format.fontPointSize(), points);
    if (property >= 0)
        QCOMPARE(format.property(property), value);
}

void TestRtfReader::libreOfficeParagraphs()
{
    const auto document = fixtures::read(fixtures::bytes(QStringLiteral("lo_formats.rtf")));
    const auto blockWith = [&](const QString &text) {
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
            if (block.text().contains(text))
                return block;
        }
        return QTextBlock();
    };
    QCOMPARE(blockWith(QStringLiteral("Centred")).blockFormat().alignment(), Qt::AlignHCenter);
    QCOMPARE(blockWith(QStringLiteral("右对齐")).blockFormat().alignment(), Qt::AlignRight);
    const QTextBlockFormat indented = blockWith(QStringLiteral("Indented")).blockFormat();
    QCOMPARE(indented.leftMargin(), 48.0); // half an inch
    QCOMPARE(indented.textIndent(), 24.0);
    // The empty paragraph before the last one is kept; no empty one is added at the end.
    QCOMPARE(document->lastBlock().text(), QStringLiteral("End 结束."));
    QVERIFY(document->lastBlock().previous().text().isEmpty());
}

void TestRtfReader::libreOfficePicturesAndTable()
{
    const auto document = fixtures::read(fixtures::bytes(QStringLiteral("lo_pictures.rtf")));
    const auto images = fixtures::images(*document);
    QCOMPARE(images.size(), size_t(2)); // the \nonshppict copies are not shown too

    const auto png = richtext::Picture::find(*document, images[0].name());
    QVERIFY(png);
    QCOMPARE(png->format, richtext::Picture::Format::Png);
    QCOMPARE(png->data, fixtures::bytes(QStringLiteral("picture.png")));
    QCOMPARE(images[0].width(), 96.0); // one inch
    QCOMPARE(images[0].height(), 48.0);
    const QImage shownPng =
        document->resource(QTextDocument::ImageResource, QUrl(images[0].name())).value<QImage>();
    QCOMPARE(shownPng.size(), QSize(24, 16));
    QCOMPARE(QColor(shownPng.pixel(6, 6)), QColor(Qt::yellow));

    const auto jpeg = richtext::Picture::find(*document, images[1].name());
    QVERIFY(jpeg);
    QCOMPARE(jpeg->format, richtext::Picture::Format::Jpeg);
    QCOMPARE(jpeg->data, fixtures::bytes(QStringLiteral("picture.jpg")));
    QCOMPARE(images[1].width(), 144.0);

    QTextTable *table = nullptr;
    for (QTextFrame *frame : document->rootFrame()->childFrames()) {
        if (auto *found = qobject_cast<QTextTable *>(frame))
            table = found;
    }
    QVERIFY(table);
    QCOMPARE(table->rows(), 2);
    QCOMPARE(table->columns(), 3);
    QCOMPARE(table->cellAt(0, 0).firstCursorPosition().block().text(), QStringLiteral("选项"));
    QCOMPARE(table->cellAt(1, 1).firstCursorPosition().block().text(), QStringLiteral("23"));
    QCOMPARE(table->cellAt(1, 2).lastCursorPosition().block().text(), QStringLiteral("prime"));
}

void TestRtfReader::wordPadFontNamesInGbk()
{
    const auto document = fixtures::read(fixtures::bytes(QStringLiteral("wordpad_gbk.rtf")));
    QCOMPARE(
        fixtures::family(fixtures::fragmentWith(*document, QStringLiteral("质数")).charFormat()),
        QStringLiteral("宋体"));
    const QTextFragment heading = fixtures::fragmentWith(*document, QStringLiteral("说明"));
    QCOMPARE(fixtures::family(heading.charFormat()), QStringLiteral("黑体"));
    QCOMPARE(heading.charFormat().fontPointSize(), 16.0);
    QCOMPARE(
        fixtures::family(fixtures::fragmentWith(*document, QStringLiteral("A. 21")).charFormat()),
        QStringLiteral("Arial"));
    const QTextCharFormat answer =
        fixtures::fragmentWith(*document, QStringLiteral("23")).charFormat();
    QCOMPARE(answer.foreground().color(), QColor(255, 0, 0));
    QCOMPARE(answer.fontWeight(), int(QFont::Bold));
}

namespace {

// The bitmap of the metafile fixtures: 8 x 6, 24 bits, red on the left and blue on the right.
QByteArray redBlueDib()
{
    QByteArray row;
    for (int x = 0; x < 8; ++x)
        row += x < 4 ? QByteArray("\x00\x00\xff", 3) : QByteArray("\xff\x00\x00", 3);
    const QByteArray bits = row.repeated(6);
    QByteArray header(40, '\0');
    const qint32 fields[] = {40, 8, 6};
    memcpy(header.data(), fields, sizeof fields);
    header[12] = 1;  // planes
    header[14] = 24; // bits per pixel
    return header + bits;
}

} // namespace

void TestRtfReader::metafilesWrappingBitmaps_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<int>("format");
    QTest::addColumn<QSizeF>("shown");
    QTest::newRow("WordPad WMF with META_STRETCHDIB")
        << fixtures::bytes(QStringLiteral("wordpad_wmf.rtf")) << int(richtext::Picture::Format::Wmf)
        << QSizeF(80, 60);
    QTest::newRow("Word EMF with EMR_STRETCHDIBITS, scaled to half")
        << fixtures::bytes(QStringLiteral("word_emf.rtf")) << int(richtext::Picture::Format::Emf)
        << QSizeF(50, 37.5);
    const QByteArray hex = redBlueDib().toHex();
    QTest::newRow("DIB without a parameter")
        << QByteArray("{\\rtf1{\\pict\\dibitmap\\picwgoal1200\\pichgoal900 " + hex + "}}")
        << int(richtext::Picture::Format::Dib) << QSizeF(80, 60);
    QTest::newRow("DIB 0 without a goal size")
        << QByteArray("{\\rtf1{\\pict\\dibitmap0\\picw8\\pich6 " + hex + "}}")
        << int(richtext::Picture::Format::Dib) << QSizeF(8, 6);
}

void TestRtfReader::metafilesWrappingBitmaps()
{
    QFETCH(QByteArray, rtf);
    QFETCH(int, format);
    QFETCH(QSizeF, shown);
    const auto document = fixtures::read(rtf);
    const auto images = fixtures::images(*document);
    QCOMPARE(images.size(), size_t(1));
    QCOMPARE(QSizeF(images[0].width(), images[0].height()), shown);
    const auto picture = richtext::Picture::find(*document, images[0].name());
    QVERIFY(picture);
    QCOMPARE(int(picture->format), format);
    const QImage image =
        document->resource(QTextDocument::ImageResource, QUrl(images[0].name())).value<QImage>();
    QCOMPARE(image.size(), QSize(8, 6));
    QCOMPARE(QColor(image.pixel(1, 1)), QColor(Qt::red));
    QCOMPARE(QColor(image.pixel(6, 4)), QColor(Qt::blue));
}

void TestRtfReader::text_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("expected");

    // Code pages
    QTest::newRow("GBK pair in two escapes")
        << QByteArray("{\\rtf1\\ansi\\ansicpg936 \\'d6\\'d0}") << QStringLiteral("中");
    QTest::newRow("GBK lead escape with a literal trail byte")
        << QByteArray("{\\rtf1\\ansi\\ansicpg936 \\'81@}") << QStringLiteral("丂");
    QTest::newRow("font charset wins over ansicpg")
        << QByteArray(
               "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0\\fcharset134 S;}{\\f1\\fcharset0 A;}}"
               "\\f0 \\'d6\\'d0\\f1 \\'d6}")
        << QStringLiteral("中Ö");
    QTest::newRow("Big5 font") << QByteArray(
                                      "{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset136 M;}}\\f0 \\'a4@}")
                               << QStringLiteral("一");
    QTest::newRow("Shift-JIS font")
        << QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset128 M;}}\\f0 \\'82\\'a0}")
        << QStringLiteral("あ");
    QTest::newRow("Korean font")
        << QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset129 M;}}\\f0 \\'b0\\'a1}")
        << QStringLiteral("가");
    QTest::newRow("cpg of the font wins over its charset")
        << QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset0\\cpg936 M;}}\\f0 \\'d6\\'d0}")
        << QStringLiteral("中");
    QTest::newRow("default font's charset")
        << QByteArray("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fcharset134 S;}}\\'d6\\'d0}")
        << QStringLiteral("中");
    QTest::newRow("DEFAULT_CHARSET defers to ansicpg")
        << QByteArray("{\\rtf1\\ansi\\ansicpg936{\\fonttbl{\\f0\\fcharset1 S;}}\\f0 \\'d6\\'d0}")
        << QStringLiteral("中");
    QTest::newRow("Windows-1252 high range")
        << QByteArray("{\\rtf1\\ansi \\'80\\'93x\\'94}") << QStringLiteral("€“x”");
    // Unicode
    QTest::newRow("u with one fallback byte")
        << QByteArray("{\\rtf1\\ansi\\uc1\\u20013?x}") << QStringLiteral("中x");
    QTest::newRow("uc2 skips an escaped GBK pair")
        << QByteArray("{\\rtf1\\ansi\\ansicpg936\\uc2\\u20013\\'d6\\'d0x}")
        << QStringLiteral("中x");
    QTest::newRow("uc0 skips nothing")
        << QByteArray("{\\rtf1\\ansi\\uc0\\u20013 x}") << QStringLiteral("中x");
    QTest::newRow("uc is scoped to its group")
        << QByteArray("{\\rtf1\\ansi{\\uc2 a}\\u20013?x}") << QStringLiteral("a中x");
    QTest::newRow("skipping stops at a group end")
        << QByteArray("{\\rtf1\\ansi\\uc4{\\u20013?}xy}") << QStringLiteral("中xy");
    QTest::newRow("skipping stops at a group start")
        << QByteArray("{\\rtf1\\ansi\\uc4\\u20013{x}y}") << QStringLiteral("中xy");
    QTest::newRow("a skipped control word counts as one")
        << QByteArray("{\\rtf1\\ansi\\uc2\\u20013\\par x y}") << QStringLiteral("中 y");
    QTest::newRow("negative u") << QByteArray("{\\rtf1\\ansi\\u-3913?}") << QString(QChar(0xF0B7));
    QTest::newRow("surrogate pair")
        << QByteArray("{\\rtf1\\ansi\\u-10179?\\u-8704?}") << QString::fromUcs4(U"\U0001F600", 1);
    // Destinations
    QTest::newRow("starred unknown destination")
        << QByteArray("{\\rtf1\\ansi a{\\*\\unknown b{c}d}e}") << QStringLiteral("ae");
    QTest::newRow("unknown word is ignored, its text is not")
        << QByteArray("{\\rtf1\\ansi a\\unknownword b}") << QStringLiteral("ab");
    QTest::newRow("bin in a skipped group holds braces")
        << QByteArray("{\\rtf1\\ansi a{\\*\\x \\bin4 }}}}}b}") << QStringLiteral("ab");
    QTest::newRow("bin in the body")
        << QByteArray("{\\rtf1\\ansi a\\bin3 {\\}b}") << QStringLiteral("ab");
    QTest::newRow("info, stylesheet and headers are hidden")
        << QByteArray("{\\rtf1\\ansi{\\info{\\title T}}{\\stylesheet{\\s1 Normal;}}{\\header H}x}")
        << QStringLiteral("x");
    QTest::newRow("field shows its result")
        << QByteArray("{\\rtf1\\ansi{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt link}}}")
        << QStringLiteral("link");
    QTest::newRow("field instruction without star")
        << QByteArray("{\\rtf1\\ansi{\\field{\\fldinst PAGE}{\\fldrslt 3}}}")
        << QStringLiteral("3");
    QTest::newRow("list text") << QByteArray("{\\rtf1\\ansi{\\listtext 1.\\tab}Item}")
                               << QStringLiteral("1.\tItem");
    QTest::newRow("hidden text") << QByteArray("{\\rtf1\\ansi a{\\v hidden}b}")
                                 << QStringLiteral("ab");
    QTest::newRow("object shows its result only")
        << QByteArray("{\\rtf1\\ansi{\\object\\objemb{\\*\\objclass Paint}junk{\\result R}}}")
        << QStringLiteral("R");
    // Characters
    QTest::newRow("escaped characters")
        << QByteArray("{\\rtf1\\ansi \\{\\}\\\\}") << QStringLiteral("{}\\");
    QTest::newRow("specials")
        << QByteArray(
               "{\\rtf1\\ansi a\\~b\\emdash\\endash\\lquote\\rquote\\ldblquote\\rdblquote\\bullet}")
        << QStringLiteral("a\u00a0b\u2014\u2013\u2018\u2019\u201c\u201d\u2022");
    QTest::newRow("line, tab and par")
        << QByteArray("{\\rtf1\\ansi a\\line b\\tab c\\par d}") << QStringLiteral("a\nb\tc\nd");
    QTest::newRow("CR and LF mean nothing")
        << QByteArray("{\\rtf1\\ansi a\r\nb\n}") << QStringLiteral("ab");
    QTest::newRow("last par ends the last paragraph")
        << QByteArray("{\\rtf1\\ansi a\\par b\\par}") << QStringLiteral("a\nb");
    QTest::newRow("two last pars leave one empty paragraph")
        << QByteArray("{\\rtf1\\ansi a\\par\\par}") << QStringLiteral("a\n");
    QTest::newRow("text after the document's group")
        << QByteArray("{\\rtf1\\ansi a}b{c}") << QStringLiteral("a");
    QTest::newRow("control characters are dropped")
        << QByteArray("{\\rtf1\\ansi a\\u0 \\u8233 \\'07b}") << QStringLiteral("ab");
    QTest::newRow("table without a trailing row")
        << QByteArray("{\\rtf1\\ansi\\trowd\\cellx100\\cellx200\\intbl a\\cell b\\cell}")
        << QStringLiteral("\na\nb\n");
}

void TestRtfReader::text()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, expected);
    const auto document = fixtures::read(rtf);
    QCOMPARE(richtext::plainText(*document), expected);
}

void TestRtfReader::pictureDestinations_data()
{
    const QByteArray png = fixtures::bytes(QStringLiteral("picture.png"));
    const QByteArray pict = "{\\pict\\pngblip\\picwgoal360\\pichgoal240 " + png.toHex() + "}";
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<int>("count");
    QTest::newRow("plain pict") << QByteArray("{\\rtf1\\ansi " + pict + "}") << 1;
    QTest::newRow("shppict preferred, nonshppict skipped")
        << QByteArray("{\\rtf1\\ansi{\\*\\shppict" + pict + "}{\\nonshppict" + pict + "}}") << 1;
    QTest::newRow("OLE object shows its result picture")
        << QByteArray("{\\rtf1\\ansi{\\object\\objemb{\\*\\objdata 0102}{\\result" + pict + "}}}")
        << 1;
    QTest::newRow("binary picture data")
        << QByteArray("{\\rtf1\\ansi{\\pict\\pngblip\\bin" + QByteArray::number(png.size()) + " " +
                      png + "}}")
        << 1;
    QTest::newRow("hex with blanks, line ends and junk")
        << QByteArray("{\\rtf1\\ansi{\\pict\\pngblip " + png.toHex(' ') + "zz\r\n}}") << 1;
    QTest::newRow("no format word")
        << QByteArray("{\\rtf1\\ansi{\\pict " + png.toHex() + "}}") << 0;
    QTest::newRow("no data") << QByteArray("{\\rtf1\\ansi{\\pict\\pngblip}}") << 0;
}

void TestRtfReader::pictureDestinations()
{
    QFETCH(QByteArray, rtf);
    QFETCH(int, count);
    const auto document = fixtures::read(rtf);
    const auto images = fixtures::images(*document);
    QCOMPARE(int(images.size()), count);
    if (count > 0) {
        const auto picture = richtext::Picture::find(*document, images[0].name());
        QVERIFY(picture);
        QCOMPARE(picture->data, fixtures::bytes(QStringLiteral("picture.png")));
    }
    QCOMPARE(richtext::plainText(*document), QString());
}

void TestRtfReader::otherMetafileIsFrame()
{
    // A metafile that draws no bitmap is kept and shown as an empty frame of its size.
    const QByteArray rtf =
        "{\\rtf1\\ansi{\\pict\\wmetafile8\\picw2540\\pich1270\\picwgoal1440\\pichgoal720 "
        "010009000003120000000000000000000000030000000000}}";
    const auto document = fixtures::read(rtf);
    const auto images = fixtures::images(*document);
    QCOMPARE(images.size(), size_t(1));
    QCOMPARE(QSizeF(images[0].width(), images[0].height()), QSizeF(96, 48));
    const auto picture = richtext::Picture::find(*document, images[0].name());
    QVERIFY(picture);
    QCOMPARE(picture->data.size(), 24);
    const QImage frame =
        document->resource(QTextDocument::ImageResource, QUrl(images[0].name())).value<QImage>();
    QCOMPARE(frame.size(), QSize(96, 48));
    QCOMPARE(frame.pixelColor(48, 24).alpha(), 0);
}

void TestRtfReader::notRtfIsPlainText_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");
    QTest::newRow("GBK text") << QByteArray("\xd6\xd0\xce\xc4\r\nline")
                              << QStringLiteral("中文\nline");
    QTest::newRow("UTF-8 with BOM")
        << QByteArray("\xef\xbb\xbf\xe4\xb8\xad") << QStringLiteral("中");
    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("control characters and old Mac line ends")
        << QByteArray(QByteArray("a\x01") + QByteArray(1, '\0') + "b\rc\td")
        << QStringLiteral("ab\nc\td");
}

void TestRtfReader::notRtfIsPlainText()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    ReadStatus status;
    const auto document = fixtures::read(bytes, &status);
    QCOMPARE(status, ReadStatus::NotRtf);
    QCOMPARE(richtext::plainText(*document), expected);
}

void TestRtfReader::hostile_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");

    QTest::newRow("100,000 nested groups")
        << QByteArray("{\\rtf1 a" + QByteArray(100000, '{') + "b" + QByteArray(100000, '}') + "c}")
        << QStringLiteral("ac");
    QTest::newRow("100,000 unclosed groups")
        << QByteArray("{\\rtf1 a" + QByteArray(100000, '{') + "b") << QStringLiteral("a");
    QTest::newRow("stray closing braces") << QByteArray("{\\rtf1 a}}}}}}b") << QStringLiteral("a");
    QTest::newRow("bin count beyond the end")
        << QByteArray("{\\rtf1 a\\bin2147483647 xyz") << QStringLiteral("a");
    QTest::newRow("bin count of fifty digits")
        << QByteArray("{\\rtf1 a\\bin" + QByteArray(50, '9') + " xyz}") << QStringLiteral("a");
    QTest::newRow("negative bin") << QByteArray("{\\rtf1 a\\bin-5 b}") << QStringLiteral("ab");
    QTest::newRow("bad hex") << QByteArray("{\\rtf1 a\\'zz\\'4\\'}") << QStringLiteral("azz");
    QTest::newRow("backslash at the end") << QByteArray("{\\rtf1 a\\") << QStringLiteral("a");
    QTest::newRow("absurd parameters")
        << QByteArray("{\\rtf1\\uc2147483647\\fs2147483647\\li-2147483647\\fi99999999999999\\f-5"
                      "\\cf99999\\ansicpg-3\\u99999999 xyz{a}}")
        << QStringLiteral("a");
    QTest::newRow("absurd picture size")
        << QByteArray(
               "{\\rtf1{\\pict\\pngblip\\picwgoal2147483647\\pichgoal2147483647"
               "\\picscalex99999 89504e470d0a1a0a0000000d49484452000fffff000fffff0806000000}}x")
        << QStringLiteral("");
    QTest::newRow("DIB declaring a huge bitmap")
        << QByteArray("{\\rtf1{\\pict\\dibitmap0 28000000ffffff7fffffff7f010018000000000000}}}")
        << QStringLiteral("");
    QTest::newRow("odd hex digits") << QByteArray("{\\rtf1{\\pict\\pngblip 8}}") << QString();
    QTest::newRow("many colours and fonts")
        << QByteArray("{\\rtf1{\\colortbl" + QByteArray(100000, ';') + "}{\\fonttbl" +
                      QByteArray("\\f1 x;").repeated(20000) + "}a}")
        << QStringLiteral("a");
}

void TestRtfReader::hostile()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    const auto document = fixtures::read(rtf);
    QCOMPARE(richtext::plainText(*document), text);
    for (const QTextImageFormat &image : fixtures::images(*document)) {
        QVERIFY(image.width() <= 10000 && image.height() <= 10000);
        const QImage shown =
            document->resource(QTextDocument::ImageResource, QUrl(image.name())).value<QImage>();
        QVERIFY(shown.width() <= richtext::PictureDecoder::maxSide);
        QVERIFY(qint64(shown.width()) * shown.height() <= richtext::PictureDecoder::maxPixels);
    }
}

void TestRtfReader::truncatedAnywhere()
{
    // Every cut of a real file reads without harm and keeps the text before the cut: the
    // lines before the one it falls in are the file's, and that one starts as the file's
    // does, but for the character whose escape the cut split. Cells not reached yet are
    // empty lines at the end.
    const QByteArray rtf = fixtures::bytes(QStringLiteral("lo_pictures.rtf"));
    const QStringList whole =
        fixtures::libreOfficeText(QStringLiteral("lo_pictures.rtf")).split(u'\n');
    qsizetype longest = 0;
    for (qsizetype cut = 0; cut < rtf.size(); cut += 97) {
        ReadStatus status;
        const auto document = fixtures::read(rtf.first(cut), &status);
        if (cut > 5)
            QCOMPARE(status, ReadStatus::Damaged);
        QStringList kept = richtext::plainText(*document).split(u'\n');
        while (!kept.isEmpty() && kept.last().isEmpty())
            kept.removeLast();
        QVERIFY2(kept.size() <= whole.size(), qPrintable(kept.join(u'|')));
        if (kept.isEmpty())
            continue;
        const QString last = kept.takeLast();
        QCOMPARE(kept, whole.first(kept.size()));
        const QString &wholeLine = whole.at(kept.size());
        QVERIFY2(wholeLine.startsWith(last) || wholeLine.startsWith(last.chopped(1)),
                 qPrintable(last + u" | " + wholeLine));
        longest = std::max(longest, kept.size());
    }
    // The last cuts fall after the table: only the last line can be missing.
    QVERIFY(longest >= whole.size() - 2);
}

void TestRtfReader::tableCellsAreBounded()
{
    // A row of 63 cells and then a great many rows of one cell each.
    QByteArray rtf = "{\\rtf1\\trowd" + QByteArray("\\cellx1").repeated(200) + "\\intbl" +
                     QByteArray("\\cell").repeated(200) + "\\row";
    rtf += QByteArray("\\intbl x\\cell\\row").repeated(20000) + "}";
    const auto document = fixtures::read(rtf);
    qint64 cells = 0;
    for (QTextFrame *frame : document->rootFrame()->childFrames()) {
        if (auto *table = qobject_cast<QTextTable *>(frame)) {
            QVERIFY(table->columns() <= richtext::RtfTable::maxColumns);
            cells += qint64(table->rows()) * table->columns();
        }
    }
    QVERIFY(cells > 0);
    QVERIFY(cells <= richtext::RtfTable::maxCells);
    // What did not fit is still there as paragraphs.
    QCOMPARE(richtext::plainText(*document).count(QLatin1Char('x')), 20000);
}

QTEST_MAIN(TestRtfReader)
#include "tst_rtf_reader.moc"
