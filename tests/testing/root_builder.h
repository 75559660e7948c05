// Data roots for the tests: roster, papers, documents and result records, laid out as
// the programs leave them. Papers are written as the Windows programs write them (GBK,
// CRLF), the roster's lists and the records through the store's own writers.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/data_root.h"
#include "store/paper.h"
#include "store/roster.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

namespace testing {

/// Keys and values of one section, in file order.
using KeyValues = QList<QPair<QString, QString>>;

/// A question of a paper the editor saved, by the texts of its two documents.
struct FixtureQuestion
{
    QString text;        ///< the question document's text; lines separated by "\n"
    QString explanation; ///< the explanation document's text
    QString answer;
    QString mark;
};

/// Whether questions() sets the paper's Question_conut to their number.
enum class QuestionCount { Written, Left };
/// Whether keyedPaper() writes the documents its questions name.
enum class Documents { None, Written };

class RootBuilder
{
public:
    /// A root with its "sys" folder in a temporary folder of its own, and a local folder
    /// beside it; both stay on disk when the test fails.
    RootBuilder();
    /// A root with its "sys" folder in `folder`, which the test owns.
    explicit RootBuilder(const QString &folder);
    ~RootBuilder();
    RootBuilder(const RootBuilder &) = delete;
    RootBuilder &operator=(const RootBuilder &) = delete;

    store::DataRoot root() const { return store::DataRoot(m_path); }
    const QString &path() const { return m_path; }
    QString rosterFile() const { return root().rosterFile(); }
    QByteArray rosterBytes() const;
    /// A folder outside the root for a program's local copies ("editor"); not created.
    QString localFolder(const QString &name) const;

    /// A file under the root with these bytes.
    RootBuilder &file(const QString &relative, const QByteArray &bytes);
    /// A copy of `source` under the root, in place of what was there.
    RootBuilder &copy(const QString &source, const QString &relative);
    /// The folders of papers and results ("SHIJUAN", "CHENGJI") that a new root has.
    RootBuilder &paperFolders();
    /// Removes the "sys" folder, so that every roster write fails.
    RootBuilder &removeSys();

    /// The roster from text, as the Windows programs would write it.
    RootBuilder &roster(const QString &text);
    /// Keys of one roster section.
    RootBuilder &rosterKeys(const QString &section, const KeyValues &values);
    /// Classes added to the class list (a class of the same name is replaced).
    RootBuilder &classes(const QList<store::ClassEntry> &classes);
    /// A paper added to the roster's list, with its offered flag ("" writes no flag).
    RootBuilder &offer(const QString &paper, const QString &flag = QStringLiteral("1"));
    /// The admission flag of a class for a paper.
    RootBuilder &admit(const QString &paper, const QString &className,
                       const QString &flag = QStringLiteral("1"));

    /// The twelve "MAIN" keys that "Manage paper" writes.
    static KeyValues settings(const QString &about, const QString &testTime = QStringLiteral("30"),
                              const QString &author = QStringLiteral("王老师"));
    /// What the editor leaves after one save of a two-question paper: all fifteen "MAIN" keys.
    static KeyValues savedSettings(const QString &testTime = QStringLiteral("45"));
    /// Questions 1..count with documents "q<k>.RTF" and "e<k>.RTF", key "1", no mark.
    static QList<store::Question> plainQuestions(int count);

    /// The paper's folders and "MAIN" keys; a key given before keeps its place.
    RootBuilder &paper(const QString &name, const KeyValues &main);
    /// The paper's question sections, in place of those given before.
    RootBuilder &questions(const QString &paper, const QList<store::Question> &questions,
                           QuestionCount count = QuestionCount::Written);
    /// Question_conut, full_mark (the sum of the marks, `defaultMark` for a question
    /// without one) and Mark.
    RootBuilder &marks(const QString &paper, int defaultMark);
    RootBuilder &document(const QString &paper, const QString &fileName, const QByteArray &bytes);
    /// A document of lines of text, as rtf() writes them.
    RootBuilder &rtfDocument(const QString &paper, const QString &fileName, const QString &text);
    /// For each document the questions name: a small RTF file that holds the name.
    RootBuilder &namedDocuments(const QString &paper);

    /// A paper as "Manage paper" saves it (test time 45, about_test its name), with its
    /// questions and marks.
    RootBuilder &savedPaper(const QString &name, const QList<store::Question> &questions,
                            int defaultMark = 5, const QString &author = QStringLiteral("李老师"));
    /// A paper with `main` and two questions, with their documents.
    RootBuilder &twoQuestionPaper(const QString &name, const KeyValues &main);
    /// A paper on offer as a new one starts, one question per answer key ("" for none)
    /// naming a document "q<k>.rtf" ("Question k: which options are right?"), each worth 5.
    RootBuilder &keyedPaper(const QString &name, const QStringList &answers,
                            Documents documents = Documents::None);
    /// A paper the editor saved: its settings, marks and questions, the documents
    /// "<first + 2q - 2>.RTF" (question) and "<first + 2q - 1>.RTF" (explanation) as
    /// WordPad writes them.
    RootBuilder &editedPaper(const QString &name, const QList<FixtureQuestion> &questions,
                             int defaultMark = 5, int first = 1001);

    /// A testee who logged in and started: names, start stamp and, with answers, an autosave.
    RootBuilder &start(const QString &paper, const QString &className, int number,
                       const QString &firstName, const QString &lastName = {},
                       const QList<int> &answers = {});
    /// A testee who finished with a score text as the student program writes it.
    RootBuilder &finish(const QString &paper, const QString &className, int number,
                        const QString &firstName, const QString &lastName, const QString &score,
                        const QString &time2, const QList<int> &answers = {});
    /// The same record written straight to disk as a Windows installation leaves it:
    /// quick for classes of hundreds.
    RootBuilder &finishRaw(const QString &paper, const QString &className, int number,
                           const QString &firstName, const QString &score, const QString &time2,
                           const QList<int> &answers = {});
    /// Keys of a testee's record, each after the number ("TIME1" -> 7TIME1), as given.
    RootBuilder &record(const QString &paper, const QString &className, const QString &number,
                        const KeyValues &suffixedValues);

    /// RTF of lines of text, non-ASCII characters as \uN.
    static QByteArray rtf(const QString &text);
    /// RTF as WordPad writes it: GBK text in a Chinese font.
    static QByteArray wordpadRtf(const QString &text);

private:
    struct PaperKeys
    {
        KeyValues main;
        QList<store::Question> questions;
    };
    void writePaper(const QString &name);
    void apply(const QString &file, const QString &section, const KeyValues &values);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QTemporaryDir> m_local;
    QString m_path;
    QList<store::ClassEntry> m_classes;
    KeyValues m_offers;
    QMap<QString, PaperKeys> m_papers;
};

} // namespace testing
