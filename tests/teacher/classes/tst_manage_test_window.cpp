// The "Manage test" window: presses on the flag column, double-clicks on names, the
// buttons, and what reaches the roster.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "classes/manage_test_window.h"
#include "recording_help.h"
#include "store/roster.h"
#include "root_builder.h"
#include "scripted_prompts.h"

#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

using teacher::ManageTestWindow;

namespace {

const QString roster = QStringLiteral("[ClassName]\nClassNameCount=3\n1=A1\n2=A2\n3=B1\n"
                                      "[TestName]\nTestNameCount=2\n1=Maths\n2=Physics\nMaths=1\n"
                                      "[Maths]\nA1=1\nA2=0\nB1=1\n");

QPoint cell(QTreeWidget *list, int row, int column)
{
    return list->visualRect(list->model()->index(row, column)).center();
}

void press(QTreeWidget *list, int row, int column)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell(list, row, column));
}

// What a mouse sends for a double-click: press, release, double-click, release.
void doubleClick(QTreeWidget *list, int row, int column)
{
    const QPoint at = cell(list, row, column);
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
}

QStringList column(QTreeWidget *list, int col)
{
    QStringList texts;
    for (int row = 0; row < list->topLevelItemCount(); ++row)
        texts.append(list->topLevelItem(row)->text(col));
    return texts;
}

const QString yes = QStringLiteral("Yes");
const QString no = QStringLiteral("No");

} // namespace

class TestManageTestWindow : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<testing::RootBuilder> m_root;
    testing::ScriptedPrompts m_prompts;
    testing::RecordingHelp m_help;
    std::unique_ptr<ManageTestWindow> m_window;

private slots:
    void init()
    {
        m_root = std::make_unique<testing::RootBuilder>();
        m_root->roster(roster);
        m_prompts.clear();
        m_window = std::make_unique<ManageTestWindow>(m_root->root(), m_prompts, m_help);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    void cleanup()
    {
        m_window.reset();
        m_root.reset();
    }

    void opensWithNoPaperSelected()
    {
        QCOMPARE(m_window->objectName(), QStringLiteral("考场管理"));
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Manage test"));
        QTreeWidget *papers = m_window->paperList();
        QCOMPARE(column(papers, 0),
                 (QStringList{QStringLiteral("Maths"), QStringLiteral("Physics")}));
        QCOMPARE(column(papers, 1), (QStringList{yes, no}));
        QCOMPARE(column(m_window->classList(), 0),
                 (QStringList{QStringLiteral("A1"), QStringLiteral("A2"), QStringLiteral("B1")}));
        QCOMPARE(column(m_window->classList(), 1), QStringList(3, QString()));
        QCOMPARE(papers->headerItem()->text(0), QStringLiteral("Paper list"));
        QCOMPARE(papers->headerItem()->text(1), QStringLiteral("Yes/No"));
        QCOMPARE(m_window->classList()->headerItem()->text(1), QStringLiteral("Yes/NO"));
        QCOMPARE(papers->topLevelItem(0)->toolTip(0), QStringLiteral("Dblclick to change "));
        QCOMPARE(papers->topLevelItem(0)->toolTip(1), QStringLiteral("Click to change"));
    }

    void buttons_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("tip");
        QTest::newRow("select all") << "Cmd_all"
                                    << "Select all"
                                    << "Allow all class to test";
        QTest::newRow("forbid all") << "Cmd_none"
                                    << "Forbid all"
                                    << "prohibit all class to test";
        QTest::newRow("ok") << "Cmd_ok"
                            << "OK"
                            << "Save and return to main menu";
        QTest::newRow("cancel") << "Cmd_cancel"
                                << "Cancel"
                                << "return to main menu";
        QTest::newRow("help") << "Cmd_help"
                              << "Help"
                              << "How to manage test room";
    }
    void buttons()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, tip);
        QPushButton *button = m_window->button(name);
        QVERIFY(button);
        QCOMPARE(button->text(), caption);
        QCOMPARE(button->accessibleName(), caption);
        QCOMPARE(button->toolTip(), tip);
    }

    void clickingAPaperShowsItsClasses()
    {
        press(m_window->paperList(), 0, 0);
        QCOMPARE(column(m_window->classList(), 1), (QStringList{yes, no, yes}));
        QCOMPARE(column(m_window->paperList(), 1),
                 (QStringList{yes, no})); // a click on the name toggles nothing
        press(m_window->paperList(), 1, 0);
        QCOMPARE(column(m_window->classList(), 1), QStringList(3, yes)); // no entries: admitted
    }

    void flagColumnTogglesOnPress()
    {
        press(m_window->paperList(), 1, 1);
        QCOMPARE(m_window->paperList()->currentItem()->text(0), QStringLiteral("Physics"));
        QCOMPARE(column(m_window->paperList(), 1), (QStringList{yes, yes}));
        // A double-click on a flag is one press: one toggle.
        doubleClick(m_window->paperList(), 1, 1);
        QCOMPARE(column(m_window->paperList(), 1), (QStringList{yes, no}));
        press(m_window->classList(), 2, 1);
        QCOMPARE(column(m_window->classList(), 1), (QStringList{yes, yes, no}));
        QCOMPARE(m_window->classList()->currentItem()->text(0), QStringLiteral("B1"));
    }

    void doubleClickingANameTogglesIt()
    {
        doubleClick(m_window->paperList(), 0, 0);
        QCOMPARE(column(m_window->paperList(), 1), (QStringList{no, no}));
        doubleClick(m_window->paperList(), 0, 0);
        QCOMPARE(column(m_window->paperList(), 1), (QStringList{yes, no}));
        doubleClick(m_window->classList(), 1, 0);
        QCOMPARE(column(m_window->classList(), 1), (QStringList{yes, yes, yes}));
    }

    void spaceTogglesForTheKeyboard()
    {
        press(m_window->paperList(), 1, 0);
        QTest::keyClick(m_window->paperList(), Qt::Key_Space);
        QCOMPARE(column(m_window->paperList(), 1), (QStringList{yes, yes}));
        m_window->classList()->setFocus();
        press(m_window->classList(), 0, 0);
        QTest::keyClick(m_window->classList(), Qt::Key_Space);
        QCOMPARE(column(m_window->classList(), 1), (QStringList{no, yes, yes}));
    }

    void forbidAllThenOk()
    {
        press(m_window->paperList(), 1, 0);
        QTest::mouseClick(m_window->button(QStringLiteral("Cmd_none")), Qt::LeftButton);
        QCOMPARE(column(m_window->classList(), 1), QStringList(3, no));
        press(m_window->paperList(), 0, 0);
        QCOMPARE(column(m_window->classList(), 1), (QStringList{yes, no, yes}));
        QTest::mouseClick(m_window->button(QStringLiteral("Cmd_all")), Qt::LeftButton);
        QTest::mouseClick(m_window->button(QStringLiteral("Cmd_ok")), Qt::LeftButton);
        QCOMPARE(m_window->result(), int(QDialog::Accepted));

        const store::RosterReader after = store::Roster(m_root->root()).read();
        for (const QString &cls : after.classNames()) {
            QCOMPARE(after.snapshot().value(u"Physics", cls), QStringLiteral("0"));
            QCOMPARE(after.snapshot().value(u"Maths", cls), QStringLiteral("1"));
        }
        QCOMPARE(after.snapshot().value(u"TestName", u"Physics"), QStringLiteral("0"));
    }

    void cancelLeavesTheRosterByteForByte()
    {
        const QByteArray before = m_root->rosterBytes();
        press(m_window->paperList(), 0, 1);
        press(m_window->classList(), 1, 1);
        doubleClick(m_window->paperList(), 1, 0);
        QTest::mouseClick(m_window->button(QStringLiteral("Cmd_all")), Qt::LeftButton);
        QTest::mouseClick(m_window->button(QStringLiteral("Cmd_cancel")), Qt::LeftButton);
        QCOMPARE(m_window->result(), int(QDialog::Rejected));
        QCOMPARE(m_root->rosterBytes(), before);
    }

    void helpOpensThisWindowsPage()
    {
        QTest::mouseClick(m_window->button(QStringLiteral("Cmd_help")), Qt::LeftButton);
        QTest::keyClick(m_window->paperList(), Qt::Key_F1);
        QCOMPARE(m_help.pages().mid(m_help.pages().size() - 2),
                 (QStringList{QStringLiteral("manage-test"), QStringLiteral("manage-test")}));
        QCOMPARE(m_help.lastOwner(), m_window.get());
    }
};

QTEST_MAIN(TestManageTestWindow)
#include "tst_manage_test_window.moc"
