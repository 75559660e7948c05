// The teacher password: what the login accepts and what "SetPassword" writes.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/password_change.h"
#include "shell/teacher_login.h"
#include "store/profile_document.h"
#include "store/roster.h"
#include "root_builder.h"
#include "scripted_prompts.h"

#include <QDir>
#include <QFile>
#include <QTest>

using teacher::PasswordChange;
using teacher::TeacherLogin;

namespace {
const QString incorrect = QStringLiteral("Incorrect!Please enter again!");
}

class TestPasswordChange : public QObject
{
    Q_OBJECT

private slots:
    void login_data()
    {
        QTest::addColumn<QString>("roster");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("needed");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("no roster") << ""
                                   << "" << false << true;
        QTest::newRow("no pwd key") << "[admin]\nuser=x\n"
                                    << "" << false << true;
        QTest::newRow("empty pwd") << "[admin]\npwd=\n"
                                   << "" << false << true;
        QTest::newRow("right") << "[admin]\npwd=Admin\n"
                               << "Admin" << true << true;
        QTest::newRow("blanks around stored and typed") << "[admin]\npwd=  Admin  \n"
                                                        << " Admin" << true << true;
        QTest::newRow("other letter case") << "[admin]\npwd=Admin\n"
                                           << "admin" << true << false;
        QTest::newRow("blanks inside count") << "[admin]\npwd=Ad min\n"
                                             << "Admin" << true << false;
        QTest::newRow("written under Admin, read under admin") << "[ADMIN]\nPWD=老师 Pass\n"
                                                               << "老师 Pass" << true << true;
        QTest::newRow("empty entry with a password") << "[admin]\npwd=Admin\n"
                                                     << "" << true << false;
    }
    void login()
    {
        QFETCH(QString, roster);
        QFETCH(QString, typed);
        QFETCH(bool, needed);
        QFETCH(bool, accepted);
        testing::RootBuilder root;
        if (!roster.isEmpty())
            root.roster(roster);
        testing::ScriptedPrompts prompts;
        TeacherLogin login(root.root(), prompts);
        login.refresh();
        QCOMPARE(login.isPasswordSet(), needed);
        QCOMPARE(login.submit(typed), accepted);
        QCOMPARE(prompts.messages(), accepted ? QStringList{} : QStringList{incorrect});
    }

    // Only a missing file, section or key means "no password"; a roster that is
    // there but cannot be read keeps the login and says why.
    void unreadableRosterKeepsTheLogin_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("why");
        QTest::newRow("too large")
            << QByteArray(17 * 1024 * 1024, ';') << store::describe(store::ReadStatus::TooLarge);
        QByteArray sections;
        for (int i = 0; i <= store::ProfileDocument::maxSections; ++i)
            sections += '[' + QByteArray::number(i) + "]\r\n";
        QTest::newRow("too many sections")
            << sections << store::describe(store::ReadStatus::TooLarge);
    }
    void unreadableRosterKeepsTheLogin()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, why);
        testing::RootBuilder root;
        QFile file(root.rosterFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[admin]\r\npwd=Admin\r\n" + bytes);
        file.close();
        testing::ScriptedPrompts prompts;
        TeacherLogin login(root.root(), prompts);
        login.refresh();
        QVERIFY(login.isPasswordSet());
        const QString told = QStringLiteral("The password cannot be checked: %1 (%2).")
                                 .arg(why, QDir::toNativeSeparators(root.rosterFile()));
        QCOMPARE(login.reason(), told);
        QVERIFY(!login.submit(QStringLiteral("Admin")));
        QVERIFY(!login.submit(QString()));
        QCOMPARE(prompts.messages(), (QStringList{told, told}));
    }

    void change_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("oldEntry");
        QTest::addColumn<QString>("newEntry");
        QTest::addColumn<QString>("again");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("written"); // empty: the roster is left as it was
        const int saved = int(PasswordChange::Outcome::Saved);
        QTest::newRow("first password") << ""
                                        << ""
                                        << "Admin"
                                        << "Admin" << saved << "[Admin]\r\npwd=Admin\r\n";
        QTest::newRow("change, blanks around")
            << "old"
            << " old "
            << " new one "
            << "new one" << saved << "[admin]\r\npwd=new one\r\n";
        QTest::newRow("remove") << "old"
                                << "old"
                                << ""
                                << "  " << saved << "[admin]\r\npwd=\r\n";
        QTest::newRow("wrong old") << "old"
                                   << "Old"
                                   << "a"
                                   << "a" << int(PasswordChange::Outcome::WrongOld) << "";
        QTest::newRow("mismatched new entries")
            << "old"
            << "old"
            << "abc"
            << "abd" << int(PasswordChange::Outcome::Mismatch) << "";
        QTest::newRow("new entries differ in case")
            << "old"
            << "old"
            << "abc"
            << "ABC" << int(PasswordChange::Outcome::Mismatch) << "";
        QTest::newRow("longest that reads back")
            << ""
            << "" << QString(255, u'x') << QString(255, u'x') << saved << "";
        QTest::newRow("longer than reads back") << ""
                                                << "" << QString(256, u'x') << QString(256, u'x')
                                                << int(PasswordChange::Outcome::Refused) << "";
        QTest::newRow("tab inside") << ""
                                    << ""
                                    << "a\tb"
                                    << "a\tb" << int(PasswordChange::Outcome::Refused) << "";
    }
    void change()
    {
        QFETCH(QString, stored);
        QFETCH(QString, oldEntry);
        QFETCH(QString, newEntry);
        QFETCH(QString, again);
        QFETCH(int, outcome);
        QFETCH(QString, written);
        testing::RootBuilder root;
        root.roster(
            QStringLiteral("[ClassName]\nClassNameCount=0\n") +
            (stored.isEmpty() ? QString() : QStringLiteral("[admin]\npwd=") + stored + u'\n'));
        const QByteArray before = root.rosterBytes();
        testing::ScriptedPrompts prompts;
        PasswordChange change(root.root(), prompts);
        change.load();
        QCOMPARE(int(change.submit(oldEntry, newEntry, again)), outcome);

        if (outcome == int(PasswordChange::Outcome::Saved)) {
            QVERIFY(prompts.shown().isEmpty()); // no message confirms the change
            if (!written.isEmpty())
                QVERIFY2(root.rosterBytes().contains(written.toUtf8()),
                         root.rosterBytes().constData());
            // What was set is what the next login wants.
            TeacherLogin login(root.root(), prompts);
            login.refresh();
            QVERIFY(login.submit(newEntry));
            QCOMPARE(login.isPasswordSet(), !newEntry.trimmed().isEmpty());
        } else {
            QCOMPARE(prompts.messages().size(), 1);
            if (outcome != int(PasswordChange::Outcome::Refused))
                QCOMPARE(prompts.messages().first(), incorrect);
            QCOMPARE(root.rosterBytes(), before);
        }
    }

    void keptPasswordIsTheOneReadAtOpening()
    {
        testing::RootBuilder root;
        root.roster(QStringLiteral("[admin]\npwd=first\n"));
        testing::ScriptedPrompts prompts;
        PasswordChange change(root.root(), prompts);
        change.load();
        store::Roster(root.root()).writeTeacherPassword(QStringLiteral("second"));
        QCOMPARE(change.submit(QStringLiteral("first"), QStringLiteral("third"),
                               QStringLiteral("third")),
                 PasswordChange::Outcome::Saved);
    }

    void unwritableRosterIsTold()
    {
        testing::RootBuilder root;
        testing::ScriptedPrompts prompts;
        PasswordChange change(root.root(), prompts);
        change.load();
        root.removeSys();
        QCOMPARE(change.submit({}, QStringLiteral("new"), QStringLiteral("new")),
                 PasswordChange::Outcome::NotSaved);
        QCOMPARE(prompts.messages().size(), 1);
        QVERIFY(prompts.messages().first().startsWith(
            QStringLiteral("A folder of the data root does not exist: the new password was not "
                           "saved; nothing was changed.")));
    }
};

QTEST_GUILESS_MAIN(TestPasswordChange)
#include "tst_password_change.moc"
