// The data-root check on fixture roots with one problem each: what it reports, with
// which file, and that it changes nothing.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "setup/check_command.h"
#include "setup/root_check.h"
#include "test_files.h"

#include "richtext/rtf_reader.h"
#include "store/profile_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace Qt::StringLiterals;
using teacher::CheckFinding;
using teacher::RootCheck;
using Kind = CheckFinding::Kind;

Q_DECLARE_METATYPE(CheckFinding::Kind)
Q_DECLARE_METATYPE(RootCheck::Outcome)

namespace {

const char rosterText[] = "[ClassName]\n"
                          "ClassNameCount=2\n1=A1\n2=B2\n"
                          "[ClassCount]\nA1=30\nB2=30\n"
                          "[FirstNumber]\nA1=1\nB2=101\n"
                          "[LastNumber]\nA1=30\nB2=130\n"
                          "[TestName]\nTestNameCount=1\n1=Maths\nMaths=1\n"
                          "[Maths]\nA1=1\nB2=1\n";

const char paperText[] = "[MAIN]\nTESTTIME=30\nQuestion_conut=2\nfull_mark=20\nMark=10\n"
                         "[1]\nQUESTION=11.RTF\nexplain=12.RTF\nanswer=1\nmark=\n"
                         "[2]\nQUESTION=21.RTF\nexplain=22.RTF\nanswer=13\nmark=\n";

void write(const QString &root, const QString &relative, const char *text)
{
    testing::writeBytes(root + u'/' + relative, testing::windowsText(QString::fromUtf8(text)));
}

// The two classes of the healthy root, with another list of papers.
void writeRosterWithPapers(const QString &root, const char *papers)
{
    const QByteArray text = QByteArray("[ClassName]\nClassNameCount=2\n1=A1\n2=B2\n"
                                       "[FirstNumber]\nA1=1\nB2=101\n"
                                       "[LastNumber]\nA1=30\nB2=130\n[TestName]\n") +
                            QByteArray(papers);
    write(root, u"sys/sys.cho"_s, text.constData());
}

// A root in good health: two classes, one paper with its documents and two records.
void writeHealthyRoot(const QString &root)
{
    write(root, u"sys/sys.cho"_s, rosterText);
    write(root, u"SHIJUAN/Maths/Maths.cho"_s, paperText);
    for (const char *name : {"11.RTF", "12.RTF", "21.rtf", "22.RTF"})
        write(root, u"SHIJUAN/Maths/"_s + QLatin1String(name), "{\\rtf1 x}");
    write(root, u"CHENGJI/Maths/A17.cho"_s, "[A1]\n7=Li\n7LAST=\n7TIME1=2026,12,01  09:00:00\n");
    write(root, u"CHENGJI/Maths/B2101.CHO"_s, "[B2]\n101=Anna\n101TIME1=x\n101TIME2=00:01:00\n");
}

// A file of the given size without writing its bytes.
void writeSparse(const QString &path, qint64 size)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QVERIFY(file.resize(size));
}

} // namespace

class TestRootCheck : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_roots = 0;

    QString newRoot()
    {
        const QString root = m_dir.filePath(QString::number(++m_roots));
        writeHealthyRoot(root);
        return root;
    }

private slots:
    void cleanupTestCase() { m_dir.setAutoRemove(!QTest::currentTestFailed()); }

    void findings_data()
    {
        QTest::addColumn<QString>("problem");
        QTest::addColumn<QList<Kind>>("kinds");
        QTest::addColumn<QStringList>("lines");

        QTest::newRow("none") << u"none"_s << QList<Kind>{} << QStringList{};
        QTest::newRow("unreadable document")
            << u"unreadable document"_s << QList<Kind>{Kind::Unreadable}
            << QStringList{u"SHIJUAN/Maths/12.RTF: cannot be read: "_s};
        QTest::newRow("record too large")
            << u"record too large"_s << QList<Kind>{Kind::TooLarge}
            << QStringList{u"CHENGJI/Maths/A18.cho: is too large (16777217 bytes; the programs "
                           u"read files of up to 16777216 bytes)"_s};
        QTest::newRow("document too large")
            << u"document too large"_s << QList<Kind>{Kind::TooLarge}
            << QStringList{u"SHIJUAN/Maths/22.RTF: is too large"_s};
        QTest::newRow("class without a name")
            << u"class without a name"_s << QList<Kind>{Kind::MissingListEntry}
            << QStringList{u"sys/sys.cho: class 2 of 3 has no name in section [ClassName]"_s};
        QTest::newRow("papers without names")
            << u"papers without names"_s << QList<Kind>{Kind::MissingListEntry}
            << QStringList{u"sys/sys.cho: papers 2 to 4 of 4 have no name in section [TestName]"_s};
        QTest::newRow("refused class name")
            << u"refused class name"_s << QList<Kind>{Kind::RefusedName}
            << QStringList{u"sys/sys.cho: class \"A/1\" (position 1): "_s};
        QTest::newRow("paper listed twice")
            << u"paper listed twice"_s << QList<Kind>{Kind::DuplicateName}
            << QStringList{u"sys/sys.cho: paper \"maths\" is listed twice (positions 1 and 2)"_s};
        QTest::newRow("colliding classes")
            << u"colliding classes"_s << QList<Kind>{Kind::ClassCollision}
            << QStringList{u"sys/sys.cho: classes \"A1\" and \"A12\" share 9 record files: \"A1\" "
                           u"number 21 and \"A12\" number 1 both write \"A121.cho\"; deleting the "
                           u"score of one deletes the other's"_s};
        QTest::newRow("paper without folders")
            << u"paper without folders"_s
            << QList<Kind>{Kind::MissingPaperFolder, Kind::MissingResultFolder}
            << QStringList{u"SHIJUAN/Physics: paper \"Physics\" has no folder"_s,
                           u"CHENGJI/Physics: paper \"Physics\" has no result folder: the results "
                           u"of its testees are lost"_s};
        QTest::newRow("paper without its file")
            << u"paper without its file"_s << QList<Kind>{Kind::MissingPaperFile}
            << QStringList{u"SHIJUAN/Maths/Maths.cho: paper \"Maths\" has no paper file"_s};
        QTest::newRow("missing documents")
            << u"missing documents"_s << QList<Kind>{Kind::MissingDocument, Kind::MissingDocument}
            << QStringList{u"SHIJUAN/Maths/Maths.cho: the explanation document \"12.RTF\" of "
                           u"question 1 is missing"_s,
                           u"SHIJUAN/Maths/Maths.cho: question 2 names no question document"_s};
        QTest::newRow("document name climbing out")
            << u"document name climbing out"_s << QList<Kind>{Kind::RefusedName}
            << QStringList{u"SHIJUAN/Maths/Maths.cho: question 1 names the question document "
                           u"\"../../sys/sys.cho\", which is not a file name"_s};
        QTest::newRow("folders no paper owns")
            << u"folders no paper owns"_s << QList<Kind>{Kind::OrphanFolder, Kind::OrphanFolder}
            << QStringList{u"SHIJUAN/Old test: no paper of the roster owns this folder"_s,
                           u"CHENGJI/Old test: no paper of the roster owns this folder"_s};
        QTest::newRow("record of an unknown class")
            << u"record of an unknown class"_s << QList<Kind>{Kind::UnknownClass}
            << QStringList{u"CHENGJI/Maths/Z15.cho: section [Z1] holds records of a class the "
                           u"roster does not hold"_s};
        QTest::newRow("number outside the class")
            << u"number outside the class"_s << QList<Kind>{Kind::NumberOutOfRange}
            << QStringList{u"CHENGJI/Maths/A150.cho: testee 50 of class \"A1\" is outside the "
                           u"class's numbers 1 to 30"_s};
        QTest::newRow("record in another testee's file")
            << u"record in another testee's file"_s << QList<Kind>{Kind::MisplacedRecord}
            << QStringList{u"CHENGJI/Maths/A17.cho: holds the record of testee 8 of class \"A1\", "
                           u"which belongs in \"A18.cho\""_s};
    }
    void findings()
    {
        QFETCH(QString, problem);
        QFETCH(QList<Kind>, kinds);
        QFETCH(QStringList, lines);

        const QString root = newRoot();
        if (problem == u"unreadable document") {
            QFile::remove(root + u"/SHIJUAN/Maths/12.RTF"_s);
            QDir().mkpath(root + u"/SHIJUAN/Maths/12.RTF"_s); // a folder cannot be read as one
        } else if (problem == u"record too large") {
            writeSparse(root + u"/CHENGJI/Maths/A18.cho"_s, store::ProfileFile::maxFileSize + 1);
        } else if (problem == u"document too large") {
            writeSparse(root + u"/SHIJUAN/Maths/22.RTF"_s, richtext::RtfReader::maxInputSize + 1);
        } else if (problem == u"class without a name") {
            write(root, u"sys/sys.cho"_s,
                  "[ClassName]\nClassNameCount=3\n1=A1\n3=B2\n[FirstNumber]\nA1=1\nB2=101\n"
                  "[LastNumber]\nA1=30\nB2=130\n[TestName]\nTestNameCount=1\n1=Maths\n");
        } else if (problem == u"papers without names") {
            writeRosterWithPapers(root, "TestNameCount=4\n1=Maths\n");
        } else if (problem == u"refused class name") {
            write(root, u"sys/sys.cho"_s,
                  "[ClassName]\nClassNameCount=2\n1=A/1\n2=B2\n[FirstNumber]\nB2=101\n"
                  "[LastNumber]\nB2=130\n[TestName]\nTestNameCount=1\n1=Maths\n");
            write(root, u"CHENGJI/Maths/A17.cho"_s, "[B2]\n");
        } else if (problem == u"paper listed twice") {
            writeRosterWithPapers(root, "TestNameCount=2\n1=Maths\n2=maths\n");
        } else if (problem == u"colliding classes") {
            write(root, u"sys/sys.cho"_s,
                  "[ClassName]\nClassNameCount=3\n1=A1\n2=B2\n3=A12\n"
                  "[FirstNumber]\nA1=1\nB2=101\nA12=1\n[LastNumber]\nA1=30\nB2=130\nA12=9\n"
                  "[TestName]\nTestNameCount=1\n1=Maths\n");
        } else if (problem == u"paper without folders") {
            writeRosterWithPapers(root, "TestNameCount=2\n1=Maths\n2=Physics\n");
        } else if (problem == u"paper without its file") {
            QFile::remove(root + u"/SHIJUAN/Maths/Maths.cho"_s);
        } else if (problem == u"missing documents") {
            QFile::remove(root + u"/SHIJUAN/Maths/12.RTF"_s);
            QByteArray paper = testing::readBytes(root + u"/SHIJUAN/Maths/Maths.cho"_s);
            paper.replace("QUESTION=21.RTF", "QUESTION=");
            testing::writeBytes(root + u"/SHIJUAN/Maths/Maths.cho"_s, paper);
        } else if (problem == u"document name climbing out") {
            QByteArray paper = testing::readBytes(root + u"/SHIJUAN/Maths/Maths.cho"_s);
            paper.replace("QUESTION=11.RTF", "QUESTION=../../sys/sys.cho");
            testing::writeBytes(root + u"/SHIJUAN/Maths/Maths.cho"_s, paper);
        } else if (problem == u"folders no paper owns") {
            write(root, u"SHIJUAN/Old test/Old test.cho"_s, "[MAIN]\n");
            QDir().mkpath(root + u"/CHENGJI/Old test"_s);
        } else if (problem == u"record of an unknown class") {
            write(root, u"CHENGJI/Maths/Z15.cho"_s, "[Z1]\n5=Wu\n5LAST=\n");
        } else if (problem == u"number outside the class") {
            write(root, u"CHENGJI/Maths/A150.cho"_s, "[A1]\n50=Wu\n50TIME1=x\n");
        } else if (problem == u"record in another testee's file") {
            write(root, u"CHENGJI/Maths/A17.cho"_s, "[A1]\n7=Li\n8=Wu\n8LAST=\n");
        }

        const auto before = testing::treeSnapshot(root);
        RootCheck check{store::DataRoot(root)};
        QList<int> progress;
        const RootCheck::Outcome outcome =
            check.run([&](int done, int total) { progress << done << total; });
        QCOMPARE(testing::treeSnapshot(root), before); // read, never written

        QList<Kind> found;
        QStringList foundLines;
        for (const CheckFinding &finding : check.findings()) {
            found << finding.kind;
            foundLines << finding.line();
        }
        QCOMPARE(found, kinds);
        for (qsizetype i = 0; i < lines.size(); ++i)
            QVERIFY2(foundLines.at(i).startsWith(lines.at(i)), qPrintable(foundLines.at(i)));
        QCOMPARE(outcome,
                 kinds.isEmpty() ? RootCheck::Outcome::Clean : RootCheck::Outcome::Problems);
        QVERIFY(!progress.isEmpty());
        QCOMPARE(progress.constLast(), progress.at(progress.size() - 2)); // ends with n of n
    }

    void unreadableRecord()
    {
        if (geteuid() == 0)
            QSKIP("permissions do not stop root");
        const QString root = newRoot();
        const QString record = root + u"/CHENGJI/Maths/A17.cho"_s;
        QFile::setPermissions(record, QFileDevice::Permissions());
        RootCheck check{store::DataRoot(root)};
        QCOMPARE(check.run(), RootCheck::Outcome::Problems);
        QCOMPARE(check.findings().size(), 1);
        QCOMPARE(check.findings().constFirst().kind, Kind::Unreadable);
        QCOMPARE(check.findings().constFirst().file, u"CHENGJI/Maths/A17.cho"_s);
        QFile::setPermissions(record, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }

    void commandLinesAndExitCodes_data()
    {
        QTest::addColumn<QString>("problem");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::newRow("clean") << u"none"_s << 0 << QString()
                               << u"teacher check: no problems in \"<root>\" (2 classes, 1 "
                                  u"papers, 4 documents, 2 record files)\n"_s;
        QTest::newRow("problems") << u"orphan"_s << 1
                                  << u"CHENGJI/Gone: no paper of the roster owns this folder\n"_s
                                  << u"teacher check: 1 problem in \"<root>\" (2 classes, 1 "
                                     u"papers, 4 documents, 2 record files)\n"_s;
        QTest::newRow("no roster")
            << u"no roster"_s << 2 << QString()
            << u"teacher check: there is no data root in \"<root>\": it holds no sys/sys.cho\n"_s;
        QTest::newRow("no folder") << u"no folder"_s << 2 << QString()
                                   << u"teacher check: there is no folder \"<root>\"\n"_s;
        QTest::newRow("roster too large")
            << u"roster too large"_s << 2 << QString()
            << u"teacher check: sys/sys.cho: is too large (16777217 bytes; the programs read "
               u"files of up to 16777216 bytes)\n"_s;
        QTest::newRow("an argument") << u"argument"_s << 2 << QString()
                                     << u"teacher check: unexpected argument \"--fix\"; usage: "
                                        u"teacher [--data-root DIR] check\n"_s;
    }
    void commandLinesAndExitCodes()
    {
        QFETCH(QString, problem);
        QFETCH(int, code);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QString root = newRoot();
        QStringList arguments;
        if (problem == u"orphan")
            QDir().mkpath(root + u"/CHENGJI/Gone"_s);
        else if (problem == u"no roster")
            QFile::remove(root + u"/sys/sys.cho"_s);
        else if (problem == u"no folder")
            root += u"/nowhere"_s;
        else if (problem == u"roster too large")
            writeSparse(root + u"/sys/sys.cho"_s, store::ProfileFile::maxFileSize + 1);
        else if (problem == u"argument")
            arguments << u"--fix"_s;

        QString printed;
        QString errors;
        QTextStream outStream(&printed);
        QTextStream errStream(&errors);
        QCOMPARE(teacher::runCommand(teacher::checkCommand(), store::DataRoot(root), arguments,
                                     outStream, errStream),
                 code);
        QCOMPARE(printed, out);
        QCOMPARE(errors, QString(err).replace(u"<root>"_s, root));
    }
};

QTEST_GUILESS_MAIN(TestRootCheck)
#include "tst_root_check.moc"
