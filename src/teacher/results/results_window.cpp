// SPDX-License-Identifier: GPL-3.0-or-later
#include "results_window.h"

#include "analysis_window.h"
#include "results_loader.h"

#include "ui/rich_text_pane.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

namespace results {

namespace {

QString sortTip()
{
    return QCoreApplication::translate("ResultsWindow", "Click to change sort");
}

// The colour of the labels of the correct options (red 192, green 64, blue 0).
const QColor markColor(192, 64, 0);

QPushButton *button(const QString &caption, const QString &name, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAccessibleName(QString(caption).remove(u'&'));
    b->setAutoDefault(false);
    return b;
}

QPushButton *header(const QString &caption, const QString &name, QWidget *parent)
{
    QPushButton *b = button(caption, name, parent);
    b->setToolTip(sortTip());
    return b;
}

QListWidget *list(const QString &name, const QString &accessibleName, QWidget *parent)
{
    auto *l = new QListWidget(parent);
    l->setObjectName(name);
    l->setAccessibleName(accessibleName);
    l->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    l->setUniformItemSizes(true);
    // The rulers are part of the lines; cut lines would read as other figures.
    l->setTextElideMode(Qt::ElideNone);
    // Lists that stand side by side keep one height; only the padding runs off.
    l->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return l;
}

void setLines(QListWidget *widget, const QStringList &lines)
{
    const QSignalBlocker blocker(widget);
    widget->clear();
    widget->addItems(lines);
}

} // namespace

ResultsWindow::ResultsWindow(const store::DataRoot &root, ui::Prompts &prompts, QuitCallback quit,
                             HelpCallback help, QWidget *parent)
    : QDialog(parent)
    , m_model(root)
    , m_prompts(prompts)
    , m_excel(root, prompts, m_clock)
    , m_quit(std::move(quit))
    , m_help(std::move(help))
    , m_loader(new ResultsLoader(root, this))
{
    setObjectName(QStringLiteral("考务成绩"));
    setWindowTitle(tr("View achievement"));
    setAccessibleName(tr("View achievement"));
    buildWindow();

    connect(m_loader, &ResultsLoader::loaded, this, &ResultsWindow::applyInput);

    switch (m_model.open()) {
    case ResultsModel::OpenOutcome::NoPaper:
        m_prompts.message(ResultsModel::noPaperText());
        m_ended = true;
        break;
    case ResultsModel::OpenOutcome::NoClass:
        m_prompts.message(ResultsModel::noAchievementText());
        m_ended = true;
        break;
    case ResultsModel::OpenOutcome::Ready:
        break;
    }
    if (m_ended) {
        if (m_quit)
            m_quit();
        return;
    }
    {
        const QSignalBlocker paperBlocker(m_papers);
        const QSignalBlocker classBlocker(m_classes);
        m_papers->addItems(m_model.paperNames());
        m_papers->setCurrentIndex(0);
        m_classes->addItems(m_model.classNames());
        m_classes->setCurrentIndex(0);
    }
    // Choosing the first paper and the first class would each refresh; one read
    // of the pair chosen gives the same tables.
    refresh();
    m_timer->start();
}

ResultsWindow::~ResultsWindow() = default;

void ResultsWindow::openModal(const store::DataRoot &root, ui::Prompts &prompts, QuitCallback quit,
                              HelpCallback help, QWidget *parent)
{
    ResultsWindow window(root, prompts, std::move(quit), std::move(help), parent);
    if (!window.hasEnded())
        window.exec();
}

void ResultsWindow::buildWindow()
{
    auto *paperLabel = new QLabel(tr("Test name:"), this);
    m_papers = new QComboBox(this);
    m_papers->setObjectName(QStringLiteral("Combo_test"));
    m_papers->setAccessibleName(tr("Test name:"));
    m_papers->setPlaceholderText(tr("Click to choose test"));
    m_papers->setToolTip(tr("Click to choose test"));
    m_papers->setMinimumContentsLength(16);
    paperLabel->setBuddy(m_papers);
    auto *classLabel = new QLabel(tr("Class name:"), this);
    m_classes = new QComboBox(this);
    m_classes->setObjectName(QStringLiteral("Combo_class"));
    m_classes->setAccessibleName(tr("Class name:"));
    m_classes->setPlaceholderText(tr("Click to choose class"));
    m_classes->setToolTip(tr("Click to choose class"));
    m_classes->setMinimumContentsLength(10);
    classLabel->setBuddy(m_classes);
    QPushButton *update = button(tr("Update"), QStringLiteral("Cmd_update"), this);
    m_auto = new QCheckBox(tr("Auto"), this);
    m_auto->setObjectName(QStringLiteral("Check_auto"));
    m_auto->setAccessibleName(tr("Auto"));
    m_auto->setChecked(true);
    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(autoRefreshMs);

    auto *top = new QHBoxLayout;
    top->addWidget(paperLabel);
    top->addWidget(m_papers, 2);
    top->addSpacing(12);
    top->addWidget(classLabel);
    top->addWidget(m_classes, 1);
    top->addSpacing(12);
    top->addWidget(update);
    top->addWidget(m_auto);
    top->addStretch();

    // Testees: two lists side by side under their header buttons.
    const std::array<QPushButton *, 5> testeeHeaders{
        header(tr("Number"), QStringLiteral("Cmd_number"), this),
        header(tr("Firstname   Lastname"), QStringLiteral("Cmd_name"), this),
        header(tr("Score"), QStringLiteral("Cmd_score"), this),
        header(tr("Sort"), QStringLiteral("Cmd_sort"), this),
        header(tr("Surplus time"), QStringLiteral("Cmd_time"), this),
    };
    m_left = list(QStringLiteral("List1"), tr("Number Firstname Lastname"), this);
    m_right = list(QStringLiteral("List2"), tr("Score Sort Surplus time"), this);
    for (QListWidget *l : {m_left, m_right}) {
        l->setToolTip(tr("Click to choose student"));
        l->setMinimumHeight(220);
    }
    m_left->setMinimumWidth(260);
    m_right->setMinimumWidth(230);
    m_left->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto *testees = new QGridLayout;
    testees->setHorizontalSpacing(0);
    testees->setVerticalSpacing(0);
    auto *leftHeaders = new QHBoxLayout;
    leftHeaders->setSpacing(0);
    leftHeaders->addWidget(testeeHeaders[0], 1);
    leftHeaders->addWidget(testeeHeaders[1], 3);
    auto *rightHeaders = new QHBoxLayout;
    rightHeaders->setSpacing(0);
    rightHeaders->addWidget(testeeHeaders[2], 2);
    rightHeaders->addWidget(testeeHeaders[3], 2);
    rightHeaders->addWidget(testeeHeaders[4], 3);
    testees->addLayout(leftHeaders, 0, 0);
    testees->addLayout(rightHeaders, 0, 1);
    testees->addWidget(m_left, 1, 0);
    testees->addWidget(m_right, 1, 1);
    testees->setColumnStretch(0, 4);
    testees->setColumnStretch(1, 3);

    auto *statLabel = new QLabel(tr("Stat."), this);
    m_statistics = list(QStringLiteral("List_stat"), tr("Stat."), this);
    m_statistics->setMinimumWidth(210);
    m_statistics->setSelectionMode(QAbstractItemView::NoSelection);
    statLabel->setBuddy(m_statistics);
    auto *stats = new QVBoxLayout;
    stats->setSpacing(2);
    stats->addWidget(statLabel);
    stats->addWidget(m_statistics);

    auto *present = new QGroupBox(tr("Present testee"), this);
    present->setObjectName(QStringLiteral("Frame_present"));
    present->setAccessibleName(tr("Present testee"));
    QPushButton *retest = button(tr("Allow retest"), QStringLiteral("Cmd_retest"), present);
    QPushButton *remove = button(tr("Delete score"), QStringLiteral("Cmd_delete"), present);
    auto *presentLayout = new QVBoxLayout(present);
    presentLayout->addWidget(retest);
    presentLayout->addWidget(remove);
    m_excelButton = button(tr("Output to EXCEL"), QStringLiteral("Cmd_excel"), this);
    // The workbook holds the figures of a refresh, so there must have been one.
    m_excelButton->setEnabled(false);
    m_excel.setBusyIndicator(office::BusyScope::waitCursor());
    m_analysisButton = button(tr("&Analysis..."), QStringLiteral("Cmd_analysis"), this);
    m_analysisButton->setToolTip(
        tr("Which questions work, which key may be wrong, how classes compare"));
    m_analysisButton->setEnabled(false);
    QPushButton *back = button(tr("Return"), QStringLiteral("Cmd_return"), this);
    QPushButton *helpButton = button(tr("&Help"), QStringLiteral("Cmd_help"), this);
    helpButton->setToolTip(tr("How to view achievement"));
    auto *actions = new QVBoxLayout;
    actions->addWidget(present);
    actions->addStretch();
    actions->addWidget(m_excelButton);
    actions->addWidget(m_analysisButton);
    actions->addWidget(back);
    actions->addWidget(helpButton);

    auto *upper = new QHBoxLayout;
    upper->addLayout(testees, 5);
    upper->addLayout(stats, 1);
    upper->addLayout(actions);

    // Questions: the list, the selected testee's answers beside it, the document
    // and the distribution of all answers.
    const std::array<QPushButton *, 3> questionHeaders{
        header(tr("Question No."), QStringLiteral("Cmd_question_no"), this),
        header(tr("Score pct ( % )"), QStringLiteral("Cmd_score_pct"), this),
        header(tr("Correct answer"), QStringLiteral("Cmd_correct_answer"), this),
    };
    m_questions = list(QStringLiteral("List_question"),
                       tr("Question No. Score pct ( % ) Correct answer"), this);
    m_questions->setToolTip(tr("Click to choose test question"));
    m_questions->setMinimumWidth(300);
    auto *answerLabel = new QLabel(tr("Testee answer"), this);
    m_answers = list(QStringLiteral("List_answer"), tr("Testee answer"), this);
    m_answers->setMinimumWidth(150);
    m_answers->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    answerLabel->setBuddy(m_answers);

    auto *questionGrid = new QGridLayout;
    questionGrid->setHorizontalSpacing(0);
    questionGrid->setVerticalSpacing(0);
    auto *questionHeaderRow = new QHBoxLayout;
    questionHeaderRow->setSpacing(0);
    questionHeaderRow->addWidget(questionHeaders[0], 1);
    questionHeaderRow->addWidget(questionHeaders[1], 1);
    questionHeaderRow->addWidget(questionHeaders[2], 1);
    questionGrid->addLayout(questionHeaderRow, 0, 0);
    questionGrid->addWidget(answerLabel, 0, 1, Qt::AlignCenter);
    questionGrid->addWidget(m_questions, 1, 0);
    questionGrid->addWidget(m_answers, 1, 1);
    questionGrid->setColumnStretch(0, 2);
    questionGrid->setColumnStretch(1, 1);

    m_preview = new ui::RichTextPane(this);
    m_preview->setReadOnly(true);
    m_preview->setObjectName(QStringLiteral("Rich_question"));
    m_preview->setAccessibleName(tr("Question text"));
    m_preview->setMinimumWidth(260);

    auto *distribution = new QGroupBox(tr("All testees answeres distributing"), this);
    distribution->setObjectName(QStringLiteral("Frame_distribution"));
    distribution->setAccessibleName(tr("All testees answeres distributing"));
    auto *counts = new QGridLayout(distribution);
    for (int k = 0; k <= 7; ++k) {
        const QString caption = k == 0 ? tr("NO") : QStringLiteral("%1:").arg(k);
        auto *captionLabel = new QLabel(caption, distribution);
        captionLabel->setObjectName(QStringLiteral("Lab_option%1").arg(k));
        captionLabel->setAccessibleName(caption);
        auto *count = new QLabel(distribution);
        count->setObjectName(QStringLiteral("Lab_count%1").arg(k));
        count->setAccessibleName(caption);
        count->setAlignment(Qt::AlignCenter);
        count->setMinimumWidth(44);
        count->setFrameShape(QFrame::Panel);
        count->setFrameShadow(QFrame::Sunken);
        count->setAutoFillBackground(true);
        captionLabel->setBuddy(count);
        m_counts[size_t(k)] = count;
        const int row = k / 4;
        const int column = (k % 4) * 2;
        counts->addWidget(captionLabel, row, column, Qt::AlignRight);
        counts->addWidget(count, row, column + 1);
    }
    auto *detail = new QVBoxLayout;
    detail->addWidget(m_preview, 1);
    detail->addWidget(distribution);

    auto *lower = new QHBoxLayout;
    lower->addLayout(questionGrid, 3);
    lower->addLayout(detail, 2);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(upper, 3);
    layout->addLayout(lower, 2);
    resize(1000, 720);

    // Both testee lists move as one.
    connect(m_left->verticalScrollBar(), &QScrollBar::valueChanged, m_right->verticalScrollBar(),
            &QScrollBar::setValue);
    connect(m_right->verticalScrollBar(), &QScrollBar::valueChanged, m_left->verticalScrollBar(),
            &QScrollBar::setValue);
    connect(m_questions->verticalScrollBar(), &QScrollBar::valueChanged,
            m_answers->verticalScrollBar(), &QScrollBar::setValue);
    connect(m_answers->verticalScrollBar(), &QScrollBar::valueChanged,
            m_questions->verticalScrollBar(), &QScrollBar::setValue);
    connect(m_left, &QListWidget::currentRowChanged, this, &ResultsWindow::testeeSelected);
    connect(m_right, &QListWidget::currentRowChanged, this, &ResultsWindow::testeeSelected);
    connect(m_questions, &QListWidget::currentRowChanged, this, &ResultsWindow::questionClicked);

    const std::array<TesteeColumn, 5> testeeColumns{TesteeColumn::Number, TesteeColumn::Name,
                                                    TesteeColumn::Score, TesteeColumn::Rank,
                                                    TesteeColumn::SurplusTime};
    for (size_t i = 0; i < testeeHeaders.size(); ++i) {
        const TesteeColumn column = testeeColumns[i];
        connect(testeeHeaders[i], &QPushButton::clicked, this,
                [this, column] { testeeHeaderClicked(column); });
    }
    const std::array<QuestionColumn, 3> questionColumns{
        QuestionColumn::Number, QuestionColumn::ScorePercent, QuestionColumn::CorrectAnswer};
    for (size_t i = 0; i < questionHeaders.size(); ++i) {
        const QuestionColumn column = questionColumns[i];
        connect(questionHeaders[i], &QPushButton::clicked, this,
                [this, column] { questionHeaderClicked(column); });
    }

    connect(m_papers, &QComboBox::currentIndexChanged, this, &ResultsWindow::refresh);
    connect(m_classes, &QComboBox::currentIndexChanged, this, &ResultsWindow::refresh);
    connect(update, &QPushButton::clicked, this, &ResultsWindow::refresh);
    connect(m_timer, &QTimer::timeout, this, &ResultsWindow::autoRefreshTick);
    connect(retest, &QPushButton::clicked, this, &ResultsWindow::allowRetest);
    connect(remove, &QPushButton::clicked, this, &ResultsWindow::deleteScore);
    connect(m_excelButton, &QPushButton::clicked, this, &ResultsWindow::outputToExcel);
    connect(m_analysisButton, &QPushButton::clicked, this, &ResultsWindow::openAnalysis);
    connect(back, &QPushButton::clicked, this, &QDialog::accept);
    const auto openHelp = [this] {
        if (m_help)
            m_help(helpPage());
    };
    connect(helpButton, &QPushButton::clicked, this, openHelp);
    auto *f1 = new QShortcut(QKeySequence::HelpContents, this);
    connect(f1, &QShortcut::activated, this, openHelp);
}

bool ResultsWindow::isRefreshing() const
{
    return m_loader->isBusy();
}

void ResultsWindow::refresh()
{
    if (m_ended || m_papers->currentIndex() < 0 || m_classes->currentIndex() < 0)
        return;
    m_loader->request(m_papers->currentText(), m_classes->currentText());
}

AnalysisWindow *ResultsWindow::openAnalysis()
{
    if (!m_model.hasRefreshed())
        return nullptr;
    if (!m_analysis)
        m_analysis = new AnalysisWindow(m_model.root(), m_prompts, m_clock, this);
    m_analysis->showRefresh(m_model.analysisInput());
    m_analysis->show();
    m_analysis->raise();
    return m_analysis;
}

void ResultsWindow::autoRefreshTick()
{
    if (m_auto->isChecked())
        refresh();
}

void ResultsWindow::applyInput(const ResultsInput &input)
{
    m_model.apply(input);
    m_excelButton->setEnabled(true);
    m_analysisButton->setEnabled(true);
    drawAll();
    if (m_analysis && m_analysis->isVisible())
        m_analysis->showRefresh(m_model.analysisInput());
    emit refreshed();
}

void ResultsWindow::drawAll()
{
    drawTesteeLists(Scroll::Keep);
    drawStatistics();
    drawQuestionList();
    drawAnswerList();
}

void ResultsWindow::drawTesteeLists(Scroll scroll)
{
    const int top = m_left->verticalScrollBar()->value();
    const TesteeLists lists = m_model.rebuildTesteeLists();
    setLines(m_left, lists.left);
    setLines(m_right, lists.right);
    // An auto refresh every 30 seconds must not take the teacher back to the top
    // of a long class; a new order starts at its top.
    m_left->verticalScrollBar()->setValue(scroll == Scroll::Keep ? top : 0);
}

void ResultsWindow::drawStatistics()
{
    setLines(m_statistics, m_model.statisticsLines());
}

void ResultsWindow::drawQuestionList()
{
    setLines(m_questions, m_model.rebuildQuestionList());
    const QSignalBlocker blocker(m_questions);
    m_questions->setCurrentRow(m_model.selectedQuestion());
}

void ResultsWindow::drawAnswerList()
{
    const int top = m_questions->verticalScrollBar()->value();
    setLines(m_answers, m_model.rebuildAnswerList());
    const QSignalBlocker blocker(m_answers);
    m_answers->setCurrentRow(m_model.selectedQuestion());
    m_answers->verticalScrollBar()->setValue(top);
}

void ResultsWindow::drawDetail()
{
    const QuestionDetail &detail = m_model.detail();
    if (detail.question == 0)
        return;
    if (detail.documentPath.isEmpty())
        m_preview->clearDocument();
    else
        m_preview->loadFile(detail.documentPath);
    for (int k = 0; k <= 7; ++k) {
        QLabel *label = m_counts[size_t(k)];
        label->setText(QString::number(detail.counts[size_t(k)]));
        QPalette colours = label->palette();
        colours.setColor(QPalette::Window, detail.marked[size_t(k)]
                                               ? markColor
                                               : palette().color(QPalette::Midlight));
        label->setPalette(colours);
    }
}

void ResultsWindow::testeeHeaderClicked(TesteeColumn column)
{
    m_model.sortTestees(column);
    drawTesteeLists(Scroll::Top);
    drawAnswerList();
}

void ResultsWindow::questionHeaderClicked(QuestionColumn column)
{
    m_model.sortQuestions(column);
    drawQuestionList();
    drawAnswerList();
    drawDetail();
}

void ResultsWindow::testeeSelected(int row)
{
    m_model.selectTestee(row);
    for (QListWidget *l : {m_left, m_right}) {
        const QSignalBlocker blocker(l);
        l->setCurrentRow(m_model.selectedTestee());
    }
    drawAnswerList();
}

void ResultsWindow::questionClicked(int row)
{
    m_model.showQuestionDetail(row);
    const QSignalBlocker blocker(m_answers);
    m_answers->setCurrentRow(m_model.selectedQuestion());
    drawDetail();
}

void ResultsWindow::outputToExcel()
{
    if (m_model.hasRefreshed())
        m_excel.exportResults(m_model);
}

void ResultsWindow::allowRetest()
{
    reportFailure(tr("Allow retest"), m_model.allowRetest());
}

void ResultsWindow::deleteScore()
{
    reportFailure(tr("Delete score"), m_model.deleteScore());
}

void ResultsWindow::reportFailure(const QString &action, store::WriteStatus status)
{
    // Both act without a word when they work. A record folder that does not exist
    // holds no record to change, so that is no failure either.
    if (status == store::WriteStatus::Ok || status == store::WriteStatus::FolderMissing)
        return;
    const std::optional<int> number = m_model.selectedNumber();
    m_prompts.message(
        tr("%1: the record of testee %2 was not changed, because %3.")
            .arg(action, number ? QString::number(*number) : QString(), store::describe(status)));
}

} // namespace results
