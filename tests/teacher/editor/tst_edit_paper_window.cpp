// The "Edit paper" window driven as a teacher would: clicks, typing, menus, the test
// pool, OK and Cancel, with scripted prompts.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/edit_paper_window.h"
#include "editor/pane_menu.h"
#include "editor/test_pool_frame.h"
#include "richtext/plain_text.h"
#include "root_builder.h"
#include "recording_help.h"
#include "store/paper.h"
#include "store/random_source.h"
#include "test_files.h"
#include "write_faults.h"
#include "ui/rich_text_pane.h"
#include "scripted_prompts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

using editor::EditPaperWindow;
using editor::PaperEditor;
using testing::FixtureQuestion;
using testing::RootBuilder;

using namespace Qt::StringLiterals;

namespace {

const QString paper = QStringLiteral("物理");

struct Session
{
    RootBuilder files;
    testing::ScriptedPrompts prompts;
    testing::RecordingHelp help;
    store::SystemRandom random;
    std::unique_ptr<PaperEditor> editor;
    std::unique_ptr<EditPaperWindow> window;

    explicit Session(int questions = 3)
    {
        QList<FixtureQuestion> list;
        for (int q = 1; q <= questions; ++q)
            list.append({QStringLiteral("题%1 Question %1\nA. one\nB. two").arg(q),
                         QStringLiteral("Explanation %1").arg(q), QString(), QString()});
        files.classes({{QStringLiteral("A1"), 30, 1, 30}})
            .offer(paper)
            .offer(QStringLiteral("Pool"));
        if (questions > 0)
            files.editedPaper(paper, list, 5);
        else
            files.paper(paper, testing::RootBuilder::settings(paper));
        files.editedPaper(
            QStringLiteral("Pool"),
            {{QStringLiteral("Pool one"), QStringLiteral("P1"), QStringLiteral("2"),
              QStringLiteral("4")},
             {QStringLiteral("Pool two"), QStringLiteral("P2"), QStringLiteral("3"), QString()}},
            5, 9001);
        editor = std::make_unique<PaperEditor>(
            files.root(), paper, files.localFolder(QStringLiteral("editor")), prompts, random);
        if (editor->openPaperEditor() != PaperEditor::OpenResult::Opened)
            qWarning("the editor did not open");
        window = std::make_unique<EditPaperWindow>(*editor, prompts, help);
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            qWarning("the window did not show");
    }
    QTableWidget *grid() const { return window->grid(); }
    QString cell(int row, int column) const
    {
        QTableWidgetItem *item = grid()->item(row, column);
        return item ? item->text() : QStringLiteral("<none>");
    }
    void clickRow(int row) const
    {
        const QRect rect = grid()->visualItemRect(grid()->item(row, 1));
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, rect.center());
    }
    void click(const QString &button) const
    {
        QPushButton *target = window->button(button);
        if (!target)
            qWarning("no button %s", qPrintable(button));
        else
            QTest::mouseClick(target, Qt::LeftButton);
    }
    void typeInto(ui::RichTextPane *pane, const QString &text) const
    {
        pane->setFocus(Qt::MouseFocusReason);
        QTextCursor cursor = pane->textCursor();
        cursor.movePosition(QTextCursor::End);
        pane->setTextCursor(cursor);
        QTest::keyClicks(pane, text);
    }
};

// The colour drawn behind the box's caption, as the teacher sees it.
QColor background(QCheckBox *box)
{
    const QImage shot = box->grab().toImage();
    const QColor drawn = shot.pixelColor(shot.width() - 2, shot.height() / 2);
    if (drawn != box->palette().color(QPalette::Window))
        return QColor(); // what is drawn and what the palette says differ
    return drawn;
}

} // namespace

class TestEditPaperWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("tip");
        QTest::newRow("previous") << "CmdPrevious"
                                  << "< Previous"
                                  << "";
        QTest::newRow("next") << "CmdNext"
                              << "Next >"
                              << "";
        QTest::newRow("pool") << "CmdPool"
                              << "Use test pool"
                              << "Use test pool,you can input question from test pool directly.";
        QTest::newRow("import") << "CmdImportFile"
                                << "Import questions..."
                                << "Bring in questions from a GIFT, Aiken or Moodle XML file.";
        QTest::newRow("insert") << "CmdInsert"
                                << "Insert"
                                << "";
        QTest::newRow("delete") << "CmdDelete"
                                << "Delete"
                                << "";
        QTest::newRow("up") << "CmdUp"
                            << "Move Up"
                            << "";
        QTest::newRow("down") << "CmdDown"
                              << "Move Down"
                              << "";
        QTest::newRow("ok") << "Cmd_ok"
                            << "OK"
                            << "Save the paper and return";
        QTest::newRow("cancel") << "Cmd_cancel"
                                << "Cancel"
                                << "";
        QTest::newRow("help") << "Cmd_help"
                              << "Help"
                              << "How to edit a paper";
        QTest::newRow("input") << "CmdInput"
                               << "<-Input question from test pool<-"
                               << "";
    }
    void controls()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, tip);
        Session s;
        auto *button = s.window->findChild<QPushButton *>(name);
        QVERIFY(button);
        QCOMPARE(button->text(), caption);
        QCOMPARE(button->accessibleName(), caption);
        QCOMPARE(button->toolTip(), tip);
        QVERIFY(!button->autoDefault());
    }

    void opensOnTheFirstQuestion()
    {
        Session s;
        QCOMPARE(s.window->objectName(), QStringLiteral("编辑试卷"));
        QCOMPARE(s.window->windowTitle(), QStringLiteral("Edit paper --物理"));
        QCOMPARE(s.grid()->horizontalHeaderItem(0)->text(), QStringLiteral(" No."));
        QCOMPARE(s.grid()->horizontalHeaderItem(1)->text(), QStringLiteral(" Question"));
        const int dpi = s.grid()->logicalDpiX();
        QCOMPARE(s.grid()->columnWidth(0), (800 * dpi + 720) / 1440);
        QCOMPARE(s.grid()->columnWidth(1), (10000 * dpi + 720) / 1440);
        QCOMPARE(s.grid()->rowCount(), 3);
        QCOMPARE(s.cell(2, 0), QStringLiteral(" 3"));
        // One line of plain text per question, never its formats.
        QCOMPARE(s.cell(1, 1), QStringLiteral("题2 Question 2 A. one B. two"));
        QCOMPARE(s.grid()->currentRow(), 0);
        QCOMPARE(s.window->questionFrame()->title(),
                 QStringLiteral("No.1  Total:3   Full mark:15"));
        QCOMPARE(s.window->questionPane()->plainText(),
                 QStringLiteral("题1 Question 1\nA. one\nB. two"));
        QCOMPARE(s.window->explanationPane()->plainText(), QStringLiteral("Explanation 1"));
        QCOMPARE(s.window->markBox()->text(), QStringLiteral("5"));
        QVERIFY(!s.window->markBox()->isEnabled());
        QVERIFY(s.window->defaultBox()->isChecked());
        QCOMPARE(s.window->defaultMarkBox()->text(), QStringLiteral("5"));
        QVERIFY(s.window->questionFrame()->isVisible());
        QVERIFY(!s.window->poolFrame()->isVisible());
        // The frame starts at 3660 twips from the top of the window's client area.
        QCOMPARE(s.window->questionFrame()->geometry().top(),
                 (3660 * s.window->logicalDpiY() + 720) / 1440);
        QVERIFY(!s.editor->unsavedChanges());
        QCOMPARE(s.prompts.shown().size(), 0);
    }

    void showingPicturesAndTablesIsNoChange()
    {
        Session s;
        for (const char *name : {"1003.RTF", "1004.RTF"})
            testing::copyFixture(QStringLiteral("richtext/lo_pictures.rtf"),
                                 s.files.root().paperFolder(paper), QString::fromLatin1(name));
        s.clickRow(1);
        QTest::qWait(50);
        QVERIFY(s.window->questionPane()->plainText().contains(QStringLiteral("After the table.")));
        QVERIFY(!s.editor->unsavedChanges());
        s.click(QStringLiteral("Cmd_cancel"));
        QCOMPARE(s.prompts.shown().size(), 0);
        QVERIFY(!s.window->isVisible());
    }

    void anEmptyPaperOpensOnABlankQuestion()
    {
        Session s(0);
        QCOMPARE(s.grid()->rowCount(), 1);
        QCOMPARE(s.cell(0, 0), QStringLiteral(" 1"));
        QCOMPARE(s.cell(0, 1), QString());
        QVERIFY(s.editor->unsavedChanges());
        QVERIFY(s.window->questionPane()->hasFocus());
        QCOMPARE(s.window->questionFrame()->title(), QStringLiteral("No.1  Total:1   Full mark:5"));
    }

    void typingUpdatesTheGrid()
    {
        Session s;
        s.clickRow(1);
        s.typeInto(s.window->questionPane(), QStringLiteral(" C. three"));
        QCOMPARE(s.cell(1, 1), QStringLiteral("题2 Question 2 A. one B. two C. three"));
        QCOMPARE(s.editor->rowText(2), QStringLiteral("题2 Question 2\nA. one\nB. two C. three"));
        QVERIFY(s.editor->unsavedChanges());
        // Bold text shows in the grid as text.
        s.window->questionPane()->selectAll();
        s.window->questionPane()->toggleBold();
        QCOMPARE(s.cell(1, 1), QStringLiteral("题2 Question 2 A. one B. two C. three"));
    }

    void anEditSurvivesAClickElsewhere()
    {
        Session s;
        s.clickRow(1);
        s.typeInto(s.window->explanationPane(), QStringLiteral(" and more"));
        s.clickRow(2);
        QCOMPARE(s.window->explanationPane()->plainText(), QStringLiteral("Explanation 3"));
        QCOMPARE(s.window->questionFrame()->title(),
                 QStringLiteral("No.3  Total:3   Full mark:15"));
        s.clickRow(1);
        QCOMPARE(s.window->explanationPane()->plainText(),
                 QStringLiteral("Explanation 2 and more"));

        // And it reaches the paper on OK.
        s.click(QStringLiteral("Cmd_ok"));
        QVERIFY(!s.window->isVisible());
        QCOMPARE(richtext::plainText(testing::readBytes(s.files.root().paperFolder(paper) + u'/' +
                                                        s.editor->question(2).explain)),
                 QStringLiteral("Explanation 2 and more"));
    }

    void optionBoxes()
    {
        Session s;
        QCheckBox *c = s.window->optionBox(3);
        QCOMPARE(c->text(), QStringLiteral("3.C"));
        QCOMPARE(s.window->optionBox(1)->text(), QStringLiteral("1.A yes"));
        QCOMPARE(s.window->optionBox(2)->text(), QStringLiteral("2.B  no"));
        QCOMPARE(background(c), QColor(192, 255, 255));
        QTest::mouseClick(c, Qt::LeftButton);
        QCOMPARE(background(c), QColor(192, 0, 0));
        QCOMPARE(s.editor->question(1).answer, QStringLiteral("3"));
        // The keyboard rebuilds the answer too.
        s.window->optionBox(7)->setFocus();
        QTest::keyClick(s.window->optionBox(7), Qt::Key_Space);
        QCOMPARE(s.editor->question(1).answer, QStringLiteral("37"));
        QTest::mouseClick(c, Qt::LeftButton);
        QCOMPARE(background(c), QColor(192, 255, 255));
        QCOMPARE(s.editor->question(1).answer, QStringLiteral("7"));

        // Showing another question sets boxes and colours without a change of its own.
        s.clickRow(1);
        QVERIFY(!s.window->optionBox(7)->isChecked());
        QCOMPARE(background(s.window->optionBox(7)), QColor(192, 255, 255));
        s.clickRow(0);
        QCOMPARE(background(s.window->optionBox(7)), QColor(192, 0, 0));
        QCOMPARE(s.editor->question(2).answer, QString());
    }

    void markBoxes()
    {
        Session s;
        QTest::mouseClick(s.window->defaultBox(), Qt::LeftButton);
        QVERIFY(s.window->markBox()->isEnabled());
        QCOMPARE(s.editor->question(1).mark, QStringLiteral("5"));
        s.window->markBox()->selectAll();
        QTest::keyClicks(s.window->markBox(), QStringLiteral("12"));
        QCOMPARE(s.window->questionFrame()->title(),
                 QStringLiteral("No.1  Total:3   Full mark:22"));
        // One digit too many is refused at once and the box shows the mark it had.
        QTest::keyClicks(s.window->markBox(), QStringLiteral("3456"));
        QCOMPARE(s.window->markBox()->text(), QStringLiteral("12345"));
        QCOMPARE(s.prompts.messages(),
                 QStringList{u"A question's mark must lie between -32768 and 32767."_s});

        s.window->defaultMarkBox()->selectAll();
        QTest::keyClicks(s.window->defaultMarkBox(), QStringLiteral("8"));
        QCOMPARE(s.window->questionFrame()->title(),
                 QStringLiteral("No.1  Total:3   Full mark:12361"));
        s.clickRow(1);
        QCOMPARE(s.window->markBox()->text(), QStringLiteral("8"));
        QVERIFY(!s.window->markBox()->isEnabled());
    }

    void structuralButtons()
    {
        Session s;
        s.clickRow(1);
        s.click(QStringLiteral("CmdInsert"));
        QCOMPARE(s.grid()->rowCount(), 4);
        QCOMPARE(s.grid()->currentRow(), 2);
        QCOMPARE(s.cell(2, 1), QString());
        QCOMPARE(s.cell(3, 0), QStringLiteral(" 4"));
        QVERIFY(s.window->questionPane()->hasFocus());
        s.typeInto(s.window->questionPane(), QStringLiteral("New"));
        s.click(QStringLiteral("CmdUp"));
        QCOMPARE(s.grid()->currentRow(), 1);
        QCOMPARE(s.cell(1, 1), QStringLiteral("New"));
        QCOMPARE(s.cell(1, 0), QStringLiteral(" 2"));
        QCOMPARE(s.window->questionPane()->plainText(), QStringLiteral("New"));
        s.click(QStringLiteral("CmdDelete"));
        QCOMPARE(s.grid()->rowCount(), 3);
        QCOMPARE(s.cell(1, 1), QStringLiteral("题2 Question 2 A. one B. two"));
        QCOMPARE(s.grid()->currentRow(), 0);
        // "Next >" on the last question appends one.
        s.clickRow(2);
        s.click(QStringLiteral("CmdNext"));
        QCOMPARE(s.grid()->rowCount(), 4);
        QCOMPARE(s.window->questionFrame()->title(),
                 QStringLiteral("No.4  Total:4   Full mark:20"));
    }

    void gridMenu()
    {
        Session s;
        QStringList items;
        for (QAction *action : s.window->gridMenu()->actions())
            items.append(action->text());
        QCOMPARE(items,
                 (QStringList{u"Insert blank"_s, u"Move up"_s, u"Move down"_s, u"Delete   "_s}));
        QCOMPARE(s.window->gridMenu()->title(), QStringLiteral("Edit"));
        s.clickRow(2);
        s.window->gridMenu()->actions().at(1)->trigger();
        QCOMPARE(s.grid()->currentRow(), 1);
        QVERIFY(s.cell(1, 1).startsWith(QStringLiteral("题3")));
    }

    void paneMenus()
    {
        Session s;
        editor::PaneMenu *menu = s.window->questionMenu();
        QStringList items;
        for (QAction *action : menu->actions())
            items.append(action->isSeparator() ? QStringLiteral("-") : action->text());
        QCOMPARE(items, (QStringList{u"cut"_s, u"copy"_s, u"paste"_s, u"undo"_s, u"-"_s,
                                     u"FontName"_s, u"FontSize"_s, u"FontColoer"_s, u"-"_s,
                                     u"Bold"_s, u"Italic"_s, u"Underline"_s, u"Superscript"_s,
                                     u"Subscript"_s, u"-"_s, u"Insert picture..."_s}));
        QStringList sizes;
        for (QAction *action : menu->fontSizeMenu()->actions())
            sizes.append(action->text());
        QCOMPARE(sizes.size(), 36);
        QCOMPARE(sizes.first(), QStringLiteral("5"));
        QCOMPARE(sizes.last(), QStringLiteral("40"));
        QCOMPARE(menu->fontNameMenu()->actions().size(), QFontDatabase::families().size());

        ui::RichTextPane *pane = s.window->questionPane();
        pane->moveCursor(QTextCursor::Start);
        QVERIFY(!menu->action(QStringLiteral("cut"))->isEnabled());
        QVERIFY(!menu->action(QStringLiteral("copy"))->isEnabled());
        QVERIFY(menu->action(QStringLiteral("paste"))->isEnabled());
        QVERIFY(menu->action(QStringLiteral("undo"))->isEnabled());
        pane->moveCursor(QTextCursor::NextWord, QTextCursor::KeepAnchor);
        QVERIFY(menu->action(QStringLiteral("cut"))->isEnabled());
        QVERIFY(menu->action(QStringLiteral("copy"))->isEnabled());
        // The explanation pane's menu follows its own pane only.
        QVERIFY(!s.window->explanationMenu()->action(QStringLiteral("copy"))->isEnabled());

        menu->fontSizeMenu()->actions().at(13)->trigger();
        QCOMPARE(pane->selectionFontSize(), 18.0);
        s.prompts.pickColor(QColor(0, 0, 255));
        menu->action(QStringLiteral("FontColoer"))->trigger();
        QCOMPARE(pane->selectionColor(), QColor(0, 0, 255));
        s.prompts.refuse();
        menu->action(QStringLiteral("FontColoer"))->trigger();
        QCOMPARE(pane->selectionColor(), QColor(0, 0, 255));
        menu->action(QStringLiteral("Superscript"))->trigger();
        QVERIFY(pane->isSelectionSuperscript());
        menu->action(QStringLiteral("cut"))->trigger();
        QVERIFY(!pane->plainText().startsWith(QStringLiteral("题1")));
        menu->action(QStringLiteral("undo"))->trigger();
        QVERIFY(pane->plainText().startsWith(QStringLiteral("题1")));
        QVERIFY(s.editor->unsavedChanges());
    }

    void insertPicture_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("message");
        QTest::newRow("png") << testing::fixture(QStringLiteral("richtext/picture.png")) << "";
        QTest::newRow("jpeg") << testing::fixture(QStringLiteral("richtext/picture.jpg")) << "";
        QTest::newRow("not a picture")
            << testing::fixture(QStringLiteral("richtext/lo_formats.txt"))
            << "lo_formats.txt is not a PNG or JPEG picture; only those "
               "can go into a question.";
        QTest::newRow("cancelled") << ""
                                   << "";
    }
    void insertPicture()
    {
        QFETCH(QString, file);
        QFETCH(QString, message);
        Session s;
        if (file.isEmpty())
            s.prompts.refuse();
        else
            s.prompts.accept(file);
        s.window->questionMenu()->action(QStringLiteral("Insert picture..."))->trigger();
        QCOMPARE(s.prompts.shown().at(0).kind, testing::ScriptedPrompts::Kind::OpenFile);
        QCOMPARE(s.prompts.messages(), message.isEmpty() ? QStringList() : QStringList{message});
        const bool inserted = !file.isEmpty() && message.isEmpty();
        QCOMPARE(s.editor->unsavedChanges(), inserted);
        s.click(QStringLiteral("Cmd_ok"));
        const QByteArray saved = testing::readBytes(s.files.root().paperFolder(paper) + u'/' +
                                                    s.editor->question(1).question);
        QCOMPARE(saved.contains("\\pngblip") || saved.contains("\\jpegblip"), inserted);
    }

    void cancel_data()
    {
        QTest::addColumn<bool>("change");
        QTest::addColumn<bool>("answerYes");
        QTest::addColumn<bool>("closed");
        QTest::newRow("nothing changed") << false << false << true;
        QTest::newRow("No keeps editing") << true << false << false;
        QTest::newRow("Yes throws the change away") << true << true << true;
    }
    void cancel()
    {
        QFETCH(bool, change);
        QFETCH(bool, answerYes);
        QFETCH(bool, closed);
        Session s;
        const QByteArray before = testing::readBytes(s.files.root().paperFile(paper));
        if (change)
            QTest::mouseClick(s.window->optionBox(1), Qt::LeftButton);
        if (answerYes)
            s.prompts.accept();
        else
            s.prompts.refuse();
        s.click(QStringLiteral("Cmd_cancel"));
        QCOMPARE(s.prompts.texts(),
                 change ? QStringList{u"Will you went to exit without save?"_s} : QStringList());
        QCOMPARE(s.window->isVisible(), !closed);
        if (!closed)
            QVERIFY(s.window->optionBox(1)->isChecked());
        QCOMPARE(testing::readBytes(s.files.root().paperFile(paper)), before);
    }

    void aFailedSaveKeepsTheWindowOpen()
    {
        Session s;
        QTest::mouseClick(s.window->optionBox(2), Qt::LeftButton);
        QVERIFY(QDir(s.files.root().paperFolder(paper)).removeRecursively());
        s.click(QStringLiteral("Cmd_ok"));
        QVERIFY(s.window->isVisible());
        QCOMPARE(s.prompts.messages().size(), 1);
        QVERIFY(s.editor->unsavedChanges());
    }

    // On a full disk the panes' edits cannot reach their documents: OK says so for each
    // pane, keeps the window and the text, and leaves the paper as it was.
    void aPaneThatCannotBeWrittenKeepsTheWindowOpen()
    {
        Session s;
        const QString folder = s.files.root().paperFolder(paper);
        const auto before = testing::treeSnapshot(folder);
        for (ui::RichTextPane *pane : {s.window->questionPane(), s.window->explanationPane()})
            pane->textCursor().insertText(QString(3000, u'长'));
        s.grid()->setFocus();
        {
            testing::FileSizeLimit limit(2048);
            s.click(QStringLiteral("Cmd_ok"));
        }
        QVERIFY(s.window->isVisible());
        const QStringList said = s.prompts.messages();
        QCOMPARE(said.size(), 2);
        for (const QString &message : said) {
            QVERIFY2(message.startsWith(QStringLiteral("The disk holding the editor's local folder "
                                                       "is full: the edit of ")) &&
                         message.endsWith(QStringLiteral("; nothing was changed. The text stays "
                                                         "in the window.")),
                     qPrintable(message));
        }
        QCOMPARE(testing::treeSnapshot(folder), before);
        QVERIFY(s.window->questionPane()->plainText().contains(QString(3000, u'长')));

        s.click(QStringLiteral("Cmd_ok"));
        QVERIFY(!s.window->isVisible());
        QVERIFY(
            richtext::plainText(testing::readBytes(folder + u'/' + s.editor->question(1).explain))
                .contains(QString(3000, u'长')));
    }

    void smallThingsATeacherMeets()
    {
        Session s;
        // The frame's accessible name follows a typed mark.
        QTest::mouseClick(s.window->findChild<QCheckBox *>(QStringLiteral("ChkDefault")),
                          Qt::LeftButton);
        s.window->markBox()->selectAll();
        QTest::keyClicks(s.window->markBox(), QStringLiteral("7"));
        QCOMPARE(s.window->questionFrame()->title(),
                 QStringLiteral("No.1  Total:3   Full mark:17"));
        QCOMPARE(s.window->questionFrame()->accessibleName(), s.window->questionFrame()->title());
        // An emptied mark box means the default mark, and says so once it is left.
        s.window->markBox()->selectAll();
        QTest::keyClick(s.window->markBox(), Qt::Key_Backspace);
        QTest::keyClick(s.window->markBox(), Qt::Key_Return);
        QCOMPARE(s.window->markBox()->text(), QStringLiteral("5"));
        QVERIFY(!s.window->markBox()->isEnabled());
        // "Insert blank" leaves the teacher typing into the new question.
        s.grid()->setFocus();
        s.window->gridMenu()->actions().at(0)->trigger();
        QCOMPARE(s.editor->questionCount(), 4);
        QVERIFY(s.window->questionPane()->hasFocus());
    }

    void importQuestionsFromAFile_data()
    {
        QTest::addColumn<QByteArray>("bank");
        QTest::addColumn<bool>("confirmed");
        QTest::addColumn<QString>("shown"); ///< the start of what the teacher is shown
        QTest::addColumn<int>("rows");
        const QByteArray bank = "// two questions and an essay\n"
                                "::Capital::What is the capital of France? {=Paris ~London}\n\n"
                                "::Essay::Write about Paris. {}\n\n"
                                "::Sum::[html]<p>2 + 2 = <b>?</b></p> {~3 =4 ####Add them.}\n";
        QTest::newRow("OK") << bank << true << u"2 questions come in.\n1 question is skipped:"_s
                            << 5;
        QTest::newRow("Cancel") << bank << false << u"2 questions come in."_s << 3;
        QTest::newRow("malformed") << QByteArray("::Open::A question {=yes ~no\n") << false
                                   << u"No question is imported.\nbank.gift line 1: "_s << 3;
        QTest::newRow("nothing to take")
            << QByteArray("::Essay::Write. {}\n") << false
            << u"No question of the file can be imported.\n0 questions come in."_s << 3;
    }
    void importQuestionsFromAFile()
    {
        QFETCH(QByteArray, bank);
        QFETCH(bool, confirmed);
        QFETCH(QString, shown);
        QFETCH(int, rows);
        Session s;
        const QString file = s.files.localFolder(u"home"_s) + u"/bank.gift"_s;
        QDir().mkpath(QFileInfo(file).path());
        testing::writeBytes(file, bank);
        s.prompts.accept(file);
        if (confirmed)
            s.prompts.accept();
        else
            s.prompts.refuse();
        s.click(u"CmdImportFile"_s);

        QCOMPARE(s.prompts.shown().at(0).kind, testing::ScriptedPrompts::Kind::OpenFile);
        QVERIFY2(s.prompts.shown().at(1).text.startsWith(shown),
                 qPrintable(s.prompts.shown().at(1).text));
        QCOMPARE(s.grid()->rowCount(), rows);
        QCOMPARE(s.editor->unsavedChanges(), confirmed);
        if (!confirmed)
            return;
        // They come in after the current question, the first of them shown.
        QCOMPARE(s.window->questionFrame()->title(), u"No.2  Total:5   Full mark:25"_s);
        QCOMPARE(s.window->questionPane()->plainText(),
                 u"What is the capital of France?\nA. Paris\nB. London"_s);
        QVERIFY(s.cell(2, 1).startsWith(u"2 + 2 = ?"_s));
        QVERIFY(s.cell(3, 1).startsWith(u"题2"_s));
        s.click(u"Cmd_ok"_s);
        const store::StudentPaper saved =
            store::PaperFile(s.files.root().paperFile(paper)).readStudentPaper();
        QCOMPARE(saved.questionCount, 5);
        QCOMPARE(saved.questions.at(1).answer, u"1"_s);
        QCOMPARE(saved.questions.at(2).answer, u"2"_s);
    }

    void theTestPool()
    {
        Session s;
        s.click(QStringLiteral("CmdPool"));
        editor::TestPoolFrame *pool = s.window->poolFrame();
        QVERIFY(pool->isVisible());
        QVERIFY(!s.window->questionFrame()->isVisible());
        QPushButton *toggle = s.window->button(QStringLiteral("CmdPool"));
        QCOMPARE(toggle->text(), QStringLiteral("Hide test pool"));
        QCOMPARE(toggle->toolTip(),
                 QStringLiteral("Hide test pool,Edit the test question by yourself. "));
        QCOMPARE(pool->title(), QStringLiteral("Test pool"));
        QCOMPARE(pool->questionList()->toolTip(), QStringLiteral("Dblclick to input question "));
        QCOMPARE(pool->paperBox()->count(), 2);
        QCOMPARE(pool->paperBox()->currentText(), paper);
        QCOMPARE(pool->questionList()->count(), 3);

        pool->paperBox()->setCurrentIndex(1);
        QCOMPARE(pool->questionList()->count(), 2);
        QCOMPARE(pool->questionList()->currentRow(), -1);
        QListWidgetItem *first = pool->questionList()->item(0);
        QTest::mouseClick(pool->questionList()->viewport(), Qt::LeftButton, {},
                          pool->questionList()->visualItemRect(first).center());
        QCOMPARE(pool->preview()->plainText(), QStringLiteral("Pool one"));
        QTest::mouseDClick(pool->questionList()->viewport(), Qt::LeftButton, {},
                           pool->questionList()->visualItemRect(first).center());
        QCOMPARE(s.grid()->rowCount(), 4);
        QCOMPARE(s.cell(3, 1), QStringLiteral("Pool one"));
        QCOMPARE(s.grid()->currentRow(), 3);
        QCOMPARE(pool->questionList()->currentRow(), 1);
        QCOMPARE(pool->preview()->plainText(), QStringLiteral("Pool two"));
        QVERIFY(pool->questionList()->hasFocus());
        QTest::mouseClick(pool->inputButton(), Qt::LeftButton);
        QCOMPARE(s.grid()->rowCount(), 5);
        QCOMPARE(s.prompts.shown().size(), 0);

        s.click(QStringLiteral("CmdPool"));
        QVERIFY(!pool->isVisible());
        QVERIFY(s.window->questionFrame()->isVisible());
        QCOMPARE(toggle->text(), QStringLiteral("Use test pool"));
        QCOMPARE(pool->paperBox()->currentText(), paper);
        QCOMPARE(s.window->questionFrame()->title(),
                 QStringLiteral("No.5  Total:5   Full mark:24"));
        QCOMPARE(s.window->questionPane()->plainText(), QStringLiteral("Pool two"));

        s.click(QStringLiteral("Cmd_ok"));
        const store::StudentPaper saved =
            store::PaperFile(s.files.root().paperFile(paper)).readStudentPaper();
        QCOMPARE(saved.questionCount, 5);
        QCOMPARE(saved.fullMark, 24);
        QCOMPARE(saved.questions.at(3).answer, QStringLiteral("2"));
        QCOMPARE(saved.questions.at(3).mark, QStringLiteral("4"));
    }

    void help()
    {
        Session s;
        s.click(QStringLiteral("Cmd_help"));
        QTest::keyClick(s.window.get(), Qt::Key_F1);
        QCOMPARE(s.help.pages(), (QStringList{u"edit-paper"_s, u"edit-paper"_s}));
        // The page is shipped and the index leads to it.
        QVERIFY(QFileInfo::exists(QStringLiteral(QUORIN_SOURCE_DIR "/data/help/edit-paper.html")));
        QVERIFY(testing::readBytes(QStringLiteral(QUORIN_SOURCE_DIR "/data/help/index.html"))
                    .contains("href=\"edit-paper.html\""));
    }
};

QTEST_MAIN(TestEditPaperWindow)
#include "tst_edit_paper_window.moc"
