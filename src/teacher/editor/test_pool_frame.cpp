// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_pool_frame.h"

#include "ui/rich_text_pane.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

namespace editor {

TestPoolFrame::TestPoolFrame(store::DataRoot root, ui::Prompts &prompts, PaperEditor &editor,
                             QWidget *parent)
    : QGroupBox(tr("Test pool"), parent)
    , m_pool(std::move(root), prompts)
    , m_editor(editor)
    , m_papers(new QComboBox(this))
    , m_list(new QListWidget(this))
    , m_preview(new ui::RichTextPane(this))
    , m_input(new QPushButton(tr("<-Input question from test pool<-"), this))
{
    setObjectName(QStringLiteral("FramePool"));
    setAccessibleName(title());

    m_papers->setObjectName(QStringLiteral("ComboPaper"));
    m_papers->setAccessibleName(tr("Test paper"));
    m_papers->setMinimumWidth(220);
    auto *paperLabel = new QLabel(tr("Test paper"), this);
    paperLabel->setBuddy(m_papers);

    m_list->setObjectName(QStringLiteral("ListPool"));
    m_list->setAccessibleName(tr("Questions of the test paper"));
    m_list->setToolTip(tr("Dblclick to input question "));
    m_list->setWordWrap(false);

    m_preview->setObjectName(QStringLiteral("RichPreview"));
    m_preview->setAccessibleName(tr("Preview"));
    m_preview->setReadOnly(true);

    m_input->setObjectName(QStringLiteral("CmdInput"));
    m_input->setAccessibleName(m_input->text());
    m_input->setAutoDefault(false);

    auto *top = new QHBoxLayout;
    top->addWidget(paperLabel);
    top->addWidget(m_papers, 1);
    top->addStretch(1);
    auto *splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(m_list);
    splitter->addWidget(m_preview);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 1);
    splitter->setChildrenCollapsible(false);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_input);
    bottom->addStretch(1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(splitter, 1);
    layout->addLayout(bottom);

    connect(m_papers, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!m_filling)
            choosePaper(index);
    });
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        if (m_filling)
            return;
        m_pool.select(row);
        showSelection();
    });
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *item) {
        m_pool.select(m_list->row(item));
        importSelected();
    });
    connect(m_input, &QPushButton::clicked, this, &TestPoolFrame::importSelected);
}

QString TestPoolFrame::itemText(const QString &plainText)
{
    QString text = plainText;
    text.replace(u'\n', u' ');
    return text;
}

void TestPoolFrame::refillPapers()
{
    m_filling = true;
    m_papers->clear();
    m_papers->addItems(m_pool.readPaperList());
    m_filling = false;
    if (m_papers->count() > 0) {
        m_papers->setCurrentIndex(0);
        choosePaper(0);
    } else {
        m_pool.choosePaper(QString());
        m_list->clear();
        m_preview->clearDocument();
    }
}

void TestPoolFrame::choosePaper(int index)
{
    m_pool.choosePaper(index >= 0 ? m_papers->itemText(index) : QString());
    m_filling = true;
    m_list->clear();
    for (const QString &text : m_pool.itemTexts())
        m_list->addItem(itemText(text));
    m_list->setCurrentRow(-1);
    m_filling = false;
    m_preview->clearDocument();
}

void TestPoolFrame::showSelection()
{
    const int item = m_pool.selected();
    if (m_list->currentRow() != item) {
        m_filling = true;
        m_list->setCurrentRow(item);
        m_filling = false;
    }
    if (item < 0) {
        m_preview->clearDocument();
        return;
    }
    // A missing document previews as an empty pane.
    m_preview->loadFile(m_pool.previewDocument(item));
}

void TestPoolFrame::importSelected()
{
    const TestPool::Import result = m_pool.importSelected(m_editor);
    if (result != TestPool::Import::Nothing) {
        showSelection();
        m_list->setFocus(Qt::OtherFocusReason);
    }
    if (result == TestPool::Import::Imported)
        Q_EMIT imported();
}

} // namespace editor
