// SPDX-License-Identifier: GPL-3.0-or-later
#include "manage_paper_window.h"

#include "ui/form_widgets.h"
#include "ui/help.h"
#include "ui/prompts.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>
#include <functional>

namespace teacher {

namespace {

// Numbers longer than this are no test time or score; the files hold 16-bit values.
constexpr int numberLength = 10;
constexpr int textLength = 255;

} // namespace

ManagePaperWindow::ManagePaperWindow(store::DataRoot root, ui::Prompts &prompts, ui::Help &help,
                                     PaperActions actions, QWidget *parent)
    : QDialog(parent)
    , m_papers(root, prompts)
    , m_exchange(root, prompts, m_papers)
    , m_prompts(prompts)
    , m_actions(std::move(actions))
    , m_list(new QListWidget(this))
{
    setObjectName(QStringLiteral("试卷管理"));
    setWindowTitle(PaperList::title());
    setAccessibleName(PaperList::title());

    m_list->setObjectName(QStringLiteral("List1"));
    m_list->setAccessibleName(tr("Paper list"));
    m_list->setToolTip(tr("Click to choose paper,Dbclick to edit paper"));
    m_list->setMinimumSize(220, 300);

    QPushButton *create =
        ui::makeButton(this, tr("Create paper"), QStringLiteral("Cmd_create"), {});
    QPushButton *remove =
        ui::makeButton(this, tr("Delete paper"), QStringLiteral("Cmd_delete"), {});
    QPushButton *up = ui::makeButton(this, tr("Up"), QStringLiteral("Cmd_up"), {});
    QPushButton *down = ui::makeButton(this, tr("Down"), QStringLiteral("Cmd_down"), {});
    QPushButton *edit = ui::makeButton(this, tr("Edit paper"), QStringLiteral("Cmd_edit"),
                                       tr("Click to edit paper"));
    QPushButton *save =
        ui::makeButton(this, tr("Save"), QStringLiteral("Cmd_save"), tr("Save change"));
    QPushButton *input = ui::makeButton(this, tr("Input paper"), QStringLiteral("Cmd_input"), {});
    QPushButton *output =
        ui::makeButton(this, tr("Output paper"), QStringLiteral("Cmd_output"), {});
    QPushButton *word = ui::makeButton(this, tr("Output to WORD"), QStringLiteral("Cmd_word"), {});
    QPushButton *ok = ui::makeButton(this, tr("OK"), QStringLiteral("Cmd_ok"),
                                     tr("Save and return to main menu"));
    QPushButton *cancel =
        ui::makeButton(this, tr("Cancel"), QStringLiteral("Cmd_cancel"), tr("return to main menu"));
    QPushButton *helpButton =
        ui::makeButton(this, tr("Help"), QStringLiteral("Cmd_help"), tr("How to manage paper"));

    auto *panel = new QGroupBox(tr("Set up test information"), this);
    panel->setObjectName(QStringLiteral("Frame1"));
    auto *grid = new QGridLayout(panel);
    QLineEdit *time = addLine(PaperColumn::TestTime, QStringLiteral("Text_time"), tr("test time"));
    QLineEdit *author =
        addLine(PaperColumn::Author, QStringLiteral("Text_author"), QStringLiteral("author"));
    QLineEdit *mark = addLine(PaperColumn::Mark, QStringLiteral("Text_mark"), tr("default mark"));
    QLineEdit *full = addLine(PaperColumn::FullMark, QStringLiteral("Text_full"), tr("full mark"));
    QLineEdit *count =
        addLine(PaperColumn::QuestionCount, QStringLiteral("Text_count"), tr("Question count"));
    QLineEdit *a = addLine(PaperColumn::AGrade, QStringLiteral("Text_A"), tr("A score"));
    QLineEdit *b = addLine(PaperColumn::BGrade, QStringLiteral("Text_B"), tr("B score"));
    QLineEdit *c = addLine(PaperColumn::CGrade, QStringLiteral("Text_C"), tr("C score"));
    QLineEdit *d = addLine(PaperColumn::DGrade, QStringLiteral("Text_D"), tr("D score"));
    m_about = new QPlainTextEdit(panel);
    m_about->setObjectName(QStringLiteral("Text_about"));
    m_about->setAccessibleName(tr("About test"));
    m_about->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_about->setTabChangesFocus(true);
    m_about->setMinimumHeight(m_about->fontMetrics().lineSpacing() * 4 + 12);
    m_fields.insert(PaperColumn::AboutTest, m_about);
    QLineEdit *retest =
        addLine(PaperColumn::RetestPassword, QStringLiteral("Text_retest"), tr("retest password"));
    QLineEdit *relogin = addLine(PaperColumn::ReloginPassword, QStringLiteral("Text_relogin"),
                                 tr("relogin password"));

    grid->addWidget(ui::labelFor(tr("test time"), time, panel), 0, 0);
    grid->addWidget(time, 0, 1);
    grid->addWidget(ui::labelFor(tr("author"), author, panel), 0, 2);
    grid->addWidget(author, 0, 3, 1, 3);
    grid->addWidget(ui::labelFor(tr("default mark"), mark, panel), 1, 0);
    grid->addWidget(mark, 1, 1);
    grid->addWidget(ui::labelFor(tr("full mark"), full, panel), 1, 2);
    grid->addWidget(full, 1, 3);
    grid->addWidget(ui::labelFor(tr("Question count"), count, panel), 1, 4);
    grid->addWidget(count, 1, 5);
    auto *grades = new QHBoxLayout;
    for (auto [label, line] : {std::pair{tr("A score"), a}, std::pair{tr("B score"), b},
                               std::pair{tr("C score"), c}, std::pair{tr("D score"), d}}) {
        grades->addWidget(ui::labelFor(label, line, panel));
        grades->addWidget(line);
    }
    grid->addLayout(grades, 2, 0, 1, 6);
    grid->addWidget(ui::labelFor(tr("About test"), m_about, panel), 3, 0, Qt::AlignTop);
    grid->addWidget(m_about, 3, 1, 1, 5);
    grid->addWidget(
        addBox(PaperColumn::RetestPassword, QStringLiteral("Check_retest"), tr("retest password")),
        4, 0, 1, 2);
    grid->addWidget(retest, 4, 2);
    grid->addWidget(addBox(PaperColumn::ReloginPassword, QStringLiteral("Check_relogin"),
                           tr("relogin password")),
                    4, 3, 1, 2);
    grid->addWidget(relogin, 4, 5);
    grid->addWidget(
        addBox(PaperColumn::ExerciseMode, QStringLiteral("Check_exercise"), tr("Exercise mode")), 5,
        0, 1, 2);
    grid->addWidget(addBox(PaperColumn::DisplayScore, QStringLiteral("Check_display"),
                           tr("achievement displayed at student end")),
                    5, 2, 1, 4);
    grid->addWidget(addBox(PaperColumn::ChangeQuestionSort, QStringLiteral("Check_order"),
                           tr("Change questions order")),
                    6, 0, 1, 2);
    grid->addWidget(
        addBox(PaperColumn::AllowToTest, QStringLiteral("Check_allow"), tr("Allow to test")), 6, 2,
        1, 4);
    grid->setRowStretch(3, 1);
    for (QLineEdit *line : {mark, full, count}) {
        // Owned by the paper editor: shown here, never written.
        line->setReadOnly(true);
        line->setEnabled(false);
    }
    m_enterChain = {m_about, time, author, mark, a, b, c, d};
    // Tab goes from the list and its buttons through the settings to the window's buttons.
    QList<QWidget *> tabOrder{m_list, create, remove, up, down, time, author, a, b, c, d, m_about};
    for (PaperColumn column : {PaperColumn::RetestPassword, PaperColumn::ReloginPassword})
        tabOrder << box(column) << field(column);
    for (PaperColumn column : {PaperColumn::ExerciseMode, PaperColumn::DisplayScore,
                               PaperColumn::ChangeQuestionSort, PaperColumn::AllowToTest})
        tabOrder << box(column);
    tabOrder << edit << save << input << output << word << ok << cancel << helpButton;
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder.at(i - 1), tabOrder.at(i));

    auto *left = new QVBoxLayout;
    left->addWidget(ui::labelFor(tr("Paper list"), m_list, this));
    left->addWidget(m_list, 1);
    auto *listButtons = new QGridLayout;
    listButtons->addWidget(create, 0, 0);
    listButtons->addWidget(remove, 0, 1);
    listButtons->addWidget(up, 1, 0);
    listButtons->addWidget(down, 1, 1);
    left->addLayout(listButtons);
    auto *top = new QHBoxLayout;
    top->addLayout(left, 2);
    top->addWidget(panel, 5);
    auto *bottom = new QHBoxLayout;
    for (QPushButton *button : {edit, save, input, output, word})
        bottom->addWidget(button);
    bottom->addStretch(1);
    for (QPushButton *button : {ok, cancel, helpButton})
        bottom->addWidget(button);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(bottom);

    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        if (m_showing)
            return;
        m_papers.select(row + 1);
        showPanel();
    });
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this] { editPaper(); });
    for (QLineEdit *line : {time, a, b, c, d}) {
        const PaperColumn column = m_fields.key(line);
        connect(line, &QLineEdit::textEdited, this, [this, line, column](const QString &text) {
            ui::setTextKeepingCursor(line, m_papers.editNumber(column, text));
        });
    }
    connect(author, &QLineEdit::textEdited, this,
            [this](const QString &text) { m_papers.editAuthor(text); });
    connect(author, &QLineEdit::editingFinished, this,
            [this, author] { ui::setTextKeepingCursor(author, m_papers.leaveAuthor()); });
    connect(m_about, &QPlainTextEdit::textChanged, this, [this] {
        if (m_showing)
            return;
        const QString typed = m_about->toPlainText();
        const QString kept = m_papers.editAboutTest(typed);
        if (kept == typed)
            return;
        // A pasted line break became a space: the same length, so the cursor keeps its place.
        const int position = qMin(m_about->textCursor().position(), int(kept.size()));
        m_showing = true;
        m_about->setPlainText(kept);
        QTextCursor cursor = m_about->textCursor();
        cursor.setPosition(position);
        m_about->setTextCursor(cursor);
        m_showing = false;
    });
    for (QLineEdit *line : {retest, relogin}) {
        const PaperColumn column = m_fields.key(line);
        connect(line, &QLineEdit::textEdited, this,
                [this, column](const QString &text) { m_papers.editPassword(column, text); });
    }
    for (auto it = m_boxes.cbegin(); it != m_boxes.cend(); ++it) {
        const PaperColumn column = it.key();
        // `clicked` comes from the teacher only; showing a paper sets the boxes quietly.
        connect(it.value(), &QCheckBox::clicked, this, [this, column](bool on) {
            if (column == PaperColumn::RetestPassword || column == PaperColumn::ReloginPassword)
                m_papers.tickPassword(column, on);
            else
                m_papers.tickFlag(column, on);
            showPanel();
        });
    }
    for (QWidget *widget : std::as_const(m_enterChain))
        widget->installEventFilter(this);

    // Actions that change the list, which is drawn again after each.
    const auto changesList = [this](QPushButton *button, std::function<void()> action) {
        connect(button, &QPushButton::clicked, this, [this, action] {
            action();
            showList();
        });
    };
    changesList(create, [this] { m_papers.createPaper(); });
    changesList(remove, [this] { m_papers.deletePaper(); });
    changesList(up, [this] { m_papers.moveUp(); });
    changesList(down, [this] { m_papers.moveDown(); });
    changesList(input, [this] { m_exchange.inputPaper(); });
    connect(edit, &QPushButton::clicked, this, &ManagePaperWindow::editPaper);
    connect(save, &QPushButton::clicked, this, [this] {
        if (m_papers.commitPaperList())
            m_prompts.message(tr("Save completed!"), PaperList::title());
    });
    connect(output, &QPushButton::clicked, this, [this] { m_exchange.outputPaper(); });
    connect(word, &QPushButton::clicked, this, &ManagePaperWindow::outputToWord);
    connect(ok, &QPushButton::clicked, this, [this] {
        if (m_papers.commitPaperList())
            accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(helpButton, &QPushButton::clicked, this,
            [this, &help] { help.open(helpPage(), this); });
    ui::bindHelpKey(this, help, helpPage());

    m_papers.open();
    showList();
    m_list->setFocus();
}

QLineEdit *ManagePaperWindow::addLine(PaperColumn column, const QString &name, const QString &label)
{
    auto *line = new QLineEdit(this);
    line->setObjectName(name);
    line->setAccessibleName(label);
    line->setMaxLength(isNumberColumn(column) ? numberLength : textLength);
    if (isNumberColumn(column) || isEditorColumn(column))
        line->setMaximumWidth(line->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")));
    m_fields.insert(column, line);
    return line;
}

QCheckBox *ManagePaperWindow::addBox(PaperColumn column, const QString &name,
                                     const QString &caption)
{
    auto *box = new QCheckBox(caption, this);
    box->setObjectName(name);
    box->setAccessibleName(caption);
    m_boxes.insert(column, box);
    return box;
}

QLineEdit *ManagePaperWindow::lineField(PaperColumn column) const
{
    return qobject_cast<QLineEdit *>(field(column));
}

QPushButton *ManagePaperWindow::button(const QString &objectName) const
{
    return findChild<QPushButton *>(objectName);
}

void ManagePaperWindow::showList()
{
    m_showing = true;
    const QStringList names = m_papers.names();
    ui::showNames(m_list, names);
    m_list->setCurrentRow(m_papers.selected() - 1);
    if (m_papers.hasSelection())
        m_list->scrollToItem(m_list->currentItem());
    m_showing = false;
    showPanel();
}

void ManagePaperWindow::showPanel()
{
    m_showing = true;
    const PaperPanel &panel = m_papers.panel();
    for (auto it = m_fields.cbegin(); it != m_fields.cend(); ++it) {
        const QString text = panel.field(it.key());
        if (auto *line = qobject_cast<QLineEdit *>(it.value())) {
            ui::setTextKeepingCursor(line, text);
            if (!isEditorColumn(it.key()))
                line->setEnabled(panel.enabled);
        } else if (m_about->toPlainText() != text) {
            m_about->setPlainText(text);
        }
    }
    m_about->setEnabled(panel.enabled);
    for (auto it = m_boxes.cbegin(); it != m_boxes.cend(); ++it) {
        it.value()->setChecked(panel.ticked(it.key()));
        it.value()->setEnabled(panel.enabled);
    }
    // A password field is open only while its box is ticked.
    for (PaperColumn column : {PaperColumn::RetestPassword, PaperColumn::ReloginPassword})
        field(column)->setEnabled(panel.enabled && panel.ticked(column));
    m_showing = false;
}

void ManagePaperWindow::editPaper()
{
    if (m_papers.beginEdit()) {
        if (m_actions.editPaper) {
            m_actions.editPaper(this, m_papers.currentPaperName());
            m_papers.endEdit();
        } else {
            m_prompts.message(tr("The paper editor is not available in this build of "
                                 "the teacher program."),
                              PaperList::title());
        }
    }
    showList();
}

void ManagePaperWindow::outputToWord()
{
    if (!m_papers.hasSelection())
        return;
    if (!m_actions.outputToWord) {
        m_prompts.message(tr("\"Output to WORD\" is not available in this build of the "
                             "teacher program."),
                          PaperList::title());
        return;
    }
    m_actions.outputToWord(this, m_papers.currentPaperName(),
                           m_papers.table().row(m_papers.selected()).settings);
}

bool ManagePaperWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool enter = (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
                           !(key->modifiers() & ~Qt::KeypadModifier);
        const qsizetype at = m_enterChain.indexOf(qobject_cast<QWidget *>(watched));
        if (enter && at >= 0) {
            // Enter moves on to the next field that takes input; in D score it stops.
            for (qsizetype next = at + 1; next < m_enterChain.size(); ++next) {
                QWidget *target = m_enterChain.at(next);
                if (target->isEnabled()) {
                    target->setFocus(Qt::TabFocusReason);
                    break;
                }
            }
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace teacher
