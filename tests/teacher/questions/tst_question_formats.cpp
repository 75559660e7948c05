// The exchange formats read from files as teachers and other programs write them, written
// and read back, and refused safely when malformed, cut off or hostile.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/questions/question_formats.h"

#include <QCryptographicHash>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

using namespace questions;
using namespace Qt::StringLiterals;

namespace {

// Items are built as Q(text, options, answer).title(...)...; a true/false one with tf().
struct Q
{
    Item item;
    Q(const QString &text, const QStringList &options, const QString &answer)
    {
        item.text = text;
        item.options = options;
        item.answer = answer;
    }
    Q &title(const QString &t) { return item.title = t, *this; }
    Q &explanation(const QString &e) { return item.explanation = e, *this; }
    Q &html() { return item.html = true, *this; }
    Q &mark(double m) { return item.mark = m, *this; }
    Q &attach(const QString &name, const QByteArray &bytes)
    {
        return item.attachments.append({name, bytes}), *this;
    }
    operator Item() const { return item; }
};

Q tf(const QString &text, bool truth)
{
    Q q(text, {u"True"_s, u"False"_s}, truth ? u"1"_s : u"2"_s);
    q.item.trueFalse = true;
    return q;
}

// One line per item or skipped question, so that a failure shows what differs.
QString describe(const QList<Item> &items, const QList<Skipped> &skipped = {})
{
    QStringList lines;
    for (const Item &i : items) {
        QStringList files;
        for (const Attachment &a : i.attachments)
            files << a.name + u':' +
                         QString::fromLatin1(
                             QCryptographicHash::hash(a.bytes, QCryptographicHash::Md5).toHex());
        lines << QStringList{i.title,
                             i.text,
                             i.explanation,
                             i.html ? u"html"_s : u"plain"_s,
                             i.options.join(u'/'),
                             i.answer,
                             i.mark ? QString::number(*i.mark) : u"-"_s,
                             i.trueFalse ? u"tf"_s : u"mc"_s,
                             files.join(u',')}
                     .join(u" | ")
                     .replace(u'\n', u"\\n"_s);
    }
    for (const Skipped &s : skipped)
        lines << u"skipped %1 | %2 | line %3"_s.arg(s.title, s.reason).arg(s.line);
    return lines.join(u'\n');
}

int lineOf(const QString &text, const QString &needle)
{
    return int(text.left(text.indexOf(needle)).count(u'\n')) + 1;
}

const QByteArray png = QByteArray::fromHex("89504e470d0a1a0a0000000d49484452") + [] {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    return all;
}();

const QString moodleFixture = uR"(<?xml version="1.0" encoding="UTF-8"?>
<quiz>
<!-- question: 0  -->
  <question type="category">
    <category><text>$course$/top/Maths</text></category>
  </question>
  <question type="multichoice">
    <name><text>Picture</text></name>
    <questiontext format="html">
      <text><![CDATA[<p>What is <b>shown</b>? <img src="@@PLUGINFILE@@/x.png"></p>]]></text>
      <file name="x.png" path="/" encoding="base64">%1</file>
    </questiontext>
    <generalfeedback format="html"><text>&lt;p&gt;A dot.&lt;/p&gt;</text>
      <file name="y.png" path="/" encoding="base64">eQ==</file>
      <file name="x.png" path="/" encoding="base64">%1</file></generalfeedback>
    <defaultgrade>2.5000000</defaultgrade><penalty>0.3333333</penalty><hidden>0</hidden>
    <single>true</single>
    <answer fraction="100" format="html"><text>&lt;p&gt;A &amp;amp; dot&lt;/p&gt;</text>
      <feedback format="html"><text>Yes</text></feedback></answer>
    <answer fraction="50" format="html"><text><![CDATA[<p>A   <em>point</em></p>]]></text></answer>
    <answer fraction="0" format="html"><text>Line</text></answer>
  </question>
  <question type="multichoice">
    <name><text>Several</text></name>
    <questiontext format="moodle_auto_format"><text>Pick two</text></questiontext>
    <generalfeedback format="html"><text>&lt;p&gt;Two &amp;amp; three&lt;/p&gt;</text></generalfeedback>
    <single>false</single>
    <answer fraction="50"><text>2</text></answer><answer fraction="50"><text>3</text></answer>
    <answer fraction="-100"><text>4</text></answer>
  </question>
  <question type="truefalse">
    <name><text>TF</text></name>
    <questiontext format="plain_text"><text>The earth is flat.</text></questiontext>
    <defaultgrade>1.0000000</defaultgrade>
    <answer fraction="0"><text>true</text></answer><answer fraction="100"><text>false</text></answer>
  </question>
  <question type="essay"><name><text>Essay one</text></name>
    <questiontext format="html"><text>Write.</text></questiontext></question>
  <question type="shortanswer"><questiontext format="html"><text>&lt;p&gt;Capital of Italy?&lt;/p&gt;</text></questiontext></question>
  <question type="multichoice"><name><text>Broken picture</text></name>
    <questiontext format="html"><text>x</text><file name="b.png" encoding="base64">!!!</file></questiontext>
    <answer fraction="100"><text>a</text></answer></question>
  <question type="multichoice"><name><text>Sneaky name</text></name>
    <questiontext format="html"><text>x</text><file name="../evil" encoding="base64">eQ==</file></questiontext>
    <answer fraction="100"><text>a</text></answer></question>
</quiz>
)"_s.arg(QString::fromLatin1(png.toBase64()).insert(40, u"\n        "_s));

const QString aikenFixture =
    u"What is 2+2?\nA. 3\nB. 4\nANSWER: B\n\nSecond?\nA) x\nB) y\nANSWER: A\n"_s;
const QString giftFixture = u"// top\n::T1:: First \\{x\\}? {=a ~b #no ####Because.}\n\n"
                            "Sky is blue {T}\n\n::E:: Essay {}\n"_s;

// Every text a paper's items are written with; each format keeps what it can.
QList<Item> roundTripItems()
{
    QStringList seven;
    for (int i = 1; i <= 7; ++i)
        seven << QString::number(i);
    return {
        Q(u"Plain with = ~ # { } : \\ and\nsecond line"_s, {u"a = b"_s, u"c {d}"_s, u"~e#"_s},
          u"2"_s)
            .title(u"Sym::bols"_s),
        Q(u"Pick primes"_s, {u"2"_s, u"3"_s, u"4"_s, u"9"_s}, u"12"_s)
            .explanation(u"Two, three."_s),
        tf(u"Water is wet."_s, true).explanation(u"It is."_s).title(u"Wet"_s),
        tf(u"Fire is cold."_s, false),
        Q(u"<p>HTML <b>bold</b> &amp; <img src=\"@@PLUGINFILE@@/x.png\"></p>"_s,
          {u"x < y"_s, u"a & b"_s}, u"1"_s)
            .html()
            .explanation(u"<p>Because]]> of CDATA</p>"_s)
            .mark(2.5)
            .attach(u"x.png"_s, png),
        Q(u"Seven"_s, seven, u"1357"_s).mark(0.5),
        Q(u"中文题目：下列哪个是质数？"_s, {u"四"_s, u"五"_s}, u"2"_s).title(u"中文"_s),
        Q(u"[not a format] // not a comment"_s, {u"a"_s, u"b"_s}, u"1"_s),
        Q(u"// looks like a comment"_s, {u"a"_s, u"b"_s}, u"2"_s),
    };
}

} // namespace

class TestQuestionFormats : public QObject
{
    Q_OBJECT

private slots:
    void namesAndDetection()
    {
        for (Format f : {Format::Aiken, Format::Gift, Format::MoodleXml})
            QCOMPARE(formatFromName(formatName(f).toUpper()), f);
        QCOMPARE(formatFromName(u"xml"), std::nullopt);
        QCOMPARE(encodingFromName(u"GB18030"), Encoding::Gbk);
        QCOMPARE(encodingFromName(u"utf-8"), Encoding::Utf8);
        QCOMPARE(encodingFromName(encodingName(Encoding::Detect)), Encoding::Detect);
        QCOMPARE(encodingFromName(u"latin1"), std::nullopt);

        QCOMPARE(detectFormat(u"\n  <?xml version=\"1.0\"?><quiz/>"_s), Format::MoodleXml);
        QCOMPARE(detectFormat(u"<quiz></quiz>"_s), Format::MoodleXml);
        QCOMPARE(detectFormat(aikenFixture), Format::Aiken);
        QCOMPARE(detectFormat(giftFixture), Format::Gift);
        QCOMPARE(detectFormat(u"Say {=yes ~no}\nANSWER: maybe"_s), Format::Gift);
        QCOMPARE(detectFormat(u"just words"_s), std::nullopt);
        QCOMPARE(detectFormat(u"::Open:: {=a ~b"_s), Format::Gift);
        QVERIFY(readQuestions("just words").error);
    }

    // Chinese Windows writes GBK with CRLF; other tools UTF-8, with or without a mark.
    void encodings()
    {
        const QString aiken = u"下列哪个是质数？\r\nA. 四\r\nB. 五\r\nANSWER: B\r\n"_s;
        const QString expected = describe({Q(u"下列哪个是质数？"_s, {u"四"_s, u"五"_s}, u"2"_s)});
        QStringEncoder gb18030("GB18030");
        const QByteArray gbk = gb18030.encode(aiken);
        QCOMPARE(describe(readQuestions(gbk).items), expected);
        QCOMPARE(describe(readQuestions(gbk, Format::Aiken, Encoding::Gbk).items), expected);
        QCOMPARE(describe(readQuestions("\xEF\xBB\xBF" +
                                        QString(aiken).replace(u"\r\n"_s, u"\r"_s).toUtf8())
                              .items),
                 expected);
        QCOMPARE(describe(readQuestions(QStringEncoder(QStringEncoder::Utf16LE,
                                                       QStringEncoder::Flag::WriteBom)
                                            .encode(aiken))
                              .items),
                 expected);
        QCOMPARE(decodeText("a\r\nb\rc\n"), u"a\nb\nc\n"_s);
        // Control characters would not survive Moodle XML: no text keeps them.
        QCOMPARE(decodeText(QByteArray("a\x01"
                                       "b\tc\0d\x7f",
                                       8)),
                 u"ab\tcd\x7f"_s);

        const QString xml = uR"(<?xml version="1.0" encoding="GB2312"?>
<quiz><question type="truefalse"><name><text>判断</text></name>
<questiontext format="plain_text"><text>水是湿的。</text></questiontext>
<answer fraction="100"><text>true</text></answer><answer fraction="0"><text>false</text></answer>
</question></quiz>)"_s;
        const QString judged = describe({tf(u"水是湿的。"_s, true).title(u"判断"_s)});
        QCOMPARE(describe(readQuestions(gb18030.encode(xml)).items), judged);
        QCOMPARE(describe(readMoodleXml(xml).items), judged); // text is text, whatever it declares
    }

    void aiken_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("expected");
        QTest::newRow("two, the second with parentheses and no blank line")
            << u"Which one\nis a colour?\nA) Red\nB) Seven\nANSWER: a\nSecond?\nA. x\nB. y\nANSWER: B"_s
            << describe({Q(u"Which one\nis a colour?"_s, {u"Red"_s, u"Seven"_s}, u"1"_s),
                         Q(u"Second?"_s, {u"x"_s, u"y"_s}, u"2"_s)});
        QTest::newRow("a statement before option A is text")
            << u"Which are true?\nC) a statement\nA.D. 1066\nA. yes\nB. no\nANSWER: A"_s
            << describe({Q(u"Which are true?\nC) a statement\nA.D. 1066"_s, {u"yes"_s, u"no"_s},
                           u"1"_s)});
        QTest::newRow("full-width marks") << u"质数？\nA、4\nB．5\nANSWER：B"_s
                                          << describe({Q(u"质数？"_s, {u"4"_s, u"5"_s}, u"2"_s)});
        QTest::newRow("true and false") << u"Water is wet.\nA. true\nB. false\nANSWER: A"_s
                                        << describe({tf(u"Water is wet."_s, true)});
        QTest::newRow("eight options are skipped")
            << u"Which of the following rivers flows through the most countries?\nA. a\nB. b\nC. "
               u"c\n"
               "D. d\nE. e\nF. f\nG. g\nH. h\nANSWER: H\n\nKept?\nA. y\nB. n\nANSWER: A\n"_s
            << describe({Q(u"Kept?"_s, {u"y"_s, u"n"_s}, u"1"_s)},
                        {{u"Which of the following rivers flows thro..."_s,
                          u"8 options; a paper has at most 7"_s, 1}});
    }
    void aiken()
    {
        QFETCH(QString, file);
        const ReadResult r = readAiken(file);
        QVERIFY2(!r.error, qPrintable(r.error ? r.error->message : QString()));
        QFETCH(QString, expected);
        QCOMPARE(describe(r.items, r.skipped), expected);
    }

    void gift_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("expected");
        QTest::newRow("escapes")
            << u"::Sym\\:bols::1 \\= 1 \\{really\\}, \\~ \\# \\\\ \\d\\nnext {=yes \\~ sure ~no \\= never}"_s
            << describe({Q(u"1 = 1 {really}, ~ # \\ \\d\nnext"_s,
                           {u"yes ~ sure"_s, u"no = never"_s}, u"1"_s)
                             .title(u"Sym:bols"_s)});
        QTest::newRow("weights") << u"Primes {~%50%2 ~%50%3 ~%-50%4 ~%-100%9}\n\n"
                                    "Thirds {~%33.33333%a ~%33.33333%b ~%33.33334%c ~%0%d}\n\n"
                                    "Partial credit is not right {=Paris ~%50%Lyon ~Rome}\n\n"
                                    "Weighted equals {=%100%a ~%-25%b}"_s
                                 << describe(
                                        {Q(u"Primes"_s, {u"2"_s, u"3"_s, u"4"_s, u"9"_s}, u"12"_s),
                                         Q(u"Thirds"_s, {u"a"_s, u"b"_s, u"c"_s, u"d"_s}, u"123"_s),
                                         Q(u"Partial credit is not right"_s,
                                           {u"Paris"_s, u"Lyon"_s, u"Rome"_s}, u"1"_s),
                                         Q(u"Weighted equals"_s, {u"a"_s, u"b"_s}, u"1"_s)});
        QTest::newRow("feedback, comments, categories, a block over lines")
            << u"// comment\n$CATEGORY: $course$/Maths\n\n::T1:: First? {=a#right! ~b#wrong\n"
               "// inside\n####Because\\: a.}\n\n\n::T2::Which?\n{\n  =one\n  ~two\n}\n"_s
            << describe({Q(u"First?"_s, {u"a"_s, u"b"_s}, u"1"_s)
                             .title(u"T1"_s)
                             .explanation(u"Because: a."_s),
                         Q(u"Which?"_s, {u"one"_s, u"two"_s}, u"1"_s).title(u"T2"_s)});
        QTest::newRow("true and false")
            << u"A {T}\n\nB {TRUE}\n\nC {f}\n\nD {FALSE#No, it is true.}\n\nE {T#yes#no####Always.}"_s
            << describe({tf(u"A"_s, true), tf(u"B"_s, true), tf(u"C"_s, false), tf(u"D"_s, false),
                         tf(u"E"_s, true).explanation(u"Always."_s)});
        QTest::newRow("text formats and a gap in the sentence")
            << u"[html]<p>Is <b>x</b> &lt; y?</p> {=<i>yes</i> ~no &amp; never}\n\n"
               "::M::[markdown]**bold** {=a ~b}\n\n[moodle]The {~cat =dog} barks."_s
            << describe(
                   {Q(u"<p>Is <b>x</b> &lt; y?</p>"_s, {u"yes"_s, u"no & never"_s}, u"1"_s).html(),
                    Q(u"**bold**"_s, {u"a"_s, u"b"_s}, u"1"_s).title(u"M"_s),
                    Q(u"The _____ barks."_s, {u"cat"_s, u"dog"_s}, u"2"_s)});
        QTest::newRow("types a paper cannot hold")
            << u"::Essay::Write {}\n\n::Short::Capital? {=Rome =Roma}\n\n::Match::Pair {=a -> 1 =b "
               u"-> 2}\n\n"
               "::Num::Pi? {#3.14:0.01}\n\n::Desc::Just words\n\nEight {=a ~b ~c ~d ~e ~f ~g "
               "~h}\n\n"
               "None right {~a ~b}\n\nKept {=y ~n}\n\n::Essay2::Tell {####Any answer.}"_s
            << describe({Q(u"Kept"_s, {u"y"_s, u"n"_s}, u"1"_s)},
                        {{u"Essay"_s, u"essay questions are not taken"_s, 1},
                         {u"Short"_s, u"short-answer questions are not taken"_s, 3},
                         {u"Match"_s, u"matching questions are not taken"_s, 5},
                         {u"Num"_s, u"numerical questions are not taken"_s, 7},
                         {u"Desc"_s, u"descriptions without answers are not taken"_s, 9},
                         {u"Eight"_s, u"8 options; a paper has at most 7"_s, 11},
                         {u"None right"_s, u"no option is right"_s, 13},
                         {u"Essay2"_s, u"essay questions are not taken"_s, 17}});
    }
    void gift()
    {
        QFETCH(QString, file);
        const ReadResult r = readGift(file);
        QVERIFY2(!r.error, qPrintable(r.error ? r.error->message : QString()));
        QFETCH(QString, expected);
        QCOMPARE(describe(r.items, r.skipped), expected);
    }

    void moodleXml()
    {
        const ReadResult r = readQuestions(moodleFixture.toUtf8());
        QVERIFY2(!r.error, qPrintable(r.error ? r.error->message : QString()));
        QCOMPARE(r.format, Format::MoodleXml);
        const auto line = [](const char *tag) {
            return lineOf(moodleFixture, QString::fromUtf8(tag));
        };
        QCOMPARE(describe(r.items, r.skipped),
                 describe({Q(u"<p>What is <b>shown</b>? <img src=\"@@PLUGINFILE@@/x.png\"></p>"_s,
                             {u"A & dot"_s, u"A point"_s, u"Line"_s}, u"1"_s)
                               .title(u"Picture"_s)
                               .html()
                               .explanation(u"<p>A dot.</p>"_s)
                               .mark(2.5)
                               .attach(u"x.png"_s, png)
                               .attach(u"y.png"_s, "y"),
                           Q(u"Pick two"_s, {u"2"_s, u"3"_s, u"4"_s}, u"12"_s)
                               .title(u"Several"_s)
                               .explanation(u"Two & three"_s),
                           tf(u"The earth is flat."_s, false).title(u"TF"_s).mark(1)},
                          {{u"Essay one"_s, u"essay questions are not taken"_s, line("\"essay\"")},
                           {u"Capital of Italy?"_s, u"short-answer questions are not taken"_s,
                            line("\"shortanswer\"")},
                           {u"Broken picture"_s, u"the file \"b.png\" is not valid base64"_s,
                            line("<name><text>Broken")},
                           {u"Sneaky name"_s, u"the file name \"../evil\" is no plain name"_s,
                            line("<name><text>Sneaky")}}));
        QCOMPARE(r.items.first().attachments.first().bytes, png);
    }

    void malformed_data()
    {
        QTest::addColumn<Format>("format");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("message");
        const auto row = [](const char *name, Format f, const QString &file, int line,
                            const QString &message) {
            QTest::newRow(name) << f << file << line << message;
        };
        const Format A = Format::Aiken, G = Format::Gift, X = Format::MoodleXml;
        row("aiken option first", A, u"A. x\nB. y\nANSWER: A"_s, 1,
            u"an option before its question"_s);
        row("aiken no ANSWER", A, u"Q?\nA. x\nB. y\n\nNext?\nA. x\nANSWER: A"_s, 4,
            u"the question of line 1 has no ANSWER line"_s);
        row("aiken cut off", A, u"Ok?\nA. x\nANSWER: A\n\nQ?\nA. x"_s, 6,
            u"the question of line 5 has no ANSWER line"_s);
        row("aiken no such option", A, u"Q?\nA. x\nB. y\nANSWER: C"_s, 4,
            u"ANSWER C names no option; the options are A to B"_s);
        row("aiken two letters", A, u"Q?\nA. x\nB. y\nANSWER: AB"_s, 4,
            u"ANSWER names one option letter, not \"AB\""_s);
        row("aiken out of order", A, u"Q?\nA. x\nC. y\nANSWER: A"_s, 3,
            u"option C where option B or the ANSWER line belongs"_s);
        row("aiken text after options", A, u"Q?\nA. x\nmore\nANSWER: A"_s, 3,
            u"after option A comes option B or the ANSWER line"_s);
        row("aiken lone ANSWER", A, u"ANSWER: A"_s, 1, u"an ANSWER line without a question"_s);
        row("aiken no options", A, u"Q?\nANSWER: A"_s, 2,
            u"the question has no options (A. ...) before its ANSWER line"_s);
        row("aiken empty option", A, u"Q?\nA、\nANSWER: A"_s, 2, u"option A has no text"_s);
        row("gift unclosed block", G, u"Q1 {=a ~b}\n\n::T:: Q2 {=a ~b"_s, 3,
            u"the answer block opened by \"{\" is not closed"_s);
        row("gift blank line in a block", G, u"Q {\n=a\n\n~b}"_s, 1,
            u"the answer block opened by \"{\" is not closed"_s);
        row("gift unclosed title", G, u"\n::T Q {=a ~b}"_s, 2,
            u"the title opened by \"::\" is not closed"_s);
        row("gift unknown block", G, u"Q {abc}"_s, 1,
            u"the answer block holds neither =right nor ~wrong answers"_s);
        row("gift weight", G, u"Q {~%x%a =b}"_s, 1,
            u"the weight \"%x%\" of answer 1 is not a number"_s);
        row("gift weight unclosed", G, u"Q {~%50 a =b}"_s, 1,
            u"the weight of answer 1 has no closing \"%\""_s);
        row("gift empty answer", G, u"Q {=a ~ #fb}"_s, 1, u"answer 2 has no text"_s);
        row("gift stray brace", G, u"Q } {=a ~b}"_s, 1,
            u"a \"}\" without its \"{\" (write \\} for a brace)"_s);
        row("gift second block", G, u"Q {=a ~b} and {=c ~d}"_s, 1,
            u"a second answer block; a question has one"_s);
        row("gift nested brace", G, u"Q {=a {~b}"_s, 1,
            u"a \"{\" inside an answer block (write \\{ for a brace)"_s);
        row("xml tag mismatch", X,
            u"<quiz>\n<question type=\"multichoice\">\n<name><text>x</text></nam>\n</question></quiz>"_s,
            3, QString());
        row("xml cut off", X,
            u"<?xml version=\"1.0\"?>\n<quiz>\n<question type=\"truefalse\">\n<name>"_s, 4,
            QString());
        row("xml not a quiz", X, u"<?xml version=\"1.0\"?>\n<html></html>"_s, 2,
            u"the file holds <html>, not a Moodle XML <quiz>"_s);
        row("xml after the quiz", X, u"<quiz></quiz>\n<quiz>"_s, 2, QString());
        row("xml unknown entity", X,
            u"<quiz>\n<question type=\"multichoice\"><name><text>&bogus;</text></name></question></quiz>"_s,
            2, QString());
        row("xml empty", X, QString(), 1, QString());
    }
    void malformed()
    {
        QFETCH(Format, format);
        QFETCH(QString, file);
        const ReadResult r = readQuestions(file.toUtf8(), format);
        QVERIFY(r.error);
        QFETCH(int, line);
        QFETCH(QString, message);
        QCOMPARE(r.error->line, line);
        if (!message.isEmpty())
            QCOMPARE(r.error->message, message);
        QVERIFY(!r.error->message.isEmpty());
        QVERIFY(r.items.isEmpty() && r.skipped.isEmpty());
    }

    // Every cut of a good file, files with syntax strewn about, and files made to exhaust
    // a reader read safely: an error without questions, or items a paper can hold.
    void cutOffAndHostileFiles()
    {
        QRandomGenerator random(936);
        const QString syntax = u"{}=~#:%\\<>&;/\nABT"_s;
        for (const QString &fixture : {aikenFixture, giftFixture, moodleFixture}) {
            QList<QString> files;
            for (qsizetype cut = 0; cut <= fixture.size(); ++cut)
                files << fixture.left(cut);
            for (int k = 0; k < 500; ++k) {
                QString file = fixture;
                for (int n = random.bounded(1, 4); n > 0; --n)
                    file[random.bounded(int(file.size()))] =
                        syntax[random.bounded(int(syntax.size()))];
                files << file;
            }
            for (const QString &file : files) {
                const ReadResult r = readQuestions(file.toUtf8(), detectFormat(fixture));
                QVERIFY(!r.error || (r.items.isEmpty() && r.skipped.isEmpty()));
                for (const Item &item : r.items) {
                    QVERIFY2(item.options.size() >= 1 && item.options.size() <= maxOptions,
                             qPrintable(file));
                    QVERIFY(!item.answer.isEmpty() &&
                            std::is_sorted(item.answer.cbegin(), item.answer.cend()));
                    QVERIFY(item.answer.back().unicode() - u'0' <= item.options.size());
                }
            }
        }
        QString entities;
        for (char16_t c = u'b'; c <= u'j'; ++c)
            entities += u"<!ENTITY %1 \"%2%2%2%2%2%2%2%2%2%2\">"_s.arg(
                QChar(c), u"&"_s + QChar(char16_t(c - 1)) + u";"_s);
        QVERIFY(
            readMoodleXml(
                u"<?xml version=\"1.0\"?><!DOCTYPE quiz [<!ENTITY a \"aaaaaaaaaa\">"_s + entities +
                u"]><quiz><question type=\"essay\"><name><text>&j;</text></name></question></quiz>"_s)
                .error);
        const ReadResult deep = readMoodleXml(
            u"<quiz><question type=\"multichoice\">"_s + u"<a>"_s.repeated(200000) +
            u"</a>"_s.repeated(200000) + u"<questiontext><text>Q"_s + u"<b>"_s.repeated(100000) +
            u"</b>"_s.repeated(100000) +
            u"</text></questiontext><answer "
            u"fraction=\"100\"><text>&amp;#99999999999; "
            "&amp;#x110000; &lt;p unclosed</text></answer><answer><text>&lt;script&gt;x&lt;/SCRIPT "
            "a='>'&gt;y</text></answer></question></quiz>"_s);
        QVERIFY(!deep.error);
        QCOMPARE(describe(deep.items, deep.skipped),
                 describe({Q(u"Q"_s, {u"&#99999999999; \uFFFD"_s, u"y"_s}, u"1"_s)}));
        QVERIFY(readGift(u"{"_s.repeated(100000)).error);
        QCOMPARE(readGift(u"[html]Q {="_s + u"&"_s.repeated(300000) + u" ~b}"_s)
                     .items.value(0)
                     .options.value(0)
                     .size(),
                 300000);
        QString letters = u"Q\n"_s;
        for (char16_t c = u'A'; c <= u'Z'; ++c)
            letters += QChar(c) + u". a\n"_s;
        QCOMPARE(readAiken(letters + u"ANSWER: Z"_s).skipped.value(0).reason,
                 u"26 options; a paper has at most 7"_s);

        const QByteArray huge(maxFileBytes + 1, Qt::Uninitialized); // never touched
        QCOMPARE(readQuestions(huge).error->message, u"the file is larger than 256 MB"_s);
    }

    // What each format cannot hold is left out as documented, in the layout other
    // programs read.
    void lossyWrites()
    {
        const QList<Item> items{
            Q(u"<p>Pick <b>primes</b></p><p>now</p>"_s, {u"2"_s, u"3"_s, u"4&lt;"_s}, u"12"_s)
                .html()
                .title(u"T"_s)
                .explanation(u"e"_s)
                .mark(3),
            Q(u"Which?\nA. is no option\n\nANSWER: neither"_s, {u"x"_s, u"y"_s}, u"1"_s),
            tf(u"Sky?"_s, false),
            Q(u"<p><img src=\"@@PLUGINFILE@@/a.png\"></p>"_s, {u"a"_s, u"b"_s}, u"2"_s).html()};
        QCOMPARE(QString::fromUtf8(writeQuestions(items, Format::Aiken)),
                 u"Pick primes\nnow\nA. 2\nB. 3\nC. 4&lt;\nANSWER: A\n\n"
                 "Which? A. is no option ANSWER: neither\nA. x\nB. y\nANSWER: A\n\n"
                 "Sky?\nA. True\nB. False\nANSWER: B\n\n(no text)\nA. a\nB. b\nANSWER: B\n\n"_s);
        QCOMPARE(QString::fromUtf8(writeQuestions(items, Format::Gift)),
                 u"::T::[html]<p>Pick <b>primes</b></p><p>now</p> "
                 u"{\n~%50%2\n~%50%3\n~%-100%4&amp;lt;\n####e\n}\n\n"
                 "Which?\\nA. is no option\\n\\nANSWER\\: neither {\n=x\n~y\n}\n\nSky? {\nF\n}\n\n"
                 "[html]<p><img src\\=\"@@PLUGINFILE@@/a.png\"></p> {\n~a\n=b\n}\n\n"_s);
    }

    void roundTrip_data()
    {
        QTest::addColumn<Format>("format");
        QTest::newRow("aiken") << Format::Aiken;
        QTest::newRow("gift") << Format::Gift;
        QTest::newRow("moodle-xml") << Format::MoodleXml;
    }
    void roundTrip()
    {
        QFETCH(Format, format);
        QList<Item> expected = roundTripItems();
        for (Item &item : expected) {
            if (format == Format::MoodleXml)
                continue;
            item.mark.reset();
            item.attachments.clear();
            if (format == Format::Aiken) {
                item.title.clear();
                item.explanation.clear();
                if (item.html)
                    item.text = u"HTML bold &"_s;
                item.html = false;
                item.answer.truncate(1);
            }
        }
        const ReadResult r = readQuestions(writeQuestions(roundTripItems(), format));
        QVERIFY2(!r.error, qPrintable(r.error ? r.error->message : QString()));
        QCOMPARE(r.format, format);
        QCOMPARE(describe(r.items, r.skipped), describe(expected));
        QCOMPARE(r.items, expected);
    }

    // What other tools see in the Moodle XML written: Python's own parser reads it.
    void moodleXmlIsReadByOtherParsers()
    {
        const QString python = QStandardPaths::findExecutable(u"python3"_s);
        if (python.isEmpty())
            QSKIP("python3 is not installed");
        QTemporaryDir dir;
        const QByteArray xml = writeQuestions(roundTripItems().mid(1, 4), Format::MoodleXml);
        QVERIFY(xml.startsWith(R"(<?xml version="1.0" encoding="UTF-8"?>)"));
        QFile file(dir.filePath(u"quiz.xml"_s));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(xml) == xml.size());
        file.close();
        QProcess p;
        p.start(python, {u"-c"_s, uR"(import sys, base64, xml.etree.ElementTree as ET
root = ET.parse(sys.argv[1]).getroot()
assert root.tag == 'quiz'
for q in root.findall('question'):
    qt = q.find('questiontext')
    files = [f.get('name') + ':' + f.get('encoding') + ':' + str(len(base64.b64decode(f.text)))
             for f in qt.findall('file')]
    print(q.get('type'), qt.get('format'), q.find('name/text').text, len(qt.find('text').text),
          ','.join(a.get('fraction') + ':' + a.find('text').text for a in q.findall('answer')),
          q.find('generalfeedback/text').text, ' '.join(files), sep='|'))"_s,
                         file.fileName()});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(QString::fromUtf8(p.readAllStandardError()), QString());
        QCOMPARE(
            QString::fromUtf8(p.readAllStandardOutput()),
            u"multichoice|plain_text|Pick primes|11|50:2,50:3,-100:4,-100:9|Two, three.|\n"
            "truefalse|plain_text|Wet|13|100:true,0:false|It is.|\n"
            "truefalse|plain_text|Fire is cold.|13|0:true,100:false|None|\n"
            "multichoice|html|HTML bold &|62|100:x &lt; y,0:a &amp; b|<p>Because]]> of CDATA</p>|x.png:base64:272\n"_s);
    }
};

QTEST_GUILESS_MAIN(TestQuestionFormats)
#include "tst_question_formats.moc"
