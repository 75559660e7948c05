// `teacher import-questions` and `export-questions` on a data root: refusals that leave the
// paper as it was, a bank through every format and back, and pictures through Moodle XML.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/question_commands.h"
#include "editor/working_folder.h"
#include "richtext/picture.h"
#include "richtext/plain_text.h"
#include "richtext/rtf_reader.h"
#include "root_builder.h"
#include "store/paper.h"
#include "test_files.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

using testing::RootBuilder;
using namespace Qt::StringLiterals;

namespace {

const QString source = u"数学 期中"_s;
const QString target = u"Target"_s;

struct Run
{
    int code = 0;
    QString out;
    QString err;
};

struct Fixture
{
    RootBuilder files;
    QString working = files.localFolder(u"editor"_s);

    Fixture()
    {
        files.classes({{u"A1"_s, 30, 1, 30}}).offer(source).offer(target);
        files.editedPaper(source,
                          {{u"第1题：下列哪个是质数？\nA. 21\nB. 23\nC. 27"_s, u"23 是质数。"_s,
                            u"2"_s, QString()},
                           {u"Is 7 x 8 = 56?\nA. True\nB. False"_s, QString(), u"1"_s, u"3"_s},
                           {u"Which are even?\nA. 2  B. 3  C. 4"_s, u""_s, u"13"_s, u"2.5"_s}},
                          5);
        files.paper(target, RootBuilder::settings(target));
    }
    Run run(const teacher::TeacherCommand &command, const QStringList &words) const
    {
        Run result;
        QTextStream out(&result.out);
        QTextStream err(&result.err);
        result.code = teacher::runCommand(command, files.root(), words, out, err);
        return result;
    }
    Run import(const QStringList &words) const
    {
        return run(editor::importQuestionsCommand(working), words);
    }
    Run exportTo(const QString &format, const QString &file, const QString &paper = source) const
    {
        return run(editor::exportQuestionsCommand(),
                   {u"--paper"_s, paper, u"--format"_s, format, u"--output"_s, file});
    }
    QString bank(const QString &name, const QByteArray &bytes) const
    {
        const QString path = files.localFolder(u"banks"_s) + u'/' + name;
        QDir().mkpath(QFileInfo(path).path());
        testing::writeBytes(path, bytes);
        return path;
    }
    /// Each question of a paper: its text, explanation, key and mark.
    QStringList questionsOf(const QString &paper) const
    {
        store::Paper loaded;
        store::PaperFile(files.root().paperFile(paper)).loadPaperQuestions(loaded);
        QStringList rows;
        for (int q = 1; q <= loaded.questionCount; ++q) {
            const store::Question entry = loaded.question(q);
            auto text = [&](const QString &name) {
                return richtext::plainText(
                           testing::readBytes(files.root().paperDocument(paper, name)))
                    .trimmed();
            };
            rows << text(entry.question) + u" | "_s + text(entry.explain) + u" | "_s +
                        entry.answer + u" | "_s + entry.mark;
        }
        return rows;
    }
};

QByteArray pngOf(QColor colour)
{
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace

class TestQuestionCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void refusalsLeaveThePaperAsItWas_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("words"); ///< "BANK" stands for a bank file
        QTest::addColumn<QByteArray>("bank");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("error");
        const QByteArray good = "::Q::Yes? {T}\n";
        QTest::newRow("unknown paper")
            << "import" << QStringList{u"--paper"_s, u"Nope"_s, u"BANK"_s} << good << 2
            << "there is no paper \"Nope\"";
        QTest::newRow("no file") << "import" << QStringList{u"--paper"_s, target} << good << 2
                                 << "name at least one FILE";
        QTest::newRow("a missing file")
            << "import" << QStringList{u"--paper"_s, target, u"BANK"_s, u"/nonexistent/b.gift"_s}
            << good << 1 << "/nonexistent/b.gift: ";
        QTest::newRow("a malformed file")
            << "import" << QStringList{u"--paper"_s, target, u"BANK"_s}
            << QByteArray("::A::One {=a ~b}\n\n::B::Two {=a ~b\n") << 1 << "bank.gift line 3: ";
        QTest::newRow("nothing to take")
            << "import" << QStringList{u"--paper"_s, target, u"BANK"_s}
            << QByteArray("::E::Essay {}\n") << 1 << "skipped bank.gift line 1: \"E\": ";
        QTest::newRow("an unknown format")
            << "import" << QStringList{u"--paper"_s, target, u"--format"_s, u"docx"_s, u"BANK"_s}
            << good << 2 << "";
        QTest::newRow("export: unknown paper")
            << "export" << QStringList{u"--paper"_s, u"Nope"_s,     u"--format"_s,
                                       u"gift"_s,    u"--output"_s, u"BANK"_s}
            << good << 2 << "there is no paper";
        QTest::newRow("export: an unwritable output")
            << "export" << QStringList{u"--paper"_s, source,        u"--format"_s,
                                       u"gift"_s,    u"--output"_s, u"/nonexistent/out.gift"_s}
            << good << 1 << "the questions were not written to /nonexistent/out.gift";
    }
    void refusalsLeaveThePaperAsItWas()
    {
        QFETCH(QString, command);
        QFETCH(QStringList, words);
        QFETCH(QByteArray, bank);
        QFETCH(int, code);
        QFETCH(QString, error);
        Fixture f;
        words.replaceInStrings(u"BANK"_s, f.bank(u"bank.gift"_s, bank));
        const QByteArray before = testing::readBytes(f.files.root().paperFile(target));
        const Run run =
            command == u"import" ? f.import(words) : f.run(editor::exportQuestionsCommand(), words);
        QCOMPARE(run.code, code);
        QVERIFY2(run.err.contains(error), qPrintable(run.err));
        QCOMPARE(run.err.count(u"\n"_s) >= 1, true);
        QCOMPARE(testing::readBytes(f.files.root().paperFile(target)), before);
        QCOMPARE(QDir(f.files.root().paperFolder(target)).entryList(QDir::Files).size(), 1);
    }

    void anOpenEditorHoldsThePaper()
    {
        Fixture f;
        editor::WorkingFolder open(f.working);
        QCOMPARE(open.claim(), editor::WorkingFolder::Claim::Claimed);
        const QByteArray before = testing::readBytes(f.files.root().paperFile(target));
        const Run run = f.import(
            {u"--paper"_s, target, f.bank(u"b.txt"_s, "Yes?\nA. yes\nB. no\nANSWER: A\n")});
        QCOMPARE(run.code, 1);
        QVERIFY2(run.err.contains(u"A paper is already being edited on this computer."_s),
                 qPrintable(run.err));
        QCOMPARE(testing::readBytes(f.files.root().paperFile(target)), before);
    }

    void throughEveryFormatAndBack_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QStringList>("questions");
        const QString q1 = u"第1题：下列哪个是质数？\nA. 21\nB. 23\nC. 27"_s;
        const QString q2 = u"Is 7 x 8 = 56?\nA. True\nB. False"_s;
        const QString q3 = u"Which are even?\nA. 2\nB. 3\nC. 4"_s;
        QTest::newRow("moodle-xml") << "moodle-xml"
                                    << QStringList{q1 + u" | 23 是质数。 | 2 | 5"_s,
                                                   q2 + u" |  | 1 | 3"_s, q3 + u" |  | 13 | 2.5"_s};
        QTest::newRow("gift") << "gift"
                              << QStringList{q1 + u" | 23 是质数。 | 2 | "_s, q2 + u" |  | 1 | "_s,
                                             q3 + u" |  | 13 | "_s};
        // Aiken holds neither explanations nor a second right option.
        QTest::newRow("aiken") << "aiken"
                               << QStringList{q1 + u" |  | 2 | "_s, q2 + u" |  | 1 | "_s,
                                              q3 + u" |  | 1 | "_s};
    }
    void throughEveryFormatAndBack()
    {
        QFETCH(QString, format);
        QFETCH(QStringList, questions);
        Fixture f;
        const QString file = f.files.localFolder(u"banks"_s) + u"/out."_s + format;
        QDir().mkpath(QFileInfo(file).path());
        const Run written = f.exportTo(format, file);
        QCOMPARE(written.code, 0);
        QCOMPARE(written.out, u"Wrote 3 questions of \"数学 期中\" to "_s + file + u".\n"_s);
        QCOMPARE(written.err.contains(u"keep only their first"_s), format == u"aiken");

        const Run read = f.import({u"--paper"_s, target, file});
        QVERIFY2(read.code == 0, qPrintable(read.err));
        QCOMPARE(read.out, u"Imported 3 questions into \"Target\": questions 1 to 3 of 3.\n"_s);
        QCOMPARE(f.questionsOf(target), questions);
        // Once more: they come after the ones there.
        QCOMPARE(f.import({u"--paper"_s, target, file}).out,
                 u"Imported 3 questions into \"Target\": questions 4 to 6 of 6.\n"_s);
        QCOMPARE(f.questionsOf(target).mid(3), questions);
    }

    void picturesGoThroughMoodleXmlOnly()
    {
        Fixture f;
        const QByteArray png = pngOf(Qt::red);
        f.files.document(source, u"1001.RTF"_s,
                         "{\\rtf1\\ansi Look:\\par {\\pict\\pngblip\\picw3\\pich2 " + png.toHex() +
                             "}\\par A. one\\par B. two}");
        const QString folder = f.files.localFolder(u"banks"_s);
        QDir().mkpath(folder);
        const Run gift = f.exportTo(u"gift"_s, folder + u"/out.gift"_s);
        QCOMPARE(gift.code, 0);
        QVERIFY2(gift.err.contains(u"gift carries text only: 1 pictures are left out"_s),
                 qPrintable(gift.err));

        const Run xml = f.exportTo(u"moodle-xml"_s, folder + u"/out.xml"_s);
        QCOMPARE(xml.code, 0);
        QCOMPARE(xml.err, QString());
        const QByteArray written = testing::readBytes(folder + u"/out.xml"_s);
        QVERIFY(written.contains("@@PLUGINFILE@@/image1.png"));
        QVERIFY(written.contains(png.toBase64()));

        QCOMPARE(f.import({u"--paper"_s, target, folder + u"/out.xml"_s}).code, 0);
        store::Paper loaded;
        store::PaperFile(f.files.root().paperFile(target)).loadPaperQuestions(loaded);
        const QByteArray document =
            testing::readBytes(f.files.root().paperDocument(target, loaded.question(1).question));
        QTextDocument read;
        richtext::RtfReader::read(document, read);
        QStringList pictures;
        for (QTextBlock block = read.begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                if (it.fragment().charFormat().isImageFormat())
                    pictures << it.fragment().charFormat().toImageFormat().name();
            }
        }
        QCOMPARE(pictures.size(), 1);
        QCOMPARE(richtext::Picture::find(read, pictures.at(0))->data, png);
        QCOMPARE(richtext::plainText(document).simplified(), u"Look: A. one B. two"_s);
        QCOMPARE(loaded.question(1).answer, u"2"_s);
    }
};

QTEST_MAIN(TestQuestionCommands)
#include "tst_question_commands.moc"
