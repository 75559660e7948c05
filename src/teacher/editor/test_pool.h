// The test pool without its frame: the papers to take questions from, the questions of
// the chosen one, the selection, and copying a question into the paper being edited.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/data_root.h"
#include "store/paper.h"

#include <QString>
#include <QStringList>

namespace ui {
class Prompts;
}

namespace editor {

class PaperEditor;

class TestPool
{
public:
    TestPool(store::DataRoot root, ui::Prompts &prompts);

    /// Reads every paper of the roster, the edited one included, in list order.
    QStringList readPaperList();
    const QStringList &paperNames() const { return m_papers; }

    /// Loads the questions of a source paper and the text of each; nothing is selected.
    void choosePaper(const QString &name);
    const QString &poolPaperName() const { return m_poolPaper; }

    /// P, the source paper's question count.
    int count() const { return m_table.questionCount; }
    /// The plain text of each question, item s for question s + 1.
    const QStringList &itemTexts() const { return m_items; }
    /// Entry q (1..P) of the source paper.
    store::Question entry(int q) const { return m_table.question(q); }

    /// The selected item (from 0), or -1.
    int selected() const { return m_selected; }
    void select(int item);
    /// The source paper's own document of item s, never a working copy.
    QString previewDocument(int item) const;

    enum class Import {
        Nothing,  ///< no item selected, or the copy failed
        Imported, ///< appended to the edited paper; the selection moved on
        Declined, ///< the teacher did not want a second copy; the selection moved on
    };
    /// Copies the selected question to the end of the edited paper, asking first when
    /// the paper already holds the same question.
    Import importSelected(PaperEditor &editor);

private:
    void selectNext();

    store::DataRoot m_root;
    ui::Prompts &m_prompts;
    QStringList m_papers;
    QString m_poolPaper;
    store::Paper m_table;
    QStringList m_items;
    int m_selected = -1;
};

} // namespace editor
