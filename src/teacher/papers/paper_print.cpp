// SPDX-License-Identifier: GPL-3.0-or-later
#include "paper_print.h"

#include <QCoreApplication>

#include "office/docx_template.h"
#include "office/word_content.h"
#include "richtext/rtf_reader.h"
#include "store/regular_file.h"

#include <cerrno>
#include <cstring>

namespace papers {

namespace {

using office::Failure;

const QString paperNameMark = QStringLiteral("[PAPER NAME]");
const QString authorMark = QStringLiteral("[AUTHOR]");
const QString testTimeMark = QStringLiteral("[TESTTIME]");
const QString questionCountMark = QStringLiteral("[QUESTION_COUNT]");
const QString fullMarkMark = QStringLiteral("[FULLMARK]");
const QString questionNoMark = QStringLiteral("[QUESTION No]");
const QString markMark = QStringLiteral("[MARK]");
const QString questionMark = QStringLiteral("[QUESTION]");
const QString optionMark = QStringLiteral("[OPTION]");
const QString answerNoMark = QStringLiteral("[ANSWER No]");
const QString opMark = QStringLiteral("[OP]");

// A document name from a paper file names a file in the paper's folder, nothing else.
bool isPlainFileName(const QString &name)
{
    return !name.contains(u'/') && !name.contains(u'\\') && name != u"." && name != u"..";
}

// The document of one question, appended to `content`.
office::Status appendDocument(const store::DataRoot &root, const QString &paper,
                              const QString &fileName, int question, const QString &what,
                              office::WordContent &content)
{
    if (!isPlainFileName(fileName))
        return Failure{
            QCoreApplication::translate("PaperPrint",
                                        "the %1 document of question %2 has the name \"%3\", which "
                                        "is not a file of the paper's folder")
                .arg(what)
                .arg(question)
                .arg(fileName)};
    const QString path = root.paperDocument(paper, fileName);
    // A regular file only, read without waiting and within the reader's bound: a FIFO or a
    // link to a device named like a document must not hold or sink the output.
    const store::FileContent file = store::readRegularFile(path, richtext::RtfReader::maxInputSize);
    switch (file.status) {
    case store::ReadStatus::Ok:
        break;
    case store::ReadStatus::TooLarge:
        return Failure{QCoreApplication::translate("PaperPrint",
                                                   "the %1 document %2 of question %3 is too large")
                           .arg(what, fileName)
                           .arg(question)};
    case store::ReadStatus::Missing:
    case store::ReadStatus::Error:
        return Failure{
            QCoreApplication::translate("PaperPrint",
                                        "the %1 document %2 of question %3 cannot be read (%4)")
                .arg(what, fileName)
                .arg(question)
                .arg(file.status == store::ReadStatus::Missing
                         ? QCoreApplication::translate("PaperPrint", "it is missing")
                     : file.error == EINVAL
                         ? QCoreApplication::translate("PaperPrint", "it is not a regular file")
                         : QString::fromLocal8Bit(std::strerror(file.error)))};
    }
    const QByteArray &bytes = file.bytes;
    content.appendRtf(bytes);
    return {};
}

} // namespace

office::Result<QByteArray> PaperPrint::build(const store::DataRoot &root, const QString &paperName,
                                             const store::PaperSettings &row,
                                             Explanations explanations, const QString &templatePath)
{
    const QString name = paperName.trimmed();
    store::Paper paper;
    paper.name = name;
    store::PaperFile(root.paperFile(name)).loadPaperQuestions(paper);
    const int count = std::max(paper.questionCount, 0);

    office::Result<office::DocxTemplate> opened = office::DocxTemplate::open(templatePath);
    if (!opened)
        return Failure{QCoreApplication::translate("PaperPrint", "The template cannot be used: %1")
                           .arg(opened.reason())};
    office::DocxTemplate &document = *opened;

    // The header: each value as the row holds it, at the first place of its placeholder.
    const std::pair<const QString &, QString> header[] = {{paperNameMark, paperName},
                                                          {authorMark, row.author},
                                                          {testTimeMark, row.testTime},
                                                          {questionCountMark, row.questionCount},
                                                          {fullMarkMark, row.fullMark}};
    for (const auto &[mark, value] : header) {
        if (const std::optional<office::Placement> at = document.find(mark, document.body()))
            document.replace(*at, value);
    }

    if (count > 0) {
        const std::optional<office::Placement> first =
            document.find(questionNoMark, document.body());
        if (!first)
            return Failure{QCoreApplication::translate(
                               "PaperPrint",
                               "The template has no %1 placeholder to start the question "
                               "block.")
                               .arg(questionNoMark)};
        const std::optional<office::Placement> last =
            document.find(optionMark, document.body(), &*first);
        if (!last)
            return Failure{QCoreApplication::translate(
                               "PaperPrint",
                               "The template has no %1 placeholder after %2 to end the "
                               "question block.")
                               .arg(optionMark, questionNoMark)};
        const std::optional<office::Placement> key = document.find(answerNoMark, document.body());
        if (!key)
            return Failure{
                QCoreApplication::translate(
                    "PaperPrint", "The template has no %1 placeholder for the answer key.")
                    .arg(answerNoMark)};
        const office::BlockRange keyLine = document.paragraphOf(*key);
        const std::optional<office::BlockRange> block = document.blockBetween(*first, *last);
        if (!block)
            return Failure{QCoreApplication::translate(
                "PaperPrint", "The template's question block cannot be copied.")};

        const qint64 textWidth = document.textWidth();
        const QList<office::BlockRange> blocks = document.repeat(*block, count);
        for (int q = 1; q <= count; ++q) {
            const store::Question question = paper.question(q);
            const office::BlockRange &copy = blocks.at(q - 1);
            // Each value is looked for from the start of the paragraph of the one before,
            // as the placeholders follow one another in the block.
            std::optional<office::Placement> at = document.find(questionNoMark, copy);
            std::optional<office::Placement> from = at;
            if (at)
                document.replace(*at, QString::number(q));
            at = document.find(markMark, copy, from ? &*from : nullptr);
            if (at) {
                from = at;
                document.replace(*at, question.mark.isEmpty() ? QString::number(paper.defaultMark)
                                                              : question.mark);
            }
            at = document.find(questionMark, copy, from ? &*from : nullptr);
            if (!at)
                continue;
            office::WordContent content;
            content.setMaxPictureWidth(textWidth);
            const QString questionFile = question.question.trimmed();
            const QString explainFile = question.explain.trimmed();
            if (!questionFile.isEmpty()) {
                if (office::Status read = appendDocument(
                        root, name, questionFile, q,
                        QCoreApplication::translate("PaperPrint", "question"), content);
                    !read)
                    return Failure{read.reason()};
            }
            if (explanations == Explanations::Print && !explainFile.isEmpty()) {
                if (office::Status read = appendDocument(
                        root, name, explainFile, q,
                        QCoreApplication::translate("PaperPrint", "explanation"), content);
                    !read)
                    return Failure{read.reason()};
            }
            // Without a question document the placeholder stays, and an explanation
            // follows it.
            if (!questionFile.isEmpty())
                document.replace(*at, content);
            else if (!content.isEmpty())
                document.insertAfter(*at, content);
        }

        const QList<office::BlockRange> lines = document.repeat(keyLine, count);
        for (int q = 1; q <= count; ++q) {
            const store::Question question = paper.question(q);
            const office::BlockRange &line = lines.at(q - 1);
            std::optional<office::Placement> at = document.find(answerNoMark, line);
            if (at)
                document.replace(*at, QString::number(q));
            at = document.find(opMark, line);
            if (at)
                document.replace(*at, question.answer.isEmpty() ? noAnswerText() : question.answer);
        }
    }

    office::Result<QByteArray> bytes = document.toBytes();
    if (!bytes)
        return Failure{QCoreApplication::translate("PaperPrint", "The document cannot be made: %1")
                           .arg(bytes.reason())};
    return bytes;
}

} // namespace papers
