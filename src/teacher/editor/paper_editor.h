// The paper editor without its window: the working copy of one paper's documents, the
// question table, the current question and every editing operation on them.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/data_root.h"
#include "store/paper.h"
#include "working_folder.h"

#include <QHash>
#include <QString>
#include <QStringList>

namespace questions {
struct NewQuestion;
}
namespace store {
class RandomSource;
}
namespace ui {
class Prompts;
}

namespace editor {

/// Marks, the default mark, the full mark and the question count are 16-bit numbers of
/// the paper file: an edit that would take one of them outside -32768..32767 is refused
/// with a message and the previous value stays.
class PaperEditor
{
public:
    PaperEditor(store::DataRoot root, QString paper, QString workingFolder, ui::Prompts &prompts,
                store::RandomSource &random);
    ~PaperEditor();
    PaperEditor(const PaperEditor &) = delete;
    PaperEditor &operator=(const PaperEditor &) = delete;

    enum class OpenResult {
        Opened,
        Busy,       ///< another editor holds the working folder (the teacher was told)
        Unreadable, ///< the paper file or the working folder failed (the teacher was told)
    };
    /// Claims and empties the working folder and loads the questions and the grid texts.
    /// Clears the unsaved flag.
    OpenResult openPaperEditor();
    bool isOpen() const { return m_open; }
    /// What the first showing of the window does: an empty paper gets one blank
    /// question (a change), then question 1 is shown.
    void showFirstQuestion();

    const QString &paperName() const { return m_name; }
    /// "Edit paper --" and the paper's name.
    QString windowTitle() const;
    const store::DataRoot &root() const { return m_root; }
    const WorkingFolder &workingFolder() const { return m_folder; }

    int questionCount() const { return m_paper.questionCount; }
    int defaultMark() const { return m_paper.defaultMark; }
    /// Entry q of the table; entries outside 1..Q are empty.
    store::Question question(int q) const { return m_paper.question(q); }
    /// The plain text of question q's document, as the grid shows it.
    QString rowText(int q) const;
    /// The grid's number cell of row q: a space and the number.
    static QString rowNumber(int q) { return u' ' + QString::number(q); }

    /// The current question, 1..Q, or 0 when none is.
    int current() const { return m_current; }
    /// Makes question i current (nothing for an i outside 1..Q), with its documents in
    /// the working folder.
    bool showQuestion(int i);
    /// The documents of question q in the working folder; empty when it names none.
    QString questionDocument(int q) const;
    QString explanationDocument(int q) const;

    /// "No.3  Total:10   Full mark:50" for the current question.
    QString frameCaption() const;
    /// Whether option k (1..7) is among the current question's correct options.
    bool isOptionTicked(int k) const;
    /// The "Mark:" box: the question's own mark, or the default mark (disabled).
    QString markBoxText() const;
    bool isMarkBoxEnabled() const;
    bool isDefaultTicked() const;
    /// The "Default  mark" box as the paper holds it.
    QString defaultMarkText() const { return QString::number(m_paper.defaultMark); }

    /// Sum of the marks in question order, an empty mark counting as the default mark,
    /// the running sum rounded halves to even after each own mark.
    int computeFullMark() const;

    /// Ticks or unticks option k and rebuilds the answer from the ticked options.
    void setOptionTicked(int k, bool ticked);
    /// The "Mark:" box changed. False when refused (the mark stays as it was).
    bool setMark(const QString &text);
    /// The "Default" box: ticked empties the question's mark, unticked makes the
    /// default mark the question's own.
    bool setUseDefaultMark(bool useDefault);
    /// The "Default  mark" box changed. False when refused.
    bool setDefaultMark(const QString &text);
    /// The question pane's text changed: the grid row follows, and it is a change.
    void questionTextChanged(const QString &plainText);
    /// The explanation pane's text changed.
    void explanationTextChanged();

    void previousQuestion();
    /// The next question, or a new one after the last.
    void nextQuestion();
    /// A blank question after the current one, with the mark of the question before it.
    bool insertQuestion();
    /// Deletes the current question; the only question is not deleted.
    bool deleteQuestion();
    bool moveQuestionUp();
    bool moveQuestionDown();
    /// Appends a copy of another paper's question: its documents under new names (an
    /// empty document where the source has none), its answer and mark as they are.
    bool importPoolQuestion(const store::Question &source, const QString &sourcePaper,
                            const QString &rowText);

    /// Puts imported questions after question `after` (0 puts them first), each with its
    /// documents under new names, and makes the first of them current. All of them come
    /// in or, when one cannot (a mark out of range, a full mark too large, a document that
    /// cannot be written), none does and the teacher is told why. The one blank question
    /// a new paper opens on gives way to them. Their documents are kept in memory until
    /// shown or saved.
    bool importQuestions(const QList<questions::NewQuestion> &imported, int after);

    bool unsavedChanges() const { return m_unsaved; }

    /// Writes each changed document into the paper folder under a new name, then the
    /// paper file naming them in one write, then deletes the documents no question names
    /// any more. Every failure is reported, and until the paper file is written the paper
    /// stays exactly as it was saved last.
    bool savePaperEdits();
    /// Deletes the paper folder's "*.rtf" files that no question 1..Q names.
    void clearGarbageDocuments() const;

    /// Whether the editor may close: asks "Will you went to exit without save?" when
    /// something is unsaved.
    bool mayClose();
    /// Empties the working folder and lets it go.
    void closePaperEditor();

    /// The largest number the paper file can hold for a count or a mark.
    static constexpr int maxValue = 32767;
    static constexpr int minValue = -32768;
    /// The default mark of a paper whose file has none yet.
    static constexpr int newPaperMark = 5;

private:
    /// Whether question q holds nothing: no text, no picture, no explanation, no key.
    bool isBlank(int q) const;
    bool fitsFullMark(const QList<store::Question> &questions, int count, int defaultMark);
    static qint64 fullMarkOf(const QList<store::Question> &questions, int count, int defaultMark);
    QString newDocumentName();
    /// The current question's mark, when the full mark stays in range.
    bool storeMark(const QString &mark);
    void bringIn(int q);
    void refuse(const QString &why);
    QString documentFailure(const QString &name, const store::WriteOutcome &outcome,
                            const QString &where) const;

    store::DataRoot m_root;
    QString m_name;
    ui::Prompts &m_prompts;
    store::RandomSource &m_random;
    WorkingFolder m_folder;
    store::Paper m_paper;
    QStringList m_rowTexts; ///< m_rowTexts[q - 1] is question q's text
    /// Imported documents not yet shown or saved: case-folded name -> bytes.
    QHash<QString, QByteArray> m_pending;
    int m_current = 0;
    bool m_unsaved = false;
    bool m_open = false;
};

} // namespace editor
