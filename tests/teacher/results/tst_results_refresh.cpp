// A refresh opens only the record files that changed since the last one, and the
// figures come out as from reading them all; a record file that is no file does
// not stop the class from showing.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "root_builder.h"
#include "teacher/results/record_cache.h"
#include "teacher/results/results_model.h"

#include "store/profile_file.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTest>
#include <sys/stat.h>

using namespace results;
using testing::RootBuilder;

namespace {

const QString maths = QStringLiteral("Maths");
const QString a1 = QStringLiteral("A1");
constexpr int testees = 500;

// Files written an hour ago: settled, so that a cache may keep them.
void age(const QString &path, int seconds = 3600)
{
    QFile file(path);
    if (file.open(QIODevice::ReadWrite))
        file.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-seconds),
                         QFileDevice::FileModificationTime);
}

QList<int> answersOf(int n)
{
    QList<int> answers;
    for (int q = 1; q <= 20; ++q)
        answers.append((q + n) % 7 + 1);
    return answers;
}

} // namespace

class TestResultsRefresh : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<RootBuilder> m_fixture;

    void finished(int n, const QString &score)
    {
        m_fixture->finishRaw(maths, a1, n, QStringLiteral("张%1").arg(n), score,
                             QStringLiteral("00:0%1:00").arg(n % 10), answersOf(n));
    }

private slots:
    void init()
    {
        m_fixture = std::make_unique<RootBuilder>();
        QStringList correct;
        for (int q = 1; q <= 20; ++q)
            correct.append(QString::number(q % 7 + 1));
        m_fixture->keyedPaper(maths, correct);
        m_fixture->classes({{a1, testees, 1, testees}});
        // Every fourth testee never started: no file.
        for (int n = 1; n <= testees; ++n) {
            if (n % 4 != 0)
                finished(n, QString::number(n % 101));
        }
        const QStringList files =
            QDir(m_fixture->path() + QStringLiteral("/CHENGJI/Maths")).entryList(QDir::Files);
        for (const QString &name : files)
            age(m_fixture->path() + QStringLiteral("/CHENGJI/Maths/") + name);
        age(m_fixture->root().rosterFile());
        age(m_fixture->root().paperFile(maths));
    }
    void cleanup() { m_fixture.reset(); }

    void onlyChangedFilesAreOpened()
    {
        const store::DataRoot root = m_fixture->root();
        RecordCache cache;
        const ResultsInput first = ResultsReader::read(root, maths, a1, &cache);
        QCOMPARE(first, ResultsReader::read(root, maths, a1));

        // Ten testees finish (or finish again), one record is deleted, one appears.
        for (int n = 5; n <= 50; n += 5)
            finished(n, QStringLiteral("77"));
        QVERIFY(QFile::remove(m_fixture->root().recordFile(maths, a1, QStringLiteral("3"))));
        finished(4, QStringLiteral("64"));

        store::IoCounters::reset();
        const ResultsInput second = ResultsReader::read(root, maths, a1, &cache);
        QCOMPARE(store::IoCounters::listings.load(), 1L);
        QCOMPARE(store::IoCounters::opens.load(), 11L); // ten changed, one new
        QCOMPARE(second, ResultsReader::read(root, maths, a1));
        QCOMPARE(second.testees.at(9).scoreText, QStringLiteral("77"));
        QVERIFY(!second.testees.at(2).hasRecord);
        QCOMPARE(second.testees.at(3).scoreText, QStringLiteral("64"));

        // Nothing changed since, and the roster and the paper file are not opened
        // either; only the eleven just written, which have not settled yet, are.
        store::IoCounters::reset();
        QCOMPARE(ResultsReader::read(root, maths, a1, &cache), second);
        QCOMPARE(store::IoCounters::opens.load(), 11L);
    }

    // A file changed within the clock's last tick could change again unseen: it is
    // read once more, and kept once it has settled.
    void freshFilesAreReadAgain()
    {
        const store::DataRoot root = m_fixture->root();
        ResultsModel model(root);
        model.refreshResults(maths, a1);
        finished(7, QStringLiteral("99"));
        store::IoCounters::reset();
        model.refreshResults(maths, a1);
        model.refreshResults(maths, a1);
        QCOMPARE(store::IoCounters::opens.load(), 2L);
        QCOMPARE(model.resultTable().row(7).score, QStringLiteral("99"));
        age(m_fixture->root().recordFile(maths, a1, QStringLiteral("7")));
        model.refreshResults(maths, a1);
        store::IoCounters::reset();
        model.refreshResults(maths, a1);
        QCOMPARE(store::IoCounters::opens.load(), 0L);
        // The paper gained a question: every record is read again.
        m_fixture->keyedPaper(maths, QStringList(21, QStringLiteral("1")));
        store::IoCounters::reset();
        model.refreshResults(maths, a1);
        QVERIFY(store::IoCounters::opens.load() > 300);
    }

    // Any student can put a FIFO or a folder where a record file belongs.
    void recordThatIsNoFileLeavesTheRestShowing()
    {
        const QString fifo = m_fixture->root().recordFile(maths, a1, QStringLiteral("1"));
        QVERIFY(QFile::remove(fifo));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
        QVERIFY(QFile::remove(m_fixture->root().recordFile(maths, a1, QStringLiteral("2"))));
        QVERIFY(QDir().mkpath(m_fixture->root().recordFile(maths, a1, QStringLiteral("2"))));
        ResultsModel model(m_fixture->root());
        model.refreshResults(maths, a1);
        QCOMPARE(model.resultTable().row(1).firstName, QString());
        QCOMPARE(model.resultTable().row(2).firstName, QString());
        QCOMPARE(model.resultTable().row(5).firstName, QStringLiteral("张5"));
        QCOMPARE(model.summary().count(), qint64(373));
    }
};

QTEST_GUILESS_MAIN(TestResultsRefresh)
#include "tst_results_refresh.moc"
