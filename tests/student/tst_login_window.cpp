// The login window and the hand-over to "About Test" and the exam window, driven
// by typing and clicking, with the exact texts of every refusal.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "student/about_test_window.h"
#include "student/admission.h"
#include "student/login_window.h"
#include "student/student_program.h"
#include "root_builder.h"
#include "test_files.h"

#include "store/profile_file.h"
#include "ui/password_dialog.h"
#include "fixed_clock.h"
#include "scripted_prompts.h"
#include "scripted_random.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace student;
using namespace Qt::StringLiterals;
using testing::RootBuilder;

class TestLoginWindow : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<RootBuilder> m_root;
    testing::ScriptedPrompts m_prompts;
    int m_quits = 0;
    QList<QUrl> m_opened;

    void roster()
    {
        m_root->classes({{u"A1"_s, 30, 1, 30}, {u"B2"_s, 30, 101, 130}});
        m_root->offer(u"Maths"_s).offer(u"English"_s);
        m_root->admit(u"Maths"_s, u"A1"_s);
        m_root->paper(u"Maths"_s, {{u"RETESTPASSWD"_s, QString()},
                                   {u"RELOGINPASSWD"_s, u"579"_s},
                                   {u"TESTTIME"_s, u"45"_s},
                                   {u"full_mark"_s, u"30"_s},
                                   {u"about_test"_s, u"Chapter 3"_s}});
        m_root->questions(u"Maths"_s, RootBuilder::plainQuestions(3)).namedDocuments(u"Maths"_s);
    }
    std::unique_ptr<LoginWindow> window()
    {
        auto login = std::make_unique<LoginWindow>(
            m_root->root(), m_prompts, [this] { ++m_quits; },
            [this](const QUrl &url) {
                m_opened.append(url);
                return true;
            });
        return login;
    }
    template<typename T> static T *child(QWidget *w, const QString &name)
    {
        T *found = w->findChild<T *>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_root = std::make_unique<RootBuilder>(m_dir->path());
        m_prompts.clear();
        m_quits = 0;
        m_opened.clear();
    }
    void cleanup() { m_dir->setAutoRemove(!QTest::currentTestFailed()); }

    void nothingToSitEndsTheProgram()
    {
        auto login = window();
        QVERIFY(!login->start());
        QCOMPARE(m_prompts.texts(), QStringList{u"Sorry!No test now!"_s});
        QCOMPARE(m_quits, 1);
    }

    void controls()
    {
        roster();
        auto login = window();
        QVERIFY(login->start());
        QCOMPARE(login->objectName(), u"考试登录"_s);
        QCOMPARE(login->windowTitle(), u"Student login"_s);
        QCOMPARE(child<QComboBox>(login.get(), u"Combo_test"_s)->accessibleName(),
                 u"Choose test name:"_s);
        QCOMPARE(child<QComboBox>(login.get(), u"Combo_class"_s)->accessibleName(),
                 u"Choose class name:"_s);
        auto *number = child<QLineEdit>(login.get(), u"Text_number"_s);
        QCOMPARE(number->accessibleName(), u"Input student number:"_s);
        QCOMPARE(number->toolTip(), u"Student number muse be numeric."_s);
        QCOMPARE(child<QLineEdit>(login.get(), u"Text_first"_s)->accessibleName(),
                 u"Input your first name:"_s);
        QCOMPARE(child<QLineEdit>(login.get(), u"Text_last"_s)->accessibleName(),
                 u"Input your last name:"_s);
        QVERIFY(child<QPushButton>(login.get(), u"Cmd_ok"_s)->isDefault());
        QCOMPARE(child<QLabel>(login.get(), u"Lab_title"_s)->text(), u"Quorin 4.0"_s);
    }

    void numberBoxTakesDigitsOnly_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("taken");
        QTest::newRow("digit") << u"7"_s << true;
        QTest::newRow("backspace") << u"\b"_s << true;
        QTest::newRow("enter") << u"\r"_s << true;
        QTest::newRow("arrow keys type nothing") << QString() << true;
        QTest::newRow("letter") << u"a"_s << false;
        QTest::newRow("minus") << u"-"_s << false;
        QTest::newRow("space") << u" "_s << false;
        QTest::newRow("paste shortcut") << u"\x16"_s << false;
        QTest::newRow("full-width digit") << u"７"_s << false;
    }
    void numberBoxTakesDigitsOnly()
    {
        QFETCH(QString, typed);
        QFETCH(bool, taken);
        QCOMPARE(LoginWindow::acceptsNumberKey(typed), taken);
    }

    void refusalsKeepTheWindowOpen()
    {
        roster();
        auto login = window();
        QVERIFY(login->start());
        login->show();
        auto *classes = child<QComboBox>(login.get(), u"Combo_class"_s);
        auto *number = child<QLineEdit>(login.get(), u"Text_number"_s);
        auto *ok = child<QPushButton>(login.get(), u"Cmd_ok"_s);
        QCOMPARE(classes->currentText(), QString());

        QTest::mouseClick(ok, Qt::LeftButton);
        classes->setCurrentIndex(0);
        QTest::keyClicks(number, u"3x1"_s);
        QCOMPARE(number->text(), u"31"_s);
        QTest::mouseClick(ok, Qt::LeftButton);
        number->clear();
        QTest::keyClicks(number, u"0007"_s);
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(number->text(), u"7"_s);
        QCOMPARE(m_prompts.texts(),
                 (QStringList{u"Please choose class name!"_s,
                              u"Your student number is wrong,Please input again!"_s,
                              u"Please input your student number and name!"_s}));
        QVERIFY(login->isVisible());
        QCOMPARE(m_quits, 0);
        QVERIFY(!QFile::exists(m_root->root().recordFile(u"Maths"_s, u"A1"_s, u"7"_s)));

        // Finished without a retest password.
        m_root->record(u"Maths"_s, u"A1"_s, u"7"_s,
                       {{u"TIME1"_s, u"x"_s}, {u"TIME2"_s, u"00:01:00"_s}});
        QTest::keyClicks(child<QLineEdit>(login.get(), u"Text_first"_s), u"Tom"_s);
        m_prompts.clear();
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(m_prompts.texts(),
                 QStringList{u"The student has finished test,you can't retest!"_s});
        QVERIFY(login->isVisible());
    }

    void classListAfterLeavingThePaperList()
    {
        roster();
        auto login = window();
        QVERIFY(login->start());
        login->show();
        login->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(login.get()));
        auto *papers = child<QComboBox>(login.get(), u"Combo_test"_s);
        auto *classes = child<QComboBox>(login.get(), u"Combo_class"_s);
        QCOMPARE(classes->count(), 1);
        papers->setFocus();
        QTRY_VERIFY(papers->hasFocus());
        papers->setCurrentIndex(1);
        QCOMPARE(classes->count(), 1);
        child<QLineEdit>(login.get(), u"Text_number"_s)->setFocus();
        // English has no admission keys: leaving the list admits both classes.
        QTRY_COMPARE(classes->count(), 2);
        QCOMPARE(classes->itemText(1), u"B2"_s);
    }

    void helpLink()
    {
        roster();
        auto login = window();
        QVERIFY(login->start());
        auto *link = child<QLabel>(login.get(), u"Lab_link"_s);
        emit link->linkActivated(u"help"_s);
        QCOMPARE(m_prompts.messages().size(), 1);
        QVERIFY(m_prompts.messages().first().startsWith(u"The help pages are missing: "));
        QVERIFY(m_opened.isEmpty());
        testing::writeBytes(m_root->path() + u"/help/index.html"_s, "<html></html>");
        emit link->linkActivated(u"help"_s);
        QCOMPARE(m_opened,
                 QList<QUrl>{QUrl::fromLocalFile(m_root->path() + u"/help/index.html"_s)});
    }

    void cancelEndsTheProgram()
    {
        roster();
        auto login = window();
        QVERIFY(login->start());
        login->show();
        QTest::mouseClick(child<QPushButton>(login.get(), u"Cmd_cancel"_s), Qt::LeftButton);
        QVERIFY(!login->isVisible());
        QCOMPARE(m_quits, 1);
    }

    // The paper changed by keyboard, the list never lost the focus, and Enter went to
    // "OK": the class of the previous paper's list is checked against this paper.
    void classIsCheckedAgainAtOk()
    {
        roster();
        m_root->admit(u"Maths"_s, u"B2"_s, u"0"_s);
        m_root->admit(u"English"_s, u"A1"_s, u"0"_s);
        m_root->admit(u"English"_s, u"B2"_s, u"1"_s);
        m_root->paper(u"English"_s, {});
        auto login = window();
        QVERIFY(login->start());
        login->show();
        login->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(login.get()));
        auto *papers = child<QComboBox>(login.get(), u"Combo_test"_s);
        auto *classes = child<QComboBox>(login.get(), u"Combo_class"_s);
        classes->setCurrentIndex(0);
        QCOMPARE(classes->currentText(), u"A1"_s);
        QTest::keyClicks(child<QLineEdit>(login.get(), u"Text_number"_s), u"7"_s);
        QTest::keyClicks(child<QLineEdit>(login.get(), u"Text_first"_s), u"Tom"_s);
        papers->setFocus();
        QTRY_VERIFY(papers->hasFocus());
        QTest::keyClick(papers, Qt::Key_Down);
        QCOMPARE(papers->currentText(), u"English"_s);
        QCOMPARE(classes->currentText(), u"A1"_s); // the old list, as the focus never moved

        QStringList listedWhileTold;
        m_prompts.whileShown([&](const testing::ScriptedPrompts::Shown &) {
            for (int i = 0; i < classes->count(); ++i)
                listedWhileTold.append(classes->itemText(i));
        });
        QTest::keyClick(papers, Qt::Key_Return);
        m_prompts.whileShown({});
        QCOMPARE(m_prompts.texts(), QStringList{u"Please choose class name!"_s});
        QCOMPARE(listedWhileTold, QStringList{u"B2"_s});
        QCOMPARE(classes->currentText(), QString());
        QVERIFY(login->isVisible());
        QVERIFY(!QFile::exists(m_root->root().recordFile(u"English"_s, u"A1"_s, u"7"_s)));
    }

    // A class without an admission key for the paper is admitted at "OK".
    void missingAdmissionFlagStillAdmits()
    {
        roster();
        m_root->paper(u"English"_s, {});
        Admission admission(m_root->root(), m_prompts);
        QCOMPARE(admission.open(), Admission::Opening::Ready);
        const Admission::Outcome outcome =
            admission.admit({u"English"_s, u"B2"_s, u"101"_s, u"Ann"_s, QString()});
        QVERIFY(outcome.admitted);
        QVERIFY(!outcome.classesChanged);
        QVERIFY(m_prompts.texts().isEmpty());
    }

    // The paper's texts are shown as typed, markup and entities included.
    void aboutTestShowsPlainText()
    {
        roster();
        m_root->paper(u"Maths"_s, {{u"about_test"_s, u"Chapter <b>3</b>: A &lt; B"_s},
                                   {u"full_mark"_s, u"<i>30</i>"_s}});
        AboutTestWindow about(m_root->root(),
                              {u"Maths"_s, u"A1"_s, u"7"_s, u"Tom"_s, QString(), false},
                              [this] { ++m_quits; });
        for (const QString &name :
             {u"Lab_about"_s, u"Lab_fullmark"_s, u"Lab_testtime"_s, u"Lab_total"_s})
            QCOMPARE(child<QLabel>(&about, name)->textFormat(), Qt::PlainText);
        QCOMPARE(child<QLabel>(&about, u"Lab_about"_s)->text(), u"  Chapter <b>3</b>: A &lt; B"_s);
        QCOMPARE(child<QLabel>(&about, u"Lab_fullmark"_s)->text(), u"<i>30</i>"_s);
    }

    // The relogin password window shows "*" for each typed character.
    void passwordWindowMasksWithStars()
    {
        ui::PasswordDialog dialog(u"Input relogin password:"_s);
        auto *entry = child<QLineEdit>(&dialog, u"Text1"_s);
        QTest::keyClicks(entry, u"579"_s);
        QCOMPARE(entry->displayText(), u"***"_s);
        QCOMPARE(dialog.windowTitle(), u"Input relogin password:"_s);
    }

    // The start stamp cannot be written (the result folder went away after the
    // login): the testee is told, no exam window opens, and the program ends.
    void startThatCannotBeSavedEndsTheProgram()
    {
        roster();
        testing::FixedClock clock(QDateTime(QDate(2004, 5, 12), QTime(9, 30, 0)));
        testing::ScriptedRandom random({0.5});
        StudentProgram program(
            m_root->root(), clock, random, m_prompts, [this] { ++m_quits; },
            ExamWindow::Ticks::Manual);
        QVERIFY(program.start());
        LoginWindow *login = program.loginWindow();
        child<QComboBox>(login, u"Combo_class"_s)->setCurrentIndex(0);
        QTest::keyClicks(child<QLineEdit>(login, u"Text_number"_s), u"7"_s);
        QTest::keyClicks(child<QLineEdit>(login, u"Text_first"_s), u"Tom"_s);
        QTest::mouseClick(child<QPushButton>(login, u"Cmd_ok"_s), Qt::LeftButton);
        AboutTestWindow *about = program.aboutTestWindow();
        QVERIFY(about && about->isVisible());
        const QString folder = m_root->path() + u"/CHENGJI/Maths"_s;
        QVERIFY(QDir(folder).removeRecursively());
        for (int i = 0; i < ExamAttempt::startTries; ++i)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"start stamp not written"_s));
        QTest::mouseClick(child<QPushButton>(about, u"Cmd_start"_s), Qt::LeftButton);
        QCOMPARE(m_prompts.texts().size(), 1);
        QVERIFY(m_prompts.texts().first().startsWith(
            u"Your test cannot be saved, so it cannot start.\nPlease call the teacher.\n("_s));
        QVERIFY(!program.examWindow() || !program.examWindow()->isVisible());
        QCOMPARE(m_quits, 1);
    }

    void fromLoginToTheExam()
    {
        roster();
        testing::FixedClock clock(QDateTime(QDate(2004, 5, 12), QTime(9, 30, 0)));
        testing::ScriptedRandom random({0.5});
        StudentProgram program(
            m_root->root(), clock, random, m_prompts, [this] { ++m_quits; },
            ExamWindow::Ticks::Manual);
        QVERIFY(program.start());
        LoginWindow *login = program.loginWindow();
        QVERIFY(login->isVisible());
        child<QComboBox>(login, u"Combo_class"_s)->setCurrentIndex(0);
        QTest::keyClicks(child<QLineEdit>(login, u"Text_number"_s), u"07"_s);
        QTest::keyClicks(child<QLineEdit>(login, u"Text_first"_s), u" Tom "_s);
        QTest::keyClicks(child<QLineEdit>(login, u"Text_last"_s), u"Lee"_s);
        QTest::keyClick(child<QLineEdit>(login, u"Text_last"_s), Qt::Key_Return);
        QVERIFY(!login->isVisible());
        AboutTestWindow *about = program.aboutTestWindow();
        QVERIFY(about && about->isVisible());
        QCOMPARE(about->objectName(), u"考试说明"_s);
        QCOMPARE(child<QLabel>(about, u"Lab_fullmark"_s)->text(), u"30"_s);
        QCOMPARE(child<QLabel>(about, u"Lab_testtime"_s)->text(), u"45"_s);
        QCOMPARE(child<QLabel>(about, u"Lab_total"_s)->text(), u"  3"_s);
        QCOMPARE(child<QLabel>(about, u"Lab_about"_s)->text(), u"  Chapter 3"_s);
        const store::ProfileSnapshot record =
            store::ProfileFile(m_root->root().recordFile(u"Maths"_s, u"A1"_s, u"7"_s)).read();
        QCOMPARE(record.value(u"A1", u"7"), u"Tom"_s);
        QCOMPARE(record.value(u"A1", u"7LAST"), u"Lee"_s);

        QTest::mouseClick(child<QPushButton>(about, u"Cmd_start"_s), Qt::LeftButton);
        QVERIFY(!about->isVisible());
        ExamWindow *exam = program.examWindow();
        QVERIFY(exam && exam->isVisible());
        QCOMPARE(exam->windowTitle(), u"A1 7 Tom Lee"_s);
        QCOMPARE(m_quits, 0);
        QVERIFY(m_prompts.texts().isEmpty());
        const store::ProfileSnapshot started =
            store::ProfileFile(m_root->root().recordFile(u"Maths"_s, u"A1"_s, u"7"_s)).read();
        QCOMPARE(started.value(u"A1", u"7TIME1"), u"2004,05,12  09:30:00"_s);
    }
};

QTEST_MAIN(TestLoginWindow)
#include "tst_login_window.moc"
