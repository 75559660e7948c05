// The paper's Word document: header values as the row holds them, one block and one
// key line per question, explanations on request, and what happens when a template
// or a document is not as it should be.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "office_fixtures.h"
#include "test_files.h"
#include "root_builder.h"

#include "teacher/papers/paper_print.h"

#include <QTest>
#include <sys/stat.h>

using papers::Explanations;
using papers::PaperPrint;

namespace {

const QString paperName = QStringLiteral("Maths");

// The template of the exact checks: one paragraph per placeholder line.
QByteArray plainTemplate()
{
    QString body;
    for (const char *line :
         {"[PAPER NAME]",
          "By [AUTHOR], [TESTTIME] min, [QUESTION_COUNT] questions, [FULLMARK] marks",
          "[QUESTION No]. ([MARK])", "[QUESTION]", "[OPTION]", "Key", "[ANSWER No]: [OP]"})
        body += testing::paragraph(QString::fromUtf8(line));
    return testing::wordTemplate(body);
}

store::PaperSettings row(int questions, int fullMark)
{
    store::PaperSettings settings = store::PaperSettings::forNewPaper(paperName);
    settings.testTime = QStringLiteral("45");
    settings.author = QStringLiteral("李老师");
    settings.questionCount = QString::number(questions);
    settings.fullMark = QString::number(fullMark);
    return settings;
}

// Three questions: the first with both documents and no mark of its own, the
// second with no answer, the third with no question document.
void writeThreeQuestions(testing::RootBuilder &root)
{
    root.classes({{QStringLiteral("A1"), 3, 1, 3}}).offer(paperName);
    root.savedPaper(
        paperName,
        {{QStringLiteral("11.RTF"), QStringLiteral("12.RTF"), QStringLiteral("13"), QString()},
         {QStringLiteral("21.RTF"), QString(), QString(), QStringLiteral("10")},
         {QString(), QStringLiteral("32.RTF"), QStringLiteral("2"), QStringLiteral("3")}});
    root.rtfDocument(paperName, QStringLiteral("11.RTF"), QStringLiteral("What is 7 x 8?\nA. 56"));
    root.rtfDocument(paperName, QStringLiteral("12.RTF"), QStringLiteral("Seven eights."));
    root.rtfDocument(paperName, QStringLiteral("21.RTF"), QStringLiteral("下列哪个是质数？"));
    root.rtfDocument(paperName, QStringLiteral("32.RTF"), QStringLiteral("Only an explanation."));
}

QByteArray build(const testing::RootBuilder &root, const store::PaperSettings &settings,
                 Explanations explanations, const QString &templatePath)
{
    const office::Result<QByteArray> document =
        PaperPrint::build(root.root(), paperName, settings, explanations, templatePath);
    if (!document)
        qWarning("%s", qPrintable(document.reason()));
    return document ? *document : QByteArray();
}

} // namespace

class TestPaperPrint : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void blocksAndKey_data();
    void blocksAndKey();
    void noQuestionsLeavesBlockAndKey();
    void shippedTemplates_data();
    void shippedTemplates();
    void questionWithPicture();
    void failures_data();
    void failures();
};

void TestPaperPrint::blocksAndKey_data()
{
    QTest::addColumn<Explanations>("explanations");
    QTest::addColumn<QStringList>("expected");

    const QStringList head{paperName, QStringLiteral("By 李老师, 45 min, 3 questions, 18 marks")};
    const QStringList key{QStringLiteral("Key"), QStringLiteral("1: 13"),
                          QStringLiteral("2: [no answer]"), QStringLiteral("3: 2")};
    QTest::newRow("without explanations")
        << Explanations::Leave
        << head + QStringList{QStringLiteral("1. (5)"),     QStringLiteral("What is 7 x 8?"),
                              QStringLiteral("A. 56"),      QStringLiteral("[OPTION]"),
                              QStringLiteral("2. (10)"),    QStringLiteral("下列哪个是质数？"),
                              QStringLiteral("[OPTION]"),   QStringLiteral("3. (3)"),
                              QStringLiteral("[QUESTION]"), QStringLiteral("[OPTION]")} +
               key;
    QTest::newRow("with explanations") << Explanations::Print
                                       << head +
                                              QStringList{QStringLiteral("1. (5)"),
                                                          QStringLiteral("What is 7 x 8?"),
                                                          QStringLiteral("A. 56"),
                                                          QStringLiteral("Seven eights."),
                                                          QStringLiteral("[OPTION]"),
                                                          QStringLiteral("2. (10)"),
                                                          QStringLiteral("下列哪个是质数？"),
                                                          QStringLiteral("[OPTION]"),
                                                          QStringLiteral("3. (3)"),
                                                          QStringLiteral("[QUESTION]"),
                                                          QStringLiteral("Only an explanation."),
                                                          QStringLiteral("[OPTION]")} +
                                              key;
}

void TestPaperPrint::blocksAndKey()
{
    QFETCH(Explanations, explanations);
    QFETCH(QStringList, expected);
    testing::RootBuilder root;
    writeThreeQuestions(root);
    root.file(QStringLiteral("sys/plain.dotx"), plainTemplate());
    const QByteArray docx =
        build(root, row(3, 18), explanations, root.path() + QStringLiteral("/sys/plain.dotx"));
    QVERIFY(!docx.isEmpty());
    QCOMPARE(testing::docxParagraphs(docx), expected);
}

void TestPaperPrint::noQuestionsLeavesBlockAndKey()
{
    testing::RootBuilder root;
    root.classes({{QStringLiteral("A1"), 3, 1, 3}}).offer(paperName);
    root.savedPaper(paperName, {});
    root.file(QStringLiteral("sys/plain.dotx"), plainTemplate());
    const QByteArray docx = build(root, row(0, 0), Explanations::Print,
                                  root.path() + QStringLiteral("/sys/plain.dotx"));
    QCOMPARE(testing::docxParagraphs(docx),
             (QStringList{paperName, QStringLiteral("By 李老师, 45 min, 0 questions, 0 marks"),
                          QStringLiteral("[QUESTION No]. ([MARK])"), QStringLiteral("[QUESTION]"),
                          QStringLiteral("[OPTION]"), QStringLiteral("Key"),
                          QStringLiteral("[ANSWER No]: [OP]")}));

    // A template without the block needs none when there is no question to print.
    root.file(QStringLiteral("sys/bare.dotx"),
              testing::wordTemplate(testing::paragraph(QStringLiteral("[PAPER NAME]"))));
    QCOMPARE(testing::docxParagraphs(build(root, row(0, 0), Explanations::Leave,
                                           root.path() + QStringLiteral("/sys/bare.dotx"))),
             QStringList{paperName});
}

void TestPaperPrint::shippedTemplates_data()
{
    QTest::addColumn<QString>("templatePath");
    QTest::newRow("shipped") << QStringLiteral(QUORIN_SOURCE_DIR "/data/sys/paper.dotx");
    QTest::newRow("saved again by LibreOffice")
        << QStringLiteral(QUORIN_TEST_DATA "/office/lo_paper.dotx");
}

void TestPaperPrint::shippedTemplates()
{
    QFETCH(QString, templatePath);
    testing::RootBuilder root;
    writeThreeQuestions(root);
    const QByteArray docx = build(root, row(3, 18), Explanations::Leave, templatePath);
    const QStringList paragraphs = testing::docxParagraphs(docx);
    QVERIFY(paragraphs.contains(paperName));
    QVERIFY(paragraphs.contains(
        QStringLiteral("Author: 李老师    Time: 45 minutes    Questions: 3    Full mark: 18")));
    const QStringList headings = paragraphs.filter(QStringLiteral("marks)"));
    QCOMPARE(headings, (QStringList{QStringLiteral("Question 1   (5 marks)"),
                                    QStringLiteral("Question 2   (10 marks)"),
                                    QStringLiteral("Question 3   (3 marks)")}));
    QCOMPARE(paragraphs.filter(QStringLiteral("[OPTION]")).size(), 3);
    QVERIFY(paragraphs.indexOf(QStringLiteral("1. 13")) >
            paragraphs.indexOf(QStringLiteral("Answer key")));
    QVERIFY(paragraphs.contains(QStringLiteral("2. [no answer]")));
    for (const char *placeholder :
         {"[PAPER NAME]", "[AUTHOR]", "[QUESTION No]", "[MARK]", "[ANSWER No]", "[OP]"})
        QVERIFY2(paragraphs.filter(QLatin1StringView(placeholder)).isEmpty(), placeholder);
    // The page set-up of the template: its sections, and not one more.
    const office::Package out = testing::parts(docx);
    const office::Package in = testing::parts(testing::readBytes(templatePath));
    QCOMPARE(out.find(QStringLiteral("word/document.xml"))->count("<w:sectPr"),
             in.find(QStringLiteral("word/document.xml"))->count("<w:sectPr"));
}

void TestPaperPrint::questionWithPicture()
{
    testing::RootBuilder root;
    root.classes({{QStringLiteral("A1"), 3, 1, 3}}).offer(paperName);
    root.savedPaper(paperName,
                    {{QStringLiteral("1.RTF"), QString(), QStringLiteral("1"), QString()}});
    root.file(QStringLiteral("SHIJUAN/Maths/1.RTF"),
              "{\\rtf1\\ansi Look: {\\pict\\pngblip\\picwgoal3000\\pichgoal1500 " +
                  testing::pngBytes(200, 100).toHex() + "}\\par}");
    const QByteArray docx = build(root, row(1, 5), Explanations::Leave,
                                  QStringLiteral(QUORIN_SOURCE_DIR "/data/sys/paper.dotx"));
    const office::Package package = testing::parts(docx);
    QVERIFY(package.contains(QStringLiteral("word/media/quorin1.png")));
    QVERIFY(package.find(QStringLiteral("word/document.xml"))->contains("<a:blip r:embed=\"rId"));
}

void TestPaperPrint::failures_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("reason");
    QTest::newRow("question document missing")
        << QStringLiteral("remove 21.RTF")
        << QStringLiteral("21.RTF of question 2 cannot be read (it is missing)");
    QTest::newRow("explanation missing")
        << QStringLiteral("remove 12.RTF")
        << QStringLiteral("explanation document 12.RTF of question 1");
    QTest::newRow("a FIFO named like a document")
        << QStringLiteral("fifo 21.RTF")
        << QStringLiteral("21.RTF of question 2 cannot be read (it is not a regular file)");
    QTest::newRow("a link to /dev/zero")
        << QStringLiteral("zero 21.RTF")
        << QStringLiteral("21.RTF of question 2 cannot be read (it is not a regular file)");
    QTest::newRow("document outside the paper")
        << QStringLiteral("name ../../sys/sys.cho")
        << QStringLiteral("not a file of the paper's folder");
    QTest::newRow("no question number") << QStringLiteral("template no [QUESTION No]")
                                        << QStringLiteral("no [QUESTION No] placeholder");
    QTest::newRow("no option") << QStringLiteral("template no [OPTION]")
                               << QStringLiteral("no [OPTION] placeholder after [QUESTION No]");
    QTest::newRow("no answer key") << QStringLiteral("template no [ANSWER No]")
                                   << QStringLiteral("no [ANSWER No] placeholder");
    QTest::newRow("template not a zip")
        << QStringLiteral("template garbage") << QStringLiteral("The template cannot be used");
}

void TestPaperPrint::failures()
{
    QFETCH(QString, change);
    QFETCH(QString, reason);
    testing::RootBuilder root;
    writeThreeQuestions(root);
    QString templatePath = QStringLiteral(QUORIN_SOURCE_DIR "/data/sys/paper.dotx");
    const QString document =
        root.path() + QStringLiteral("/SHIJUAN/Maths/") + change.section(u' ', 1);
    if (change.startsWith(u"remove ")) {
        QVERIFY(QFile::remove(document));
    } else if (change.startsWith(u"fifo ") || change.startsWith(u"zero ")) {
        QVERIFY(QFile::remove(document));
        if (change.startsWith(u"fifo "))
            QCOMPARE(::mkfifo(QFile::encodeName(document).constData(), 0600), 0);
        else
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), document));
    } else if (change.startsWith(u"name ")) {
        root.savedPaper(paperName, {{change.mid(5), QString(), QString(), QString()}});
    } else if (change.startsWith(u"template ")) {
        templatePath = root.path() + QStringLiteral("/sys/bad.dotx");
        QString body;
        for (const char *line : {"[QUESTION No]", "[QUESTION]", "[OPTION]", "[ANSWER No]"}) {
            if (!change.endsWith(QLatin1StringView(line)))
                body += testing::paragraph(QLatin1StringView(line));
        }
        root.file(QStringLiteral("sys/bad.dotx"), change.endsWith(u"garbage")
                                                      ? QByteArray("not a document")
                                                      : testing::wordTemplate(body));
    }
    const office::Result<QByteArray> built =
        PaperPrint::build(root.root(), paperName, row(3, 18), Explanations::Print, templatePath);
    QVERIFY(!built);
    QVERIFY2(built.reason().contains(reason), qPrintable(built.reason()));
}

QTEST_GUILESS_MAIN(TestPaperPrint)
#include "tst_paper_print.moc"
