// The "Manage paper" window driven as a teacher would: clicks, typing, Enter, the
// scripted dialogs, Save, OK, Cancel, and the editor and Word output it hands on to.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "papers/manage_paper_window.h"
#include "root_builder.h"
#include "recording_help.h"
#include "store/profile_file.h"
#include "test_files.h"
#include "scripted_prompts.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using teacher::ManagePaperWindow;
using teacher::PaperActions;
using teacher::PaperColumn;

namespace {

void writeRoot(testing::RootBuilder &root)
{
    root.roster(QStringLiteral(
        "[TestName]\nTestNameCount=2\n1=代数\n2=Physics quiz\n代数=1\nPhysics quiz=0\n"));
    root.twoQuestionPaper(QStringLiteral("代数"), testing::RootBuilder::savedSettings())
        .twoQuestionPaper(QStringLiteral("Physics quiz"),
                          {{QStringLiteral("TESTTIME"), QStringLiteral("20")},
                           {QStringLiteral("RETESTPASSWD"), QString()},
                           {QStringLiteral("RELOGINPASSWD"), QStringLiteral("abc")},
                           {QStringLiteral("about_test"), QStringLiteral("Forces")}});
}

void retype(QLineEdit *line, const QString &text)
{
    line->setFocus(Qt::OtherFocusReason);
    line->selectAll();
    QTest::keyClick(line, Qt::Key_Backspace);
    QTest::keyClicks(line, text);
}

void clickRow(QListWidget *list, int row)
{
    const QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

// A check box takes a click on its mark or its caption only, not anywhere in its cell.
void tick(QCheckBox *box)
{
    QTest::mouseClick(box, Qt::LeftButton, {},
                      QPoint(box->iconSize().width() / 2 + 2, box->height() / 2));
}

void click(ManagePaperWindow &window, const char *name)
{
    QPushButton *button = window.button(QString::fromLatin1(name));
    QVERIFY2(button, name);
    QTest::mouseClick(button, Qt::LeftButton);
}

QString mainValue(const testing::RootBuilder &root, const QString &paper, const char16_t *key)
{
    return store::ProfileFile(root.root().paperFile(paper))
        .readValue(u"MAIN", key, QStringLiteral("<absent>"));
}

struct Shown
{
    testing::RootBuilder root;
    testing::ScriptedPrompts prompts;
    testing::RecordingHelp help;
};

} // namespace

class TestManagePaperWindow : public QObject
{
    Q_OBJECT

private slots:
    void captionsAndTips_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("accessible");
        QTest::addColumn<QString>("tip");
        QTest::newRow("list") << "List1"
                              << "Paper list"
                              << "Click to choose paper,Dbclick to edit paper";
        QTest::newRow("create") << "Cmd_create"
                                << "Create paper"
                                << "";
        QTest::newRow("delete") << "Cmd_delete"
                                << "Delete paper"
                                << "";
        QTest::newRow("up") << "Cmd_up"
                            << "Up"
                            << "";
        QTest::newRow("down") << "Cmd_down"
                              << "Down"
                              << "";
        QTest::newRow("edit") << "Cmd_edit"
                              << "Edit paper"
                              << "Click to edit paper";
        QTest::newRow("save") << "Cmd_save"
                              << "Save"
                              << "Save change";
        QTest::newRow("input") << "Cmd_input"
                               << "Input paper"
                               << "";
        QTest::newRow("output") << "Cmd_output"
                                << "Output paper"
                                << "";
        QTest::newRow("word") << "Cmd_word"
                              << "Output to WORD"
                              << "";
        QTest::newRow("ok") << "Cmd_ok"
                            << "OK"
                            << "Save and return to main menu";
        QTest::newRow("cancel") << "Cmd_cancel"
                                << "Cancel"
                                << "return to main menu";
        QTest::newRow("help") << "Cmd_help"
                              << "Help"
                              << "How to manage paper";
        QTest::newRow("panel") << "Frame1"
                               << ""
                               << "";
        QTest::newRow("test time") << "Text_time"
                                   << "test time"
                                   << "";
        QTest::newRow("author") << "Text_author"
                                << "author"
                                << "";
        QTest::newRow("default mark") << "Text_mark"
                                      << "default mark"
                                      << "";
        QTest::newRow("full mark") << "Text_full"
                                   << "full mark"
                                   << "";
        QTest::newRow("question count") << "Text_count"
                                        << "Question count"
                                        << "";
        QTest::newRow("A") << "Text_A"
                           << "A score"
                           << "";
        QTest::newRow("D") << "Text_D"
                           << "D score"
                           << "";
        QTest::newRow("about") << "Text_about"
                               << "About test"
                               << "";
        QTest::newRow("retest box") << "Check_retest"
                                    << "retest password"
                                    << "";
        QTest::newRow("retest field") << "Text_retest"
                                      << "retest password"
                                      << "";
        QTest::newRow("relogin box") << "Check_relogin"
                                     << "relogin password"
                                     << "";
        QTest::newRow("exercise") << "Check_exercise"
                                  << "Exercise mode"
                                  << "";
        QTest::newRow("display") << "Check_display"
                                 << "achievement displayed at student end"
                                 << "";
        QTest::newRow("order") << "Check_order"
                               << "Change questions order"
                               << "";
        QTest::newRow("allow") << "Check_allow"
                               << "Allow to test"
                               << "";
    }
    void captionsAndTips()
    {
        QFETCH(QString, name);
        QFETCH(QString, accessible);
        QFETCH(QString, tip);
        Shown s;
        ManagePaperWindow window(s.root.root(), s.prompts, s.help, {});
        QCOMPARE(window.objectName(), QStringLiteral("试卷管理"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Manage paper"));
        auto *control = window.findChild<QWidget *>(name);
        QVERIFY(control);
        QCOMPARE(control->accessibleName(), accessible);
        QCOMPARE(control->toolTip(), tip);
        if (auto *button = qobject_cast<QAbstractButton *>(control))
            QCOMPARE(button->text(), accessible);
    }

    void showsTheSelectedPaper()
    {
        Shown s;
        writeRoot(s.root);
        ManagePaperWindow window(s.root.root(), s.prompts, s.help, {});
        QCOMPARE(window.paperList()->count(), 2);
        QCOMPARE(window.paperList()->currentRow(), 0);
        QCOMPARE(window.lineField(PaperColumn::Author)->text(), QStringLiteral("王老师"));
        QCOMPARE(window.aboutField()->toPlainText(), QStringLiteral("代数单元测验"));
        QCOMPARE(window.lineField(PaperColumn::FullMark)->text(), QStringLiteral("10"));
        for (PaperColumn column :
             {PaperColumn::Mark, PaperColumn::FullMark, PaperColumn::QuestionCount})
            QVERIFY(!window.lineField(column)->isEnabled());
        QVERIFY(window.box(PaperColumn::AllowToTest)->isChecked());

        clickRow(window.paperList(), 1);
        QCOMPARE(window.papers().currentPaperName(), QStringLiteral("Physics quiz"));
        QVERIFY(!window.box(PaperColumn::RetestPassword)->isChecked());
        QVERIFY(!window.lineField(PaperColumn::RetestPassword)->isEnabled());
        QVERIFY(window.box(PaperColumn::ReloginPassword)->isChecked());
        QCOMPARE(window.lineField(PaperColumn::ReloginPassword)->text(), QStringLiteral("abc"));
        QCOMPARE(window.lineField(PaperColumn::DGrade)->text(), QStringLiteral("0"));
        QVERIFY(!window.box(PaperColumn::AllowToTest)->isChecked());
        // Showing the paper put nothing into its row.
        QCOMPARE(window.papers().table().row(2).column(PaperColumn::ReloginPassword),
                 QStringLiteral("abc"));
    }

    void typingFollowsTheRules()
    {
        Shown s;
        writeRoot(s.root);
        ManagePaperWindow window(s.root.root(), s.prompts, s.help, {});
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QLineEdit *time = window.lineField(PaperColumn::TestTime);
        retype(time, QStringLiteral("12x"));
        QCOMPARE(time->text(), QStringLiteral("12"));
        retype(time, QStringLiteral("4.5"));
        QCOMPARE(time->text(), QStringLiteral("45")); // the point went at once
        QLineEdit *author = window.lineField(PaperColumn::Author);
        retype(author, QStringLiteral(" Li Ming "));
        QCOMPARE(author->text(), QStringLiteral(" Li Ming ")); // spaces can be typed ...
        QTest::keyClick(author, Qt::Key_Tab);
        QCOMPARE(author->text(), QStringLiteral("Li Ming")); // ... and go when the field is left

        QCheckBox *relogin = window.box(PaperColumn::ReloginPassword);
        tick(relogin);
        QVERIFY(!window.lineField(PaperColumn::ReloginPassword)->isEnabled());
        QCOMPARE(window.lineField(PaperColumn::ReloginPassword)->text(), QString());
        tick(relogin);
        QCOMPARE(window.lineField(PaperColumn::ReloginPassword)->text(), QStringLiteral("579"));
        retype(window.lineField(PaperColumn::ReloginPassword), QStringLiteral("2468"));
        tick(window.box(PaperColumn::ExerciseMode));

        window.aboutField()->setFocus();
        window.aboutField()->selectAll();
        window.aboutField()->insertPlainText(QStringLiteral("Two\nlines"));
        QCOMPARE(window.aboutField()->toPlainText(), QStringLiteral("Two lines"));

        click(window, "Cmd_save");
        QCOMPARE(s.prompts.messages(), QStringList{QStringLiteral("Save completed!")});
        const QString paper = QStringLiteral("代数");
        QCOMPARE(mainValue(s.root, paper, u"TESTTIME"), QStringLiteral("45"));
        QCOMPARE(mainValue(s.root, paper, u"Author"), QStringLiteral("Li Ming"));
        QCOMPARE(mainValue(s.root, paper, u"RELOGINPASSWD"), QStringLiteral("2468"));
        QCOMPARE(mainValue(s.root, paper, u"EXERCISEMODE"), QStringLiteral("1"));
        QCOMPARE(mainValue(s.root, paper, u"about_test"), QStringLiteral("Two lines"));
    }

    void enterMovesAlongTheFields()
    {
        Shown s;
        writeRoot(s.root);
        ManagePaperWindow window(s.root.root(), s.prompts, s.help, {});
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.aboutField()->setFocus();
        // default mark is the editor's, so Enter passes it by.
        const QList<PaperColumn> chain{
            PaperColumn::TestTime, PaperColumn::Author, PaperColumn::AGrade, PaperColumn::BGrade,
            PaperColumn::CGrade,   PaperColumn::DGrade, PaperColumn::DGrade};
        for (PaperColumn next : chain) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), window.field(next));
        }
        QCOMPARE(window.aboutField()->toPlainText(),
                 QStringLiteral("代数单元测验")); // no line break
        // Tab goes on from the scores to the About test box, not back to the buttons.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), window.aboutField());
        QVERIFY(window.isVisible());
        QVERIFY(s.prompts.shown().isEmpty()); // Enter saved nothing
    }

    void createMoveDeleteSaveAndCancel()
    {
        Shown s;
        writeRoot(s.root);
        ManagePaperWindow window(s.root.root(), s.prompts, s.help, {});
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        s.prompts.accept(QStringLiteral("Geometry"));
        click(window, "Cmd_create");
        QCOMPARE(window.paperList()->count(), 3);
        QCOMPARE(window.paperList()->currentRow(), 2);
        QCOMPARE(window.lineField(PaperColumn::TestTime)->text(), QStringLiteral("30"));
        QCOMPARE(window.lineField(PaperColumn::Mark)->text(), QStringLiteral("5"));
        QCOMPARE(window.aboutField()->toPlainText(), QStringLiteral("Geometry"));
        retype(window.lineField(PaperColumn::AGrade), QStringLiteral("95"));
        click(window, "Cmd_up");
        QCOMPARE(window.paperList()->currentItem()->text(), QStringLiteral("Geometry"));
        QCOMPARE(window.paperList()->currentRow(), 1);
        QCOMPARE(window.lineField(PaperColumn::AGrade)->text(), QStringLiteral("95"));
        click(window, "Cmd_down");
        click(window, "Cmd_down"); // the last goes no further
        QCOMPARE(window.paperList()->currentRow(), 2);
        click(window, "Cmd_up");
        click(window, "Cmd_save");
        QCOMPARE(s.prompts.messages(), QStringList{QStringLiteral("Save completed!")});
        QCOMPARE(mainValue(s.root, QStringLiteral("Geometry"), u"A_grade"), QStringLiteral("95"));
        const QByteArray saved = s.root.rosterBytes();
        QVERIFY(saved.contains("2=Geometry\r\n"));

        s.prompts.accept();
        click(window, "Cmd_delete");
        QCOMPARE(window.paperList()->count(), 2);
        QCOMPARE(window.paperList()->currentRow(), 0);
        QCOMPARE(s.prompts.messages().last(),
                 QStringLiteral("The present paper had been deleted!"));
        click(window, "Cmd_cancel");
        QCOMPARE(window.result(), int(QDialog::Rejected));
        QCOMPARE(s.root.rosterBytes(), saved);
        QVERIFY(QFileInfo(s.root.root().paperFile(QStringLiteral("Geometry"))).isFile());
    }

    void okSavesAndCloses()
    {
        Shown s;
        writeRoot(s.root);
        ManagePaperWindow window(s.root.root(), s.prompts, s.help, {});
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        tick(window.box(PaperColumn::AllowToTest));
        click(window, "Cmd_ok");
        QCOMPARE(window.result(), int(QDialog::Accepted));
        QVERIFY(s.prompts.shown().isEmpty());
        QVERIFY(s.root.rosterBytes().contains(testing::windowsText(QStringLiteral("代数=0\n"))));
    }

    void editPaperCommitsThenHandsOn()
    {
        Shown s;
        writeRoot(s.root);
        QStringList edited;
        PaperActions actions;
        actions.editPaper = [&](QWidget *over, const QString &paper) {
            QVERIFY(over);
            edited << paper;
            // The commit came first: the editor finds the saved settings.
            QCOMPARE(mainValue(s.root, paper, u"TESTTIME"), QStringLiteral("50"));
            store::ProfileBatch batch;
            batch.set(QStringLiteral("MAIN"), QStringLiteral("Question_conut"),
                      QStringLiteral("4"));
            batch.set(QStringLiteral("MAIN"), QStringLiteral("full_mark"), QStringLiteral("20"));
            QCOMPARE(store::ProfileFile(s.root.root().paperFile(paper)).apply(batch),
                     store::WriteStatus::Ok);
        };
        ManagePaperWindow window(s.root.root(), s.prompts, s.help, actions);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        clickRow(window.paperList(), 1);
        retype(window.lineField(PaperColumn::TestTime), QStringLiteral("50"));
        click(window, "Cmd_edit");
        QCOMPARE(edited, QStringList{QStringLiteral("Physics quiz")});
        QCOMPARE(window.lineField(PaperColumn::QuestionCount)->text(), QStringLiteral("4"));
        QCOMPARE(window.lineField(PaperColumn::FullMark)->text(), QStringLiteral("20"));
        QCOMPARE(window.paperList()->currentRow(), 1);

        const QRect rect = window.paperList()->visualItemRect(window.paperList()->item(1));
        QTest::mouseDClick(window.paperList()->viewport(), Qt::LeftButton, {}, rect.center());
        QCOMPARE(edited.size(), 2);
        QVERIFY(s.prompts.shown().isEmpty());
    }

    void missingActionsSaySo()
    {
        Shown s;
        writeRoot(s.root);
        ManagePaperWindow window(s.root.root(), s.prompts, s.help, {});
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        retype(window.lineField(PaperColumn::TestTime), QStringLiteral("35"));
        click(window, "Cmd_edit");
        QCOMPARE(mainValue(s.root, QStringLiteral("代数"), u"TESTTIME"), QStringLiteral("35"));
        click(window, "Cmd_word");
        QCOMPARE(
            s.prompts.messages(),
            (QStringList{
                QStringLiteral(
                    "The paper editor is not available in this build of the teacher program."),
                QStringLiteral("\"Output to WORD\" is not available in this build of the teacher "
                               "program.")}));
    }

    void wordOutputGetsTheRowAsShown()
    {
        Shown s;
        writeRoot(s.root);
        QString printed;
        store::PaperSettings settings;
        PaperActions actions;
        actions.outputToWord = [&](QWidget *, const QString &paper,
                                   const store::PaperSettings &row) {
            printed = paper;
            settings = row;
        };
        ManagePaperWindow window(s.root.root(), s.prompts, s.help, actions);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        retype(window.lineField(PaperColumn::CGrade), QStringLiteral("65"));
        click(window, "Cmd_word");
        QCOMPARE(printed, QStringLiteral("代数"));
        QCOMPARE(settings.cGrade, QStringLiteral("65"));
        QCOMPARE(settings.fullMark, QStringLiteral("10"));
        QCOMPARE(mainValue(s.root, QStringLiteral("代数"), u"C_grade"),
                 QStringLiteral("70")); // nothing saved
    }

    void exchangeGoesThroughThePrompts()
    {
        Shown s;
        writeRoot(s.root);
        const QString exchange = s.root.path() + QStringLiteral("/exchange");
        QDir().mkpath(exchange);
        ManagePaperWindow window(s.root.root(), s.prompts, s.help, {});
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        s.prompts.accept(exchange);
        click(window, "Cmd_output");
        QVERIFY(QFileInfo(exchange + QStringLiteral("/代数/代数.cho")).isFile());
        QFile::rename(exchange + QStringLiteral("/代数"), exchange + QStringLiteral("/几何"));
        QFile::rename(exchange + QStringLiteral("/几何/代数.cho"),
                      exchange + QStringLiteral("/几何/几何.CHO"));
        s.prompts.accept(exchange + QStringLiteral("/几何/几何.CHO"));
        click(window, "Cmd_input");
        QCOMPARE(s.prompts.messages(), (QStringList{QStringLiteral("Output paper had completed!"),
                                                    QStringLiteral("Input paper had completed!")}));
        QCOMPARE(window.paperList()->count(), 3);
        QCOMPARE(window.paperList()->currentItem()->text(), QStringLiteral("几何"));
        QCOMPARE(window.lineField(PaperColumn::Author)->text(), QStringLiteral("王老师"));
        QVERIFY(window.box(PaperColumn::AllowToTest)->isChecked());
    }

    void noPapersYet()
    {
        Shown s;
        ManagePaperWindow window(s.root.root(), s.prompts, s.help, {});
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QVERIFY(!window.lineField(PaperColumn::TestTime)->isEnabled());
        QVERIFY(!window.box(PaperColumn::AllowToTest)->isEnabled());
        QVERIFY(!window.aboutField()->isEnabled());
        for (const char *button : {"Cmd_delete", "Cmd_up", "Cmd_down", "Cmd_output", "Cmd_word"})
            click(window, button);
        QVERIFY(s.prompts.shown().isEmpty());
        click(window, "Cmd_help");
        QTest::keyClick(window.paperList(), Qt::Key_F1);
        QCOMPARE(s.help.pages(),
                 (QStringList{QStringLiteral("manage-paper"), QStringLiteral("manage-paper")}));
        QCOMPARE(s.help.lastOwner(), &window);

        s.prompts.accept(QStringLiteral("First"));
        click(window, "Cmd_create");
        QVERIFY(window.lineField(PaperColumn::TestTime)->isEnabled());
        click(window, "Cmd_ok");
        QCOMPARE(window.result(), int(QDialog::Accepted));
        QVERIFY(QFileInfo(s.root.root().paperFile(QStringLiteral("First"))).isFile());
    }
};

QTEST_MAIN(TestManagePaperWindow)
#include "tst_manage_paper_window.moc"
