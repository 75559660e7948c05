// LibreOffice opens every file we write: the paper document read back as text, the
// results workbook as CSV, and the old binary templates of existing installations
// converted and used. Needs LibreOffice; skipped (exit 77) when it is not installed.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "office_fixtures.h"
#include "root_builder.h"
#include "root_builder.h"
#include "test_files.h"

#include "office/template_source.h"
#include "office/xlsx_template.h"
#include "teacher/papers/paper_print.h"
#include "teacher/results/results_model.h"
#include "teacher/results/results_workbook.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

using office::CellAddress;

namespace {

const QString shipped = QStringLiteral(QUORIN_SOURCE_DIR "/data/sys/");

// Converts files with LibreOffice into `outFolder`; one run for all of them.
bool convert(const QString &profile, const QString &filter, const QString &outFolder,
             const QStringList &files)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(office::TemplateSource::officeProgram(),
                  QStringList{QStringLiteral("-env:UserInstallation=file://") + profile,
                              QStringLiteral("--headless"), QStringLiteral("--norestore"),
                              QStringLiteral("--convert-to"), filter, QStringLiteral("--outdir"),
                              outFolder} +
                      files);
    if (!process.waitForFinished(240000)) {
        process.kill();
        return false;
    }
    return process.exitCode() == 0;
}

QStringList textLines(const QString &path)
{
    QString text = QString::fromUtf8(testing::readBytes(path));
    text.remove(QChar(0xFEFF));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList lines;
    for (const QString &line : text.split(u'\n')) {
        if (!line.trimmed().isEmpty())
            lines.append(line.trimmed());
    }
    return lines;
}

void writePaper(testing::RootBuilder &root)
{
    root.classes({{QStringLiteral("A1"), 3, 1, 3}}).offer(QStringLiteral("期中 Maths"));
    root.savedPaper(
        QStringLiteral("期中 Maths"),
        {{QStringLiteral("1.RTF"), QStringLiteral("2.RTF"), QStringLiteral("13"), QString()},
         {QStringLiteral("3.RTF"), QString(), QString(), QStringLiteral("10")}});
    root.file(QStringLiteral("SHIJUAN/期中 Maths/1.RTF"),
              testing::readBytes(testing::fixture(QStringLiteral("richtext/wordpad_gbk.rtf"))));
    root.rtfDocument(QStringLiteral("期中 Maths"), QStringLiteral("2.RTF"),
                     QStringLiteral("23 只能被 1 和 23 整除。"));
    root.file(QStringLiteral("SHIJUAN/期中 Maths/3.RTF"),
              "{\\rtf1\\ansi Table:\\par\\trowd\\cellx2000\\cellx4000\\intbl x\\cell y\\cell\\row"
              "\\pard {\\pict\\pngblip\\picwgoal1500\\pichgoal750 " +
                  testing::pngBytes(40, 20).toHex() + "}\\par after picture\\par}");
}

} // namespace

class TestOfficeInterop : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString profile() const { return m_dir.path() + QStringLiteral("/profile"); }

private Q_SLOTS:
    void paperDocumentReadsBack();
    void workbookReadsBack();
    void oldTemplatesAreConvertedAndUsed();
};

void TestOfficeInterop::paperDocumentReadsBack()
{
    testing::RootBuilder root;
    writePaper(root);
    store::PaperSettings row =
        store::PaperFile(root.root().paperFile(QStringLiteral("期中 Maths"))).readPaperSettings();
    const QString out = m_dir.path() + QStringLiteral("/paper");
    QDir().mkpath(out);
    QStringList files;
    for (const char *name : {"paper.dotx", "lo_paper.dotx"}) {
        const QString templatePath = QLatin1StringView(name) == u"paper.dotx"
                                         ? shipped + QStringLiteral("paper.dotx")
                                         : testing::fixture(QStringLiteral("office/lo_paper.dotx"));
        const office::Result<QByteArray> document =
            papers::PaperPrint::build(root.root(), QStringLiteral("期中 Maths"), row,
                                      papers::Explanations::Print, templatePath);
        QVERIFY2(document, qPrintable(document.reason()));
        const QString path =
            out + u'/' + QLatin1StringView(name).chopped(5) + QStringLiteral(".docx");
        testing::writeBytes(path, *document);
        files.append(path);
    }
    QVERIFY(convert(profile(), QStringLiteral("txt:Text (encoded):UTF8"), out, files));
    for (const QString &file : files) {
        const QStringList lines =
            textLines(QString(file).replace(QStringLiteral(".docx"), QStringLiteral(".txt")));
        const QStringList expected{
            QStringLiteral("期中 Maths"),
            QStringLiteral("Author: 李老师    Time: 45 minutes    Questions: 2    Full mark: 15"),
            QStringLiteral("Question 1   (5 marks)"),
            QStringLiteral("下列哪个是质数？"),
            QStringLiteral("A. 21\tB. 23"),
            QStringLiteral("中文试ok"),
            QStringLiteral("23 只能被 1 和 23 整除。"),
            QStringLiteral("Question 2   (10 marks)"),
            QStringLiteral("Table:"),
            QStringLiteral("x"),
            QStringLiteral("y"),
            QStringLiteral("after picture"),
            QStringLiteral("Answer key"),
            QStringLiteral("1. 13"),
            QStringLiteral("2. [no answer]")};
        qsizetype at = 0;
        for (const QString &line : expected) {
            const qsizetype found = lines.indexOf(line, at);
            QVERIFY2(found >= 0,
                     qPrintable(QStringLiteral("%1: \"%2\" not found after line %3 in:\n%4")
                                    .arg(file, line)
                                    .arg(at)
                                    .arg(lines.join(u'\n'))));
            at = found + 1;
        }
    }
}

void TestOfficeInterop::workbookReadsBack()
{
    QTemporaryDir rootDir;
    testing::RootBuilder fixture(rootDir.path());
    fixture.keyedPaper(QStringLiteral("Maths"), {QStringLiteral("13"), QStringLiteral("2")});
    fixture.classes({{QStringLiteral("三班"), 3, 1, 3}});
    fixture.finish(QStringLiteral("Maths"), QStringLiteral("三班"), 1, QStringLiteral("=李明"),
                   QStringLiteral("Li"), QStringLiteral("85"), QStringLiteral("00:05:12"), {13, 2});
    fixture.finish(QStringLiteral("Maths"), QStringLiteral("三班"), 2, QStringLiteral("Anna"), {},
                   QStringLiteral("60"), QStringLiteral("00:00:00"), {1, 3});
    results::ResultsModel model(fixture.root());
    model.open();
    model.refreshResults(QStringLiteral("Maths"), QStringLiteral("三班"));
    const office::Result<QByteArray> workbook =
        results::ResultsWorkbook::build(model, shipped + QStringLiteral("score.xltx"));
    QVERIFY2(workbook, qPrintable(workbook.reason()));
    const QString out = m_dir.path() + QStringLiteral("/workbook");
    testing::writeBytes(out + QStringLiteral("/results.xlsx"), *workbook);
    // Comma, quote, UTF-8, first line 1, every sheet into a file of its own.
    QVERIFY(convert(
        profile(),
        QStringLiteral(
            "csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,false,false,false,-1"),
        out, {out + QStringLiteral("/results.xlsx")}));
    const auto sheet = [&](const char *name) {
        return textLines(out + QStringLiteral("/results-") + QLatin1StringView(name) +
                         QStringLiteral(".csv"));
    };
    const QStringList testees = sheet("Testees");
    QVERIFY2(testees.contains(QStringLiteral("1,=李明,Li,85,1,00:05:12")),
             qPrintable(testees.join(u'\n')));
    QVERIFY(testees.contains(QStringLiteral("2,Anna,,60,2,00:00:00")));
    QVERIFY(testees.contains(QStringLiteral("3,,,,,")));
    QVERIFY(testees.first().startsWith(QStringLiteral("Results,,,Class:,三班")));
    const QStringList summary = sheet("Summary");
    QVERIFY2(summary.contains(QStringLiteral("Average,72.5")), qPrintable(summary.join(u'\n')));
    QVERIFY(summary.contains(QStringLiteral("Pass %,100")));
    const QStringList questions = sheet("Questions");
    QVERIFY2(questions.contains(QStringLiteral("1,13,50,2,0,1,0,0")),
             qPrintable(questions.join(u'\n')));
    const QStringList answers = sheet("Answers");
    // The class name in F1 makes the sheet six columns wide.
    QVERIFY2(answers.contains(QStringLiteral("Number,First name,Last name,NO 1,NO 2,")),
             qPrintable(answers.join(u'\n')));
    QVERIFY(answers.contains(QStringLiteral("1,=李明,Li,13,2,")));
    QVERIFY(answers.contains(QStringLiteral("2,Anna,,1,3,")));
    QVERIFY(answers.contains(QStringLiteral("3,,,,,")));
}

void TestOfficeInterop::oldTemplatesAreConvertedAndUsed()
{
    testing::RootBuilder root;
    writePaper(root);
    root.copy(testing::fixture(QStringLiteral("office/legacy_paper.dot")),
              QStringLiteral("sys/paper.dot"));
    root.copy(testing::fixture(QStringLiteral("office/legacy_score.xlt")),
              QStringLiteral("sys/score.xlt"));
    const office::TemplateSource source(root.root(), office::TemplateSource::officeProgram(),
                                        m_dir.path() + QStringLiteral("/cache"));
    const office::Result<QString> paper = source.find(office::TemplateKind::Paper);
    QVERIFY2(paper, qPrintable(paper.reason()));
    const office::Result<QByteArray> document = papers::PaperPrint::build(
        root.root(), QStringLiteral("期中 Maths"),
        store::PaperFile(root.root().paperFile(QStringLiteral("期中 Maths"))).readPaperSettings(),
        papers::Explanations::Leave, *paper);
    QVERIFY2(document, qPrintable(document.reason()));
    QVERIFY(testing::docxParagraphs(*document).contains(QStringLiteral("Question 2   (10 marks)")));

    const office::Result<QString> score = source.find(office::TemplateKind::Score);
    QVERIFY2(score, qPrintable(score.reason()));
    office::Result<office::XlsxTemplate> book = office::XlsxTemplate::open(*score);
    QVERIFY2(book, qPrintable(book.reason()));
    QCOMPARE(book->sheetCount(), 4);
    QCOMPARE(book->cellText(2, CellAddress{6, 1}), QStringLiteral("Average"));
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (office::TemplateSource::officeProgram().isEmpty()) {
        std::puts("LibreOffice is not installed: the interop tests are skipped");
        return 77;
    }
    TestOfficeInterop test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_office_interop.moc"
