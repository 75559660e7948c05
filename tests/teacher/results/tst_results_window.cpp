// The "View achievement" window driven like a teacher: open, headers, selections,
// a question click, the two actions, the auto refresh, help and the endings.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "root_builder.h"
#include "teacher/results/results_window.h"

#include "test_files.h"
#include "ui/rich_text_pane.h"
#include "scripted_prompts.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace results;
using testing::RootBuilder;

namespace {

const QString maths = QStringLiteral("Maths");
const QString a1 = QStringLiteral("A1");
const QString ruler = QStringLiteral("________________");

QStringList strings(std::initializer_list<const char *> texts)
{
    QStringList list;
    for (const char *text : texts)
        list.append(QString::fromUtf8(text));
    return list;
}

QStringList lines(const QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}

// The first number on each line of the left list: the testee numbers in display order.
QStringList numbers(const QListWidget *list)
{
    QStringList texts;
    for (const QString &line : lines(list))
        texts.append(line.section(u'_', 0, 0));
    return texts;
}

} // namespace

class TestResultsWindow : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<RootBuilder> m_fixture;
    testing::ScriptedPrompts m_prompts;
    int m_quits = 0;
    QStringList m_helpPages;

    std::unique_ptr<ResultsWindow> open()
    {
        auto window = std::make_unique<ResultsWindow>(
            m_fixture->root(), m_prompts, [this] { ++m_quits; },
            [this](const QString &page) { m_helpPages.append(page); });
        if (!window->hasEnded()) {
            QSignalSpy refreshed(window.get(), &ResultsWindow::refreshed);
            window->show();
            if (!QTest::qWaitForWindowExposed(window.get()))
                qWarning("window not exposed");
            if (refreshed.isEmpty())
                refreshed.wait(5000);
        }
        return window;
    }
    static void refreshAndWait(ResultsWindow &window, const std::function<void()> &action)
    {
        QSignalSpy refreshed(&window, &ResultsWindow::refreshed);
        action();
        QVERIFY(refreshed.wait(5000));
    }
    template<typename T> static T *child(const ResultsWindow &window, const char *name)
    {
        T *found = window.findChild<T *>(QString::fromLatin1(name));
        if (!found)
            qFatal("no %s", name);
        return found;
    }
    static void click(const ResultsWindow &window, const char *name)
    {
        QTest::mouseClick(child<QAbstractButton>(window, name), Qt::LeftButton);
    }
    static void clickLine(QListWidget *list, int row)
    {
        list->scrollToItem(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }

private slots:
    void init()
    {
        m_fixture = std::make_unique<RootBuilder>();
        m_prompts.clear();
        m_quits = 0;
        m_helpPages.clear();
    }
    void cleanup() { m_fixture.reset(); }

    void endsWithoutTestOrClass_data()
    {
        QTest::addColumn<bool>("withTest");
        QTest::addColumn<QString>("message");
        QTest::newRow("no test") << false << QStringLiteral("Sorry!No test now.");
        QTest::newRow("no class") << true << QStringLiteral("Sorry!No achievement now.");
    }
    void endsWithoutTestOrClass()
    {
        QFETCH(bool, withTest);
        QFETCH(QString, message);
        if (withTest)
            m_fixture->keyedPaper(maths, {QStringLiteral("1")});
        ResultsWindow::openModal(
            m_fixture->root(), m_prompts, [this] { ++m_quits; }, {}, nullptr);
        QCOMPARE(m_prompts.messages(), QStringList{message});
        QCOMPARE(m_quits, 1);
    }

    void opensOnTheFirstTestAndClass()
    {
        m_fixture->keyedPaper(maths, {QStringLiteral("13"), QStringLiteral("2")});
        m_fixture->keyedPaper(QStringLiteral("Physics"), {QStringLiteral("1")});
        m_fixture->classes({{a1, 3, 1, 3}});
        m_fixture->classes({{QStringLiteral("B2"), 2, 7, 8}});
        m_fixture->finish(maths, a1, 2, QStringLiteral("Li"), QStringLiteral("Ming"),
                          QStringLiteral("85"), QStringLiteral("00:05:12"), {13, 2});
        m_fixture->finish(QStringLiteral("Physics"), QStringLiteral("B2"), 8, QStringLiteral("Wu"),
                          {}, QStringLiteral("40"), QStringLiteral("00:00:00"), {1});
        const auto window = open();
        QCOMPARE(window->objectName(), QStringLiteral("考务成绩"));
        QVERIFY(child<QCheckBox>(*window, "Check_auto")->isChecked());
        const QTimer *timer = child<QTimer>(*window, "Timer1");
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 30000);
        QCOMPARE(child<QComboBox>(*window, "Combo_test")->currentText(), maths);
        QCOMPARE(child<QComboBox>(*window, "Combo_class")->currentText(), a1);
        QCOMPARE(numbers(child<QListWidget>(*window, "List1")), strings({"1", "2", "3"}));
        QCOMPARE(child<QListWidget>(*window, "List2")->item(1)->text(),
                 QStringLiteral("85____") + u"_|_" + u"1___" + u"_|_" + u"00:05:12" +
                     QString(20, u'_'));
        QCOMPARE(child<QListWidget>(*window, "List_stat")->count(), 32);
        QCOMPARE(lines(child<QListWidget>(*window, "List_answer")),
                 (QStringList{QStringLiteral("0") + ruler, QStringLiteral("0") + ruler}));

        // Another test and class: the window reads them.
        refreshAndWait(*window,
                       [&] { child<QComboBox>(*window, "Combo_test")->setCurrentIndex(1); });
        refreshAndWait(*window,
                       [&] { child<QComboBox>(*window, "Combo_class")->setCurrentIndex(1); });
        QCOMPARE(window->model().paper(), QStringLiteral("Physics"));
        QCOMPARE(numbers(child<QListWidget>(*window, "List1")), strings({"7", "8"}));
        QCOMPARE(child<QListWidget>(*window, "List_question")->count(), 1);

        // Every control is named for screen readers.
        const QList<QWidget *> widgets = window->findChildren<QWidget *>();
        for (const QWidget *w : widgets) {
            if (qobject_cast<const QAbstractButton *>(w) || qobject_cast<const QListWidget *>(w) ||
                qobject_cast<const QComboBox *>(w))
                QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));
        }
    }

    void headersSelectionAndScrolling()
    {
        m_fixture->keyedPaper(maths, {QStringLiteral("13"), QStringLiteral("2")});
        m_fixture->classes({{a1, 60, 1, 60}});
        for (int n = 1; n <= 60; ++n)
            m_fixture->finishRaw(maths, a1, n, QStringLiteral("T%1").arg(n),
                                 QString::number(n % 7 * 10),
                                 QStringLiteral("00:0%1:00").arg(n % 10), {n % 2 ? 13 : 1, 2});
        const auto window = open();
        auto *left = child<QListWidget>(*window, "List1");
        auto *right = child<QListWidget>(*window, "List2");

        click(*window, "Cmd_score"); // descending: 60 first, the higher number first among equals
        QCOMPARE(numbers(left).mid(0, 3), strings({"55", "48", "41"}));
        click(*window, "Cmd_score");
        QCOMPARE(numbers(left).mid(0, 3), strings({"7", "14", "21"}));

        clickLine(right, 1);
        QCOMPARE(left->currentRow(), 1);
        QCOMPARE(window->model().selectedNumber(), 14);
        QCOMPARE(lines(child<QListWidget>(*window, "List_answer")),
                 (QStringList{QStringLiteral("1") + ruler, QStringLiteral("2") + ruler}));
        clickLine(left, 2);
        QCOMPARE(right->currentRow(), 2);
        QCOMPARE(window->model().selectedNumber(), 21);

        left->verticalScrollBar()->setValue(20);
        QCOMPARE(right->verticalScrollBar()->value(), 20);
        right->verticalScrollBar()->setValue(5);
        QCOMPARE(left->verticalScrollBar()->value(), 5);

        // The auto timer's tick reads again only while "Auto" is ticked, and puts
        // the lists back in number order.
        child<QCheckBox>(*window, "Check_auto")->setChecked(false);
        window->autoRefreshTick();
        QVERIFY(!window->isRefreshing());
        QCOMPARE(numbers(left).first(), QStringLiteral("7"));
        child<QCheckBox>(*window, "Check_auto")->setChecked(true);
        refreshAndWait(*window, [&] { window->autoRefreshTick(); });
        QCOMPARE(numbers(left).mid(0, 3), strings({"1", "2", "3"}));
        QCOMPARE(left->currentRow(), -1);
        QCOMPARE(lines(child<QListWidget>(*window, "List_answer")).first(),
                 QStringLiteral("0") + ruler);
    }

    void questionClickShowsTheDistribution()
    {
        m_fixture->keyedPaper(maths, {QStringLiteral("13"), QStringLiteral("2")},
                              testing::Documents::Written);
        m_fixture->classes({{a1, 4, 1, 4}});
        const QList<int> first{13, 13, 1, 0};
        for (int n = 1; n <= 4; ++n)
            m_fixture->finish(maths, a1, n, QStringLiteral("T"), {}, QStringLiteral("5"),
                              QStringLiteral("00:01:00"), {first.at(n - 1), 2});
        const auto window = open();
        auto *questions = child<QListWidget>(*window, "List_question");
        QCOMPARE(questions->item(0)->text(), QStringLiteral("1________") + u"_|_" + u"50_______" +
                                                 u"_|_" + u"13" + QString(13, u'_'));
        clickLine(questions, 0);
        QCOMPARE(child<QListWidget>(*window, "List_answer")->currentRow(), 0);
        const QStringList expected = strings({"1", "3", "0", "2", "0", "0", "0", "0"});
        for (int k = 0; k <= 7; ++k) {
            const QLabel *label =
                child<QLabel>(*window, qPrintable(QStringLiteral("Lab_count%1").arg(k)));
            QCOMPARE(label->text(), expected.at(k));
            const bool marked = k == 1 || k == 3;
            QCOMPARE(label->palette().color(QPalette::Window) == QColor(192, 64, 0), marked);
        }
        const auto *preview = child<ui::RichTextPane>(*window, "Rich_question");
        QVERIFY(preview->fileName().endsWith(u"/SHIJUAN/Maths/q1.rtf"));
        QCOMPARE(preview->plainText().trimmed(),
                 QStringLiteral("Question 1: which options are right?"));
        QVERIFY(preview->isReadOnly());

        // Sorting by percentage keeps the selected line: question 2 (100) comes first.
        click(*window, "Cmd_score_pct");
        QCOMPARE(questions->currentRow(), 0);
        QVERIFY(preview->fileName().endsWith(u"/q2.rtf"));
        QCOMPARE(child<QLabel>(*window, "Lab_count2")->text(), QStringLiteral("4"));
        QCOMPARE(child<QLabel>(*window, "Lab_count0")->palette().color(QPalette::Window) ==
                     QColor(192, 64, 0),
                 false);
    }

    void actionsChangeTheRecordsAtOnceAndTheListsLater()
    {
        m_fixture->keyedPaper(maths, {QStringLiteral("13")});
        m_fixture->classes({{a1, 30, 101, 130}});
        for (int n = 101; n <= 130; ++n)
            m_fixture->finishRaw(maths, a1, n, QStringLiteral("T%1").arg(n),
                                 QString::number(n == 117   ? 98
                                                 : n == 129 ? 100
                                                 : n == 130 ? 99
                                                            : n - 100),
                                 QStringLiteral("00:02:00"), {13});
        const auto window = open();
        auto *left = child<QListWidget>(*window, "List1");

        click(*window, "Cmd_retest"); // nothing selected: nothing happens
        click(*window, "Cmd_score");
        clickLine(left, 2);
        QVERIFY(left->item(2)->text().startsWith(u"117"));
        const QString file = m_fixture->root().recordFile(maths, a1, QStringLiteral("117"));
        click(*window, "Cmd_retest");
        QVERIFY(testing::readBytes(file).contains("117TIME2=\r\n"));
        QVERIFY(testing::readBytes(file).contains("117DF=98\r\n"));
        QVERIFY(child<QListWidget>(*window, "List2")->item(2)->text().contains(u"00:02:00"));

        click(*window, "Cmd_delete");
        QVERIFY(!QFileInfo::exists(file));
        QVERIFY(QFileInfo::exists(m_fixture->root().recordFile(maths, a1, QStringLiteral("116"))));
        QCOMPARE(m_prompts.texts(), QStringList());
        QVERIFY(left->item(2)->text().startsWith(u"117"));

        refreshAndWait(*window, [&] { click(*window, "Cmd_update"); });
        QCOMPARE(left->item(16)->text(),
                 QStringLiteral("117___") + u"_|_" + u"__" + QString(29, u'_'));
    }

    void aFailedActionIsReported()
    {
        m_fixture->keyedPaper(maths, {QStringLiteral("13")});
        m_fixture->classes({{a1, 2, 1, 2}});
        m_fixture->finish(maths, a1, 1, QStringLiteral("Tom"), {}, QStringLiteral("50"),
                          QStringLiteral("00:01:00"));
        const auto window = open();
        clickLine(child<QListWidget>(*window, "List1"), 0);
        // A record too large to rewrite safely is left alone, and the teacher is told.
        QFile record(m_fixture->root().recordFile(maths, a1, QStringLiteral("1")));
        QVERIFY(record.open(QIODevice::Append));
        record.write(QByteArray(17 * 1024 * 1024, ' '));
        record.close();
        click(*window, "Cmd_retest");
        QCOMPARE(m_prompts.messages(),
                 QStringList{QStringLiteral("Allow retest: the record of testee 1 was not changed, "
                                            "because the file is too large.")});
    }

    void onlyTheNewestRefreshIsApplied()
    {
        m_fixture->keyedPaper(maths, {QStringLiteral("13")});
        m_fixture->keyedPaper(QStringLiteral("Physics"),
                              {QStringLiteral("1"), QStringLiteral("2")});
        m_fixture->classes({{a1, 2, 1, 2}});
        const auto window = open();
        QSignalSpy refreshed(window.get(), &ResultsWindow::refreshed);
        window->refresh();
        window->refresh();
        child<QComboBox>(*window, "Combo_test")->setCurrentIndex(1);
        QTRY_VERIFY(!window->isRefreshing());
        QTest::qWait(50);
        QCOMPARE(refreshed.size(), 1);
        QCOMPARE(window->model().paper(), QStringLiteral("Physics"));
        QCOMPARE(child<QListWidget>(*window, "List_question")->count(), 2);
    }

    void helpAndReturn()
    {
        m_fixture->keyedPaper(maths, {});
        m_fixture->classes({{a1, 1, 1, 1}});
        const auto window = open();
        click(*window, "Cmd_help");
        QTest::keyClick(window.get(), Qt::Key_F1);
        QCOMPARE(m_helpPages, strings({"view-achievement", "view-achievement"}));
        click(*window, "Cmd_return");
        QVERIFY(!window->isVisible());
        QCOMPARE(m_quits, 0);
    }
};

QTEST_MAIN(TestResultsWindow)
#include "tst_results_window.moc"
