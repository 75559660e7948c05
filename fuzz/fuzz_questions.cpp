// The question file readers on arbitrary bytes, in each format and detected. Besides not
// crashing: every question read has 1 to 7 options and a key of its own options, Moodle
// XML written from what was read reads back as as many questions, and every question
// becomes documents.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "questions/question_documents.h"
#include "questions/question_formats.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "*=false");
    static int argc = 1;
    static char name[] = "fuzz_questions";
    static char *argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    return 0;
}

namespace {

void check(bool ok, const char *rule)
{
    if (ok)
        return;
    std::fprintf(stderr, "%s\n", rule);
    std::abort();
}

void checkItems(const QList<questions::Item> &items)
{
    for (const questions::Item &item : items) {
        check(!item.options.isEmpty() && item.options.size() <= questions::maxOptions,
              "a question has 1 to 7 options");
        char16_t last = u'0';
        for (const QChar c : item.answer) {
            check(c.unicode() > last && c.unicode() <= u'0' + item.options.size(),
                  "the key names its own options in order");
            last = c.unicode();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const std::optional<questions::Format> format :
         {std::optional<questions::Format>(), std::optional(questions::Format::Aiken),
          std::optional(questions::Format::Gift), std::optional(questions::Format::MoodleXml)}) {
        const questions::ReadResult read = questions::readQuestions(bytes, format);
        check(!read.error || read.items.isEmpty(), "an error brings in nothing");
        checkItems(read.items);
        if (read.items.isEmpty())
            continue;
        const questions::ReadResult again = questions::readQuestions(
            questions::writeQuestions(read.items, questions::Format::MoodleXml),
            questions::Format::MoodleXml);
        check(!again.error && again.items.size() == read.items.size(),
              "Moodle XML written from what was read reads back as as many questions");
        // Documents for a few of them: the writer is checked by the RTF target.
        for (qsizetype i = 0; i < std::min<qsizetype>(read.items.size(), 4); ++i)
            questions::toNewQuestion(read.items.at(i));
    }
    return 0;
}
