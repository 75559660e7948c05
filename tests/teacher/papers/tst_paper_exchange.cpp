// "Output paper" and "Input paper": what is copied where, what is kept, which names
// are refused, and that a failure is never reported as done.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "papers/paper_exchange.h"
#include "papers/paper_list.h"
#include "root_builder.h"
#include "test_files.h"
#include "scripted_prompts.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

using teacher::PaperColumn;
using teacher::PaperExchange;
using teacher::PaperList;

namespace {

const QString outputDone = QStringLiteral("Output paper had completed!");
const QString inputDone = QStringLiteral("Input paper had completed!");
const QString nameTaken = QStringLiteral("The paper name already exists ,input another name!");

// Algebra (with documents and a sub-folder of old copies) and "Algebra 2".
void writeRoot(testing::RootBuilder &root)
{
    root.roster(QStringLiteral(
        "[TestName]\nTestNameCount=2\n1=Algebra\n2=Algebra 2\nAlgebra=1\nAlgebra 2=0\n"));
    root.twoQuestionPaper(QStringLiteral("Algebra"), testing::RootBuilder::savedSettings())
        .file(QStringLiteral("SHIJUAN/Algebra/old/1.RTF"), "{\\rtf1 old}")
        .twoQuestionPaper(QStringLiteral("Algebra 2"),
                          testing::RootBuilder::savedSettings(QStringLiteral("20")));
}

// A paper folder from another installation: upper-case names, a note, a sub-folder.
QString writeExchangeFolder(const QString &base, const QString &folder, const QString &fileName)
{
    const QString path = base + u'/' + folder;
    testing::writeBytes(
        path + u'/' + fileName,
        testing::windowsText(QStringLiteral("[MAIN]\nTESTTIME=40\nRETESTPASSWD=\nAuthor=李老师\n"
                                            "about_test=期中\nQuestion_conut=1\nMark=4\n"
                                            "[1]\nQUESTION=77.RTF\nexplain=78.RTF\nanswer=1\n")));
    testing::writeBytes(path + QStringLiteral("/77.RTF"), "{\\rtf1 q}");
    testing::writeBytes(path + QStringLiteral("/78.RTF"), "{\\rtf1 e}");
    testing::writeBytes(path + QStringLiteral("/readme.txt"), "notes");
    testing::writeBytes(path + QStringLiteral("/backup/77.RTF"), "{\\rtf1 older}");
    return path + u'/' + fileName;
}

} // namespace

class TestPaperExchange : public QObject
{
    Q_OBJECT

private slots:
    void outputFolder_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("folder");
        QTest::newRow("a folder") << "/media/usb/exchange"
                                  << "/media/usb/exchange/Algebra";
        QTest::newRow("ending in a separator") << "/media/usb/"
                                               << "/media/usb/Algebra";
        QTest::newRow("the top") << "/"
                                 << "/Algebra";
    }
    void outputFolder()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, folder);
        QCOMPARE(PaperExchange::outputFolder(chosen, QStringLiteral(" Algebra ")), folder);
    }

    void outputTwice()
    {
        testing::RootBuilder root;
        writeRoot(root);
        const QString exchange = root.path() + QStringLiteral("/exchange");
        QDir().mkpath(exchange);
        testing::ScriptedPrompts prompts;
        PaperList list(root.root(), prompts);
        list.open();
        list.editNumber(PaperColumn::TestTime, QStringLiteral("99")); // not committed: not output
        PaperExchange exchangeOf(root.root(), prompts, list);

        prompts.accept(exchange + u'/');
        QVERIFY(exchangeOf.outputPaper());
        QCOMPARE(prompts.shown().first().kind, testing::ScriptedPrompts::Kind::ChooseFolder);
        QCOMPARE(prompts.shown().first().text, QStringLiteral("Output paper to ..."));
        QCOMPARE(prompts.messages(), QStringList{outputDone});
        const QString target = exchange + QStringLiteral("/Algebra");
        const QStringList copied{QStringLiteral("12345678.RTF"), QStringLiteral("555.RTF"),
                                 QStringLiteral("556.RTF"), QStringLiteral("87654321.RTF"),
                                 QStringLiteral("Algebra.cho")};
        QCOMPARE(testing::entriesOf(target), copied); // no "old" sub-folder
        QCOMPARE(testing::readBytes(target + QStringLiteral("/Algebra.cho")),
                 testing::readBytes(root.root().paperFile(QStringLiteral("Algebra"))));
        QVERIFY(!testing::readBytes(target + QStringLiteral("/Algebra.cho")).contains("99"));

        // The second output replaces the paper's files and keeps the others there.
        testing::writeBytes(root.path() + QStringLiteral("/SHIJUAN/Algebra/555.RTF"),
                            "{\\rtf1 changed}");
        testing::writeBytes(target + QStringLiteral("/mine.txt"), "mine");
        prompts.accept(exchange);
        QVERIFY(exchangeOf.outputPaper());
        QCOMPARE(testing::entriesOf(target), copied + QStringList{QStringLiteral("mine.txt")});
        QCOMPARE(testing::readBytes(target + QStringLiteral("/555.RTF")),
                 QByteArray("{\\rtf1 changed}"));
        QCOMPARE(testing::entriesOf(exchange), QStringList{QStringLiteral("Algebra")});
    }

    void outputWithoutAnswerOrFolder()
    {
        testing::RootBuilder root;
        writeRoot(root);
        const QString exchange = root.path() + QStringLiteral("/exchange");
        QDir().mkpath(exchange);
        testing::ScriptedPrompts prompts;
        PaperList list(root.root(), prompts);
        list.open();
        PaperExchange exchangeOf(root.root(), prompts, list);
        prompts.refuse();
        QVERIFY(!exchangeOf.outputPaper());
        QVERIFY(prompts.messages().isEmpty());
        QVERIFY(testing::entriesOf(exchange).isEmpty());

        // A paper not saved yet has no folder: its output is an empty folder.
        prompts.accept(QStringLiteral("New"));
        QVERIFY(list.createPaper());
        prompts.accept(exchange);
        QVERIFY(exchangeOf.outputPaper());
        QCOMPARE(prompts.messages(), QStringList{outputDone});
        QVERIFY(QFileInfo(exchange + QStringLiteral("/New")).isDir());
        QVERIFY(testing::entriesOf(exchange + QStringLiteral("/New")).isEmpty());
    }

    void outputFailureIsReported()
    {
        testing::RootBuilder root;
        writeRoot(root);
        const QString exchange = root.path() + QStringLiteral("/exchange");
        testing::writeBytes(exchange + QStringLiteral("/Algebra/Algebra.cho"), "kept");
        QDir().mkpath(exchange + QStringLiteral("/Algebra/555.RTF")); // a folder in the way
        testing::ScriptedPrompts prompts;
        PaperList list(root.root(), prompts);
        list.open();
        PaperExchange exchangeOf(root.root(), prompts, list);
        prompts.accept(exchange);
        QVERIFY(!exchangeOf.outputPaper());
        QCOMPARE(prompts.messages().size(), 1);
        QVERIFY2(prompts.messages().first().startsWith(
                     QStringLiteral("Output paper did not complete: \"%1/Algebra/555.RTF\"")
                         .arg(exchange)),
                 qPrintable(prompts.messages().first()));
        QVERIFY(prompts.messages().first().endsWith(
            QStringLiteral("1 of the paper's files were copied to \"%1/Algebra\".").arg(exchange)));
    }

    void paperNames_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("name"); // "-" for none
        QTest::newRow("upper-case extension") << "Algebra.CHO"
                                              << "Algebra";
        QTest::newRow("a point in the name") << "Test.Week.cho"
                                             << "Test.Week";
        QTest::newRow("the first .cho") << "a.cho.b.cho"
                                        << "a";
        QTest::newRow("blanks") << " 代数 .Cho"
                                << "代数";
        QTest::newRow("no .cho") << "Algebra.txt"
                                 << "-";
    }
    void paperNames()
    {
        QFETCH(QString, file);
        QFETCH(QString, name);
        QCOMPARE(PaperExchange::paperNameOf(file).value_or(QStringLiteral("-")), name);
    }

    void input_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("refusal"); // empty: input
        QTest::newRow("upper-case file of another installation") << "代数"
                                                                 << "代数.CHO"
                                                                 << "";
        QTest::newRow("a point in the name") << "Test.Week"
                                             << "Test.Week.cho"
                                             << "";
        QTest::newRow("part of a listed name") << "Algebra"
                                               << "Algebra.cho" << nameTaken;
        QTest::newRow("part of a listed name, other letters") << "algebra"
                                                              << "algebra.cho" << nameTaken;
        QTest::newRow("part of a listed name, short") << "x"
                                                      << "gebra 2.CHO" << nameTaken;
        QTest::newRow("no paper file")
            << "x"
            << "Geometry.txt"
            << "\"Geometry.txt\" is not a paper file: the name of a paper file ends in \".cho\".";
        QTest::newRow("a name cut at its first .cho")
            << "x"
            << "Unit.chores.cho"
            << "The folder %1 holds no paper file \"Unit.cho\" for the paper \"Unit\"; the paper "
               "was not input.";
        QTest::newRow("a name the roster cannot hold")
            << "x"
            << "a=b.cho"
            << "The test name must not hold \"=\". The paper was not input.";
    }
    void input()
    {
        QFETCH(QString, folder);
        QFETCH(QString, file);
        QFETCH(QString, refusal);
        testing::RootBuilder root;
        writeRoot(root);
        const QByteArray rosterBefore = root.rosterBytes();
        const QString chosen =
            writeExchangeFolder(root.path() + QStringLiteral("/usb"), folder, file);
        testing::ScriptedPrompts prompts;
        PaperList list(root.root(), prompts);
        list.open();
        PaperExchange exchangeOf(root.root(), prompts, list);
        prompts.accept(chosen);
        QCOMPARE(exchangeOf.inputPaper(), refusal.isEmpty());
        QCOMPARE(prompts.shown().first().kind, testing::ScriptedPrompts::Kind::OpenFile);
        QCOMPARE(prompts.shown().first().text,
                 QStringLiteral("Please choose the test paper file "));
        QCOMPARE(root.rosterBytes(), rosterBefore); // the roster learns of it at the commit
        if (!refusal.isEmpty()) {
            if (refusal.contains(u"%1"))
                refusal = refusal.arg(QFileInfo(chosen).absolutePath());
            QCOMPARE(prompts.messages(), QStringList{refusal});
            QCOMPARE(list.count(), 2);
            QCOMPARE(testing::entriesOf(root.path() + QStringLiteral("/SHIJUAN")),
                     (QStringList{QStringLiteral("Algebra"), QStringLiteral("Algebra 2")}));
            return;
        }
        const QString name = *PaperExchange::paperNameOf(file);
        QCOMPARE(prompts.messages(), QStringList{inputDone});
        QCOMPARE(list.names().last(), name);
        QCOMPARE(list.selected(), 3);
        QCOMPARE(list.currentPaperName(), name);
        QVERIFY(list.pendingCreates().isEmpty());
        QStringList copied{QStringLiteral("77.RTF"), QStringLiteral("78.RTF"), file,
                           QStringLiteral("readme.txt")};
        copied.sort();
        QCOMPARE(testing::entriesOf(root.path() + QStringLiteral("/SHIJUAN/") + name), copied);
        QVERIFY(testing::entriesOf(root.path() + QStringLiteral("/CHENGJI/") + name).isEmpty());
        const teacher::PaperRow &row = list.table().row(3);
        QCOMPARE(row.allowToTest, QStringLiteral("1"));
        QCOMPARE(row.column(PaperColumn::TestTime), QStringLiteral("40"));
        QCOMPARE(row.column(PaperColumn::Author), QStringLiteral("李老师"));
        QCOMPARE(row.column(PaperColumn::RetestPassword), QString());
        QCOMPARE(row.column(PaperColumn::QuestionCount), QStringLiteral("1"));
        QCOMPARE(row.column(PaperColumn::DGrade), QStringLiteral("0"));
        QVERIFY(!list.panel().ticked(PaperColumn::RetestPassword));

        QVERIFY(list.commitPaperList());
        const auto names = testing::sectionOf(root.rosterFile(), QStringLiteral("TestName"));
        QVERIFY(names.contains(QPair<QString, QString>{QStringLiteral("3"), name}));
        QVERIFY(names.contains(QPair<QString, QString>{name, QStringLiteral("1")}));
    }

    void inputOverLeftovers()
    {
        testing::RootBuilder root;
        writeRoot(root);
        const QString record = root.path() + QStringLiteral("/CHENGJI/Geometry/A17.cho");
        testing::writeBytes(record, "[A1]\r\n");
        const QString chosen =
            writeExchangeFolder(root.path() + QStringLiteral("/usb"), QStringLiteral("Geometry"),
                                QStringLiteral("Geometry.cho"));
        testing::ScriptedPrompts prompts;
        PaperList list(root.root(), prompts);
        list.open();
        PaperExchange exchangeOf(root.root(), prompts, list);
        prompts.accept(chosen);
        prompts.refuse();
        QVERIFY(!exchangeOf.inputPaper());
        QVERIFY(prompts.shown().last().text.contains(QStringLiteral("They will be deleted now.")));
        QVERIFY(QFileInfo::exists(record));
        QVERIFY(!QFileInfo::exists(root.path() + QStringLiteral("/SHIJUAN/Geometry")));
        QCOMPARE(list.count(), 2);

        prompts.accept(chosen);
        prompts.accept();
        QVERIFY(exchangeOf.inputPaper());
        QVERIFY(!QFileInfo::exists(record));
    }

    void deletedThenInputKeepsTheInputFiles()
    {
        testing::RootBuilder root;
        writeRoot(root);
        testing::writeBytes(root.path() + QStringLiteral("/CHENGJI/Algebra/A17.cho"), "[A1]\r\n");
        const QString chosen =
            writeExchangeFolder(root.path() + QStringLiteral("/usb"), QStringLiteral("Algebra"),
                                QStringLiteral("Algebra.cho"));
        testing::ScriptedPrompts prompts;
        PaperList list(root.root(), prompts);
        list.open();
        PaperExchange exchangeOf(root.root(), prompts, list);
        prompts.accept(QStringLiteral("Other"));
        QVERIFY(list.createPaper());
        list.select(1);
        prompts.accept();
        QVERIFY(list.deletePaper()); // Algebra: its results may go
        // "Algebra 2" still holds the name.
        prompts.accept(chosen);
        QVERIFY(!exchangeOf.inputPaper());
        QCOMPARE(prompts.messages().last(), nameTaken);
        prompts.accept();
        QVERIFY(list.deletePaper());
        prompts.accept(chosen);
        QVERIFY(exchangeOf.inputPaper()); // no question: the teacher deleted that paper
        QCOMPARE(prompts.messages().last(), inputDone);
        QVERIFY(list.commitPaperList());
        QCOMPARE(list.names(), (QStringList{QStringLiteral("Other"), QStringLiteral("Algebra")}));
        QCOMPARE(testing::entriesOf(root.path() + QStringLiteral("/SHIJUAN/Algebra")),
                 (QStringList{QStringLiteral("77.RTF"), QStringLiteral("78.RTF"),
                              QStringLiteral("Algebra.cho"), QStringLiteral("old"),
                              QStringLiteral("readme.txt")})); // its folder stays
        QVERIFY(testing::entriesOf(root.path() + QStringLiteral("/CHENGJI/Algebra")).isEmpty());
        QVERIFY(!QFileInfo::exists(root.path() + QStringLiteral("/SHIJUAN/Algebra 2")));
    }

    void inputFromItsOwnFolderKeepsIt()
    {
        // An input left out of the roster by Cancel, taken in again from where it lies.
        testing::RootBuilder root;
        writeRoot(root);
        const QString chosen =
            writeExchangeFolder(root.path() + QStringLiteral("/SHIJUAN"), QStringLiteral("Lost"),
                                QStringLiteral("Lost.cho"));
        testing::ScriptedPrompts prompts;
        PaperList list(root.root(), prompts);
        list.open();
        PaperExchange exchangeOf(root.root(), prompts, list);
        prompts.accept(chosen);
        QVERIFY(exchangeOf.inputPaper());
        QCOMPARE(prompts.messages(), QStringList{inputDone});
        QCOMPARE(testing::entriesOf(root.path() + QStringLiteral("/SHIJUAN/Lost")).size(), 5);
        QCOMPARE(list.table().row(3).column(PaperColumn::TestTime), QStringLiteral("40"));
    }

    void inputFailureAddsNothing_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::newRow("a folder in the way of a document") << "folder";
        QTest::newRow("a FIFO named like a document") << "fifo";
        QTest::newRow("a link to /dev/zero") << "device";
    }
    void inputFailureAddsNothing()
    {
        QFETCH(QString, fault);
        testing::RootBuilder root;
        writeRoot(root);
        const QString chosen =
            writeExchangeFolder(root.path() + QStringLiteral("/usb"), QStringLiteral("Geometry"),
                                QStringLiteral("Geometry.cho"));
        const QByteArray source =
            QFile::encodeName(root.path() + QStringLiteral("/usb/Geometry/31.RTF"));
        if (fault == u"folder")
            QDir().mkpath(root.path() + QStringLiteral("/SHIJUAN/Geometry/78.RTF"));
        else if (fault == u"fifo")
            QCOMPARE(::mkfifo(source.constData(), 0600), 0);
        else
            QCOMPARE(::symlink("/dev/zero", source.constData()), 0);
        testing::ScriptedPrompts prompts;
        PaperList list(root.root(), prompts);
        list.open();
        PaperExchange exchangeOf(root.root(), prompts, list);
        prompts.accept(chosen);
        QVERIFY(!exchangeOf.inputPaper());
        QCOMPARE(list.count(), 2);
        QCOMPARE(prompts.messages().size(), 1);
        QVERIFY(prompts.messages().first().startsWith(
            QStringLiteral("Input paper did not complete: ")));
        QVERIFY(prompts.messages().first().endsWith(
            QStringLiteral("The paper was not added to the list.")));
    }
};

QTEST_GUILESS_MAIN(TestPaperExchange)
#include "tst_paper_exchange.moc"
