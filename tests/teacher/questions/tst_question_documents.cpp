// Imported questions as a paper's documents and a paper's documents as questions to write
// out: where the options are, what HTML and its pictures become, and what stands in for
// what a document lacks.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "questions/question_documents.h"
#include "richtext/picture.h"
#include "richtext/plain_text.h"
#include "richtext/rtf_reader.h"
#include "richtext/rtf_writer.h"

#include <QBuffer>
#include <QImage>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

using namespace Qt::StringLiterals;
using questions::Item;

namespace {

QByteArray png(int width)
{
    QImage image(width, 4, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    image.save(&buffer, "PNG");
    return bytes;
}

/// The original bytes of each picture a document shows, in order.
QList<QByteArray> picturesOf(const QByteArray &rtf)
{
    QTextDocument document;
    richtext::RtfReader::read(rtf, document);
    QList<QByteArray> pictures;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isImageFormat()) {
                const auto picture =
                    richtext::Picture::find(document, format.toImageFormat().name());
                pictures.append(picture ? picture->data : QByteArray("?"));
            }
        }
    }
    return pictures;
}

Item item(const QString &text, const QStringList &options, const QString &answer)
{
    Item made;
    made.text = text;
    made.options = options;
    made.answer = answer;
    return made;
}

} // namespace

class TestQuestionDocuments : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void findingTheOptions_data()
    {
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("options");
        QTest::newRow("one per line")
            << u"Which?\nA. x\nB. y"_s << u"Which?"_s << QStringList{u"x"_s, u"y"_s};
        QTest::newRow("on one line") << u"哪个？\nA．甲  B、乙  C) 丙"_s << u"哪个？"_s
                                     << QStringList{u"甲"_s, u"乙"_s, u"丙"_s};
        QTest::newRow("a line goes on the option")
            << u"Q\nA. long\n  text\nB. y\n\n"_s << u"Q"_s << QStringList{u"long text"_s, u"y"_s};
        QTest::newRow("two rows of two") << u"Q\n\nA. 1   B. 2\nC. 3   D. 4"_s << u"Q"_s
                                         << QStringList{u"1"_s, u"2"_s, u"3"_s, u"4"_s};
        QTest::newRow("no options") << u"  Only a text.\n"_s << u"Only a text."_s << QStringList{};
        QTest::newRow("a last line goes on the last option")
            << u"Q\nA. x\nB. y\nWhy?"_s << u"Q"_s << QStringList{u"x"_s, u"y Why?"_s};
        QTest::newRow("letters out of order")
            << u"Q\nA. x\nC. y"_s << u"Q"_s << QStringList{u"x C. y"_s};
        QTest::newRow("an A inside a sentence")
            << u"Grade A. is best\nA. yes"_s << u"Grade A. is best"_s << QStringList{u"yes"_s};
    }
    void findingTheOptions()
    {
        QFETCH(QString, plain);
        QFETCH(QString, text);
        QFETCH(QStringList, options);
        const questions::SplitText split = questions::splitOptions(plain);
        QCOMPARE(split.text, text);
        QCOMPARE(split.options, options);
    }

    void htmlAndItsPictures()
    {
        Item html = item(u"<p>Look at <b>this</b>:</p><p><img src=\"@@PLUGINFILE@@/my%20pic.png\">"
                         u"<img src=\"@@PLUGINFILE@@/absent.png\">"
                         u"<img src=\"@@PLUGINFILE@@/junk.png\"></p>"_s,
                         {u"one"_s, u" two\n"_s}, u"2"_s);
        html.html = true;
        html.explanation = u"<p>Because <img src=\"@@PLUGINFILE@@/my pic.png\"></p>"_s;
        html.attachments = {{u"my pic.png"_s, png(5)}, {u"junk.png"_s, "not a picture"}};
        html.mark = 2.5;
        const questions::NewQuestion made = questions::toNewQuestion(html);

        // A name without a file and bytes that are no picture leave nothing behind.
        QCOMPARE(picturesOf(made.question), QList<QByteArray>{png(5)});
        QCOMPARE(picturesOf(made.explanation), QList<QByteArray>{png(5)});
        QCOMPARE(made.rowText, u"Look at this:\n\nA. one\nB. two"_s);
        QCOMPARE(made.mark, u"2.5"_s);
        QCOMPARE(made.answer, u"2"_s);
        QVERIFY(made.question.contains("\\b"));
        QVERIFY(made.question.contains("SimSun"));

        // Out again: the picture is an attachment of its own name, once.
        const Item back =
            questions::toItem({u"T"_s, made.question, made.explanation, u"2"_s, 2.5}, true);
        QCOMPARE(back.options, (QStringList{u"one"_s, u"two"_s}));
        QCOMPARE(back.attachments.size(), 2);
        QCOMPARE(back.attachments.at(0), (questions::Attachment{u"image1.png"_s, png(5)}));
        QVERIFY(back.text.contains(u"src=\"@@PLUGINFILE@@/image1.png\""_s));
        QVERIFY(!back.text.contains(u"one"_s));
        QVERIFY(back.explanation.contains(u"@@PLUGINFILE@@/image2.png"_s));
        QCOMPARE(back.mark, 2.5);

        // As plain text the pictures are counted as left out.
        questions::ExportNotes notes;
        const Item plain = questions::toItem({u"T"_s, made.question, made.explanation, u"2"_s, 2.5},
                                             false, &notes);
        QCOMPARE(plain.text, u"Look at this:"_s);
        QCOMPARE(plain.explanation, u"Because"_s);
        QVERIFY(plain.attachments.isEmpty());
        QCOMPARE(notes.picturesLeftOut, 2);
    }

    void whatStandsInForWhatIsMissing_data()
    {
        QTest::addColumn<QString>("document");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<bool>("trueFalse");
        QTest::newRow("options in a picture")
            << u"See the figure."_s << u"2"_s << QStringList{u"A"_s, u"B"_s, u"C"_s, u"D"_s}
            << false;
        QTest::newRow("a key past D")
            << u"See the figure."_s << u"16"_s
            << QStringList{u"A"_s, u"B"_s, u"C"_s, u"D"_s, u"E"_s, u"F"_s} << false;
        QTest::newRow("true or false") << u"7 is prime.\nA. true\nB. FALSE"_s << u"1"_s
                                       << QStringList{u"True"_s, u"False"_s} << true;
        QTest::newRow("对错") << u"7 是质数。\nA. 对\nB. 错"_s << u"2"_s
                              << QStringList{u"True"_s, u"False"_s} << true;
        QTest::newRow("both right is no true/false")
            << u"Q\nA. True\nB. False"_s << u"12"_s << QStringList{u"True"_s, u"False"_s} << false;
    }
    void whatStandsInForWhatIsMissing()
    {
        QFETCH(QString, document);
        QFETCH(QString, answer);
        QFETCH(QStringList, options);
        QFETCH(bool, trueFalse);
        QTextDocument written;
        written.setPlainText(document);
        const Item made = questions::toItem(
            {QString(), richtext::RtfWriter::write(written), QByteArray(), answer, 5}, false);
        QCOMPARE(made.options, options);
        QCOMPARE(made.trueFalse, trueFalse);
        QCOMPARE(made.explanation, QString());
        // A true/false question comes back in as it went out.
        if (trueFalse) {
            QCOMPARE(questions::toNewQuestion(made).rowText.section(u'\n', 1),
                     u"A. True\nB. False"_s);
        }
    }
};

QTEST_MAIN(TestQuestionDocuments)
#include "tst_question_documents.moc"
