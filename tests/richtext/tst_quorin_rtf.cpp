// Tests of the quorin-rtf command: its outputs and exit codes.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "rtf_fixtures.h"
#include "test_files.h"
#include "write_faults.h"

#include "richtext/plain_text.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestQuorinRtf : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void exitCodes_data();
    void exitCodes();
    void convertWritesWhatReadsBack();
};

namespace {

struct Run
{
    int code = -1;
    QByteArray out;
    QByteArray err;
};

Run run(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(QUORIN_BIN_DIR "/quorin-rtf"), arguments);
    process.waitForFinished(30000);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

} // namespace

void TestQuorinRtf::exitCodes_data()
{
    const QString gbk = fixtures::path(QStringLiteral("wordpad_gbk.rtf"));
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("out");
    QTest::newRow("text") << QStringList{QStringLiteral("text"), gbk} << 0
                          << (fixtures::libreOfficeText(QStringLiteral("wordpad_gbk.rtf")) +
                              QLatin1Char('\n'))
                                 .toUtf8();
    QTest::newRow("html") << QStringList{QStringLiteral("html"), gbk} << 0 << QByteArray("<html>");
    QTest::newRow("missing file") << QStringList{QStringLiteral("text"),
                                                 QStringLiteral("/no/such.rtf")}
                                  << 2 << QByteArray();
    QTest::newRow("no arguments") << QStringList{} << 2 << QByteArray();
    QTest::newRow("unknown command")
        << QStringList{QStringLiteral("print"), gbk} << 2 << QByteArray();
    QTest::newRow("convert without output")
        << QStringList{QStringLiteral("convert"), gbk} << 2 << QByteArray();
}

void TestQuorinRtf::exitCodes()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, code);
    QFETCH(QByteArray, out);
    const Run result = run(arguments);
    QCOMPARE(result.code, code);
    if (code == 0) {
        QVERIFY2(result.out.startsWith(out) || result.out.contains(out),
                 result.out.left(200).constData());
    } else {
        QVERIFY(result.out.isEmpty());
        const QList<QByteArray> lines = result.err.trimmed().split('\n');
        QCOMPARE(lines.size(), 1);
        QVERIFY(lines.front().startsWith("quorin-rtf: "));
    }
}

void TestQuorinRtf::convertWritesWhatReadsBack()
{
    QTemporaryDir dir;
    dir.setAutoRemove(!QTest::currentTestFailed());
    const QString out = dir.filePath(QStringLiteral("out.rtf"));
    const Run result =
        run({QStringLiteral("convert"), fixtures::path(QStringLiteral("lo_pictures.rtf")), out});
    QCOMPARE(result.code, 0);
    QFile file(out);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();
    QCOMPARE(richtext::plainText(written),
             fixtures::libreOfficeText(QStringLiteral("lo_pictures.rtf")));

    // A full disk: the conversion fails with one line, and the document it would have
    // replaced keeps its bytes.
    Run full;
    {
        testing::FileSizeLimit limit(256);
        full = run(
            {QStringLiteral("convert"), fixtures::path(QStringLiteral("wordpad_gbk.rtf")), out});
    }
    QVERIFY(full.code != 0);
    QVERIFY2(full.err.startsWith("quorin-rtf: cannot write ") &&
                 full.err.trimmed().endsWith("it was not changed"),
             full.err.constData());
    QCOMPARE(testing::readBytes(out), written);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("out.rtf")});
}

QTEST_MAIN(TestQuorinRtf)
#include "tst_quorin_rtf.moc"
