// Question banks in the exchange formats teachers already hold: Aiken lists, GIFT and
// Moodle XML. Reading gives the questions as the formats carry them; turning them into
// a paper's documents is question_documents' work.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace questions {

enum class Format { Aiken, Gift, MoodleXml };

/// "aiken", "gift", "moodle-xml"; the names the command line takes.
QString formatName(Format format);
std::optional<Format> formatFromName(QStringView name);

enum class Encoding {
    Detect, ///< UTF-8 with or without a byte-order mark, else GBK/GB18030
    Utf8,
    Gbk, ///< GBK, read as GB18030 (its superset), as Chinese Windows writes text files
};
QString encodingName(Encoding encoding);
std::optional<Encoding> encodingFromName(QStringView name); ///< "utf-8", "gbk", "gb18030"

/// The text of a file: a byte-order mark means UTF-8 (or UTF-16, as Notepad saves
/// "Unicode") whatever `encoding` says and is dropped; line ends become "\n"; control
/// characters (but tab and line ends) and the other characters XML cannot hold are dropped.
QString decodeText(const QByteArray &bytes, Encoding encoding = Encoding::Detect);

/// A file a question's HTML names as "@@PLUGINFILE@@/name".
struct Attachment
{
    QString name;
    QByteArray bytes;
    bool operator==(const Attachment &) const = default;
};

/// One multiple-choice or true/false question.
struct Item
{
    QString title;
    /// The question text: HTML when `html`, else plain text (GIFT's [markdown] is kept
    /// as plain text). Never holds the options.
    QString text;
    QString explanation; ///< general feedback, in the same form as `text`; may be empty
    bool html = false;
    /// The options' plain texts, 1..7 of them. A true/false question has two: "True"
    /// and "False".
    QStringList options;
    /// The answer code: the digits 1..7 of the right options, ascending ("13").
    QString answer;
    std::optional<double> mark; ///< the file's mark, when it has one
    bool trueFalse = false;
    QList<Attachment> attachments; ///< files the HTML of text or explanation names
    bool operator==(const Item &) const = default;
};

/// A question of the file that does not come in.
struct Skipped
{
    QString title;  ///< the question's title, else the start of its text
    QString reason; ///< "essay questions are not taken", "9 options; a paper has at most 7"
    int line = 0;
};

struct ReadError
{
    int line = 0; ///< 1-based line of the file where reading stopped
    QString message;
};

struct ReadResult
{
    Format format = Format::Gift;
    QList<Item> items;
    QList<Skipped> skipped;
    std::optional<ReadError> error; ///< when set, items and skipped are empty
};

/// The format a file's text is in: "<?xml"/"<quiz" is Moodle XML, "ANSWER:" lines Aiken,
/// braces GIFT. No value when nothing fits.
std::optional<Format> detectFormat(const QString &text);

/// Reads a whole file. A malformed file gives an error and no questions; a question of a
/// type a paper cannot hold (essay, matching, ...) or with more than maxOptions options is
/// skipped and named. Without `format` the text decides (detectFormat()). A Moodle XML
/// file whose declaration names GBK, GB2312 or GB18030 is read so when `encoding` is
/// Detect. The right options are those of weight (fraction) above 0; in a question that
/// takes one answer only (GIFT with an "=" answer, Moodle XML's <single>true</single>)
/// they are the ones of the highest weight, partial credit being no right answer there.
ReadResult readQuestions(const QByteArray &bytes, std::optional<Format> format = {},
                         Encoding encoding = Encoding::Detect);
ReadResult readAiken(const QString &text);
ReadResult readGift(const QString &text);
ReadResult readMoodleXml(const QString &text);

/// The file of the questions, UTF-8 without a byte-order mark, "\n" line ends. Items are
/// taken to have 1..maxOptions options and an answer naming some of them. What a format
/// cannot hold is left out, never refused:
/// - Aiken holds a plain text, its options and one right answer: the text of HTML goes in
///   as its plain text ("(no text)" for a picture alone), blank lines of the text are
///   dropped, lines that would read as an option or ANSWER line join the line before,
///   a question with several right options names the first of them; title,
///   explanation, mark and attachments are left out. A true/false item goes in as the options
///   "True" and "False", which readAiken() takes for a true/false question again.
/// - GIFT keeps HTML ("[html]"), the title, the explanation and several right options
///   (the right ones share 100%, the wrong ones weigh -100%); mark and attachments are
///   left out, so pictures the HTML names are missing.
/// - Moodle XML keeps everything. An item without a title is named by the start of its
///   text (and reads back without a title); plain text goes in as format "plain_text".
QByteArray writeQuestions(const QList<Item> &items, Format format);

/// The largest number of options a paper's question has.
constexpr int maxOptions = 7;

/// The largest file readQuestions() takes; a larger one is refused before it is decoded.
constexpr qsizetype maxFileBytes = qsizetype(256) * 1024 * 1024;

} // namespace questions
