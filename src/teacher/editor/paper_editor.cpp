// SPDX-License-Identifier: GPL-3.0-or-later
#include "paper_editor.h"

#include "document_batch.h"
#include "questions/question_documents.h"
#include "richtext/plain_text.h"
#include "store/folder_index.h"
#include "store/numeric.h"
#include "store/profile_file.h"
#include "store/random_source.h"
#include "ui/prompts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace editor {

namespace {

bool inRange(qint64 value)
{
    return value >= PaperEditor::minValue && value <= PaperEditor::maxValue;
}

QString rangeText()
{
    return QCoreApplication::translate("PaperEditor", "%1 and %2")
        .arg(PaperEditor::minValue)
        .arg(PaperEditor::maxValue);
}

} // namespace

PaperEditor::PaperEditor(store::DataRoot root, QString paper, QString workingFolder,
                         ui::Prompts &prompts, store::RandomSource &random)
    : m_root(std::move(root))
    , m_name(paper.trimmed())
    , m_prompts(prompts)
    , m_random(random)
    , m_folder(std::move(workingFolder))
{}

PaperEditor::~PaperEditor()
{
    closePaperEditor();
}

QString PaperEditor::windowTitle() const
{
    return QCoreApplication::translate("PaperEditor", "Edit paper --") + m_name;
}

PaperEditor::OpenResult PaperEditor::openPaperEditor()
{
    switch (m_folder.claim()) {
    case WorkingFolder::Claim::Claimed:
        break;
    case WorkingFolder::Claim::Busy:
        m_prompts.message(QCoreApplication::translate(
            "PaperEditor", "A paper is already being edited on this computer. "
                           "Finish editing it in the other window, then try again."));
        return OpenResult::Busy;
    case WorkingFolder::Claim::Failed:
        m_prompts.message(QCoreApplication::translate(
                              "PaperEditor", "The paper editor cannot use its working folder %1.")
                              .arg(m_folder.path()));
        return OpenResult::Unreadable;
    }
    m_folder.removeDocuments();

    m_paper = store::Paper();
    m_paper.name = m_name;
    const QString paperFile = m_root.paperFile(m_name);
    const store::ProfileSnapshot file = store::ProfileFile(paperFile).read();
    const store::ReadStatus status = file.status();
    if (status == store::ReadStatus::Error || status == store::ReadStatus::TooLarge) {
        // Opening it as an empty paper would let "OK" write one blank question over it.
        m_prompts.message(QCoreApplication::translate(
                              "PaperEditor", "The paper file %1 cannot be read (%2); the paper is "
                                             "left as it is.")
                              .arg(paperFile, store::describe(status)));
        m_folder.release();
        return OpenResult::Unreadable;
    }
    store::PaperFile::loadPaperQuestions(file, m_paper);
    // "Manage paper" shows a paper that never had a default mark with 5; the questions
    // written now count with what the teacher saw there, not with 0.
    if (!file.find(u"MAIN", u"Mark"))
        m_paper.defaultMark = newPaperMark;
    if (m_paper.questionCount < 0)
        m_paper.questionCount = 0;
    const int count = m_paper.questionCount;
    m_paper.questions.resize(count + 2);

    // The grid needs the text of every question document. It is read from the paper
    // folder; documents come into the working folder only when they are shown.
    const store::FolderIndex paperFolder(m_root.paperFolder(m_name));
    m_rowTexts = QStringList(count, QString());
    for (int q = 1; q <= count; ++q) {
        const QString name = m_paper.questions.at(q).question.trimmed();
        if (!name.isEmpty())
            m_rowTexts[q - 1] = richtext::plainText(readDocument(paperFolder.find(name)));
    }

    m_current = 0;
    m_unsaved = false;
    m_open = true;
    return OpenResult::Opened;
}

void PaperEditor::showFirstQuestion()
{
    if (m_paper.questionCount < 1)
        insertQuestion();
    showQuestion(1);
}

QString PaperEditor::rowText(int q) const
{
    if (q < 1 || q > m_rowTexts.size())
        return {};
    return m_rowTexts.at(q - 1);
}

bool PaperEditor::showQuestion(int i)
{
    if (i < 1 || i > m_paper.questionCount)
        return false;
    m_current = i;
    bringIn(i);
    return true;
}

void PaperEditor::bringIn(int q)
{
    // A question whose document is missing gets an empty one, so that what the teacher
    // types into it is kept and saved like any other document. One that names none (a
    // paper file cut short) gets a new name for it; that alone is no change to ask about.
    // A name that is no plain document name ("../x.rtf", "notes.doc") could not hold
    // what is typed either: it gets a new one.
    store::Question &entry = m_paper.questions[q];
    for (QString *name : {&entry.question, &entry.explain}) {
        const QString trimmed = name->trimmed();
        if (trimmed.isEmpty() || !isDocumentName(trimmed) ||
            m_folder.documentPath(trimmed).isEmpty()) {
            const QString fresh = newDocumentName();
            if (!fresh.isEmpty() && m_folder.writeEmptyDocument(fresh).ok())
                *name = fresh;
            continue;
        }
        if (const auto pending = m_pending.constFind(trimmed.toCaseFolded());
            pending != m_pending.cend()) {
            if (m_folder.writeDocument(trimmed, *pending).ok())
                m_pending.erase(pending);
            continue;
        }
        m_folder.bringIn(trimmed, m_root.paperDocument(m_name, trimmed));
    }
}

QString PaperEditor::questionDocument(int q) const
{
    const QString name = question(q).question.trimmed();
    return name.isEmpty() ? QString() : m_folder.documentPath(name);
}

QString PaperEditor::explanationDocument(int q) const
{
    const QString name = question(q).explain.trimmed();
    return name.isEmpty() ? QString() : m_folder.documentPath(name);
}

QString PaperEditor::frameCaption() const
{
    return QCoreApplication::translate("PaperEditor", "No.") + QString::number(m_current) +
           QCoreApplication::translate("PaperEditor", "  Total:") +
           QString::number(m_paper.questionCount) +
           QCoreApplication::translate("PaperEditor", "   Full mark:") +
           QString::number(computeFullMark());
}

bool PaperEditor::isOptionTicked(int k) const
{
    if (k < 1 || k > 7)
        return false;
    return question(m_current).answer.contains(QChar(u'0' + k));
}

QString PaperEditor::markBoxText() const
{
    const QString mark = question(m_current).mark.trimmed();
    return mark.isEmpty() ? QString::number(m_paper.defaultMark) : mark;
}

bool PaperEditor::isMarkBoxEnabled() const
{
    return !isDefaultTicked();
}

bool PaperEditor::isDefaultTicked() const
{
    return question(m_current).mark.trimmed().isEmpty();
}

qint64 PaperEditor::fullMarkOf(const QList<store::Question> &questions, int count, int defaultMark)
{
    qint64 sum = 0;
    for (int q = 1; q <= count && q < questions.size(); ++q) {
        const QString mark = questions.at(q).mark.trimmed();
        if (mark.isEmpty())
            sum += defaultMark;
        else
            sum = store::roundHalfEven(double(sum) + store::numericValue(mark));
    }
    return sum;
}

int PaperEditor::computeFullMark() const
{
    // A hand-edited file can hold marks beyond the 16-bit range; the sum written stays in it.
    return store::wholeNumber(
        double(fullMarkOf(m_paper.questions, m_paper.questionCount, m_paper.defaultMark)));
}

bool PaperEditor::fitsFullMark(const QList<store::Question> &questions, int count, int defaultMark)
{
    const qint64 total = fullMarkOf(questions, count, defaultMark);
    if (inRange(total))
        return true;
    refuse(QCoreApplication::translate(
               "PaperEditor", "The full mark would be %1, but a paper's full mark must lie between "
                              "%2. The change is not made.")
               .arg(total)
               .arg(rangeText()));
    return false;
}

void PaperEditor::refuse(const QString &why)
{
    m_prompts.message(why);
}

void PaperEditor::setOptionTicked(int k, bool ticked)
{
    if (m_current < 1 || k < 1 || k > 7)
        return;
    QString answer;
    for (int option = 1; option <= 7; ++option) {
        if (option == k ? ticked : isOptionTicked(option))
            answer += QChar(u'0' + option);
    }
    m_paper.questions[m_current].answer = answer;
    m_unsaved = true;
}

bool PaperEditor::setMark(const QString &text)
{
    if (m_current < 1)
        return true;
    const QString mark = text.trimmed();
    if (!mark.isEmpty() && !inRange(store::roundHalfEven(store::numericValue(mark)))) {
        refuse(QCoreApplication::translate("PaperEditor", "A question's mark must lie between %1.")
                   .arg(rangeText()));
        return false;
    }
    return storeMark(mark);
}

bool PaperEditor::setUseDefaultMark(bool useDefault)
{
    if (m_current < 1)
        return false;
    return storeMark(useDefault ? QString() : QString::number(m_paper.defaultMark));
}

bool PaperEditor::storeMark(const QString &mark)
{
    QList<store::Question> questions = m_paper.questions;
    questions[m_current].mark = mark;
    if (!fitsFullMark(questions, m_paper.questionCount, m_paper.defaultMark))
        return false;
    m_paper.questions[m_current].mark = mark;
    m_unsaved = true;
    return true;
}

bool PaperEditor::setDefaultMark(const QString &text)
{
    const qint64 value = store::roundHalfEven(store::numericValue(text));
    if (!inRange(value)) {
        refuse(QCoreApplication::translate("PaperEditor", "The default mark must lie between %1.")
                   .arg(rangeText()));
        return false;
    }
    if (!fitsFullMark(m_paper.questions, m_paper.questionCount, int(value)))
        return false;
    m_paper.defaultMark = int(value);
    m_unsaved = true;
    return true;
}

void PaperEditor::questionTextChanged(const QString &plainText)
{
    if (m_current < 1)
        return;
    m_rowTexts[m_current - 1] = plainText;
    m_unsaved = true;
}

void PaperEditor::explanationTextChanged()
{
    m_unsaved = true;
}

void PaperEditor::previousQuestion()
{
    if (m_current > 1)
        showQuestion(m_current - 1);
}

void PaperEditor::nextQuestion()
{
    if (m_current < m_paper.questionCount)
        showQuestion(m_current + 1);
    else
        insertQuestion();
}

QString PaperEditor::newDocumentName()
{
    // Free in the working folder and in the paper folder, so that a save can never
    // write over a document of the paper that did not come into the working folder.
    const store::FolderIndex paperFolder(m_root.paperFolder(m_name));
    QString name;
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = store::newRtfFileName(m_folder.path(), QStringLiteral("RTF"), m_random);
        if (name.isEmpty() ||
            (paperFolder.find(name).isEmpty() && !m_pending.contains(name.toCaseFolded())))
            return name;
    }
    return name;
}

bool PaperEditor::insertQuestion()
{
    const int count = m_paper.questionCount;
    if (count >= maxValue) {
        refuse(QCoreApplication::translate("PaperEditor", "A paper holds at most %1 questions.")
                   .arg(maxValue));
        return false;
    }
    const int p = m_current + 1;
    store::Question entry;
    entry.mark = m_paper.question(p - 1).mark;
    QList<store::Question> questions = m_paper.questions;
    questions.insert(p, entry);
    if (!fitsFullMark(questions, count + 1, m_paper.defaultMark))
        return false;

    // Each name is taken before the next is drawn, so the two always differ.
    entry.question = newDocumentName();
    if (entry.question.isEmpty() || !m_folder.writeEmptyDocument(entry.question).ok()) {
        refuse(
            QCoreApplication::translate("PaperEditor", "A new question cannot be written into %1.")
                .arg(m_folder.path()));
        return false;
    }
    entry.explain = newDocumentName();
    if (entry.explain.isEmpty() || !m_folder.writeEmptyDocument(entry.explain).ok()) {
        refuse(
            QCoreApplication::translate("PaperEditor", "A new question cannot be written into %1.")
                .arg(m_folder.path()));
        return false;
    }
    m_paper.questions.insert(p, entry);
    m_rowTexts.insert(p - 1, QString());
    m_paper.questionCount = count + 1;
    m_current = p;
    m_unsaved = true;
    return true;
}

bool PaperEditor::deleteQuestion()
{
    const int count = m_paper.questionCount;
    const int r = m_current < 1 ? 1 : m_current;
    if (count <= 1) {
        m_prompts.message(
            QCoreApplication::translate("PaperEditor", "Not allow to delete the question!"));
        return false;
    }
    QList<store::Question> questions = m_paper.questions;
    questions.remove(r);
    if (!fitsFullMark(questions, count - 1, m_paper.defaultMark))
        return false;
    // The documents stay in the working folder; the next save removes them from the paper.
    m_paper.questions = std::move(questions);
    m_rowTexts.remove(r - 1);
    m_paper.questionCount = count - 1;
    showQuestion(r == 1 ? 1 : r - 1);
    m_unsaved = true;
    return true;
}

bool PaperEditor::moveQuestionUp()
{
    const int r = m_current;
    if (r <= 1 || r > m_paper.questionCount)
        return false;
    QList<store::Question> questions = m_paper.questions;
    questions.swapItemsAt(r - 1, r);
    // Fractional marks round in order, so an order can change the full mark.
    if (!fitsFullMark(questions, m_paper.questionCount, m_paper.defaultMark))
        return false;
    m_paper.questions = std::move(questions);
    m_rowTexts.swapItemsAt(r - 2, r - 1);
    m_current = r - 1;
    m_unsaved = true;
    return true;
}

bool PaperEditor::moveQuestionDown()
{
    const int r = m_current;
    if (r < 1 || r >= m_paper.questionCount)
        return false;
    QList<store::Question> questions = m_paper.questions;
    questions.swapItemsAt(r, r + 1);
    if (!fitsFullMark(questions, m_paper.questionCount, m_paper.defaultMark))
        return false;
    m_paper.questions = std::move(questions);
    m_rowTexts.swapItemsAt(r - 1, r);
    m_current = r + 1;
    m_unsaved = true;
    return true;
}

bool PaperEditor::importPoolQuestion(const store::Question &source, const QString &sourcePaper,
                                     const QString &rowText)
{
    const int count = m_paper.questionCount;
    if (count >= maxValue) {
        refuse(QCoreApplication::translate("PaperEditor", "A paper holds at most %1 questions.")
                   .arg(maxValue));
        return false;
    }
    store::Question entry;
    entry.answer = source.answer;
    entry.mark = source.mark.trimmed();
    if (!entry.mark.isEmpty() && !inRange(store::roundHalfEven(store::numericValue(entry.mark)))) {
        refuse(
            QCoreApplication::translate(
                "PaperEditor", "The question is not copied: its mark %1 does not lie between %2.")
                .arg(entry.mark, rangeText()));
        return false;
    }
    QList<store::Question> questions = m_paper.questions;
    questions.insert(count + 1, entry);
    if (!fitsFullMark(questions, count + 1, m_paper.defaultMark))
        return false;

    // Documents always come from the source paper's own folder; one that is missing
    // leaves the copy an empty document.
    auto bringIn = [&](const QString &sourceName, QString &name) {
        name = newDocumentName();
        if (name.isEmpty())
            return false;
        const QString from = sourceName.trimmed().isEmpty()
                                 ? QString()
                                 : m_root.paperDocument(sourcePaper, sourceName);
        if (!from.isEmpty() && QFileInfo(from).isFile() && m_folder.copyIn(from, name).ok())
            return true;
        return m_folder.writeEmptyDocument(name).ok();
    };
    if (!bringIn(source.question, entry.question) || !bringIn(source.explain, entry.explain)) {
        refuse(QCoreApplication::translate("PaperEditor", "The question cannot be copied into %1.")
                   .arg(m_folder.path()));
        return false;
    }
    m_paper.questions.insert(count + 1, entry);
    m_rowTexts.append(rowText);
    m_paper.questionCount = count + 1;
    m_current = count + 1;
    m_unsaved = true;
    return true;
}

bool PaperEditor::isBlank(int q) const
{
    if (!rowText(q).trimmed().isEmpty() || !question(q).answer.trimmed().isEmpty())
        return false;
    // Only documents the editor holds can tell: one still in the paper folder may be a
    // picture that gives no text.
    for (const QString &path : {questionDocument(q), explanationDocument(q)}) {
        if (path.isEmpty() || !QFileInfo(path).isFile())
            return false;
        const QByteArray bytes = readDocument(path);
        if (bytes.contains("\\pict") || !richtext::plainText(bytes).trimmed().isEmpty())
            return false;
    }
    return true;
}

bool PaperEditor::importQuestions(const QList<questions::NewQuestion> &imported, int after)
{
    int count = m_paper.questionCount;
    const int n = int(std::min<qsizetype>(imported.size(), maxValue + 1));
    if (n == 0)
        return true;
    if (qint64(count) + n > maxValue) {
        refuse(QCoreApplication::translate(
                   "PaperEditor", "A paper holds at most %1 questions; the %2 questions are not "
                                  "imported.")
                   .arg(maxValue)
                   .arg(imported.size()));
        return false;
    }
    // A new paper opens on one blank question; what comes in takes its place.
    QList<store::Question> questions = m_paper.questions;
    const bool replacesBlank = count == 1 && isBlank(1);
    if (replacesBlank) {
        questions.remove(1);
        count = 0;
    }
    after = std::clamp(after, 0, count);
    QList<store::Question> entries;
    for (int i = 0; i < n; ++i) {
        store::Question entry;
        entry.answer = imported.at(i).answer;
        entry.mark = imported.at(i).mark.trimmed();
        if (!entry.mark.isEmpty() &&
            !inRange(store::roundHalfEven(store::numericValue(entry.mark)))) {
            refuse(QCoreApplication::translate(
                       "PaperEditor",
                       "No question is imported: the mark %1 of question %2 does not "
                       "lie between %3.")
                       .arg(entry.mark)
                       .arg(i + 1)
                       .arg(rangeText()));
            return false;
        }
        entries.append(entry);
    }
    for (int i = 0; i < n; ++i)
        questions.insert(after + 1 + i, entries.at(i));
    if (!fitsFullMark(questions, count + n, m_paper.defaultMark))
        return false;

    // The names are drawn against one listing of each folder: a bank of a thousand
    // questions must not list the folders two thousand times.
    const store::FolderIndex paperFolder(m_root.paperFolder(m_name));
    const store::FolderIndex workingFolder(m_folder.path());
    QSet<QString> taken(m_pending.keyBegin(), m_pending.keyEnd());
    auto freshName = [&]() -> QString {
        for (int attempt = 0; attempt < 100000; ++attempt) {
            const qint64 number = std::clamp<qint64>(
                qint64(std::floor(m_random.uniform() * 100000000.0 + 1.0)), 1, 100000000);
            const QString name = QString::number(number) + QStringLiteral(".RTF");
            if (paperFolder.find(name).isEmpty() && workingFolder.find(name).isEmpty() &&
                !taken.contains(name.toCaseFolded())) {
                taken.insert(name.toCaseFolded());
                return name;
            }
        }
        return {};
    };
    // The documents stay in memory until their question is shown or the paper is saved:
    // a bank of a thousand questions costs no working copies.
    for (int i = 0; i < n; ++i) {
        store::Question &entry = entries[i];
        entry.question = freshName();
        entry.explain = freshName();
        if (entry.question.isEmpty() || entry.explain.isEmpty()) {
            refuse(QCoreApplication::translate(
                       "PaperEditor", "No question is imported: no free document names are left "
                                      "in %1.")
                       .arg(m_folder.path()));
            return false;
        }
    }
    for (int i = 0; i < n; ++i) {
        m_pending.insert(entries.at(i).question.toCaseFolded(), imported.at(i).question);
        m_pending.insert(entries.at(i).explain.toCaseFolded(), imported.at(i).explanation);
    }
    if (replacesBlank) {
        // Its documents stay in the working folder; the save removes them from the paper.
        m_paper.questions.remove(1);
        m_rowTexts.remove(0);
    }
    for (int i = 0; i < n; ++i) {
        m_paper.questions.insert(after + 1 + i, entries.at(i));
        m_rowTexts.insert(after + i, imported.at(i).rowText);
    }
    m_paper.questionCount = count + n;
    m_current = after + 1;
    bringIn(m_current);
    m_unsaved = true;
    return true;
}

bool PaperEditor::savePaperEdits()
{
    m_paper.fullMark = computeFullMark();
    const QString paperFolder = m_root.paperFolder(m_name);
    if (paperFolder.isEmpty() || !QFileInfo(paperFolder).isDir()) {
        refuse(QCoreApplication::translate("PaperEditor",
                                           "The paper is not saved: its folder %1 does not exist.")
                   .arg(paperFolder.isEmpty() ? m_name : paperFolder));
        return false;
    }

    // 1. Every changed document goes in under a name the paper file does not name yet, so
    // that until the paper file is written the paper is exactly as it was saved last:
    // its texts never meet answer keys they were not written with.
    DocumentBatch::removeLeftovers(paperFolder);
    // One listing of each folder answers every look-up of the loop.
    const store::FolderIndex target(paperFolder);
    const store::FolderIndex workingFolder(m_folder.path());
    DocumentBatch documents(paperFolder);
    QHash<QString, QString> newNames;         ///< case-folded name -> the name it is saved under
    QSet<QString> kept;                       ///< case-folded names that stay as they are
    QSet<QString> taken;                      ///< case-folded names given out in this save
    QList<std::pair<QString, QString>> moved; ///< working copy -> the name it is saved under
    QStringList written;                      ///< case-folded names of documents from memory
    QStringList failures;
    auto freshName = [&] {
        for (;;) {
            const qint64 n = std::clamp<qint64>(
                qint64(std::floor(m_random.uniform() * 100000000.0 + 1.0)), 1, 100000000);
            const QString name = QString::number(n) + QStringLiteral(".RTF");
            if (target.find(name).isEmpty() && workingFolder.find(name).isEmpty() &&
                !taken.contains(name.toCaseFolded()) && !m_pending.contains(name.toCaseFolded())) {
                taken.insert(name.toCaseFolded());
                return name;
            }
        }
    };
    for (int q = 1; q <= m_paper.questionCount; ++q) {
        const store::Question &entry = m_paper.questions.at(q);
        for (const QString &raw : {entry.question, entry.explain}) {
            const QString name = raw.trimmed();
            const QString key = name.toCaseFolded();
            if (!isDocumentName(name) || kept.contains(key) || newNames.contains(key))
                continue;
            const QString existing = target.find(name);
            QString working = workingFolder.find(name);
            if (const auto pending = m_pending.constFind(key);
                working.isEmpty() && pending != m_pending.cend()) {
                // Imported and never shown: its bytes go in straight from memory.
                const QString saved = existing.isEmpty() ? name : freshName();
                taken.insert(saved.toCaseFolded());
                if (const store::WriteOutcome added = documents.add(*pending, saved); !added.ok()) {
                    failures.append(documentFailure(
                        name, added, QCoreApplication::translate("PaperEditor", "the data root")));
                    continue;
                }
                newNames.insert(key, saved);
                written.append(key);
                continue;
            }
            if (working.isEmpty()) {
                // Never shown: the paper's own document is the one to keep. A document
                // the paper names but never had is written as an empty one.
                if (!existing.isEmpty()) {
                    kept.insert(key);
                    continue;
                }
                if (const store::WriteOutcome empty = m_folder.writeEmptyDocument(name);
                    !empty.ok()) {
                    failures.append(documentFailure(name, empty,
                                                    QCoreApplication::translate("PaperEditor",
                                                                                "the editor's "
                                                                                "local folder")));
                    continue;
                }
                working = m_folder.documentPath(name);
            }
            if (!existing.isEmpty() && !m_folder.isChanged(name, working)) {
                kept.insert(key);
                continue;
            }
            const QString saved = existing.isEmpty() ? name : freshName();
            taken.insert(saved.toCaseFolded());
            if (const store::WriteOutcome added = documents.add(working, saved); !added.ok()) {
                failures.append(documentFailure(
                    name, added, QCoreApplication::translate("PaperEditor", "the data root")));
                continue;
            }
            newNames.insert(key, saved);
            moved.append({working, saved});
        }
    }
    if (failures.isEmpty()) {
        if (const store::WriteOutcome finished = documents.finish(); !finished.ok())
            failures.append(
                documentFailure(QFileInfo(finished.path).fileName(), finished,
                                QCoreApplication::translate("PaperEditor", "the data root")));
    }
    if (!failures.isEmpty()) {
        documents.discard();
        refuse(QCoreApplication::translate(
                   "PaperEditor", "The paper is not saved; it stays as it was saved last.\n") +
               failures.join(u'\n'));
        return false;
    }

    // 2. The paper file, in one write: the moment the edits take effect.
    store::Paper saved = m_paper;
    for (int q = 1; q <= saved.questionCount; ++q) {
        store::Question &entry = saved.questions[q];
        for (QString *name : {&entry.question, &entry.explain})
            *name = newNames.value(name->trimmed().toCaseFolded(), *name);
    }
    const QString paperFile = m_root.paperFile(m_name);
    const store::WriteStatus status = store::PaperFile(paperFile).savePaperQuestions(saved);
    if (status != store::WriteStatus::Ok) {
        documents.discard();
        refuse(store::notSavedMessage(
            status, QCoreApplication::translate("PaperEditor", "the paper was not saved (%1)")
                        .arg(paperFile)));
        return false;
    }

    // The working folder follows the names the paper now has.
    for (const auto &[working, name] : std::as_const(moved)) {
        const QString to = m_folder.path() + u'/' + name;
        if (working != to)
            std::rename(QFile::encodeName(working).constData(), QFile::encodeName(to).constData());
        m_folder.markUnchanged(name);
    }
    m_paper = std::move(saved);
    // What came from memory is the paper's own now, and comes in from there when shown.
    for (const QString &key : std::as_const(written))
        m_pending.remove(key);

    // 3. Only now the documents that no question names any more.
    clearGarbageDocuments();
    m_unsaved = false;
    return true;
}

QString PaperEditor::documentFailure(const QString &name, const store::WriteOutcome &outcome,
                                     const QString &where) const
{
    QString lost =
        QCoreApplication::translate("PaperEditor", "the document %1 was not saved").arg(name);
    if (!outcome.reason().isEmpty())
        lost += QStringLiteral(" (%1)").arg(outcome.reason());
    return store::notSavedMessage(outcome.status, lost, where);
}

void PaperEditor::clearGarbageDocuments() const
{
    const QString paperFolder = m_root.paperFolder(m_name);
    if (paperFolder.isEmpty())
        return;
    QSet<QString> named;
    for (int q = 1; q <= m_paper.questionCount; ++q) {
        const store::Question &entry = m_paper.questions.at(q);
        named.insert(entry.question.trimmed().toCaseFolded());
        named.insert(entry.explain.trimmed().toCaseFolded());
    }
    QDir folder(paperFolder);
    const QStringList entries = folder.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &entry : entries) {
        if (isDocumentName(entry) && !named.contains(entry.toCaseFolded()))
            folder.remove(entry);
    }
}

bool PaperEditor::mayClose()
{
    if (!m_unsaved)
        return true;
    return m_prompts.question(
        QCoreApplication::translate("PaperEditor", "Will you went to exit without save?"));
}

void PaperEditor::closePaperEditor()
{
    m_pending.clear();
    m_folder.release();
    m_open = false;
}

} // namespace editor
