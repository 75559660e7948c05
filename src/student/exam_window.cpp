// SPDX-License-Identifier: GPL-3.0-or-later
#include "exam_window.h"

#include "help_window.h"
#include "option_box.h"
#include "ui/rich_text_pane.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace student {

namespace {

QPushButton *button(const QString &caption, const QString &name, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAccessibleName(caption);
    return b;
}

void setCaption(QGroupBox *frame, const QString &caption)
{
    frame->setTitle(caption);
    frame->setAccessibleName(caption);
}

void setButtonColour(QPushButton *b, const QColor &colour)
{
    QPalette palette = b->parentWidget()->palette();
    if (colour.isValid())
        palette.setColor(QPalette::Button, colour);
    b->setPalette(palette);
}

} // namespace

ExamWindow::ExamWindow(store::DataRoot root, const store::Clock &clock, store::RandomSource &random,
                       ui::Prompts &prompts, std::function<void()> quit, Ticks ticks,
                       QString localFolder, QWidget *parent)
    : QDialog(parent)
    , m_model(std::move(root), clock, random, prompts, std::move(quit), std::move(localFolder))
    , m_ticks(ticks)
{
    setObjectName(QStringLiteral("网络考试"));
    setWindowTitle(tr("Student end"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    m_countdown.setInterval(1000);
    m_autosave.setInterval(60000);
    connect(&m_countdown, &QTimer::timeout, this, &ExamWindow::countdownTick);
    connect(&m_autosave, &QTimer::timeout, this, &ExamWindow::autosaveTick);
    build();
    // PageUp and PageDown belong to the window before any control sees them.
    qApp->installEventFilter(this);
}

ExamWindow::~ExamWindow()
{
    qApp->removeEventFilter(this);
}

void ExamWindow::build()
{
    m_questionFrame = new QGroupBox(tr("Question"), this);
    m_questionFrame->setObjectName(QStringLiteral("Fram_题目"));
    m_questionFrame->setAccessibleName(m_questionFrame->title());
    m_questionPane = new ui::RichTextPane(m_questionFrame);
    // What the testee sees is never saved, so it cannot be edited either.
    m_questionPane->setReadOnly(true);
    m_questionPane->setObjectName(QStringLiteral("Rich题目"));
    m_questionPane->setAccessibleName(tr("Question"));
    (new QVBoxLayout(m_questionFrame))->addWidget(m_questionPane);

    m_explanationFrame = new QGroupBox(tr("Explain"), this);
    m_explanationFrame->setObjectName(QStringLiteral("FrmExplain"));
    m_explanationFrame->setAccessibleName(m_explanationFrame->title());
    m_explanationPane = new ui::RichTextPane(m_explanationFrame);
    m_explanationPane->setReadOnly(true);
    m_explanationPane->setObjectName(QStringLiteral("Rich解题辅导"));
    m_explanationPane->setAccessibleName(tr("Explain"));
    (new QVBoxLayout(m_explanationFrame))->addWidget(m_explanationPane);
    m_explanationFrame->hide();

    auto *choose = new QGroupBox(tr("Choose "), this);
    choose->setObjectName(QStringLiteral("Frame2"));
    choose->setAccessibleName(tr("Choose "));
    auto *chooseLayout = new QHBoxLayout(choose);
    const QStringList captions{tr("1.A -yes"),        tr("2.B -no"),         QStringLiteral("3.C"),
                               QStringLiteral("4.D"), QStringLiteral("5.E"), QStringLiteral("6.F"),
                               QStringLiteral("7.G")};
    for (int k = 1; k <= 7; ++k) {
        auto *box = new OptionBox(k, captions.at(k - 1), choose);
        box->setColour(ExamScreen::colour(OptionColour::NotChosen));
        box->setContentsMargins(6, 4, 6, 4);
        chooseLayout->addWidget(box);
        m_options.append(box);
        connect(box, &OptionBox::focused, this, [this] {
            m_model.optionFocused(tickedOptions());
            draw();
        });
        connect(box, &OptionBox::leftReleased, this, [this, k] {
            m_model.optionReleased(k, tickedOptions());
            draw();
        });
    }

    m_previous = button(tr("Previous"), QStringLiteral("Command1"), this);
    m_next = button(tr("Next"), QStringLiteral("Command2"), this);
    m_next->setDefault(true);
    m_answer = button(ExamScreen::displayAnswerCaption(), QStringLiteral("Command3"), this);
    m_help = button(tr("Help"), QStringLiteral("Command5"), this);
    m_finish = button(tr("Finish test "), QStringLiteral("Command6"), this);
    m_autoPageDown = new QCheckBox(tr("Pagedown automatically "), this);
    m_autoPageDown->setObjectName(QStringLiteral("Check1"));
    m_autoPageDown->setAccessibleName(tr("Pagedown automatically "));
    m_previous->installEventFilter(this);
    m_next->installEventFilter(this);
    connect(m_previous, &QPushButton::clicked, this, [this] {
        m_model.previous();
        draw();
    });
    connect(m_next, &QPushButton::clicked, this, [this] {
        m_model.next();
        draw();
    });
    connect(m_answer, &QPushButton::clicked, this, [this] {
        m_model.toggleAnswerDisplay();
        setCountdown(m_model.countdownRunning());
        draw();
    });
    connect(m_help, &QPushButton::clicked, this, &ExamWindow::showHelp);
    connect(m_finish, &QPushButton::clicked, this, &ExamWindow::close);
    connect(m_autoPageDown, &QCheckBox::toggled, this,
            [this](bool on) { m_model.setAutoPageDown(on); });

    auto *navigation = new QHBoxLayout;
    navigation->addWidget(m_previous);
    navigation->addWidget(m_next);
    navigation->addWidget(m_autoPageDown);
    navigation->addStretch(1);
    navigation->addWidget(m_answer);
    navigation->addWidget(m_help);
    navigation->addWidget(m_finish);

    m_selectorFrame = new QGroupBox(this);
    m_selectorFrame->setObjectName(QStringLiteral("FrmSelQuestion"));
    setCaption(m_selectorFrame, tr("Select question"));
    auto *selectorLayout = new QHBoxLayout(m_selectorFrame);
    auto *grid = new QGridLayout;
    grid->setSpacing(3);
    for (int i = 1; i <= QuestionSelector::buttonCount; ++i) {
        auto *b = button(QString::number(i), QStringLiteral("CmdQuestion"), m_selectorFrame);
        b->setProperty("index", i);
        b->setMinimumWidth(40);
        b->setAutoDefault(false);
        b->hide();
        grid->addWidget(b, (i - 1) / 10, (i - 1) % 10);
        m_selectorButtons.append(b);
        connect(b, &QPushButton::clicked, this, [this, i] {
            m_model.selectButton(i);
            draw();
        });
    }
    selectorLayout->addLayout(grid, 1);
    m_selectorBar = new QScrollBar(Qt::Vertical, m_selectorFrame);
    m_selectorBar->setObjectName(QStringLiteral("VSlquestion"));
    m_selectorBar->setAccessibleName(tr("Select question"));
    m_selectorBar->setMinimum(0);
    m_selectorBar->setSingleStep(QuestionSelector::step);
    m_selectorBar->setPageStep(QuestionSelector::step);
    selectorLayout->addWidget(m_selectorBar);
    connect(m_selectorBar, &QScrollBar::valueChanged, this, [this](int value) {
        m_model.setSelectorOffset(value);
        drawSelector();
    });

    auto *timeCaption = new QLabel(tr("Surplus time:"), this);
    timeCaption->setObjectName(QStringLiteral("Label2"));
    timeCaption->setAccessibleName(tr("Surplus time:"));
    m_time = new QLabel(QStringLiteral("00:00:00"), this);
    m_time->setObjectName(QStringLiteral("Lab_TIMER"));
    m_time->setAccessibleName(m_time->text());
    QFont big = m_time->font();
    big.setPointSizeF(big.pointSizeF() * 2);
    big.setBold(true);
    m_time->setFont(big);
    auto *maker = new QLabel(tr("Quorin Ver.4.0"), this);
    maker->setObjectName(QStringLiteral("Label3"));
    maker->setAccessibleName(maker->text());
    auto *contact = new QLabel(tr("Ask your teacher for help"), this);
    contact->setObjectName(QStringLiteral("Label4"));
    contact->setAccessibleName(contact->text());
    // Saving failed several times in a row: the testee goes on, but knows.
    m_saveWarning = new QLabel(this);
    m_saveWarning->setObjectName(QStringLiteral("Lab_warning"));
    m_saveWarning->setWordWrap(true);
    m_saveWarning->setMaximumWidth(260);
    m_saveWarning->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold;"));
    m_saveWarning->hide();
    auto *side = new QVBoxLayout;
    side->addWidget(timeCaption);
    side->addWidget(m_time);
    side->addWidget(m_saveWarning);
    side->addStretch(1);
    side->addWidget(maker);
    side->addWidget(contact);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_selectorFrame, 1);
    bottom->addLayout(side);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_questionFrame, 3);
    layout->addWidget(m_explanationFrame, 2);
    layout->addWidget(choose);
    layout->addLayout(navigation);
    layout->addLayout(bottom);
    // Roomy where the screen allows it; classroom screens of 1024 x 768 get all they have.
    const QSize roomy(1180, 880);
    resize(screen() ? roomy.boundedTo(screen()->availableGeometry().size()) : roomy);
}

bool ExamWindow::open(const TesteeIdentity &identity)
{
    if (!m_model.open(identity))
        return false;
    setWindowTitle(m_model.windowTitle());
    setAccessibleName(m_model.windowTitle());
    m_answer->setVisible(m_model.answerButtonVisible());
    m_selectorBar->setMaximum(m_model.selector().maximum());
    setCaption(m_selectorFrame, m_model.selectorCaption());
    if (!m_model.hasQuestions()) {
        for (OptionBox *box : std::as_const(m_options))
            box->setEnabled(false);
        m_previous->setEnabled(false);
        m_next->setEnabled(false);
        m_answer->setEnabled(false);
        m_autoPageDown->setEnabled(false);
    }
    m_time->setText(m_model.timeText());
    m_time->setAccessibleName(m_model.timeText());
    draw();
    // The answer boxes would rebuild the answer from nothing if they took the focus first.
    m_next->setFocus();
    m_autosaveActive = true;
    setCountdown(true);
    if (m_ticks == Ticks::Timers)
        m_autosave.start();
    return true;
}

void ExamWindow::drawSaveWarning()
{
    const QString warning = m_model.saveWarning();
    if (m_saveWarning->text() != warning) {
        m_saveWarning->setText(warning);
        m_saveWarning->setAccessibleName(warning);
    }
    m_saveWarning->setVisible(!warning.isEmpty());
}

void ExamWindow::draw()
{
    if (m_model.hasQuestions()) {
        m_previous->setEnabled(m_model.previousEnabled());
        m_next->setEnabled(m_model.nextEnabled());
    }
    m_answer->setText(m_model.answerButtonCaption());
    m_answer->setAccessibleName(m_model.answerButtonCaption());
    if (m_drawnShown != m_model.shown()) {
        m_drawnShown = m_model.shown();
        setCaption(m_questionFrame, m_model.questionCaption());
        if (!m_model.hasQuestions()) {
            m_questionPane->clearDocument();
            m_questionPane->setPlainText(ExamScreen::noQuestionsText());
        } else {
            m_questionPane->loadFile(m_model.questionDocument());
        }
        if (m_model.explanationVisible()) {
            setCaption(m_explanationFrame, m_model.explanationCaption());
            m_explanationPane->loadFile(m_model.explanationDocument());
        }
        m_explanationFrame->setVisible(m_model.explanationVisible());
    }
    drawOptions();
    drawSelector();
}

void ExamWindow::drawOptions()
{
    const std::array<OptionState, 7> &states = m_model.options();
    for (int k = 0; k < 7; ++k) {
        OptionBox *box = m_options.at(k);
        const QSignalBlocker blocker(box);
        box->setChecked(states[size_t(k)].ticked);
        box->setColour(ExamScreen::colour(states[size_t(k)].colour));
    }
}

void ExamWindow::drawSelector()
{
    {
        const QSignalBlocker blocker(m_selectorBar);
        m_selectorBar->setValue(m_model.selector().offset());
    }
    for (int i = 1; i <= QuestionSelector::buttonCount; ++i) {
        QPushButton *b = m_selectorButtons.at(i - 1);
        const SelectorButton state = m_model.selectorButton(i);
        b->setText(state.caption);
        b->setAccessibleName(state.caption);
        setButtonColour(b, state.answered ? ExamScreen::answeredButtonColour() : QColor());
        b->setVisible(state.visible);
    }
}

std::array<bool, 7> ExamWindow::tickedOptions() const
{
    std::array<bool, 7> ticked{};
    for (int k = 0; k < 7; ++k)
        ticked[size_t(k)] = m_options.at(k)->isChecked();
    return ticked;
}

void ExamWindow::setCountdown(bool on)
{
    m_countdownActive = on;
    if (m_ticks == Ticks::Manual)
        return;
    if (on)
        m_countdown.start(); // restarts the second, as the answer display expects
    else
        m_countdown.stop();
}

void ExamWindow::stopTimers()
{
    m_countdownActive = false;
    m_autosaveActive = false;
    m_countdown.stop();
    m_autosave.stop();
}

void ExamWindow::countdownTick()
{
    if (!m_countdownActive)
        return;
    const CountdownResult result = m_model.countdownTick();
    m_time->setText(result.text);
    m_time->setAccessibleName(result.text);
    drawSaveWarning();
    if (!result.timeUp)
        return;
    stopTimers();
    m_time->repaint();
    m_model.finishNow();
    close();
}

void ExamWindow::autosaveTick()
{
    if (!m_autosaveActive)
        return;
    m_model.autosave();
    drawSaveWarning();
}

void ExamWindow::showHelp()
{
    HelpWindow help(ExamScreen::helpText(), this);
    help.exec();
}

bool ExamWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        auto *widget = qobject_cast<QWidget *>(watched);
        if ((key->key() == Qt::Key_PageUp || key->key() == Qt::Key_PageDown) && widget &&
            widget->window() == this && m_model.hasQuestions() && !m_model.isFinished()) {
            if (key->key() == Qt::Key_PageUp)
                m_model.previous();
            else
                m_model.next();
            draw();
            return true;
        }
    }
    if (event->type() == QEvent::MouseButtonRelease &&
        (watched == m_previous || watched == m_next)) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        auto *b = static_cast<QPushButton *>(watched);
        if (mouse->button() == Qt::RightButton && b->isEnabled() &&
            b->rect().contains(mouse->position().toPoint())) {
            if (watched == m_previous)
                m_model.pageBack();
            else
                m_model.pageForward();
            draw();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ExamWindow::closeEvent(QCloseEvent *event)
{
    if (!m_model.requestFinish()) {
        event->ignore();
        return;
    }
    stopTimers();
    event->accept();
}

void ExamWindow::reject()
{
    // Escape closes like the close box: through the finish question.
    close();
}

} // namespace student
