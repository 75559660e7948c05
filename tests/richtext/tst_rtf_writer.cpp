// Tests of writing RTF: document -> RTF -> document keeps what the programs show, and the
// bytes are what older readers of code page 936 understand.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "rtf_fixtures.h"
#include "test_files.h"
#include "write_faults.h"

#include "richtext/picture.h"
#include "richtext/plain_text.h"
#include "richtext/rtf_file.h"
#include "richtext/rtf_writer.h"

#include <QImage>
#include <QThread>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextTable>
#include <QUrl>
#include <atomic>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

class TestRtfWriter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void characterFormats_data();
    void characterFormats();
    void paragraphFormats_data();
    void paragraphFormats();
    void text_data();
    void text();
    void bytesForOldReaders_data();
    void bytesForOldReaders();
    void fixturesRoundTrip_data();
    void fixturesRoundTrip();
    void keptPicturesWrittenBackUnchanged_data();
    void keptPicturesWrittenBackUnchanged();
    void imageWithoutOriginalIsPng();
    void resizedPictureGetsNewGoal();
    void table();
    void libreOfficeKeepsTheEditorsFormats();
    void saveIsAtomicAndLoadFailsCleanly();
};

namespace {

std::unique_ptr<QTextDocument> roundTrip(const QTextDocument &document, QByteArray *rtf = nullptr)
{
    const QByteArray bytes = richtext::RtfWriter::write(document);
    if (rtf)
        *rtf = bytes;
    return fixtures::read(bytes);
}

} // namespace

void TestRtfWriter::characterFormats_data()
{
    QTest::addColumn<QTextCharFormat>("format");
    const auto with = [](auto set) {
        QTextCharFormat format;
        format.setFontFamilies({QStringLiteral("Arial")});
        format.setFontPointSize(12);
        set(format);
        return format;
    };
    QTest::newRow("plain") << with([](QTextCharFormat &) {});
    QTest::newRow("Chinese font") << with(
        [](QTextCharFormat &f) { f.setFontFamilies({QStringLiteral("宋体")}); });
    QTest::newRow("CJK font with a Latin name")
        << with([](QTextCharFormat &f) { f.setFontFamilies({QStringLiteral("SimHei")}); });
    QTest::newRow("font name with braces")
        << with([](QTextCharFormat &f) { f.setFontFamilies({QStringLiteral("Odd {Font}")}); });
    QTest::newRow("half point size") << with([](QTextCharFormat &f) { f.setFontPointSize(10.5); });
    QTest::newRow("bold") << with([](QTextCharFormat &f) { f.setFontWeight(QFont::Bold); });
    QTest::newRow("italic") << with([](QTextCharFormat &f) { f.setFontItalic(true); });
    QTest::newRow("underline") << with([](QTextCharFormat &f) { f.setFontUnderline(true); });
    QTest::newRow("strike") << with([](QTextCharFormat &f) { f.setFontStrikeOut(true); });
    QTest::newRow("superscript") << with(
        [](QTextCharFormat &f) { f.setVerticalAlignment(QTextCharFormat::AlignSuperScript); });
    QTest::newRow("subscript") << with(
        [](QTextCharFormat &f) { f.setVerticalAlignment(QTextCharFormat::AlignSubScript); });
    QTest::newRow("colour") << with(
        [](QTextCharFormat &f) { f.setForeground(QColor(10, 20, 30)); });
    QTest::newRow("background") << with(
        [](QTextCharFormat &f) { f.setBackground(QColor(255, 255, 0)); });
    QTest::newRow("everything") << with([](QTextCharFormat &f) {
        f.setFontWeight(QFont::Bold);
        f.setFontItalic(true);
        f.setFontUnderline(true);
        f.setForeground(QColor(0, 0, 255));
        f.setFontPointSize(20);
    });
}

void TestRtfWriter::characterFormats()
{
    QFETCH(QTextCharFormat, format);
    QTextDocument document;
    QTextCursor cursor(&document);
    cursor.insertText(QStringLiteral("before "));
    cursor.insertText(QStringLiteral("中文 text"), format);
    cursor.insertText(QStringLiteral(" after"), QTextCharFormat());

    const auto read = roundTrip(document);
    QCOMPARE(richtext::plainText(*read), QStringLiteral("before 中文 text after"));
    const QTextCharFormat back =
        fixtures::fragmentWith(*read, QStringLiteral("中文 text")).charFormat();
    QCOMPARE(fixtures::family(back), fixtures::family(format));
    QCOMPARE(back.fontPointSize(), format.fontPointSize());
    QCOMPARE(back.fontWeight(), format.fontWeight());
    QCOMPARE(back.fontItalic(), format.fontItalic());
    QCOMPARE(back.fontUnderline(), format.fontUnderline());
    QCOMPARE(back.fontStrikeOut(), format.fontStrikeOut());
    QCOMPARE(back.verticalAlignment(), format.verticalAlignment());
    QCOMPARE(back.foreground(), format.foreground());
    QCOMPARE(back.background(), format.background());
    // The neighbours did not take the format over.
    QCOMPARE(fixtures::fragmentWith(*read, QStringLiteral(" after")).charFormat().fontWeight(),
             int(QFont::Normal));
}

void TestRtfWriter::paragraphFormats_data()
{
    QTest::addColumn<int>("alignment");
    QTest::addColumn<double>("left");
    QTest::addColumn<double>("right");
    QTest::addColumn<double>("indent");
    QTest::addColumn<double>("above");
    QTest::addColumn<double>("below");
    QTest::newRow("left") << int(Qt::AlignLeft) << 0.0 << 0.0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("centre") << int(Qt::AlignHCenter) << 0.0 << 0.0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("right") << int(Qt::AlignRight) << 0.0 << 0.0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("justify") << int(Qt::AlignJustify) << 0.0 << 0.0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("indents and spacing")
        << int(Qt::AlignLeft) << 48.0 << 24.0 << -12.0 << 6.0 << 8.0;
}

void TestRtfWriter::paragraphFormats()
{
    QFETCH(int, alignment);
    QFETCH(double, left);
    QFETCH(double, right);
    QFETCH(double, indent);
    QFETCH(double, above);
    QFETCH(double, below);
    QTextDocument document;
    QTextCursor cursor(&document);
    cursor.insertText(QStringLiteral("first"));
    QTextBlockFormat format;
    format.setAlignment(Qt::Alignment(alignment));
    format.setLeftMargin(left);
    format.setRightMargin(right);
    format.setTextIndent(indent);
    format.setTopMargin(above);
    format.setBottomMargin(below);
    cursor.insertBlock(format);
    cursor.insertText(QStringLiteral("second"));
    cursor.insertBlock(QTextBlockFormat());
    cursor.insertText(QStringLiteral("third"));

    const auto read = roundTrip(document);
    QCOMPARE(read->blockCount(), 3);
    const QTextBlockFormat back = read->findBlockByNumber(1).blockFormat();
    QCOMPARE(int(back.alignment() & Qt::AlignHorizontal_Mask), alignment);
    QCOMPARE(back.leftMargin(), left);
    QCOMPARE(back.rightMargin(), right);
    QCOMPARE(back.textIndent(), indent);
    QCOMPARE(back.topMargin(), above);
    QCOMPARE(back.bottomMargin(), below);
    QCOMPARE(int(read->findBlockByNumber(2).blockFormat().alignment() & Qt::AlignHorizontal_Mask),
             int(Qt::AlignLeft));
}

void TestRtfWriter::text_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("ASCII") << QStringLiteral("Which of these is prime?");
    QTest::newRow("RTF specials") << QStringLiteral("a{b}c\\d \\par");
    QTest::newRow("Chinese") << QStringLiteral("下列哪个数是质数？");
    QTest::newRow("not in GBK") << QStringLiteral("한국어 ١٢ ӂ");
    QTest::newRow("beyond the BMP") << QString::fromUcs4(U"x\U0001F600y\U00020000z", 5);
    QTest::newRow("Latin-1 in GBK and not") << QStringLiteral("é à ÿ Ø");
    QTest::newRow("tab and line break") << QStringLiteral("a\tb\nc");
    QTest::newRow("no-break space") << QStringLiteral("a\u00a0b");
    QTest::newRow("empty paragraphs") << QStringLiteral("\n\na\n\n");
    QTest::newRow("empty") << QString();
    QTest::newRow("digits after Chinese") << QStringLiteral("中1文2");
}

void TestRtfWriter::text()
{
    QFETCH(QString, text);
    QTextDocument document;
    QTextCursor cursor(&document);
    const QStringList paragraphs = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < paragraphs.size(); ++i) {
        if (i > 0)
            cursor.insertBlock();
        QString line = paragraphs[i];
        cursor.insertText(line.replace(QLatin1Char('\t'), QLatin1Char('\t')));
    }
    QByteArray rtf;
    const auto read = roundTrip(document, &rtf);
    QCOMPARE(richtext::plainText(*read), text);
    QCOMPARE(richtext::plainText(rtf), text);
    // Seven-bit output survives any transport.
    for (char c : rtf)
        QVERIFY(static_cast<unsigned char>(c) < 0x80);
}

void TestRtfWriter::bytesForOldReaders_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("GBK fallback after u")
        << QStringLiteral("中") << QByteArray("\\uc2\\u20013\\'d6\\'d0");
    QTest::newRow("negative u above 32767")
        << QStringLiteral("\uff01") << QByteArray("\\uc2\\u-255\\'a3\\'a1");
    QTest::newRow("question mark when GBK cannot")
        << QStringLiteral("한") << QByteArray("\\u-10916?");
    QTest::newRow("surrogates") << QString::fromUcs4(U"\U0001F600", 1)
                                << QByteArray("\\u-10179?\\u-8704?");
    QTest::newRow("header") << QStringLiteral("x") << QByteArray("{\\rtf1\\ansi\\ansicpg936");
    QTest::newRow("Chinese font name in GBK")
        << QStringLiteral("x") << QByteArray("\\fcharset134 \\'cb\\'ce\\'cc\\'e5;");
}

void TestRtfWriter::bytesForOldReaders()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, expected);
    QTextDocument document;
    QTextCharFormat format;
    format.setFontFamilies({QStringLiteral("宋体")});
    QTextCursor(&document).insertText(text, format);
    const QByteArray rtf = richtext::RtfWriter::write(document);
    QVERIFY2(rtf.contains(expected), rtf.constData());
}

void TestRtfWriter::fixturesRoundTrip_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("LibreOffice formats") << QStringLiteral("lo_formats.rtf");
    QTest::newRow("LibreOffice pictures") << QStringLiteral("lo_pictures.rtf");
    QTest::newRow("WordPad") << QStringLiteral("wordpad_gbk.rtf");
    QTest::newRow("WordPad metafile") << QStringLiteral("wordpad_wmf.rtf");
    QTest::newRow("Word metafile") << QStringLiteral("word_emf.rtf");
    QTest::newRow("written by the editor") << QStringLiteral("editor_written.rtf");
}

void TestRtfWriter::fixturesRoundTrip()
{
    QFETCH(QString, name);
    const auto first = fixtures::read(fixtures::bytes(name));
    QByteArray rtf;
    const auto second = roundTrip(*first, &rtf);
    QCOMPARE(richtext::plainText(*second), fixtures::libreOfficeText(name));
    // Writing what was read gives the same bytes again: nothing drifts on each save.
    QCOMPARE(richtext::RtfWriter::write(*second), rtf);

    // Every run keeps its format.
    QTextBlock a = first->begin();
    QTextBlock b = second->begin();
    for (; a.isValid() && b.isValid(); a = a.next(), b = b.next()) {
        QCOMPARE(b.text(), a.text());
        QCOMPARE(b.blockFormat().alignment(), a.blockFormat().alignment());
        auto fa = a.begin();
        auto fb = b.begin();
        for (; !fa.atEnd() && !fb.atEnd(); ++fa, ++fb) {
            const QTextCharFormat ca = fa.fragment().charFormat();
            const QTextCharFormat cb = fb.fragment().charFormat();
            QCOMPARE(fb.fragment().text(), fa.fragment().text());
            QCOMPARE(fixtures::family(cb), fixtures::family(ca));
            QCOMPARE(cb.fontPointSize(), ca.fontPointSize());
            QCOMPARE(cb.fontWeight(), ca.fontWeight());
            QCOMPARE(cb.foreground(), ca.foreground());
            QCOMPARE(cb.isImageFormat(), ca.isImageFormat());
        }
    }
    QVERIFY(!a.isValid() && !b.isValid());

    const auto imagesA = fixtures::images(*first);
    const auto imagesB = fixtures::images(*second);
    QCOMPARE(imagesB.size(), imagesA.size());
    for (size_t i = 0; i < imagesA.size(); ++i) {
        QCOMPARE(imagesB[i].width(), imagesA[i].width());
        QCOMPARE(imagesB[i].height(), imagesA[i].height());
        QCOMPARE(richtext::Picture::find(*second, imagesB[i].name())->data,
                 richtext::Picture::find(*first, imagesA[i].name())->data);
    }
}

void TestRtfWriter::libreOfficeKeepsTheEditorsFormats()
{
    // editor_written_lo.rtf is LibreOffice's RTF of what the writer made of a question with
    // every format the editor gives (make_fixtures.py).
    const auto ours = fixtures::read(fixtures::bytes(QStringLiteral("editor_written.rtf")));
    const auto theirs = fixtures::read(fixtures::bytes(QStringLiteral("editor_written_lo.rtf")));
    QCOMPARE(richtext::plainText(*theirs), richtext::plainText(*ours));
    for (const auto *document : {ours.get(), theirs.get()}) {
        QVERIFY(
            fixtures::fragmentWith(*document, QStringLiteral("粗体")).charFormat().fontWeight() >=
            QFont::Bold);
        QVERIFY(
            fixtures::fragmentWith(*document, QStringLiteral("italic")).charFormat().fontItalic());
        QVERIFY(fixtures::fragmentWith(*document, QStringLiteral("under"))
                    .charFormat()
                    .fontUnderline());
        QTextCursor cursor = document->find(QStringLiteral("x2"));
        QVERIFY(!cursor.isNull());
        cursor.setPosition(cursor.selectionEnd());
        QCOMPARE(cursor.charFormat().verticalAlignment(), QTextCharFormat::AlignSuperScript);
        cursor = document->find(QStringLiteral("H2"));
        cursor.setPosition(cursor.selectionEnd());
        QCOMPARE(cursor.charFormat().verticalAlignment(), QTextCharFormat::AlignSubScript);
        const QTextCharFormat red =
            fixtures::fragmentWith(*document, QStringLiteral("红色")).charFormat();
        QCOMPARE(red.foreground().color(), QColor(192, 0, 0));
        QCOMPARE(red.fontPointSize(), 16.0);
        QCOMPARE(fixtures::images(*document).size(), size_t(1));
    }
    QCOMPARE(richtext::Picture::find(*theirs, fixtures::images(*theirs)[0].name())->data,
             richtext::Picture::find(*ours, fixtures::images(*ours)[0].name())->data);
}

void TestRtfWriter::keptPicturesWrittenBackUnchanged_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("word");
    QTest::newRow("WMF") << QStringLiteral("wordpad_wmf.rtf") << QByteArray("\\wmetafile8");
    QTest::newRow("EMF with its scale")
        << QStringLiteral("word_emf.rtf")
        << QByteArray(
               "\\emfblip\\picw212\\pich159\\picwgoal1500\\pichgoal1125\\picscalex50\\picscaley50");
    QTest::newRow("JPEG") << QStringLiteral("lo_pictures.rtf") << QByteArray("\\jpegblip");
}

void TestRtfWriter::keptPicturesWrittenBackUnchanged()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, word);
    const QByteArray original = fixtures::bytes(name);
    const auto document = fixtures::read(original);
    const QByteArray rtf = richtext::RtfWriter::write(*document);
    QVERIFY2(rtf.contains(word), rtf.left(2000).constData());
    // The hex of the original picture appears in the output, line breaks aside.
    for (const QTextImageFormat &image : fixtures::images(*document)) {
        const auto picture = richtext::Picture::find(*document, image.name());
        QVERIFY(QByteArray(rtf).replace("\r\n", "").contains(picture->data.toHex()));
    }
}

void TestRtfWriter::imageWithoutOriginalIsPng()
{
    // An image that came from HTML or the clipboard is written as PNG.
    QTextDocument document;
    QImage image(5, 4, QImage::Format_RGB32);
    image.fill(Qt::green);
    document.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("pasted.png")), image);
    QTextImageFormat format;
    format.setName(QStringLiteral("pasted.png"));
    format.setWidth(50);
    format.setHeight(40);
    QTextCursor(&document).insertImage(format);

    const QByteArray rtf = richtext::RtfWriter::write(document);
    QVERIFY(rtf.contains("\\pngblip\\picw5\\pich4\\picwgoal750\\pichgoal600"));
    const auto read = fixtures::read(rtf);
    const auto images = fixtures::images(*read);
    QCOMPARE(images.size(), size_t(1));
    QCOMPARE(images[0].width(), 50.0);
    const QImage back =
        read->resource(QTextDocument::ImageResource, QUrl(images[0].name())).value<QImage>();
    QCOMPARE(QColor(back.pixel(2, 2)), QColor(Qt::green));
}

void TestRtfWriter::resizedPictureGetsNewGoal()
{
    const auto document = fixtures::read(fixtures::bytes(QStringLiteral("word_emf.rtf")));
    QTextCursor cursor(document.get());
    while (!cursor.charFormat().isImageFormat() && !cursor.atEnd())
        cursor.movePosition(QTextCursor::NextCharacter);
    QVERIFY(cursor.charFormat().isImageFormat());
    cursor.movePosition(QTextCursor::PreviousCharacter);
    cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
    QTextImageFormat format = cursor.charFormat().toImageFormat();
    format.setWidth(100);
    format.setHeight(75);
    cursor.setCharFormat(format);
    const QByteArray rtf = richtext::RtfWriter::write(*document);
    QVERIFY(rtf.contains("\\picwgoal1500\\pichgoal1125\r\n"));
    QVERIFY(!rtf.contains("\\picscalex"));
}

void TestRtfWriter::table()
{
    QTextDocument document;
    QTextCursor cursor(&document);
    cursor.insertText(QStringLiteral("before"));
    QTextTable *table = cursor.insertTable(2, 3);
    const QStringList cells = {QStringLiteral("选项"), QStringLiteral("b"), QString(),
                               QStringLiteral("d"),    QStringLiteral("e"), QStringLiteral("f")};
    for (int i = 0; i < 6; ++i)
        table->cellAt(i / 3, i % 3).firstCursorPosition().insertText(cells[i]);
    QTextCursor inCell = table->cellAt(1, 2).lastCursorPosition();
    inCell.insertBlock();
    inCell.insertText(QStringLiteral("f2"));
    QTextCursor after = table->lastCursorPosition();
    after.movePosition(QTextCursor::NextBlock);
    after.insertText(QStringLiteral("after"));

    const auto read = roundTrip(document);
    QCOMPARE(richtext::plainText(*read), richtext::plainText(document));
    QTextTable *back = nullptr;
    for (QTextFrame *frame : read->rootFrame()->childFrames())
        back = qobject_cast<QTextTable *>(frame);
    QVERIFY(back);
    QCOMPARE(back->rows(), 2);
    QCOMPARE(back->columns(), 3);
    QCOMPARE(back->cellAt(0, 0).firstCursorPosition().block().text(), QStringLiteral("选项"));
    QCOMPARE(back->cellAt(0, 2).firstCursorPosition().block().text(), QString());
    QCOMPARE(back->cellAt(1, 2).firstCursorPosition().block().text(), QStringLiteral("f"));
    QCOMPARE(back->cellAt(1, 2).lastCursorPosition().block().text(), QStringLiteral("f2"));
    QCOMPARE(read->lastBlock().text(), QStringLiteral("after"));
}

void TestRtfWriter::saveIsAtomicAndLoadFailsCleanly()
{
    QTemporaryDir dir;
    dir.setAutoRemove(!QTest::currentTestFailed());
    const QString path = dir.filePath(QStringLiteral("q.rtf"));
    QTextDocument document;
    QTextCursor(&document).insertText(QStringLiteral("答案"));
    QVERIFY(richtext::saveFile(path, document).ok());
    QTextDocument loaded;
    QVERIFY(richtext::loadFile(path, loaded));
    QCOMPARE(richtext::plainText(loaded), QStringLiteral("答案"));

    QCOMPARE(richtext::saveFile(dir.filePath(QStringLiteral("missing/q.rtf")), document).status,
             store::WriteStatus::FolderMissing);
    {
        // A disk that fills: the document keeps its bytes and the reason is told.
        const QByteArray before = testing::readBytes(path);
        QTextCursor(&document).insertText(QString(4000, u'长'));
        testing::FileSizeLimit limit(1024);
        QCOMPARE(richtext::saveFile(path, document).status, store::WriteStatus::DiskFull);
        QCOMPARE(testing::readBytes(path), before);
    }
    QVERIFY(!richtext::loadFile(dir.filePath(QStringLiteral("none.rtf")), loaded));
    QVERIFY(loaded.isEmpty());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("q.rtf")});

    // A FIFO or a folder named like a document is no document, and does not wait.
    const QString fifo = dir.filePath(QStringLiteral("f.rtf"));
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    std::atomic<bool> done{false};
    bool fifoLoaded = true;
    std::thread reader([&] {
        QTextDocument document;
        fifoLoaded = richtext::loadFile(fifo, document);
        done = true;
    });
    for (int i = 0; i < 500 && !done; ++i)
        QThread::msleep(10);
    if (!done) {
        const int end = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
        reader.join();
        ::close(end);
        QFAIL("loading a FIFO blocked");
    }
    reader.join();
    QVERIFY(!fifoLoaded);
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("d.rtf")));
    QVERIFY(!richtext::loadFile(dir.filePath(QStringLiteral("d.rtf")), loaded));
}

QTEST_MAIN(TestRtfWriter)
#include "tst_rtf_writer.moc"
