// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit_paper_window.h"

#include "pane_menu.h"
#include "questions/question_documents.h"
#include "store/random_source.h"
#include "test_pool_frame.h"
#include "ui/form_widgets.h"
#include "ui/help.h"
#include "ui/prompts.h"
#include "ui/rich_text_pane.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGuiApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QDir>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

namespace editor {

namespace {

const char *const optionCaptions[7] = {QT_TRANSLATE_NOOP("EditPaperWindow", "1.A yes"),
                                       QT_TRANSLATE_NOOP("EditPaperWindow", "2.B  no"),
                                       "3.C",
                                       "4.D",
                                       "5.E",
                                       "6.F",
                                       "7.G"};

int twipsToPixels(int twips, int dotsPerInch)
{
    return (twips * dotsPerInch + 720) / 1440;
}

} // namespace

EditPaperWindow::EditPaperWindow(PaperEditor &editor, ui::Prompts &prompts, ui::Help &help,
                                 QWidget *parent)
    : QDialog(parent)
    , m_editor(editor)
    , m_prompts(prompts)
{
    setObjectName(QStringLiteral("编辑试卷"));
    setWindowTitle(m_editor.windowTitle());
    setAccessibleName(windowTitle());

    buildGrid();
    buildQuestionFrame();
    m_poolFrame = new TestPoolFrame(m_editor.root(), prompts, m_editor, this);
    m_poolFrame->hide();

    m_defaultMark = new QLineEdit(this);
    m_defaultMark->setObjectName(QStringLiteral("TxtDefaultMark"));
    m_defaultMark->setAccessibleName(tr("Default  mark"));
    m_defaultMark->setMaxLength(12);
    m_defaultMark->setMaximumWidth(90);
    m_poolButton = ui::makeButton(this, tr("Use test pool"), QStringLiteral("CmdPool"),
                                  tr("Use test pool,you can input question from test "
                                     "pool directly."));
    QPushButton *importFile =
        ui::makeButton(this, tr("Import questions..."), QStringLiteral("CmdImportFile"),
                       tr("Bring in questions from a GIFT, Aiken or Moodle XML file."));
    QPushButton *insert = ui::makeButton(this, tr("Insert"), QStringLiteral("CmdInsert"));
    QPushButton *remove = ui::makeButton(this, tr("Delete"), QStringLiteral("CmdDelete"));
    QPushButton *up = ui::makeButton(this, tr("Move Up"), QStringLiteral("CmdUp"));
    QPushButton *down = ui::makeButton(this, tr("Move Down"), QStringLiteral("CmdDown"));
    QPushButton *ok =
        ui::makeButton(this, tr("OK"), QStringLiteral("Cmd_ok"), tr("Save the paper and return"));
    QPushButton *cancel = ui::makeButton(this, tr("Cancel"), QStringLiteral("Cmd_cancel"));
    QPushButton *helpButton =
        ui::makeButton(this, tr("Help"), QStringLiteral("Cmd_help"), tr("How to edit a paper"));

    auto *tools = new QVBoxLayout;
    tools->addWidget(ui::labelFor(tr("Default  mark"), m_defaultMark, this));
    tools->addWidget(m_defaultMark);
    tools->addSpacing(8);
    tools->addWidget(m_poolButton);
    tools->addWidget(importFile);
    tools->addSpacing(8);
    tools->addWidget(insert);
    tools->addWidget(remove);
    tools->addWidget(up);
    tools->addWidget(down);
    tools->addStretch(1);
    auto *closing = new QVBoxLayout;
    closing->addStretch(1);
    closing->addWidget(ok);
    closing->addWidget(cancel);
    closing->addWidget(helpButton);

    // The frames start 50 twips from the left and 3660 twips from the top, as the
    // window has always been laid out; the grid fills the band above them.
    const int left = twipsToPixels(50, logicalDpiX());
    const int top = 4;
    const int spacing = 6;
    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(left, top, 8, 8);
    layout->setSpacing(spacing);
    m_grid->setFixedHeight(std::max(120, twipsToPixels(3660, logicalDpiY()) - top - spacing));
    layout->addWidget(m_grid, 0, 0);
    layout->addLayout(tools, 0, 1);
    layout->addWidget(m_questionFrame, 1, 0);
    layout->addWidget(m_poolFrame, 1, 0);
    layout->addLayout(closing, 1, 1);
    layout->setColumnStretch(0, 1);
    layout->setRowStretch(1, 1);

    connect(m_defaultMark, &QLineEdit::textEdited, this, [this](const QString &text) {
        if (m_editor.setDefaultMark(text))
            m_defaultMarkText = text;
        else
            m_defaultMark->setText(m_defaultMarkText);
        showMarks();
    });
    connect(m_poolButton, &QPushButton::clicked, this, &EditPaperWindow::togglePool);
    connect(importFile, &QPushButton::clicked, this, &EditPaperWindow::importFromFile);
    connect(insert, &QPushButton::clicked, this, &EditPaperWindow::insertBlank);
    connect(remove, &QPushButton::clicked, this,
            [this] { act([this] { return m_editor.deleteQuestion(); }); });
    connect(up, &QPushButton::clicked, this,
            [this] { act([this] { return m_editor.moveQuestionUp(); }); });
    connect(down, &QPushButton::clicked, this,
            [this] { act([this] { return m_editor.moveQuestionDown(); }); });
    connect(ok, &QPushButton::clicked, this, &EditPaperWindow::saveAndClose);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(helpButton, &QPushButton::clicked, this,
            [this, &help] { help.open(helpPage(), this); });
    connect(m_poolFrame, &TestPoolFrame::imported, this, &EditPaperWindow::afterImport);
    ui::bindHelpKey(this, help, helpPage());

    m_defaultMarkText = m_editor.defaultMarkText();
    m_defaultMark->setText(m_defaultMarkText);
    // As large as a question with a picture wants, on the screens of a school PC room.
    QSize size(1000, 880);
    if (const QScreen *shown = screen())
        size = size.boundedTo(shown->availableGeometry().size() - QSize(40, 60));
    resize(size);
}

EditPaperWindow::~EditPaperWindow() = default;

QPushButton *EditPaperWindow::button(const QString &objectName) const
{
    return findChild<QPushButton *>(objectName);
}

QString EditPaperWindow::cellText(const QString &plainText)
{
    QString text = plainText;
    text.replace(u'\n', u' ');
    return text;
}

void EditPaperWindow::buildGrid()
{
    m_grid = new QTableWidget(0, 2, this);
    m_grid->setObjectName(QStringLiteral("Grid1"));
    m_grid->setAccessibleName(tr("Questions"));
    m_grid->setHorizontalHeaderLabels({tr(" No."), tr(" Question")});
    m_grid->verticalHeader()->hide();
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setWordWrap(false);
    m_grid->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_grid->setColumnWidth(0, twipsToPixels(800, logicalDpiX()));
    m_grid->setColumnWidth(1, twipsToPixels(10000, logicalDpiX()));
    m_grid->installEventFilter(this);
    m_grid->viewport()->installEventFilter(this);

    connect(m_grid, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (m_presenting || row < 0)
            return;
        act([this, row] {
            m_editor.showQuestion(row + 1);
            return false;
        });
    });

    m_gridMenu = new QMenu(tr("Edit"), this);
    m_gridMenu->setObjectName(QStringLiteral("mnuEdit"));
    auto item = [this](const QString &text, auto operation) {
        QAction *action = m_gridMenu->addAction(text);
        connect(action, &QAction::triggered, this, [this, operation] { act(operation); });
    };
    QAction *blank = m_gridMenu->addAction(tr("Insert blank"));
    connect(blank, &QAction::triggered, this, &EditPaperWindow::insertBlank);
    item(tr("Move up"), [this] { return m_editor.moveQuestionUp(); });
    item(tr("Move down"), [this] { return m_editor.moveQuestionDown(); });
    item(tr("Delete   "), [this] { return m_editor.deleteQuestion(); });
}

void EditPaperWindow::buildQuestionFrame()
{
    m_questionFrame = new QGroupBox(this);
    m_questionFrame->setObjectName(QStringLiteral("Frame1"));

    m_questionPane = new ui::RichTextPane(m_questionFrame);
    m_questionPane->setObjectName(QStringLiteral("RichQuestion"));
    m_questionPane->setAccessibleName(tr("Question"));
    m_explanationPane = new ui::RichTextPane(m_questionFrame);
    m_explanationPane->setObjectName(QStringLiteral("RichExplain"));
    m_explanationPane->setAccessibleName(tr("explain"));

    auto *answerLabel = new QLabel(tr("Answer:"), m_questionFrame);
    auto *options = new QHBoxLayout;
    options->addWidget(answerLabel);
    for (int k = 1; k <= 7; ++k) {
        auto *box = new QCheckBox(
            QCoreApplication::translate("EditPaperWindow", optionCaptions[k - 1]), m_questionFrame);
        box->setObjectName(QStringLiteral("Check1_%1").arg(k));
        box->setAccessibleName(box->text());
        box->setAutoFillBackground(true);
        box->setMinimumWidth(64);
        m_options[size_t(k - 1)] = box;
        options->addWidget(box);
        connect(box, &QCheckBox::toggled, this, [this, k](bool ticked) {
            if (m_presenting)
                return;
            m_editor.setOptionTicked(k, ticked);
            colourOption(k);
        });
        colourOption(k);
    }
    answerLabel->setBuddy(m_options[0]);
    options->addStretch(1);

    m_mark = new QLineEdit(m_questionFrame);
    m_mark->setObjectName(QStringLiteral("TxtMark"));
    m_mark->setAccessibleName(tr("Mark:"));
    m_mark->setMaxLength(12);
    m_mark->setMaximumWidth(80);
    m_default = new QCheckBox(tr("Default"), m_questionFrame);
    m_default->setObjectName(QStringLiteral("ChkDefault"));
    m_default->setAccessibleName(m_default->text());
    QPushButton *previous = ui::makeButton(this, tr("< Previous"), QStringLiteral("CmdPrevious"));
    QPushButton *next = ui::makeButton(this, tr("Next >"), QStringLiteral("CmdNext"));
    previous->setParent(m_questionFrame);
    next->setParent(m_questionFrame);
    auto *marks = new QHBoxLayout;
    marks->addWidget(ui::labelFor(tr("Mark:"), m_mark, m_questionFrame));
    marks->addWidget(m_mark);
    marks->addWidget(m_default);
    marks->addStretch(1);
    marks->addWidget(previous);
    marks->addWidget(next);

    auto *layout = new QVBoxLayout(m_questionFrame);
    layout->addWidget(m_questionPane, 3);
    layout->addWidget(ui::labelFor(tr("explain"), m_explanationPane, m_questionFrame));
    layout->addWidget(m_explanationPane, 1);
    m_explanationPane->setMinimumHeight(80);
    layout->addLayout(options);
    layout->addLayout(marks);

    // The menus list the fonts installed for the screen, once per pane.
    const QStringList fonts = QFontDatabase::families();
    m_questionMenu = new PaneMenu(m_questionPane, m_prompts, fonts, this);
    m_explanationMenu = new PaneMenu(m_explanationPane, m_prompts, fonts, this);
    for (auto [pane, menu] : {std::pair{m_questionPane, m_questionMenu},
                              std::pair{m_explanationPane, m_explanationMenu}}) {
        pane->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(pane, &QWidget::customContextMenuRequested, this, [pane, menu](const QPoint &at) {
            menu->popupAt(pane->viewport()->mapToGlobal(at));
        });
        connect(pane, &ui::RichTextPane::focusLost, this,
                [this, pane] { savePane(pane, Report::Once); });
    }
    connect(m_questionPane, &QTextEdit::textChanged, this, [this] {
        if (m_presenting)
            return;
        const QString text = m_questionPane->plainText();
        m_editor.questionTextChanged(text);
        const int row = m_editor.current() - 1;
        if (QTableWidgetItem *cell = m_grid->item(row, 1))
            cell->setText(cellText(text));
    });
    connect(m_explanationPane, &QTextEdit::textChanged, this, [this] {
        if (!m_presenting)
            m_editor.explanationTextChanged();
    });

    connect(m_mark, &QLineEdit::textEdited, this, [this](const QString &text) {
        if (!m_editor.setMark(text))
            m_mark->setText(m_editor.markBoxText());
        showCaption();
    });
    // An emptied box means the default mark: once the teacher leaves it, it says so.
    connect(m_mark, &QLineEdit::editingFinished, this, [this] {
        if (m_mark->text().trimmed().isEmpty())
            showMarks();
    });
    connect(m_default, &QCheckBox::clicked, this, [this](bool ticked) {
        m_editor.setUseDefaultMark(ticked);
        showMarks();
    });
    connect(previous, &QPushButton::clicked, this, [this] {
        act([this] {
            m_editor.previousQuestion();
            return false;
        });
    });
    connect(next, &QPushButton::clicked, this, [this] {
        const int count = m_editor.questionCount();
        act([this] {
            m_editor.nextQuestion();
            return false;
        });
        if (m_editor.questionCount() != count)
            m_questionPane->setFocus(Qt::OtherFocusReason);
    });
}

template<typename Operation> void EditPaperWindow::act(Operation operation)
{
    // An edit reaches its document before another question is shown or the rows change.
    savePanes();
    const int count = m_editor.questionCount();
    const bool reordered = operation();
    if (reordered || m_editor.questionCount() != count)
        rebuildQuestionGrid();
    showCurrent();
}

bool EditPaperWindow::savePanes(Report report)
{
    const bool question = savePane(m_questionPane, report);
    const bool explanation = savePane(m_explanationPane, report);
    return question && explanation;
}

bool EditPaperWindow::savePane(ui::RichTextPane *pane, Report report)
{
    if (pane->fileName().isEmpty() || !pane->document()->isModified())
        return true;
    const store::WriteOutcome saved = pane->save();
    if (saved.ok())
        return true;
    // A pane that keeps failing as the focus moves is reported once; "OK" reports each time.
    if (report == Report::Once && m_paneWriteReported)
        return false;
    m_paneWriteReported = true;
    QString lost = tr("the edit of %1 was not saved").arg(pane->fileName());
    if (!saved.reason().isEmpty())
        lost += QStringLiteral(" (%1)").arg(saved.reason());
    m_prompts.message(store::notSavedMessage(saved.status, lost, tr("the editor's local folder")) +
                      tr(" The text stays in the window."));
    return false;
}

void EditPaperWindow::rebuildQuestionGrid()
{
    const bool presenting = m_presenting;
    m_presenting = true;
    const int count = m_editor.questionCount();
    m_grid->setRowCount(count);
    for (int q = 1; q <= count; ++q) {
        const QString number = PaperEditor::rowNumber(q);
        const QString text = cellText(m_editor.rowText(q));
        if (QTableWidgetItem *cell = m_grid->item(q - 1, 0)) {
            cell->setText(number);
            m_grid->item(q - 1, 1)->setText(text);
        } else {
            m_grid->setItem(q - 1, 0, new QTableWidgetItem(number));
            m_grid->setItem(q - 1, 1, new QTableWidgetItem(text));
        }
    }
    m_presenting = presenting;
}

void EditPaperWindow::loadPane(ui::RichTextPane *pane, const QString &path)
{
    // The pane keeps a document it already shows (a moved question), with its undo steps.
    if (!path.isEmpty() && pane->fileName() == path)
        return;
    if (path.isEmpty())
        pane->clearDocument();
    else
        pane->loadFile(path);
}

void EditPaperWindow::showCurrent()
{
    const bool presenting = m_presenting;
    m_presenting = true;
    const int q = m_editor.current();
    if (q >= 1 && m_grid->currentRow() != q - 1)
        m_grid->setCurrentCell(q - 1, std::max(m_grid->currentColumn(), 0));
    loadPane(m_questionPane, m_editor.questionDocument(q));
    loadPane(m_explanationPane, m_editor.explanationDocument(q));
    for (int k = 1; k <= 7; ++k) {
        optionBox(k)->setChecked(m_editor.isOptionTicked(k));
        colourOption(k);
    }
    showMarks();
    m_presenting = presenting;
}

void EditPaperWindow::showMarks()
{
    const bool presenting = m_presenting;
    m_presenting = true;
    showCaption();
    ui::setTextKeepingCursor(m_mark, m_editor.markBoxText());
    m_mark->setEnabled(m_editor.isMarkBoxEnabled());
    m_default->setChecked(m_editor.isDefaultTicked());
    m_presenting = presenting;
}

void EditPaperWindow::showCaption()
{
    // Assistive technology reads the frame by its name: it follows every change of the title.
    m_questionFrame->setTitle(m_editor.frameCaption());
    m_questionFrame->setAccessibleName(m_questionFrame->title());
}

void EditPaperWindow::insertBlank()
{
    act([this] { return m_editor.insertQuestion(); });
    if (m_questionPane->isVisible())
        m_questionPane->setFocus(Qt::OtherFocusReason);
}

void EditPaperWindow::colourOption(int k)
{
    QCheckBox *box = optionBox(k);
    const QColor back = box->isChecked() ? tickedColor() : untickedColor();
    const QColor text = box->isChecked() ? QColor(Qt::white) : QColor(Qt::black);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Window, back);
    palette.setColor(QPalette::WindowText, text);
    box->setPalette(palette);
    // The styles draw a check box's own background only when a style sheet asks for it.
    box->setStyleSheet(
        QStringLiteral("QCheckBox { background-color: %1; color: %2; padding: 2px; }")
            .arg(back.name(), text.name()));
}

void EditPaperWindow::togglePool()
{
    savePanes();
    const bool showPool = m_poolFrame->isHidden();
    m_poolFrame->setVisible(showPool);
    m_questionFrame->setVisible(!showPool);
    m_poolButton->setText(showPool ? tr("Hide test pool") : tr("Use test pool"));
    m_poolButton->setAccessibleName(m_poolButton->text());
    m_poolButton->setToolTip(showPool ? tr("Hide test pool,Edit the test question by yourself. ")
                                      : tr("Use test pool,you can input question from test "
                                           "pool directly."));
    m_poolFrame->refillPapers();
}

void EditPaperWindow::importFromFile()
{
    const QString file =
        m_prompts.openFile(tr("Import questions"), QDir::homePath(),
                           tr("Question files (*.txt *.gift *.xml);;All files (*)"));
    if (file.isEmpty())
        return;
    // The whole file is read before the teacher decides; nothing changes until OK.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor); // a bank of a thousand takes a moment
    const questions::ImportPlan plan = questions::planImport({file});
    QGuiApplication::restoreOverrideCursor();
    if (!plan.error.isEmpty()) {
        m_prompts.message(tr("No question is imported.\n") + plan.error, tr("Import questions"));
        return;
    }
    if (plan.questions.isEmpty()) {
        m_prompts.message(tr("No question of the file can be imported.\n") + plan.summary(),
                          tr("Import questions"));
        return;
    }
    if (!m_prompts.confirm(plan.summary(), tr("Import questions")))
        return;
    act([this, &plan] { return m_editor.importQuestions(plan.questions, m_editor.current()); });
}

void EditPaperWindow::afterImport()
{
    savePanes();
    rebuildQuestionGrid();
    showCurrent();
}

void EditPaperWindow::saveAndClose()
{
    // A pane whose edit could not be written would be saved without it: stop and stay open.
    if (!savePanes(Report::Always))
        return;
    if (m_editor.savePaperEdits())
        accept();
}

void EditPaperWindow::done(int result)
{
    if (!m_editor.mayClose())
        return;
    QDialog::done(result);
}

void EditPaperWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    const int count = m_editor.questionCount();
    m_editor.showFirstQuestion();
    rebuildQuestionGrid();
    showCurrent();
    if (m_editor.questionCount() != count)
        m_questionPane->setFocus(Qt::OtherFocusReason);
}

bool EditPaperWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_grid && event->type() == QEvent::FocusIn) {
        savePanes();
    } else if (watched == m_grid->viewport() && event->type() == QEvent::MouseButtonPress) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::RightButton) {
            m_gridMenu->popup(mouse->globalPosition().toPoint());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void EditPaperWindow::openModal(const store::DataRoot &root, ui::Prompts &prompts, ui::Help &help,
                                const QString &paper, QWidget *over)
{
    store::SystemRandom random;
    PaperEditor editor(root, paper, store::DataRoot::localFolder(store::DataRoot::LocalUse::Editor),
                       prompts, random);
    if (editor.openPaperEditor() != PaperEditor::OpenResult::Opened)
        return;
    EditPaperWindow window(editor, prompts, help, over);
    window.exec();
    editor.closePaperEditor();
}

} // namespace editor
