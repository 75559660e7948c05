// "Output to WORD" as the teacher meets it: the question, the document in the
// documents folder, opened, and the messages of success and failure.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "office_fixtures.h"
#include "test_files.h"
#include "root_builder.h"

#include "teacher/papers/word_output.h"
#include "fixed_clock.h"
#include "scripted_prompts.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QTemporaryDir>
#include <QTest>

using papers::WordOutput;

namespace {

const QString paperName = QStringLiteral("Maths");

// Every file under a folder with a digest of its bytes.
QStringList listing(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.append(path + u' ' +
                     QString::fromLatin1(QCryptographicHash::hash(testing::readBytes(path),
                                                                  QCryptographicHash::Sha1)
                                             .toHex()));
    }
    files.sort();
    return files;
}

struct Setup
{
    testing::RootBuilder root;
    QTemporaryDir documents;
    testing::ScriptedPrompts prompts;
    testing::FixedClock clock{QDateTime(QDate(2024, 5, 1), QTime(14, 3))};
    QStringList opened;
    std::unique_ptr<WordOutput> output;

    Setup()
    {
        root.classes({{QStringLiteral("A1"), 3, 1, 3}}).offer(paperName);
        root.savedPaper(paperName, {{QStringLiteral("1.RTF"), QStringLiteral("2.RTF"),
                                     QStringLiteral("13"), QString()}});
        root.rtfDocument(paperName, QStringLiteral("1.RTF"), QStringLiteral("What is 7 x 8?"));
        root.rtfDocument(paperName, QStringLiteral("2.RTF"), QStringLiteral("Seven eights."));
        root.copy(QStringLiteral(QUORIN_SOURCE_DIR "/data/sys/paper.dotx"),
                  QStringLiteral("sys/paper.dotx"));
        office::Delivery delivery;
        delivery.folder = documents.path() + QStringLiteral("/Quorin");
        delivery.open = [this](const QString &path) {
            opened.append(path);
            return true;
        };
        output = std::make_unique<WordOutput>(root.root(), prompts, clock, delivery);
    }

    store::PaperSettings row() const
    {
        return store::PaperFile(root.root().paperFile(paperName)).readPaperSettings();
    }
    QStringList written() const
    {
        return QDir(documents.path() + QStringLiteral("/Quorin")).entryList(QDir::Files);
    }
};

} // namespace

class TestWordOutput : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void asksWritesOpensAndSays_data();
    void asksWritesOpensAndSays();
    void twoOutputsMakeTwoDocuments();
    void failuresSayWhyAndLeaveNothing_data();
    void failuresSayWhyAndLeaveNothing();
    void noProgramToOpenIt();
    void busyOnlyWhileMaking();
};

void TestWordOutput::asksWritesOpensAndSays_data()
{
    QTest::addColumn<bool>("explain");
    QTest::newRow("Yes") << true;
    QTest::newRow("No") << false;
}

void TestWordOutput::asksWritesOpensAndSays()
{
    QFETCH(bool, explain);
    Setup setup;
    const QStringList before = listing(setup.root.path());
    explain ? setup.prompts.accept() : setup.prompts.refuse();
    papers::makeOutputToWord (*setup.output)(nullptr, paperName, setup.row());

    const QString path =
        setup.documents.path() + QStringLiteral("/Quorin/Maths 2024-05-01 14.03.docx");
    QCOMPARE(setup.prompts.shown().first().kind, testing::ScriptedPrompts::Kind::Question);
    QCOMPARE(setup.prompts.texts(),
             (QStringList{QStringLiteral("Will you input the explain of the answer?"),
                          QStringLiteral("The operation succeed!\n\nThe document is ") + path}));
    QCOMPARE(setup.opened, QStringList{path});
    const QStringList paragraphs = testing::docxParagraphs(testing::readBytes(path));
    QVERIFY(paragraphs.contains(QStringLiteral("What is 7 x 8?")));
    QCOMPARE(paragraphs.contains(QStringLiteral("Seven eights.")), explain);
    // Nothing is written to the data root.
    QCOMPARE(listing(setup.root.path()), before);
}

void TestWordOutput::twoOutputsMakeTwoDocuments()
{
    Setup setup;
    for (int i = 0; i < 2; ++i) {
        setup.prompts.refuse();
        setup.output->outputToWord(paperName, setup.row());
    }
    QCOMPARE(setup.written(), (QStringList{QStringLiteral("Maths 2024-05-01 14.03 (2).docx"),
                                           QStringLiteral("Maths 2024-05-01 14.03.docx")}));
    QCOMPARE(setup.opened.size(), 2);
}

void TestWordOutput::failuresSayWhyAndLeaveNothing_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("reason");
    QTest::newRow("no template") << QStringLiteral("sys/paper.dotx")
                                 << QStringLiteral("There is no template");
    QTest::newRow("question document missing")
        << QStringLiteral("SHIJUAN/Maths/1.RTF")
        << QStringLiteral("document 1.RTF of question 1 cannot be read");
}

void TestWordOutput::failuresSayWhyAndLeaveNothing()
{
    QFETCH(QString, change);
    QFETCH(QString, reason);
    Setup setup;
    QVERIFY(QFile::remove(setup.root.path() + u'/' + change));
    setup.prompts.refuse();
    setup.output->outputToWord(paperName, setup.row());
    const QStringList messages = setup.prompts.messages();
    QCOMPARE(messages.size(), 1);
    QVERIFY2(
        messages.first().startsWith(QStringLiteral("The function will be operated with WORD.\n\n")),
        qPrintable(messages.first()));
    QVERIFY2(messages.first().contains(reason), qPrintable(messages.first()));
    QVERIFY(setup.written().isEmpty());
    QVERIFY(setup.opened.isEmpty());
}

void TestWordOutput::noProgramToOpenIt()
{
    Setup setup;
    office::Delivery delivery;
    delivery.folder = setup.documents.path();
    delivery.open = [](const QString &) { return false; };
    WordOutput output(setup.root.root(), setup.prompts, setup.clock, delivery);
    setup.prompts.refuse();
    output.outputToWord(paperName, setup.row());
    QVERIFY(setup.prompts.messages().first().startsWith(QStringLiteral("The operation succeed!")));
    QVERIFY(setup.prompts.messages().first().contains(QStringLiteral("No program to open it")));
}

void TestWordOutput::busyOnlyWhileMaking()
{
    // The wait pointer must not stand over the question or the message.
    Setup setup;
    QList<bool> states;
    bool busy = false;
    setup.output->setBusyIndicator([&](bool working) {
        busy = working;
        states.append(working);
    });
    QList<bool> busyWhenShown;
    setup.prompts.whileShown(
        [&](const testing::ScriptedPrompts::Shown &) { busyWhenShown.append(busy); });
    for (const bool missing : {false, true}) {
        if (missing)
            QFile::remove(setup.root.path() + QStringLiteral("/sys/paper.dotx"));
        setup.prompts.refuse();
        setup.output->outputToWord(paperName, setup.row());
    }
    QCOMPARE(states, (QList<bool>{true, false, true, false}));
    QCOMPARE(busyWhenShown, (QList<bool>{false, false, false, false}));
}

QTEST_GUILESS_MAIN(TestWordOutput)
#include "tst_word_output.moc"
