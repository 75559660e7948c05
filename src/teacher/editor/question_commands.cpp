// SPDX-License-Identifier: GPL-3.0-or-later
#include "question_commands.h"

#include "paper_editor.h"

#include "questions/question_documents.h"
#include "store/atomic_file.h"
#include "store/folder_index.h"
#include "store/numeric.h"
#include "store/paper.h"
#include "store/profile_file.h"
#include "store/random_source.h"
#include "store/regular_file.h"
#include "store/roster.h"
#include "ui/prompts.h"

#include <QCoreApplication>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace editor {

namespace {

/// The editor's messages, as lines on standard error; nothing is ever asked.
class CommandPrompts final : public ui::Prompts
{
public:
    CommandPrompts(QTextStream &err, QString prefix)
        : m_err(err)
        , m_prefix(std::move(prefix))
    {}
    void message(const QString &text, const QString & = {}) override
    {
        m_err << m_prefix << QString(text).replace(u'\n', u' ') << '\n';
    }
    bool confirm(const QString &, const QString & = {}) override { return false; }
    bool question(const QString &, const QString & = {}) override { return false; }
    std::optional<QString> input(const QString &, const QString &, const QString & = {}) override
    {
        return {};
    }
    std::optional<QString> password(const QString &) override { return {}; }
    QString openFile(const QString &, const QString &, const QString &) override { return {}; }
    QString chooseFolder(const QString &, const QString &) override { return {}; }
    std::optional<QColor> chooseColor(const QColor &) override { return {}; }

private:
    QTextStream &m_err;
    QString m_prefix;
};

QString findPaper(const store::DataRoot &root, const teacher::CommandArguments &args,
                  QTextStream &err)
{
    const QString paper = store::Roster(root).read().findPaper(args.value(u"paper"_s));
    if (paper.isEmpty())
        err << args.prefix()
            << QCoreApplication::translate("QuestionCommands", "there is no paper \"%1\"")
                   .arg(args.value(u"paper"_s).trimmed())
            << '\n';
    return paper;
}

// Made when the command is, after the translation is loaded, so that its text is translated.
teacher::CommandOption paperOption()
{
    return {
        u"paper"_s, u"NAME"_s,
        QCoreApplication::translate("QuestionCommands", "The paper, as \"Manage paper\" lists it."),
        true};
}

int importQuestions(const QString &workingFolder, const store::DataRoot &root,
                    const teacher::CommandArguments &args, QTextStream &out, QTextStream &err)
{
    const QString paper = findPaper(root, args, err);
    if (paper.isEmpty())
        return 2;
    if (args.words().isEmpty()) {
        err << args.prefix()
            << QCoreApplication::translate("QuestionCommands",
                                           "name at least one FILE of questions")
            << '\n';
        return 2;
    }
    std::optional<questions::Format> format;
    if (args.isSet(u"format"_s))
        format = questions::formatFromName(args.value(u"format"_s));
    const questions::Encoding encoding = questions::encodingFromName(args.value(u"encoding"_s))
                                             .value_or(questions::Encoding::Detect);

    const questions::ImportPlan plan = questions::planImport(args.words(), format, encoding);
    if (!plan.error.isEmpty()) {
        err << args.prefix()
            << QCoreApplication::translate("QuestionCommands", "%1; nothing is imported")
                   .arg(plan.error)
            << '\n';
        return 1;
    }
    for (const QString &line : plan.skipped)
        err << args.prefix()
            << QCoreApplication::translate("QuestionCommands", "skipped %1").arg(line) << '\n';
    if (plan.questions.isEmpty()) {
        err << args.prefix()
            << QCoreApplication::translate("QuestionCommands",
                                           "the files hold no question that can be imported")
            << '\n';
        return 1;
    }

    CommandPrompts prompts(err, args.prefix());
    store::SystemRandom random;
    PaperEditor editor(root, paper, workingFolder, prompts, random);
    if (editor.openPaperEditor() != PaperEditor::OpenResult::Opened)
        return 1;
    const int before = editor.questionCount();
    const bool saved = editor.importQuestions(plan.questions, before) && editor.savePaperEdits();
    editor.closePaperEditor();
    if (!saved)
        return 1;
    // One pass of arguments: a paper's name may hold "%1" itself.
    const QString first = QString::number(before + 1);
    const QString total = QString::number(editor.questionCount());
    out << (plan.questions.size() == 1
                ? QCoreApplication::translate("QuestionCommands",
                                              "Imported 1 question into \"%1\": question %2 of %3.")
                      .arg(paper, first, total)
                : QCoreApplication::translate(
                      "QuestionCommands",
                      "Imported %1 questions into \"%2\": questions %3 to %4 of %5.")
                      .arg(QString::number(plan.questions.size()), paper, first,
                           QString::number(before + plan.questions.size()), total))
        << '\n';
    return 0;
}

int exportQuestions(const store::DataRoot &root, const teacher::CommandArguments &args,
                    QTextStream &out, QTextStream &err)
{
    const QString paper = findPaper(root, args, err);
    if (paper.isEmpty())
        return 2;
    const questions::Format format =
        questions::formatFromName(args.value(u"format"_s)).value_or(questions::Format::Gift);

    store::Paper loaded;
    loaded.name = paper;
    const store::ProfileSnapshot file = store::ProfileFile(root.paperFile(paper)).read();
    if (const store::ReadStatus status = file.status();
        status == store::ReadStatus::Error || status == store::ReadStatus::TooLarge) {
        err << args.prefix()
            << QCoreApplication::translate("QuestionCommands",
                                           "the paper file %1 cannot be read (%2)")
                   .arg(root.paperFile(paper), store::describe(status))
            << '\n';
        return 1;
    }
    store::PaperFile::loadPaperQuestions(file, loaded);
    if (!file.find(u"MAIN", u"Mark"))
        loaded.defaultMark = PaperEditor::newPaperMark;

    const store::FolderIndex folder(root.paperFolder(paper));
    auto document = [&folder](const QString &name) {
        const QString path = name.trimmed().isEmpty() ? QString() : folder.find(name.trimmed());
        return path.isEmpty() ? QByteArray() : readDocument(path);
    };
    QList<questions::Item> items;
    questions::ExportNotes notes;
    for (int q = 1; q <= loaded.questionCount; ++q) {
        const store::Question entry = loaded.question(q);
        questions::PaperQuestion question;
        question.title = u"%1 %2"_s.arg(paper).arg(q);
        question.question = document(entry.question);
        question.explanation = document(entry.explain);
        question.answer = entry.answer.trimmed();
        question.mark = entry.mark.trimmed().isEmpty() ? double(loaded.defaultMark)
                                                       : store::numericValue(entry.mark);
        const bool html = format == questions::Format::MoodleXml;
        items.append(questions::toItem(question, html, &notes));
        if (format == questions::Format::Aiken && question.answer.size() > 1)
            ++notes.answersLeftOut;
    }

    const QString output = args.value(u"output"_s);
    if (const store::WriteOutcome written =
            store::AtomicFile::write(output, questions::writeQuestions(items, format));
        !written.ok()) {
        err << args.prefix()
            << QCoreApplication::translate("QuestionCommands",
                                           "the questions were not written to %1 (%2)")
                   .arg(output, written.reason().simplified())
            << '\n';
        return 1;
    }
    out << (items.size() == 1 ? QCoreApplication::translate("QuestionCommands",
                                                            "Wrote 1 question of \"%1\" to %2.")
                                    .arg(paper, output)
                              : QCoreApplication::translate("QuestionCommands",
                                                            "Wrote %1 questions of \"%2\" to %3.")
                                    .arg(items.size())
                                    .arg(paper, output))
        << '\n';
    if (notes.picturesLeftOut > 0)
        err << args.prefix()
            << QCoreApplication::translate("QuestionCommands",
                                           "%1 carries text only: %2 pictures are left out")
                   .arg(questions::formatName(format))
                   .arg(notes.picturesLeftOut)
            << '\n';
    if (notes.answersLeftOut > 0)
        err << args.prefix()
            << QCoreApplication::translate(
                   "QuestionCommands",
                   "aiken holds one right option: %1 questions keep only their first")
                   .arg(notes.answersLeftOut)
            << '\n';
    return 0;
}

} // namespace

teacher::TeacherCommand importQuestionsCommand(const QString &workingFolder)
{
    return {
        .name = u"import-questions"_s,
        .summary = QCoreApplication::translate(
            "QuestionCommands",
            "Append the questions of GIFT, Aiken or Moodle XML files to a paper."),
        .run =
            [workingFolder](const store::DataRoot &root, const teacher::CommandArguments &args,
                            QTextStream &out, QTextStream &err) {
                return importQuestions(workingFolder, root, args, out, err);
            },
        .options = {paperOption(),
                    {u"format"_s,
                     u"gift|aiken|moodle-xml"_s,
                     QCoreApplication::translate(
                         "QuestionCommands",
                         "The files' format; without it, each file's content tells."),
                     false,
                     {u"gift"_s, u"aiken"_s, u"moodle-xml"_s}},
                    {u"encoding"_s,
                     u"utf-8|gbk"_s,
                     QCoreApplication::translate(
                         "QuestionCommands",
                         "The files' encoding; without it, UTF-8 (with or without a byte-order "
                         "mark) or else GBK."),
                     false,
                     {u"utf-8"_s, u"gbk"_s, u"gb18030"_s}}},
        .words = u"FILE..."_s,
        .maxWords = 1000,
        .details = QCoreApplication::translate(
            "QuestionCommands",
            "Every file is read first: a malformed one is named with its line and "
            "nothing is imported. Questions of other types are skipped and listed. "
            "Refused while a paper is open in an editor on this computer."),
    };
}

teacher::TeacherCommand exportQuestionsCommand()
{
    return {
        .name = u"export-questions"_s,
        .summary = QCoreApplication::translate(
            "QuestionCommands", "Write the questions of a paper as GIFT, Aiken or Moodle XML."),
        .run = exportQuestions,
        .options = {paperOption(),
                    {u"format"_s,
                     u"gift|aiken|moodle-xml"_s,
                     QCoreApplication::translate("QuestionCommands", "The format to write."),
                     true,
                     {u"gift"_s, u"aiken"_s, u"moodle-xml"_s}},
                    {u"output"_s, u"FILE"_s,
                     QCoreApplication::translate("QuestionCommands",
                                                 "The file to write (a file there is replaced)."),
                     true}},
        .details = QCoreApplication::translate(
            "QuestionCommands",
            "Moodle XML carries the pictures; GIFT and Aiken carry text only, and "
            "Aiken one right option per question."),
    };
}

} // namespace editor
