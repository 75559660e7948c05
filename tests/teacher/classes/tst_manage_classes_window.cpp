// The "Manage classes" window driven as a teacher would: clicks, typing, focus, OK and Cancel.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "classes/manage_classes_window.h"
#include "recording_help.h"
#include "store/roster.h"
#include "root_builder.h"
#include "scripted_prompts.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using teacher::ManageClassesWindow;

namespace {

const QString roster =
    QStringLiteral("[ClassName]\nClassNameCount=3\n1=A1\n2=A2\n3=B1\n"
                   "[ClassCount]\nA1=30\nA2=28\nB1=32\n[FirstNumber]\nA1=1\nA2=1\nB1=101\n"
                   "[LastNumber]\nA1=30\nA2=28\nB1=132\n");

void retype(QLineEdit *box, const QString &text)
{
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
}

void clickRow(QListWidget *list, int row)
{
    const QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

} // namespace

class TestManageClassesWindow : public QObject
{
    Q_OBJECT

private slots:
    void opensOnTheFirstClass()
    {
        testing::RootBuilder root;
        root.roster(roster);
        testing::ScriptedPrompts prompts;
        testing::RecordingHelp help;
        ManageClassesWindow window(root.root(), prompts, help);
        QCOMPARE(window.objectName(), QStringLiteral("班级管理"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Manage classes"));
        QCOMPARE(window.classList()->count(), 3);
        QCOMPARE(window.classList()->currentRow(), 0);
        QCOMPARE(window.nameBox()->text(), QStringLiteral("A1"));
        QVERIFY(window.nameBox()->isReadOnly());
        QCOMPARE(window.countBox()->text(), QStringLiteral("30"));

        clickRow(window.classList(), 2);
        QCOMPARE(window.nameBox()->text(), QStringLiteral("B1"));
        QCOMPARE(window.firstBox()->text(), QStringLiteral("101"));
        QCOMPARE(window.lastBox()->text(), QStringLiteral("132"));
    }

    void captionsAndTips_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("accessible");
        QTest::addColumn<QString>("tip");
        QTest::newRow("list") << "List1"
                              << "Choose the class "
                              << "Click to choose class";
        QTest::newRow("count") << "Text2"
                               << "Testee account"
                               << "Input the conut of students ";
        QTest::newRow("first") << "Text3"
                               << "first"
                               << "The number must be an integer larger than zero ";
        QTest::newRow("last")
            << "Text4"
            << "last "
            << "The number must be larger than the count of first number and student count";
        QTest::newRow("create") << "Cmd_create"
                                << "Create"
                                << "";
        QTest::newRow("delete") << "Cmd_delete"
                                << "Delete "
                                << "";
        QTest::newRow("up") << "Cmd_up"
                            << "Up"
                            << "";
        QTest::newRow("down") << "Cmd_down"
                              << "Down"
                              << "";
        QTest::newRow("ok") << "Cmd_ok"
                            << "OK"
                            << "Save and return to main menu";
        QTest::newRow("cancel") << "Cmd_cancel"
                                << "Cancel"
                                << "";
        QTest::newRow("help") << "Cmd_help"
                              << "Help"
                              << "How to manage classes";
    }
    void captionsAndTips()
    {
        QFETCH(QString, name);
        QFETCH(QString, accessible);
        QFETCH(QString, tip);
        testing::RootBuilder root;
        testing::ScriptedPrompts prompts;
        testing::RecordingHelp help;
        ManageClassesWindow window(root.root(), prompts, help);
        auto *control = window.findChild<QWidget *>(name);
        QVERIFY(control);
        QCOMPARE(control->accessibleName(), accessible);
        QCOMPARE(control->toolTip(), tip);
        if (auto *button = qobject_cast<QPushButton *>(control))
            QCOMPARE(button->text(), accessible);
    }

    void typingFollowsTheRules()
    {
        testing::RootBuilder root;
        root.roster(roster);
        testing::ScriptedPrompts prompts;
        testing::RecordingHelp help;
        ManageClassesWindow window(root.root(), prompts, help);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        retype(window.countBox(), QStringLiteral("40"));
        QCOMPARE(window.lastBox()->text(), QStringLiteral("40"));
        retype(window.firstBox(), QStringLiteral("10"));
        QCOMPARE(window.firstBox()->text(), QStringLiteral("10"));
        QCOMPARE(window.lastBox()->text(), QStringLiteral("49"));
        retype(window.lastBox(), QStringLiteral("45"));
        QVERIFY(prompts.shown().isEmpty()); // checked only when the box is left
        clickRow(window.classList(), 0);
        QCOMPARE(prompts.messages(),
                 QStringList{QStringLiteral("The last number is too small,please input again!")});
        QCOMPARE(window.lastBox()->text(), QStringLiteral("49"));
        QVERIFY(window.lastBox()->hasFocus());
        QCOMPARE(window.lastBox()->selectedText(), QStringLiteral("49"));

        retype(window.countBox(), QStringLiteral("99999")); // the fifth digit is refused
        QCOMPARE(window.countBox()->text(), QStringLiteral("9999"));
        QCOMPARE(window.lastBox()->text(), QStringLiteral("10008"));
    }

    void okWritesTheClasses()
    {
        testing::RootBuilder root;
        root.roster(roster);
        testing::ScriptedPrompts prompts;
        testing::RecordingHelp help;
        ManageClassesWindow window(root.root(), prompts, help);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        prompts.accept(QStringLiteral("C3"));
        QTest::mouseClick(window.button(QStringLiteral("Cmd_create")), Qt::LeftButton);
        QCOMPARE(window.classList()->count(), 4);
        clickRow(window.classList(), 3);
        retype(window.countBox(), QStringLiteral("20"));
        retype(window.firstBox(), QStringLiteral("301"));
        QCOMPARE(window.lastBox()->text(), QStringLiteral("320"));
        clickRow(window.classList(), 0);
        QTest::mouseClick(window.button(QStringLiteral("Cmd_up")),
                          Qt::LeftButton); // first: nothing
        QTest::mouseClick(window.button(QStringLiteral("Cmd_down")), Qt::LeftButton);
        QCOMPARE(window.classList()->currentItem()->text(), QStringLiteral("A1"));
        QTest::mouseClick(window.button(QStringLiteral("Cmd_ok")), Qt::LeftButton);

        QCOMPARE(window.result(), int(QDialog::Accepted));
        const store::RosterReader after = store::Roster(root.root()).read();
        QCOMPARE(after.classNames(), (QStringList{QStringLiteral("A2"), QStringLiteral("A1"),
                                                  QStringLiteral("B1"), QStringLiteral("C3")}));
        QCOMPARE(after.classEntry(QStringLiteral("C3")),
                 (store::ClassEntry{QStringLiteral("C3"), 20, 301, 320}));
    }

    void enterInTheLastBoxIsChecked()
    {
        testing::RootBuilder root;
        root.roster(roster);
        const QByteArray before = root.rosterBytes();
        testing::ScriptedPrompts prompts;
        testing::RecordingHelp help;
        ManageClassesWindow window(root.root(), prompts, help);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        retype(window.lastBox(), QStringLiteral("20"));
        QTest::keyClick(window.lastBox(), Qt::Key_Return);
        QCOMPARE(prompts.messages(),
                 QStringList{QStringLiteral("The last number is too small,please input again!")});
        QVERIFY(window.isVisible());
        QCOMPARE(root.rosterBytes(), before);
    }

    void cancelLeavesTheRosterAlone()
    {
        testing::RootBuilder root;
        root.roster(roster);
        const QByteArray before = root.rosterBytes();
        testing::ScriptedPrompts prompts;
        testing::RecordingHelp help;
        ManageClassesWindow window(root.root(), prompts, help);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        clickRow(window.classList(), 2);
        prompts.accept();
        // The list already shows the class gone when the message says so.
        QStringList listedWhileTold;
        prompts.whileShown([&](const testing::ScriptedPrompts::Shown &shown) {
            if (shown.kind != testing::ScriptedPrompts::Kind::Message)
                return;
            for (int row = 0; row < window.classList()->count(); ++row)
                listedWhileTold.append(window.classList()->item(row)->text());
        });
        QTest::mouseClick(window.button(QStringLiteral("Cmd_delete")), Qt::LeftButton);
        prompts.whileShown({});
        QCOMPARE(listedWhileTold, (QStringList{QStringLiteral("A1"), QStringLiteral("A2")}));
        QCOMPARE(window.classList()->count(), 2);
        QCOMPARE(window.classList()->currentRow(), 1); // the new last class
        QCOMPARE(window.nameBox()->text(), QStringLiteral("A2"));
        retype(window.countBox(), QStringLiteral("35"));
        retype(window.lastBox(), QStringLiteral("1")); // too small, but Cancel throws it away
        QTest::mouseClick(window.button(QStringLiteral("Cmd_cancel")), Qt::LeftButton);
        QCOMPARE(window.result(), int(QDialog::Rejected));
        QCOMPARE(prompts.messages(),
                 QStringList{QStringLiteral("The present calss had been deleted?")});
        QCOMPARE(root.rosterBytes(), before);
    }

    void helpOpensThisWindowsPage()
    {
        testing::RootBuilder root;
        testing::ScriptedPrompts prompts;
        testing::RecordingHelp help;
        ManageClassesWindow window(root.root(), prompts, help);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::mouseClick(window.button(QStringLiteral("Cmd_help")), Qt::LeftButton);
        QTest::keyClick(window.classList(), Qt::Key_F1);
        QCOMPARE(help.pages(),
                 (QStringList{QStringLiteral("manage-classes"), QStringLiteral("manage-classes")}));
        QCOMPARE(help.lastOwner(), &window);
        // No class: the boxes cannot be typed into.
        QVERIFY(!window.countBox()->isEnabled());
    }
};

QTEST_MAIN(TestManageClassesWindow)
#include "tst_manage_classes_window.moc"
