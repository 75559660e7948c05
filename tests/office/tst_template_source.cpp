// Finding the templates of a data root, converting the old binary ones once, and
// writing finished files without ever replacing or half-writing one.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "office_fixtures.h"
#include "test_files.h"

#include "office/output_file.h"
#include "office/template_source.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using office::TemplateKind;
using office::TemplateSource;

namespace {

void write(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A stand-in for LibreOffice: copies its input to the output folder under the
// output name, and notes each run in a log.
QString fakeOffice(const QString &folder, bool works)
{
    const QString path = folder + QStringLiteral("/soffice");
    const QByteArray script =
        "#!/bin/sh\n"
        "echo run >> \"" +
        folder.toUtf8() + "/runs.log\"\n" +
        (works ? QByteArray("for a; do last=$a; done\n"
                            "while [ $# -gt 0 ]; do case $1 in --convert-to) ext=${2%%:*}; shift;;"
                            " --outdir) out=$2; shift;; esac; shift; done\n"
                            "base=$(basename \"$last\"); cp \"$last\" \"$out/${base%.*}.$ext\"\n")
               : QByteArray("echo 'Error: source file could not be loaded' >&2; exit 1\n"));
    write(path, script);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

int runs(const QString &folder)
{
    return int(testing::readBytes(folder + QStringLiteral("/runs.log")).count("run"));
}

} // namespace

class TestTemplateSource : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void currentTemplateInAnyCase();
    void missingTemplateSaysWhere_data();
    void missingTemplateSaysWhere();
    void oldTemplateConvertedOnce();
    void failedConversionSaysWhy();
    void newFilesNeverReplaceOld();
    void failedWriteLeavesNothing();
    void safeFileNames_data();
    void safeFileNames();
    void deliverOpensTheFile();
};

void TestTemplateSource::currentTemplateInAnyCase()
{
    QTemporaryDir dir;
    write(dir.path() + QStringLiteral("/SYS/Paper.DOTX"), "x");
    const office::Result<QString> found =
        TemplateSource(store::DataRoot(dir.path()), {}, dir.path() + QStringLiteral("/cache"))
            .find(TemplateKind::Paper);
    QVERIFY2(found, qPrintable(found.reason()));
    QCOMPARE(*found, dir.path() + QStringLiteral("/SYS/Paper.DOTX"));
}

void TestTemplateSource::missingTemplateSaysWhere_data()
{
    QTest::addColumn<TemplateKind>("kind");
    QTest::addColumn<QString>("old");
    QTest::addColumn<QStringList>("words");
    QTest::newRow("no paper template")
        << TemplateKind::Paper << QString()
        << QStringList{QStringLiteral("sys/paper.dotx"), QStringLiteral("Word")};
    QTest::newRow("no score template")
        << TemplateKind::Score << QString()
        << QStringList{QStringLiteral("sys/score.xltx"), QStringLiteral("Excel")};
    QTest::newRow("old paper template, no LibreOffice")
        << TemplateKind::Paper << QStringLiteral("sys/paper.dot")
        << QStringList{QStringLiteral("sys/paper.dot,"), QStringLiteral("Install LibreOffice"),
                       QStringLiteral("sys/paper.dotx")};
}

void TestTemplateSource::missingTemplateSaysWhere()
{
    QFETCH(TemplateKind, kind);
    QFETCH(QString, old);
    QFETCH(QStringList, words);
    QTemporaryDir dir;
    QDir().mkpath(dir.path() + QStringLiteral("/sys"));
    if (!old.isEmpty())
        write(dir.path() + u'/' + old, "old");
    const office::Result<QString> found =
        TemplateSource(store::DataRoot(dir.path()), {}, dir.path() + QStringLiteral("/cache"))
            .find(kind);
    QVERIFY(!found);
    for (const QString &word : words)
        QVERIFY2(found.reason().contains(word), qPrintable(found.reason()));
}

void TestTemplateSource::oldTemplateConvertedOnce()
{
    QTemporaryDir dir;
    const QString office = fakeOffice(dir.path(), true);
    write(dir.path() + QStringLiteral("/root/sys/score.xlt"), "old workbook");
    const TemplateSource source(store::DataRoot(dir.path() + QStringLiteral("/root")), office,
                                dir.path() + QStringLiteral("/cache"));
    const office::Result<QString> first = source.find(TemplateKind::Score);
    QVERIFY2(first, qPrintable(first.reason()));
    QVERIFY(first->endsWith(u".xltx"));
    QCOMPARE(testing::readBytes(*first), QByteArray("old workbook"));
    QCOMPARE(*source.find(TemplateKind::Score), *first);
    QCOMPARE(runs(dir.path()), 1);
    // A changed old template is converted again.
    write(dir.path() + QStringLiteral("/root/sys/score.xlt"), "changed workbook");
    const office::Result<QString> second = source.find(TemplateKind::Score);
    QVERIFY(second && *second != *first);
    QCOMPARE(runs(dir.path()), 2);
    // A shipped template comes first.
    write(dir.path() + QStringLiteral("/root/sys/score.xltx"), "new");
    QCOMPARE(*source.find(TemplateKind::Score),
             dir.path() + QStringLiteral("/root/sys/score.xltx"));
}

void TestTemplateSource::failedConversionSaysWhy()
{
    QTemporaryDir dir;
    write(dir.path() + QStringLiteral("/root/sys/paper.dot"), "old");
    const TemplateSource source(store::DataRoot(dir.path() + QStringLiteral("/root")),
                                fakeOffice(dir.path(), false),
                                dir.path() + QStringLiteral("/cache"));
    const office::Result<QString> found = source.find(TemplateKind::Paper);
    QVERIFY(!found);
    QVERIFY2(found.reason().contains(QStringLiteral("could not be converted")),
             qPrintable(found.reason()));
    QVERIFY2(found.reason().contains(QStringLiteral("could not be loaded")),
             qPrintable(found.reason()));
    QVERIFY(QDir(dir.path() + QStringLiteral("/cache"))
                .entryList({QStringLiteral("*.dotx")})
                .isEmpty());

    const TemplateSource missing(store::DataRoot(dir.path() + QStringLiteral("/root")),
                                 dir.path() + QStringLiteral("/no-such-office"),
                                 dir.path() + QStringLiteral("/cache"));
    const office::Result<QString> notStarted = missing.find(TemplateKind::Paper);
    QVERIFY(!notStarted);
    QVERIFY2(notStarted.reason().contains(QStringLiteral("could not be started")),
             qPrintable(notStarted.reason()));
}

void TestTemplateSource::newFilesNeverReplaceOld()
{
    QTemporaryDir dir;
    const QString folder = dir.path() + QStringLiteral("/Documents/Quorin");
    QStringList paths;
    for (int i = 0; i < 3; ++i) {
        const office::Result<QString> path = office::writeNewFile(
            folder, QStringLiteral("Demo Maths"), QStringLiteral("docx"), QByteArray::number(i));
        QVERIFY2(path, qPrintable(path.reason()));
        paths.append(*path);
    }
    QCOMPARE(paths, (QStringList{folder + QStringLiteral("/Demo Maths.docx"),
                                 folder + QStringLiteral("/Demo Maths (2).docx"),
                                 folder + QStringLiteral("/Demo Maths (3).docx")}));
    for (int i = 0; i < 3; ++i)
        QCOMPARE(testing::readBytes(paths.at(i)), QByteArray::number(i));

    QVERIFY(office::writeFile(paths.first(), "replaced"));
    QCOMPARE(testing::readBytes(paths.first()), QByteArray("replaced"));
}

void TestTemplateSource::failedWriteLeavesNothing()
{
    QTemporaryDir dir;
    write(dir.path() + QStringLiteral("/file"), "a file where a folder should be");
    const office::Result<QString> path =
        office::writeNewFile(dir.path() + QStringLiteral("/file/sub"), QStringLiteral("x"),
                             QStringLiteral("docx"), "bytes");
    QVERIFY(!path);
    QVERIFY(path.reason().contains(QStringLiteral("cannot be made")));
    const office::Status status =
        office::writeFile(dir.path() + QStringLiteral("/file/x.docx"), "bytes");
    QVERIFY(!status);
    QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
             QStringList{QStringLiteral("file")});
}

void TestTemplateSource::safeFileNames_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << QStringLiteral("Demo Maths A1") << QStringLiteral("Demo Maths A1");
    QTest::newRow("Chinese") << QStringLiteral("期中考试 三班") << QStringLiteral("期中考试 三班");
    QTest::newRow("separators") << QStringLiteral("../../etc/passwd")
                                << QStringLiteral("_.._etc_passwd");
    QTest::newRow("Windows characters")
        << QStringLiteral("a:b*c?\"<>|") << QStringLiteral("a_b_c_____");
    QTest::newRow("control characters") << QStringLiteral("a\tb\nc") << QStringLiteral("a_b_c");
    QTest::newRow("dots and blanks at the ends")
        << QStringLiteral(" .hidden. ") << QStringLiteral("hidden");
}

void TestTemplateSource::safeFileNames()
{
    QFETCH(QString, text);
    QFETCH(QString, name);
    QCOMPARE(office::safeFileName(text), name);
}

void TestTemplateSource::deliverOpensTheFile()
{
    QTemporaryDir dir;
    QStringList opened;
    office::Delivery delivery;
    delivery.folder = dir.path();
    delivery.open = [&](const QString &path) {
        opened.append(path);
        return false;
    };
    const QDateTime when(QDate(2024, 5, 1), QTime(14, 3));
    const office::Result<office::Delivered> delivered = office::deliver(
        delivery, QStringLiteral("Demo/Maths"), when, QStringLiteral("docx"), "doc");
    QVERIFY(delivered);
    QCOMPARE(delivered->path, dir.path() + QStringLiteral("/Demo_Maths 2024-05-01 14.03.docx"));
    QCOMPARE(opened, QStringList{delivered->path});
    QVERIFY(!delivered->opened);
}

QTEST_GUILESS_MAIN(TestTemplateSource)
#include "tst_template_source.moc"
