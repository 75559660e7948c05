// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_pool.h"

#include <QCoreApplication>

#include "paper_editor.h"
#include "richtext/plain_text.h"
#include "store/folder_index.h"
#include "store/roster.h"
#include "working_folder.h"
#include "ui/prompts.h"

namespace editor {

TestPool::TestPool(store::DataRoot root, ui::Prompts &prompts)
    : m_root(std::move(root))
    , m_prompts(prompts)
{}

QStringList TestPool::readPaperList()
{
    m_papers = store::Roster(m_root).readPaperList();
    return m_papers;
}

void TestPool::choosePaper(const QString &name)
{
    m_poolPaper = name.trimmed();
    m_table = store::Paper();
    m_table.name = m_poolPaper;
    store::PaperFile(m_root.paperFile(m_poolPaper)).loadPaperQuestions(m_table);
    if (m_table.questionCount < 0)
        m_table.questionCount = 0;
    m_table.questions.resize(m_table.questionCount + 2);

    // One listing of the folder serves every look-up in it.
    const store::FolderIndex folder(m_root.paperFolder(m_poolPaper));
    m_items.clear();
    m_items.reserve(m_table.questionCount);
    for (int q = 1; q <= m_table.questionCount; ++q) {
        const QString document = folder.find(m_table.questions.at(q).question.trimmed());
        m_items.append(richtext::plainText(readDocument(document)));
    }
    m_selected = -1;
}

void TestPool::select(int item)
{
    m_selected = item >= 0 && item < m_items.size() ? item : -1;
}

QString TestPool::previewDocument(int item) const
{
    const QString name = entry(item + 1).question.trimmed();
    if (name.isEmpty())
        return {};
    return m_root.paperDocument(m_poolPaper, name);
}

void TestPool::selectNext()
{
    if (m_selected + 1 < m_items.size())
        m_selected += 1;
}

TestPool::Import TestPool::importSelected(PaperEditor &editor)
{
    if (m_selected < 0 || m_selected >= m_items.size())
        return Import::Nothing;
    const store::Question source = entry(m_selected + 1);
    const QString document = source.question.trimmed();
    for (int q = 1; q <= editor.questionCount(); ++q) {
        if (document.isEmpty() ||
            editor.question(q).question.trimmed().compare(document, Qt::CaseInsensitive) != 0)
            continue;
        if (!m_prompts.confirm(QCoreApplication::translate(
                "TestPool", "The question already exists!\rwill you add the "
                            "same question?"))) {
            selectNext();
            return Import::Declined;
        }
        break;
    }
    if (!editor.importPoolQuestion(source, m_poolPaper, m_items.at(m_selected)))
        return Import::Nothing;
    selectNext();
    return Import::Imported;
}

} // namespace editor
