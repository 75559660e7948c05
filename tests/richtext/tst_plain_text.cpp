// Tests of the plain text of a document: the fast path that builds no document gives the
// same text as the document the reader builds.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "rtf_fixtures.h"

#include "richtext/plain_text.h"

#include <QTest>

class TestPlainText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sameAsDocument_data();
    void sameAsDocument();
    void tooLargeIsEmpty();
};

void TestPlainText::sameAsDocument_data()
{
    QTest::addColumn<QByteArray>("rtf");
    for (const char *name : {"lo_formats.rtf", "lo_pictures.rtf", "wordpad_gbk.rtf",
                             "wordpad_wmf.rtf", "word_emf.rtf"})
        QTest::newRow(name) << fixtures::bytes(QString::fromLatin1(name));

    QTest::newRow("table first") << QByteArray(
        "{\\rtf1\\trowd\\cellx10\\intbl a\\cell\\row\\pard b}");
    QTest::newRow("table last") << QByteArray(
        "{\\rtf1 a\\par\\trowd\\cellx10\\intbl a\\cell\\row}");
    QTest::newRow("cells beyond the row definition") << QByteArray(
        "{\\rtf1\\trowd\\cellx10\\intbl a\\cell b\\cell\\row\\intbl c\\cell\\row\\pard d}");
    QTest::newRow("paragraphs in a cell")
        << QByteArray("{\\rtf1\\trowd\\cellx10\\cellx20\\intbl a\\par b\\par\\cell\\cell\\row}");
    QTest::newRow("row without cells") << QByteArray("{\\rtf1 a\\row b\\cell c}");
    QTest::newRow("64 cells in a row")
        << QByteArray("{\\rtf1\\intbl " + QByteArray("x\\cell ").repeated(70) + "\\row}");
    QTest::newRow("table cut off") << QByteArray("{\\rtf1\\trowd\\cellx10\\intbl a\\cell b");
    QTest::newRow("page and section breaks")
        << QByteArray("{\\rtf1 a\\page b\\sect\\sect c\\par\\page}");
    QTest::newRow("pictures leave nothing") << QByteArray("{\\rtf1 a{\\pict\\pngblip 00}b}");
    QTest::newRow("line breaks") << QByteArray("{\\rtf1 a\\line\\line b\\u8232 c}");
    QTest::newRow("double-byte runs")
        << QByteArray("{\\rtf1{\\fonttbl{\\f1 S;}}\\dbch\\af1\\afs30 ab\\u20013 cd\\u20014 }");
    QTest::newRow("cell budget") << QByteArray(
        "{\\rtf1\\trowd" + QByteArray("\\cellx1").repeated(63) + "\\intbl\\cell\\row" +
        QByteArray("\\intbl x\\cell\\row").repeated(3000) + "}");
}

void TestPlainText::sameAsDocument()
{
    QFETCH(QByteArray, rtf);
    const auto document = fixtures::read(rtf);
    QCOMPARE(richtext::plainText(rtf), richtext::plainText(*document));
}

void TestPlainText::tooLargeIsEmpty()
{
    QByteArray rtf("{\\rtf1 ");
    rtf.append(QByteArray(richtext::RtfReader::maxInputSize, 'a'));
    QCOMPARE(richtext::plainText(rtf), QString());
}

QTEST_MAIN(TestPlainText)
#include "tst_plain_text.moc"
