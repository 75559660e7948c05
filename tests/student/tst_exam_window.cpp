// The exam window as a testee uses it: clicks, keys and ticks, then what the
// window shows, what the prompts were asked and what reached the record.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/rich_text_pane.h"
#include "student/exam_window.h"
#include "student/option_box.h"
#include "root_builder.h"
#include "student_texts.h"
#include "test_files.h"

#include "store/profile_file.h"
#include "fixed_clock.h"
#include "scripted_prompts.h"
#include "scripted_random.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QRegularExpression>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

using namespace student;
using namespace Qt::StringLiterals;
using testing::KeyValues;
using testing::RootBuilder;

namespace {

template<typename T> QList<T *> indexed(QWidget *window, const QString &name)
{
    QList<T *> widgets = window->findChildren<T *>(name);
    std::sort(widgets.begin(), widgets.end(), [](T *a, T *b) {
        return a->property("index").toInt() < b->property("index").toInt();
    });
    return widgets;
}

QColor buttonColour(QPushButton *button)
{
    return button->palette().color(QPalette::Button);
}

} // namespace

class TestExamWindow : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<RootBuilder> m_root;
    testing::FixedClock m_clock{QDateTime(QDate(2004, 5, 12), QTime(9, 30, 0))};
    testing::ScriptedRandom m_random{{0.5}};
    testing::ScriptedPrompts m_prompts;
    int m_quits = 0;
    std::unique_ptr<ExamWindow> m_window;

    ExamWindow *open(int count, const KeyValues &main = {},
                     const QList<store::Question> &questions = {})
    {
        KeyValues settings{
            {u"CHANGE_QUESTION_SORT"_s, u"0"_s}, {u"Mark"_s, u"10"_s}, {u"TESTTIME"_s, u"30"_s}};
        settings.append(main);
        m_root->paper(u"Maths"_s, settings);
        m_root
            ->questions(u"Maths"_s,
                        questions.isEmpty() ? RootBuilder::plainQuestions(count) : questions)
            .namedDocuments(u"Maths"_s);
        m_window = std::make_unique<ExamWindow>(
            m_root->root(), m_clock, m_random, m_prompts, [this] { ++m_quits; },
            ExamWindow::Ticks::Manual, m_dir->filePath(u"cache"_s));
        m_window->open({u"Maths"_s, u"A1"_s, u"7"_s, u"Tom"_s, u"Lee"_s, false});
        m_window->show();
        m_window->activateWindow();
        if (!QTest::qWaitForWindowActive(m_window.get()))
            qWarning("the exam window did not become active");
        return m_window.get();
    }
    QPushButton *named(const QString &name) const
    {
        return m_window->findChild<QPushButton *>(name);
    }
    QList<OptionBox *> boxes() const { return indexed<OptionBox>(m_window.get(), u"Op_XZ"_s); }
    QList<QPushButton *> selector() const
    {
        return indexed<QPushButton>(m_window.get(), u"CmdQuestion"_s);
    }
    QScrollBar *scrollBar() const { return m_window->findChild<QScrollBar *>(u"VSlquestion"_s); }
    QString questionCaption() const
    {
        return m_window->findChild<QGroupBox *>(u"Fram_题目"_s)->title();
    }
    int position() const { return m_window->model().attempt().position(); }
    QStringList visibleCaptions() const
    {
        QStringList shown;
        for (QPushButton *button : selector()) {
            if (!button->isHidden())
                shown.append(button->text());
        }
        return shown;
    }
    QString recordValue(const QString &suffix) const
    {
        return store::ProfileFile(m_root->root().recordFile(u"Maths"_s, u"A1"_s, u"7"_s))
            .read()
            .value(u"A1", QString(u"7"_s + suffix), u"<absent>"_s);
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_root = std::make_unique<RootBuilder>(m_dir->path());
        m_prompts.clear();
        m_quits = 0;
    }
    void cleanup()
    {
        m_window.reset();
        m_dir->setAutoRemove(!QTest::currentTestFailed());
    }

    void controlsAndNames()
    {
        ExamWindow *window = open(3);
        QCOMPARE(window->objectName(), u"网络考试"_s);
        QCOMPARE(window->windowTitle(), u"A1 7 Tom Lee"_s);
        const QStringList captions{u"1.A -yes"_s, u"2.B -no"_s, u"3.C"_s, u"4.D"_s,
                                   u"5.E"_s,      u"6.F"_s,     u"7.G"_s};
        QCOMPARE(boxes().size(), 7);
        for (int k = 0; k < 7; ++k) {
            QCOMPARE(boxes().at(k)->text(), captions.at(k));
            QCOMPARE(boxes().at(k)->accessibleName(), captions.at(k));
            QCOMPARE(boxes().at(k)->colour(), QColor(0, 192, 192));
        }
        const QList<QPair<QString, QString>> buttons{{u"Command1"_s, u"Previous"_s},
                                                     {u"Command2"_s, u"Next"_s},
                                                     {u"Command5"_s, u"Help"_s},
                                                     {u"Command6"_s, u"Finish test "_s}};
        for (const auto &[name, caption] : buttons) {
            QVERIFY2(named(name), qPrintable(name));
            QCOMPARE(named(name)->text(), caption);
            QCOMPARE(named(name)->accessibleName(), caption);
        }
        QVERIFY(named(u"Command2"_s)->isDefault());
        QVERIFY(named(u"Command3"_s)->isHidden());
        QCOMPARE(window->findChild<QCheckBox *>(u"Check1"_s)->text(), u"Pagedown automatically "_s);
        QCOMPARE(window->findChild<QLabel *>(u"Lab_TIMER"_s)->text(), u"00:30:00"_s);
        QCOMPARE(window->findChild<QGroupBox *>(u"FrmSelQuestion"_s)->title(),
                 u"Select question          Questions total:3"_s);
        QVERIFY(window->findChild<QGroupBox *>(u"FrmExplain"_s)->isHidden());
        QCOMPARE(visibleCaptions(), (QStringList{u"1"_s, u"2"_s, u"3"_s}));
        QCOMPARE(questionCaption(), u"Question No:1    Mark:10"_s);
        QVERIFY(window->findChild<ui::RichTextPane *>(u"Rich题目"_s)
                    ->toPlainText()
                    .contains(u"q1.RTF"));
        QVERIFY(window->countdownActive());
        QVERIFY(window->autosaveActive());
    }

    void selectorWithTwentyFiveQuestions()
    {
        open(25);
        QCOMPARE(scrollBar()->maximum(), 20);
        QCOMPARE(scrollBar()->singleStep(), 10);
        QCOMPARE(scrollBar()->pageStep(), 10);
        scrollBar()->setValue(20);
        QCOMPARE(visibleCaptions(), (QStringList{u"21"_s, u"22"_s, u"23"_s, u"24"_s, u"25"_s}));
        QTest::mouseClick(selector().at(1), Qt::LeftButton);
        QCOMPARE(position(), 22);
        QCOMPARE(questionCaption(), u"Question No:22    Mark:10"_s);

        scrollBar()->setValue(0);
        QTest::mouseClick(selector().at(19), Qt::LeftButton);
        QCOMPARE(position(), 20);
        QTest::mouseClick(named(u"Command2"_s), Qt::LeftButton);
        QCOMPARE(position(), 21);
        QCOMPARE(scrollBar()->value(), 10);
        QCOMPARE(selector().at(0)->text(), u"11"_s);
        for (int i = 0; i < 11; ++i)
            QTest::mouseClick(named(u"Command1"_s), Qt::LeftButton);
        QCOMPARE(position(), 10);
        QCOMPARE(scrollBar()->value(), 0);
        QCOMPARE(selector().at(0)->text(), u"1"_s);
    }

    void previousAtTwoThenOne()
    {
        open(5);
        QPushButton *previous = named(u"Command1"_s);
        QPushButton *next = named(u"Command2"_s);
        QTest::mouseClick(next, Qt::LeftButton);
        QTest::mouseClick(previous, Qt::LeftButton);
        QCOMPARE(position(), 1);
        QVERIFY(previous->isEnabled());
        QVERIFY(next->isEnabled());
        QTest::mouseClick(previous, Qt::LeftButton);
        QVERIFY(!previous->isEnabled());
        QCOMPARE(position(), 1);
        // The right button steps by five.
        QTest::mouseClick(next, Qt::RightButton);
        QCOMPARE(position(), 5);
        QVERIFY(!next->isEnabled());
        QVERIFY(previous->isEnabled());
        QTest::mouseClick(previous, Qt::RightButton);
        QCOMPARE(position(), 1);
        QVERIFY(!previous->isEnabled());
        QVERIFY(next->isEnabled());
    }

    void pageKeysBelongToTheWindow()
    {
        ExamWindow *window = open(3);
        auto *pane = window->findChild<ui::RichTextPane *>(u"Rich题目"_s);
        pane->setFocus();
        QTest::keyClick(pane, Qt::Key_PageDown);
        QTest::keyClick(boxes().at(3), Qt::Key_PageDown);
        QCOMPARE(position(), 3);
        QTest::keyClick(pane, Qt::Key_PageDown);
        QCOMPARE(position(), 3);
        QVERIFY(!named(u"Command2"_s)->isEnabled());
        QTest::keyClick(named(u"Command6"_s), Qt::Key_PageUp);
        QCOMPARE(position(), 2);
        QVERIFY(named(u"Command2"_s)->isEnabled());
    }

    void optionClicksColourTheSelector()
    {
        open(3);
        const QColor face = buttonColour(selector().at(1));
        QTest::mouseClick(boxes().at(2), Qt::LeftButton);
        QTest::mouseClick(boxes().at(0), Qt::LeftButton);
        QCOMPARE(boxes().at(0)->colour(), QColor(255, 0, 0));
        QCOMPARE(boxes().at(2)->colour(), QColor(255, 0, 0));
        QCOMPARE(boxes().at(1)->colour(), QColor(0, 192, 192));
        QCOMPARE(buttonColour(selector().at(0)), QColor(0, 255, 0));
        QCOMPARE(m_window->model().attempt().answer(1).value(), 13);
        QTest::mouseClick(boxes().at(0), Qt::LeftButton);
        QTest::mouseClick(boxes().at(2), Qt::LeftButton);
        QCOMPARE(boxes().at(0)->colour(), QColor(0, 192, 192));
        QCOMPARE(buttonColour(selector().at(0)), face);
        QCOMPARE(m_window->model().attempt().answer(1).value(), 0);
    }

    void spaceBarAloneChangesNoAnswer()
    {
        open(3);
        OptionBox *b = boxes().at(1);
        b->setFocus();
        QTRY_VERIFY(b->hasFocus());
        QTest::keyClick(b, Qt::Key_Space);
        QVERIFY(b->isChecked());
        QCOMPARE(m_window->model().attempt().answer(1).value(), 0);
        // Moving on first: the stored answer stays and comes back on display.
        QTest::keyClick(b, Qt::Key_PageDown);
        QTest::keyClick(b, Qt::Key_PageUp);
        QCOMPARE(position(), 1);
        QVERIFY(!b->isChecked());
        QCOMPARE(m_window->model().attempt().answer(1).value(), 0);
        // The answer is rebuilt when the focus next arrives at a box.
        QTest::keyClick(b, Qt::Key_Space);
        boxes().at(4)->setFocus();
        QTRY_VERIFY(boxes().at(4)->hasFocus());
        QCOMPARE(m_window->model().attempt().answer(1).value(), 2);
        m_window->autosaveTick();
        QCOMPARE(recordValue(u"DA1"_s), u"2"_s);
    }

    void automaticPageDown()
    {
        open(3);
        QTest::mouseClick(m_window->findChild<QCheckBox *>(u"Check1"_s), Qt::LeftButton);
        QTest::mouseClick(boxes().at(3), Qt::LeftButton);
        QCOMPARE(position(), 2);
        QCOMPARE(m_window->model().attempt().answer(1).value(), 4);
        QTest::mouseClick(boxes().at(0), Qt::LeftButton);
        QCOMPARE(position(), 3);
        QVERIFY(!boxes().at(0)->isChecked());
    }

    void displayAnswer()
    {
        ExamWindow *window = open(0, {{u"EXERCISEMODE"_s, u"1"_s}},
                                  {{u"q1.RTF"_s, u"e1.RTF"_s, u"13"_s, QString()},
                                   {u"q2.RTF"_s, u"e2.RTF"_s, u"2"_s, u"4"_s}});
        QPushButton *answer = named(u"Command3"_s);
        QVERIFY(!answer->isHidden());
        QTest::mouseClick(boxes().at(0), Qt::LeftButton);
        QTest::mouseClick(boxes().at(2), Qt::LeftButton);
        window->countdownTick();
        QTest::mouseClick(answer, Qt::LeftButton);
        QCOMPARE(answer->text(), u"Continue test"_s);
        QCOMPARE(boxes().at(0)->colour(), QColor(0, 255, 0));
        QCOMPARE(boxes().at(2)->colour(), QColor(0, 255, 0));
        QCOMPARE(boxes().at(1)->colour(), QColor(0, 192, 192));
        QCOMPARE(questionCaption(), u"Question No:1    Mark:10   Correct answer:13"_s);
        auto *explain = window->findChild<QGroupBox *>(u"FrmExplain"_s);
        QVERIFY(!explain->isHidden());
        QCOMPARE(explain->title(), u"Explain   Your answer is correct!"_s);
        QVERIFY(window->findChild<ui::RichTextPane *>(u"Rich解题辅导"_s)
                    ->toPlainText()
                    .contains(u"e1.RTF"));
        QVERIFY(!window->countdownActive());
        for (int i = 0; i < 5; ++i)
            window->countdownTick();
        QCOMPARE(window->findChild<QLabel *>(u"Lab_TIMER"_s)->text(), u"00:29:59"_s);
        window->autosaveTick();
        QCOMPARE(recordValue(u"TIME"_s), u"00:29:59"_s);
        QTest::mouseClick(answer, Qt::LeftButton);
        QCOMPARE(answer->text(), u"Display answer"_s);
        QVERIFY(explain->isHidden());
        QVERIFY(window->countdownActive());
        window->countdownTick();
        QCOMPARE(window->findChild<QLabel *>(u"Lab_TIMER"_s)->text(), u"00:29:58"_s);
    }

    void closeBoxAsksFirst()
    {
        ExamWindow *window = open(3, {{u"DISPLAY_SCORE"_s, u"1"_s}, {u"full_mark"_s, u"30"_s}});
        m_prompts.refuse();
        window->close();
        QVERIFY(window->isVisible());
        QCOMPARE(m_prompts.texts(), QStringList{u"Will you finsh the test really?"_s});
        QCOMPARE(recordValue(u"TIME2"_s), u"<absent>"_s);
        m_prompts.clear();
        m_prompts.accept();
        QTest::mouseClick(named(u"Command6"_s), Qt::LeftButton);
        QVERIFY(!window->isVisible());
        QCOMPARE(m_prompts.texts(),
                 (QStringList{u"Will you finsh the test really?"_s, texts::score(30, 0)}));
        QCOMPARE(recordValue(u"TIME2"_s), u"00:30:00"_s);
        QCOMPARE(m_quits, 1);
    }

    void timeUpFinishesWithoutAsking()
    {
        ExamWindow *window = open(3, {{u"TESTTIME"_s, u"1"_s}, {u"DISPLAY_SCORE"_s, u"0"_s}});
        for (int i = 1; i < 60; ++i)
            window->countdownTick();
        QCOMPARE(window->findChild<QLabel *>(u"Lab_TIMER"_s)->text(), u"00:00:01"_s);
        QVERIFY(m_prompts.texts().isEmpty());
        window->countdownTick();
        QCOMPARE(window->findChild<QLabel *>(u"Lab_TIMER"_s)->text(), u"00:00:00"_s);
        QCOMPARE(m_prompts.texts(), QStringList{texts::saved});
        QCOMPARE(recordValue(u"TIME2"_s), u"00:00:00"_s);
        QVERIFY(!window->isVisible());
        QVERIFY(!window->countdownActive());
        window->countdownTick();
        window->autosaveTick();
        QCOMPARE(m_quits, 1);
        QCOMPARE(recordValue(u"TIME"_s), u"<absent>"_s);
    }

    void helpWindow()
    {
        open(3);
        QString shown;
        bool closedByKey = false;
        QTimer::singleShot(0, this, [&] {
            auto *help = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            QVERIFY(help);
            QCOMPARE(help->objectName(), u"帮助"_s);
            QCOMPARE(help->windowTitle(), u"Help"_s);
            auto *label = help->findChild<QLabel *>(u"Label1"_s);
            QCOMPARE(label->toolTip(), u"Click to return"_s);
            shown = label->text();
            QVERIFY(help->findChild<QPushButton *>(u"Command1"_s)->isDefault());
            QTest::keyClick(help, Qt::Key_X);
            closedByKey = !help->isVisible();
        });
        QTest::mouseClick(named(u"Command5"_s), Qt::LeftButton);
        QCOMPARE(shown, texts::help);
        QVERIFY(closedByKey);
        QTimer::singleShot(0, this, [&] {
            auto *help = QApplication::activeModalWidget();
            QTest::mouseClick(help->findChild<QLabel *>(u"Label1"_s), Qt::LeftButton);
        });
        QTest::mouseClick(named(u"Command5"_s), Qt::LeftButton);
        QVERIFY(!QApplication::activeModalWidget());
    }

    // Saving failed three times in a row: the testee sees it and goes on; the
    // warning goes as soon as a save succeeds.
    void failingSavesShowAWarning()
    {
        open(3);
        auto *warning = m_window->findChild<QLabel *>(u"Lab_warning"_s);
        QVERIFY(warning && warning->isHidden());
        const QString folder = m_root->path() + u"/CHENGJI/Maths"_s;
        const QByteArray kept =
            testing::readBytes(m_root->root().recordFile(u"Maths"_s, u"A1"_s, u"7"_s));
        QVERIFY(QDir(folder).removeRecursively());
        for (int i = 0; i < 3; ++i)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"autosave not written"_s));
        m_window->autosaveTick();
        m_window->countdownTick();
        QVERIFY(warning->isHidden());
        m_window->countdownTick();
        QVERIFY(warning->isVisible());
        QCOMPARE(
            warning->text(),
            u"Your answers cannot be saved at the moment! Go on with the test and tell the teacher."_s);
        QVERIFY(m_prompts.shown().isEmpty()); // nothing in the testee's way
        QVERIFY(named(u"Command2"_s)->isEnabled());

        QVERIFY(QDir().mkpath(folder));
        testing::writeBytes(m_root->root().recordFile(u"Maths"_s, u"A1"_s, u"7"_s), kept);
        m_window->countdownTick();
        QVERIFY(warning->isHidden());
        QCOMPARE(store::ProfileFile(m_root->root().recordFile(u"Maths"_s, u"A1"_s, u"7"_s))
                     .readValue(u"A1", u"7TIME"),
                 u"00:29:58"_s); // saved at the third tick, before it counted
    }

    void missingDocumentShowsAnEmptyPane()
    {
        ExamWindow *window = open(2);
        QVERIFY(QFile::remove(m_root->root().paperFolder(u"Maths"_s) + u"/q2.RTF"_s));
        QTest::mouseClick(named(u"Command2"_s), Qt::LeftButton);
        QCOMPARE(questionCaption(), u"Question No:2    Mark:10"_s);
        QVERIFY(window->findChild<ui::RichTextPane *>(u"Rich题目"_s)->toPlainText().isEmpty());
        QTest::mouseClick(boxes().at(1), Qt::LeftButton);
        QCOMPARE(m_window->model().attempt().answer(2).value(), 2);
    }

    void paperWithoutQuestions()
    {
        m_root->paper(u"Maths"_s, {{u"TESTTIME"_s, u"10"_s}, {u"DISPLAY_SCORE"_s, u"0"_s}});
        m_window = std::make_unique<ExamWindow>(
            m_root->root(), m_clock, m_random, m_prompts, [this] { ++m_quits; },
            ExamWindow::Ticks::Manual, m_dir->filePath(u"cache"_s));
        m_window->open({u"Maths"_s, u"A1"_s, u"7"_s, u"Tom"_s, QString(), false});
        m_window->show();
        QCOMPARE(questionCaption(), texts::noQuestions);
        QVERIFY(m_window->findChild<ui::RichTextPane *>(u"Rich题目"_s)
                    ->toPlainText()
                    .contains(u"no questions"));
        QVERIFY(!boxes().at(0)->isEnabled());
        QVERIFY(!named(u"Command2"_s)->isEnabled());
        QVERIFY(named(u"Command6"_s)->isEnabled());
        QVERIFY(visibleCaptions().isEmpty());
        m_prompts.accept();
        QTest::mouseClick(named(u"Command6"_s), Qt::LeftButton);
        QCOMPARE(m_quits, 1);
        QCOMPARE(recordValue(u"DF"_s), u"0"_s);
    }
};

QTEST_MAIN(TestExamWindow)
#include "tst_exam_window.moc"
