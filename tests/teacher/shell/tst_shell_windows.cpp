// The shell's windows as a teacher meets them: splash, login, menu and SetPassword,
// and how the program moves from one to the next.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "recording_help.h"
#include "shell/login_window.h"
#include "shell/main_menu_window.h"
#include "shell/picture_button.h"
#include "shell/set_password_window.h"
#include "shell/splash_window.h"
#include "shell/teacher_shell.h"
#include "store/roster.h"
#include "root_builder.h"
#include "scripted_prompts.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace teacher;

namespace {

const QString incorrect = QStringLiteral("Incorrect!Please enter again!");

// What a screen tells a widget when the pointer comes over it and moves on it.
void hover(QWidget *widget, QPoint at = {})
{
    QTest::mouseMove(widget, at.isNull() ? widget->rect().center() : at);
    QEnterEvent enter(QPointF(widget->rect().center()), QPointF(widget->rect().center()),
                      QPointF(widget->mapToGlobal(widget->rect().center())));
    QCoreApplication::sendEvent(widget, &enter);
    QMouseEvent move(QEvent::MouseMove, QPointF(widget->rect().center()),
                     QPointF(widget->mapToGlobal(widget->rect().center())), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
}

int highlightedButton(const MainMenuWindow &menu)
{
    int lit = 0;
    for (int k = 1; k <= 7; ++k) {
        if (menu.button(k)->look() == MenuPicture::Look::Highlighted) {
            if (lit != 0)
                return -1; // more than one
            lit = k;
        }
    }
    return lit;
}

} // namespace

class TestShellWindows : public QObject
{
    Q_OBJECT

private slots:
    void splashEndsOnItsTimer()
    {
        SplashWindow splash;
        QSignalSpy finished(&splash, &SplashWindow::finished);
        QVERIFY(!splash.timer()->isActive());
        splash.show();
        QVERIFY(splash.timer()->isActive());
        QVERIFY(splash.timer()->isSingleShot());
        QCOMPARE(splash.timer()->interval(), 600);
        QVERIFY(finished.isEmpty());
        QMetaObject::invokeMethod(splash.timer(), "timeout");
        QCOMPARE(finished.size(), 1);
        splash.finish(); // a key after the timer changes nothing
        QCOMPARE(finished.size(), 1);
    }

    void splashEndsOnAKey()
    {
        SplashWindow splash;
        QSignalSpy finished(&splash, &SplashWindow::finished);
        splash.show();
        QTest::keyClick(&splash, Qt::Key_Space);
        QCOMPARE(finished.size(), 1);
        QVERIFY(!splash.timer()->isActive());
    }

    void splashPictureIsSharpOnHighDpi()
    {
        const QPixmap picture =
            MenuPicture::button(3, MenuPicture::Look::Highlighted, {160, 128}, 2.0);
        QCOMPARE(picture.size(), QSize(320, 256));
        QCOMPARE(picture.devicePixelRatio(), 2.0);
        QCOMPARE(picture.deviceIndependentSize(), QSizeF(160, 128));
        const QImage normal =
            MenuPicture::button(3, MenuPicture::Look::Normal, {160, 128}, 1.0).toImage();
        const QImage lit =
            MenuPicture::button(3, MenuPicture::Look::Highlighted, {160, 128}, 1.0).toImage();
        QVERIFY(normal != lit);
        for (int k = 1; k <= 7; ++k)
            QVERIFY(!MenuPicture::caption(k).isEmpty());
    }

    void hoverHighlightsOneButton()
    {
        testing::ScriptedPrompts prompts;
        testing::RecordingHelp help;
        MainMenuWindow menu({}, prompts, help, [] {});
        menu.show();
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        QCOMPARE(highlightedButton(menu), 0);
        hover(menu.button(2));
        QCOMPARE(highlightedButton(menu), 2);
        hover(menu.button(5));
        QCOMPARE(highlightedButton(menu), 5);
        QCOMPARE(menu.model().state(2), MainMenuModel::State::Normal);
        hover(&menu, QPoint(5, 5)); // the background
        QCOMPARE(highlightedButton(menu), 0);
        hover(menu.button(7));
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(&menu, &leave);
        QCOMPARE(highlightedButton(menu), 0);
    }

    void menuButtonsOpenTheirWindows()
    {
        testing::ScriptedPrompts prompts;
        testing::RecordingHelp help;
        QStringList opened;
        QList<QWidget *> owners;
        WorkingWindows windows;
        windows.manageTest = [&](QWidget *over) {
            opened << QStringLiteral("test");
            owners << over;
        };
        windows.manageClasses = [&](QWidget *over) {
            opened << QStringLiteral("classes");
            owners << over;
        };
        windows.setPassword = [&](QWidget *over) {
            opened << QStringLiteral("password");
            owners << over;
        };
        int quits = 0;
        MainMenuWindow menu(windows, prompts, help, [&] { ++quits; });
        QCOMPARE(menu.objectName(), QStringLiteral("考务管理"));
        QCOMPARE(menu.windowTitle(), QStringLiteral("Teacher End"));
        menu.show();
        QVERIFY(QTest::qWaitForWindowActive(&menu));
        for (int k = 1; k <= 6; ++k)
            QTest::mouseClick(menu.button(k), Qt::LeftButton);
        QCOMPARE(opened, (QStringList{QStringLiteral("test"), QStringLiteral("classes"),
                                      QStringLiteral("password")}));
        QCOMPARE(owners, QList<QWidget *>(3, &menu));
        QCOMPARE(prompts.messages(),
                 (QStringList{
                     QStringLiteral(
                         "\"Manage paper\" is not available in this build of the teacher program."),
                     QStringLiteral("\"View achievement\" is not available in this build of the "
                                    "teacher program.")}));
        QCOMPARE(help.pages(), QStringList{QStringLiteral("main-menu")});
        QTest::keyClick(&menu, Qt::Key_F1);
        QCOMPARE(help.pages().size(), 2);
        QCOMPARE(quits, 0);
        QTest::mouseClick(menu.button(7), Qt::LeftButton);
        QCOMPARE(quits, 1);
        QVERIFY(!menu.isVisible());
        QCOMPARE(menu.button(4)->accessibleName(), QStringLiteral("View achievement"));
    }

    void loginRetriesUntilRight()
    {
        testing::RootBuilder root;
        root.roster(QStringLiteral("[admin]\npwd= Admin \n"));
        testing::ScriptedPrompts prompts;
        testing::RecordingHelp help;
        LoginWindow login(root.root(), prompts, help);
        QSignalSpy passed(&login, &LoginWindow::passed);
        QSignalSpy cancelled(&login, &LoginWindow::cancelled);
        login.show();
        QVERIFY(QTest::qWaitForWindowActive(&login));
        QCOMPARE(login.objectName(), QStringLiteral("考务登录"));
        QCOMPARE(login.windowTitle(), QStringLiteral("Login"));
        QCOMPARE(login.entry()->echoMode(), QLineEdit::Password);
        QCOMPARE(login.okButton()->toolTip(), QStringLiteral("Login"));
        QCOMPARE(login.cancelButton()->toolTip(), QStringLiteral("Exit"));
        QCOMPARE(login.helpButton()->toolTip(), QStringLiteral("How to login"));

        // Each typed character shows as "*"; the entry is empty by the time the
        // message is read.
        QStringList heldWhileTold;
        prompts.whileShown([&](const testing::ScriptedPrompts::Shown &) {
            heldWhileTold.append(login.entry()->text());
        });
        for (const QString &wrong : {QStringLiteral("admin"), QStringLiteral("Admin1")}) {
            QTest::keyClicks(login.entry(), wrong);
            QCOMPARE(login.entry()->displayText(), QString(wrong.size(), u'*'));
            QTest::mouseClick(login.okButton(), Qt::LeftButton);
            QVERIFY(login.entry()->text().isEmpty());
            QVERIFY(login.entry()->hasFocus());
        }
        prompts.whileShown({});
        QCOMPARE(heldWhileTold, (QStringList{QString(), QString()}));
        QCOMPARE(prompts.messages(), (QStringList{incorrect, incorrect}));
        QTest::mouseClick(login.helpButton(), Qt::LeftButton);
        QCOMPARE(help.pages(), QStringList{QStringLiteral("login")});
        QTest::keyClicks(login.entry(), QStringLiteral("Admin"));
        QTest::keyClick(login.entry(), Qt::Key_Return);
        QCOMPARE(passed.size(), 1);
        QCOMPARE(cancelled.size(), 0);
    }

    // A roster that exists but cannot be read may hold a password: the login stays
    // and says why, instead of letting anybody in.
    void loginStaysWhenTheRosterCannotBeRead()
    {
        testing::RootBuilder root;
        QFile::remove(root.rosterFile());
        QVERIFY(QDir().mkpath(root.rosterFile())); // a folder where the file belongs
        testing::ScriptedPrompts prompts;
        testing::RecordingHelp help;
        LoginWindow login(root.root(), prompts, help);
        QSignalSpy passed(&login, &LoginWindow::passed);
        login.show();
        QVERIFY(QTest::qWaitForWindowActive(&login));
        QCOMPARE(passed.size(), 0);
        const QString why =
            QStringLiteral("The password cannot be checked: the file could not be read (%1).")
                .arg(QDir::toNativeSeparators(root.rosterFile()));
        auto *reason = login.findChild<QLabel *>(QStringLiteral("Lab_reason"));
        QVERIFY(reason && reason->isVisible());
        QCOMPARE(reason->text(), why);
        QTest::keyClicks(login.entry(), QStringLiteral("guess"));
        QTest::mouseClick(login.okButton(), Qt::LeftButton);
        QCOMPARE(passed.size(), 0);
        QCOMPARE(prompts.messages(), QStringList{why});

        // Readable again, and holding no password: the next OK lets the teacher in.
        QVERIFY(QDir(root.rosterFile()).removeRecursively());
        QTest::mouseClick(login.okButton(), Qt::LeftButton);
        QCOMPARE(passed.size(), 1);
        QCOMPARE(prompts.messages().size(), 1);
    }

    void loginCancelEnds()
    {
        testing::RootBuilder root;
        root.roster(QStringLiteral("[admin]\npwd=x\n"));
        testing::ScriptedPrompts prompts;
        testing::RecordingHelp help;
        LoginWindow login(root.root(), prompts, help);
        QSignalSpy cancelled(&login, &LoginWindow::cancelled);
        login.show();
        QTest::mouseClick(login.cancelButton(), Qt::LeftButton);
        QCOMPARE(cancelled.size(), 1);
    }

    void setPassword_data()
    {
        QTest::addColumn<QString>("oldEntry");
        QTest::addColumn<QString>("newEntry");
        QTest::addColumn<QString>("again");
        QTest::addColumn<QStringList>("left"); // what the three entries hold afterwards
        QTest::addColumn<bool>("closed");
        QTest::newRow("wrong old")
            << "nope"
            << "a"
            << "a" << QStringList{{}, QStringLiteral("a"), QStringLiteral("a")} << false;
        QTest::newRow("new entries differ")
            << "old"
            << "a"
            << "b" << QStringList{QStringLiteral("old"), {}, {}} << false;
        QTest::newRow("right") << "old"
                               << "new"
                               << "new"
                               << QStringList{QStringLiteral("old"), QStringLiteral("new"),
                                              QStringLiteral("new")}
                               << true;
    }
    void setPassword()
    {
        QFETCH(QString, oldEntry);
        QFETCH(QString, newEntry);
        QFETCH(QString, again);
        QFETCH(QStringList, left);
        QFETCH(bool, closed);
        testing::RootBuilder root;
        root.roster(QStringLiteral("[Admin]\npwd=old\n"));
        const QByteArray before = root.rosterBytes();
        testing::ScriptedPrompts prompts;
        testing::RecordingHelp help;
        SetPasswordWindow window(root.root(), prompts, help);
        QCOMPARE(window.objectName(), QStringLiteral("设置密码"));
        QCOMPARE(window.okButton()->toolTip(), QStringLiteral("Save and return to main menu"));
        QCOMPARE(window.cancelButton()->toolTip(), QStringLiteral("Return to main menu"));
        QCOMPARE(window.againEntry()->accessibleName(), QStringLiteral("Input again:"));
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(window.oldEntry(), Qt::Key_F1);
        QCOMPARE(help.pages(), QStringList{QStringLiteral("set-password")});
        QTest::keyClicks(window.oldEntry(), oldEntry);
        QTest::keyClicks(window.newEntry(), newEntry);
        QTest::keyClicks(window.againEntry(), again);
        QCOMPARE(window.againEntry()->displayText(), QString(again.size(), u'*'));
        QStringList heldWhileTold;
        prompts.whileShown([&](const testing::ScriptedPrompts::Shown &) {
            heldWhileTold = {window.oldEntry()->text(), window.newEntry()->text(),
                             window.againEntry()->text()};
        });
        QTest::mouseClick(window.okButton(), Qt::LeftButton);
        prompts.whileShown({});
        // Emptied before the message is read, not after it is closed.
        if (!closed)
            QCOMPARE(heldWhileTold, left);
        QCOMPARE((QStringList{window.oldEntry()->text(), window.newEntry()->text(),
                              window.againEntry()->text()}),
                 left);
        QCOMPARE(window.result() == QDialog::Accepted, closed);
        QCOMPARE(prompts.messages(), closed ? QStringList{} : QStringList{incorrect});
        QCOMPARE(root.rosterBytes() == before, !closed);
    }

    void startWithoutPassword()
    {
        testing::RootBuilder root;
        testing::ScriptedPrompts prompts;
        testing::RecordingHelp help;
        int quits = 0;
        TeacherShell shell(root.root(), prompts, help, {}, [&] { ++quits; });
        shell.start();
        QVERIFY(shell.splash());
        QVERIFY(shell.splash()->isVisible());
        QVERIFY(!shell.mainMenu());
        QMetaObject::invokeMethod(shell.splash()->timer(), "timeout");
        QVERIFY(!shell.login());
        QVERIFY(shell.mainMenu());
        QVERIFY(shell.mainMenu()->isVisible());
        QTRY_VERIFY(!shell.splash()); // gone once the event loop has run
        shell.mainMenu()->close();
        QCOMPARE(quits, 1);
    }

    void startWithPassword()
    {
        testing::RootBuilder root;
        store::Roster(root.root()).writeTeacherPassword(QStringLiteral("Admin"));
        testing::ScriptedPrompts prompts;
        testing::RecordingHelp help;
        int quits = 0;
        TeacherShell shell(root.root(), prompts, help, {}, [&] { ++quits; });
        shell.start();
        QTest::keyClick(shell.splash(), Qt::Key_Escape);
        QVERIFY(shell.login());
        QVERIFY(shell.login()->isVisible());
        QVERIFY(!shell.mainMenu());
        QTest::keyClicks(shell.login()->entry(), QStringLiteral("admin"));
        QTest::mouseClick(shell.login()->okButton(), Qt::LeftButton);
        QCOMPARE(prompts.messages(), QStringList{incorrect});
        QVERIFY(!shell.mainMenu());
        QTest::keyClicks(shell.login()->entry(), QStringLiteral("Admin"));
        QTest::mouseClick(shell.login()->okButton(), Qt::LeftButton);
        QVERIFY(shell.mainMenu());
        QTRY_VERIFY(!shell.login());
        QCOMPARE(quits, 0);
    }

    void loginCancelledEndsTheProgram()
    {
        testing::RootBuilder root;
        store::Roster(root.root()).writeTeacherPassword(QStringLiteral("Admin"));
        testing::ScriptedPrompts prompts;
        testing::RecordingHelp help;
        int quits = 0;
        TeacherShell shell(root.root(), prompts, help, {}, [&] { ++quits; });
        shell.start();
        shell.splash()->finish();
        QTest::mouseClick(shell.login()->cancelButton(), Qt::LeftButton);
        QCOMPARE(quits, 1);
        QVERIFY(!shell.mainMenu());
    }

    void passwordRemovedWhileWaiting()
    {
        testing::RootBuilder root;
        store::Roster(root.root()).writeTeacherPassword(QStringLiteral("Admin"));
        testing::ScriptedPrompts prompts;
        testing::RecordingHelp help;
        TeacherShell shell(root.root(), prompts, help, {}, [] {});
        shell.start();
        shell.splash()->finish();
        store::Roster(root.root()).writeTeacherPassword(QString());
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(shell.login(), &activate);
        QVERIFY(shell.mainMenu());
    }

    void missingDataFolderIsTold()
    {
        testing::ScriptedPrompts prompts;
        testing::RecordingHelp help;
        int quits = 0;
        TeacherShell shell(store::DataRoot(QStringLiteral("/nonexistent/quorin")), prompts, help,
                           {}, [&] { ++quits; });
        shell.start();
        QCOMPARE(quits, 1);
        QVERIFY(!shell.splash());
        QCOMPARE(prompts.messages().size(), 1);
        QVERIFY(prompts.messages().first().contains(QStringLiteral("/nonexistent/quorin")));
    }
};

QTEST_MAIN(TestShellWindows)
#include "tst_shell_windows.moc"
