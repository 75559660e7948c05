// The "Test pool" frame of the paper editor: a source paper, its questions, a preview and
// the button that copies the chosen question into the paper being edited.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "test_pool.h"

#include <QGroupBox>

class QComboBox;
class QListWidget;
class QPushButton;

namespace ui {
class RichTextPane;
}

namespace editor {

class TestPoolFrame : public QGroupBox
{
    Q_OBJECT

public:
    TestPoolFrame(store::DataRoot root, ui::Prompts &prompts, PaperEditor &editor, QWidget *parent);

    /// Fills the paper choice box from the roster and chooses the first paper.
    void refillPapers();

    const TestPool &pool() const { return m_pool; }
    QComboBox *paperBox() const { return m_papers; }
    QListWidget *questionList() const { return m_list; }
    ui::RichTextPane *preview() const { return m_preview; }
    QPushButton *inputButton() const { return m_input; }

    /// What the list shows of a question: its text on one line.
    static QString itemText(const QString &plainText);

Q_SIGNALS:
    /// A question was appended to the edited paper.
    void imported();

private:
    void choosePaper(int index);
    void showSelection();
    void importSelected();

    TestPool m_pool;
    PaperEditor &m_editor;
    QComboBox *m_papers;
    QListWidget *m_list;
    ui::RichTextPane *m_preview;
    QPushButton *m_input;
    bool m_filling = false;
};

} // namespace editor
