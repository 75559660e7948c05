// SPDX-License-Identifier: GPL-3.0-or-later
#include "root_builder.h"

#include "test_files.h"

#include "store/answer_code.h"
#include "store/profile_file.h"
#include "store/result_record.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTest>

namespace testing {

namespace {

void setKey(KeyValues &values, const QString &key, const QString &value)
{
    for (auto &[k, v] : values) {
        if (k.compare(key, Qt::CaseInsensitive) == 0) {
            v = value;
            return;
        }
    }
    values.append({key, value});
}

} // namespace

RootBuilder::RootBuilder()
    : m_dir(std::make_unique<QTemporaryDir>())
    , m_local(std::make_unique<QTemporaryDir>())
    , m_path(m_dir->path())
{
    QDir().mkpath(m_path + QStringLiteral("/sys"));
}

RootBuilder::RootBuilder(const QString &folder)
    : m_local(std::make_unique<QTemporaryDir>())
    , m_path(folder)
{
    QDir().mkpath(m_path + QStringLiteral("/sys"));
}

RootBuilder::~RootBuilder()
{
    const bool keep = QTest::currentTestFailed();
    m_local->setAutoRemove(!keep);
    if (m_dir) {
        m_dir->setAutoRemove(!keep);
        if (keep)
            qWarning("data root kept: %s", qPrintable(m_path));
    }
}

QByteArray RootBuilder::rosterBytes() const
{
    return readBytes(rosterFile());
}

QString RootBuilder::localFolder(const QString &name) const
{
    return m_local->path() + u'/' + name;
}

RootBuilder &RootBuilder::file(const QString &relative, const QByteArray &bytes)
{
    writeBytes(m_path + u'/' + relative, bytes);
    return *this;
}

RootBuilder &RootBuilder::copy(const QString &source, const QString &relative)
{
    const QString target = m_path + u'/' + relative;
    QFile::remove(target);
    if (!QFile::copy(source, target))
        qFatal("test root: could not copy %s", qPrintable(source));
    return *this;
}

RootBuilder &RootBuilder::paperFolders()
{
    QDir().mkpath(m_path + QStringLiteral("/SHIJUAN"));
    QDir().mkpath(m_path + QStringLiteral("/CHENGJI"));
    return *this;
}

RootBuilder &RootBuilder::removeSys()
{
    QDir(root().sysFolder()).removeRecursively();
    return *this;
}

void RootBuilder::apply(const QString &file, const QString &section, const KeyValues &values)
{
    store::ProfileBatch batch;
    for (const auto &[key, value] : values)
        batch.set(section, key, value);
    if (store::ProfileFile(file).apply(batch) != store::WriteStatus::Ok)
        qFatal("test root: could not write %s", qPrintable(file));
}

RootBuilder &RootBuilder::roster(const QString &text)
{
    writeBytes(rosterFile(), windowsText(text));
    return *this;
}

RootBuilder &RootBuilder::rosterKeys(const QString &section, const KeyValues &values)
{
    apply(rosterFile(), section, values);
    return *this;
}

RootBuilder &RootBuilder::classes(const QList<store::ClassEntry> &classes)
{
    for (const store::ClassEntry &entry : classes) {
        const auto same = std::find_if(m_classes.begin(), m_classes.end(),
                                       [&](const auto &c) { return c.name == entry.name; });
        if (same == m_classes.end())
            m_classes.append(entry);
        else
            *same = entry;
    }
    if (store::Roster(root()).writeClassList(m_classes) != store::WriteStatus::Ok)
        qFatal("test root: could not write the class list");
    return *this;
}

RootBuilder &RootBuilder::offer(const QString &paper, const QString &flag)
{
    m_offers.append({paper, flag});
    KeyValues values{{QStringLiteral("TestNameCount"), QString::number(m_offers.size())}};
    for (qsizetype i = 0; i < m_offers.size(); ++i) {
        values.append({QString::number(i + 1), m_offers.at(i).first});
        if (!m_offers.at(i).second.isEmpty())
            values.append(m_offers.at(i));
    }
    return rosterKeys(QStringLiteral("TestName"), values);
}

RootBuilder &RootBuilder::admit(const QString &paper, const QString &className, const QString &flag)
{
    return rosterKeys(paper, {{className, flag}});
}

KeyValues RootBuilder::settings(const QString &about, const QString &testTime,
                                const QString &author)
{
    return {{QStringLiteral("TESTTIME"), testTime},
            {QStringLiteral("EXERCISEMODE"), QStringLiteral("0")},
            {QStringLiteral("RETESTPASSWD"), QStringLiteral("468")},
            {QStringLiteral("RELOGINPASSWD"), QStringLiteral("579")},
            {QStringLiteral("DISPLAY_SCORE"), QStringLiteral("1")},
            {QStringLiteral("CHANGE_QUESTION_SORT"), QStringLiteral("1")},
            {QStringLiteral("A_grade"), QStringLiteral("90")},
            {QStringLiteral("B_grade"), QStringLiteral("80")},
            {QStringLiteral("C_grade"), QStringLiteral("70")},
            {QStringLiteral("D_grade"), QStringLiteral("60")},
            {QStringLiteral("Author"), author},
            {QStringLiteral("about_test"), about}};
}

KeyValues RootBuilder::savedSettings(const QString &testTime)
{
    return settings(QStringLiteral("代数单元测验"), testTime) +
           KeyValues{{QStringLiteral("Question_conut"), QStringLiteral("2")},
                     {QStringLiteral("full_mark"), QStringLiteral("10")},
                     {QStringLiteral("Mark"), QStringLiteral("5")}};
}

QList<store::Question> RootBuilder::plainQuestions(int count)
{
    QList<store::Question> questions;
    for (int q = 1; q <= count; ++q) {
        questions.append({QStringLiteral("q%1.RTF").arg(q), QStringLiteral("e%1.RTF").arg(q),
                          QStringLiteral("1"), QString()});
    }
    return questions;
}

void RootBuilder::writePaper(const QString &name)
{
    const PaperKeys &paper = m_papers[name];
    QString text;
    if (!paper.main.isEmpty())
        text = QStringLiteral("[MAIN]\n");
    for (const auto &[key, value] : paper.main)
        text += key + u'=' + value + u'\n';
    for (qsizetype i = 0; i < paper.questions.size(); ++i) {
        const store::Question &q = paper.questions.at(i);
        text += QStringLiteral("[%1]\nQUESTION=%2\nexplain=%3\nanswer=%4\nmark=%5\n")
                    .arg(i + 1)
                    .arg(q.question, q.explain, q.answer, q.mark);
    }
    // An empty paper leaves no file, as an empty write through the store does.
    if (!text.isEmpty())
        writeBytes(root().paperFile(name), windowsText(text));
}

RootBuilder &RootBuilder::paper(const QString &name, const KeyValues &main)
{
    QDir().mkpath(m_path + QStringLiteral("/SHIJUAN/") + name);
    QDir().mkpath(m_path + QStringLiteral("/CHENGJI/") + name);
    PaperKeys &paper = m_papers[name];
    for (const auto &[key, value] : main)
        setKey(paper.main, key, value);
    writePaper(name);
    return *this;
}

RootBuilder &RootBuilder::questions(const QString &paper, const QList<store::Question> &questions,
                                    QuestionCount count)
{
    m_papers[paper].questions = questions;
    if (count == QuestionCount::Left)
        return this->paper(paper, {});
    return this->paper(paper,
                       {{QStringLiteral("Question_conut"), QString::number(questions.size())}});
}

RootBuilder &RootBuilder::marks(const QString &paper, int defaultMark)
{
    const QList<store::Question> &questions = m_papers[paper].questions;
    double full = 0;
    for (const store::Question &q : questions)
        full += q.mark.isEmpty() ? defaultMark : q.mark.toDouble();
    return this->paper(paper,
                       {{QStringLiteral("Question_conut"), QString::number(questions.size())},
                        {QStringLiteral("full_mark"), QString::number(qRound(full))},
                        {QStringLiteral("Mark"), QString::number(defaultMark)}});
}

RootBuilder &RootBuilder::document(const QString &paper, const QString &fileName,
                                   const QByteArray &bytes)
{
    writeBytes(root().paperFolder(paper) + u'/' + fileName, bytes);
    return *this;
}

RootBuilder &RootBuilder::rtfDocument(const QString &paper, const QString &fileName,
                                      const QString &text)
{
    return document(paper, fileName, rtf(text));
}

RootBuilder &RootBuilder::namedDocuments(const QString &paper)
{
    for (const store::Question &q : std::as_const(m_papers[paper].questions)) {
        for (const QString &name : {q.question, q.explain}) {
            if (!name.isEmpty() && !name.contains(u'/'))
                document(paper, name, "{\\rtf1\\ansi\\ansicpg936 " + name.toLatin1() + "\\par}");
        }
    }
    return *this;
}

RootBuilder &RootBuilder::savedPaper(const QString &name, const QList<store::Question> &questions,
                                     int defaultMark, const QString &author)
{
    return paper(name, settings(name, QStringLiteral("45"), author))
        .questions(name, questions)
        .marks(name, defaultMark);
}

RootBuilder &RootBuilder::twoQuestionPaper(const QString &name, const KeyValues &main)
{
    const QList<store::Question> two{
        {QStringLiteral("12345678.RTF"), QStringLiteral("87654321.RTF"), QStringLiteral("13"), {}},
        {QStringLiteral("555.RTF"), QStringLiteral("556.RTF"), QStringLiteral("2"),
         QStringLiteral("5")}};
    return paper(name, main).questions(name, two, QuestionCount::Left).namedDocuments(name);
}

RootBuilder &RootBuilder::keyedPaper(const QString &name, const QStringList &answers,
                                     Documents documents)
{
    QList<store::Question> questions;
    for (qsizetype q = 1; q <= answers.size(); ++q) {
        questions.append({QStringLiteral("q%1.rtf").arg(q), {}, answers.at(q - 1), {}});
        if (documents == Documents::Written)
            document(name, questions.last().question,
                     rtf(QStringLiteral("Question %1: which options are right?").arg(q)));
    }
    return offer(name)
        .paper(name, settings(name.trimmed(), QStringLiteral("30"), {}))
        .questions(name, questions)
        .marks(name, 5);
}

RootBuilder &RootBuilder::editedPaper(const QString &name, const QList<FixtureQuestion> &questions,
                                      int defaultMark, int first)
{
    QList<store::Question> named;
    for (int q = 1; q <= questions.size(); ++q) {
        const FixtureQuestion &question = questions.at(q - 1);
        const QString text = QString::number(first + 2 * q - 2) + QStringLiteral(".RTF");
        const QString explanation = QString::number(first + 2 * q - 1) + QStringLiteral(".RTF");
        document(name, text, wordpadRtf(question.text));
        document(name, explanation, wordpadRtf(question.explanation));
        named.append({text, explanation, question.answer, question.mark});
    }
    return paper(name, settings(name)).questions(name, named).marks(name, defaultMark);
}

RootBuilder &RootBuilder::start(const QString &paper, const QString &className, int number,
                                const QString &firstName, const QString &lastName,
                                const QList<int> &answers)
{
    const store::ResultRecord record(root(), paper, className, QString::number(number));
    record.writeAdmission(firstName, lastName);
    record.writeStart(QStringLiteral("2024,05,12  09:30:00"));
    if (!answers.isEmpty()) {
        QList<store::AnswerCode> codes;
        QList<int> order;
        for (qsizetype i = 0; i < answers.size(); ++i) {
            codes.append(store::AnswerCode(answers.at(i)));
            order.append(int(i + 1));
        }
        record.writeAutosave(QStringLiteral("0:20:00"), 1, codes, order);
    }
    return *this;
}

RootBuilder &RootBuilder::finish(const QString &paper, const QString &className, int number,
                                 const QString &firstName, const QString &lastName,
                                 const QString &score, const QString &time2,
                                 const QList<int> &answers)
{
    start(paper, className, number, firstName, lastName, answers);
    KeyValues values{{QStringLiteral("TIME2"), time2}};
    for (qsizetype q = 0; q < answers.size(); ++q)
        values.append({QStringLiteral("DA%1").arg(q + 1), QString::number(answers.at(q))});
    values.append({QStringLiteral("DF"), score});
    return record(paper, className, QString::number(number), values);
}

RootBuilder &RootBuilder::finishRaw(const QString &paper, const QString &className, int number,
                                    const QString &firstName, const QString &score,
                                    const QString &time2, const QList<int> &answers)
{
    const QString n = QString::number(number);
    QString text = u'[' + className + u"]\n" + n + u'=' + firstName + u'\n' + n + u"LAST=\n" + n +
                   u"TIME1=2024,05,12  09:30:00\n" + n + u"TIME2=" + time2 + u'\n';
    for (qsizetype q = 0; q < answers.size(); ++q)
        text += n + u"DA" + QString::number(q + 1) + u'=' + QString::number(answers.at(q)) + u'\n';
    text += n + u"DF=" + score + u'\n';
    writeBytes(root().recordFile(paper, className, n), windowsText(text));
    return *this;
}

RootBuilder &RootBuilder::record(const QString &paper, const QString &className,
                                 const QString &number, const KeyValues &suffixedValues)
{
    KeyValues values;
    for (const auto &[suffix, value] : suffixedValues)
        values.append({number + suffix, value});
    apply(root().recordFile(paper, className, number), className, values);
    return *this;
}

QByteArray RootBuilder::rtf(const QString &text)
{
    QByteArray out = "{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl{\\f0\\fnil\\fcharset134 SimSun;}}"
                     "\\pard\\f0\\fs24 ";
    const QStringList lines = text.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        for (const QChar c : lines.at(i)) {
            if (c.unicode() < 0x80 && c != u'\\' && c != u'{' && c != u'}')
                out += char(c.unicode());
            else
                out += "\\u" + QByteArray::number(qint16(c.unicode())) + '?';
        }
        if (i + 1 < lines.size())
            out += "\\par\r\n";
    }
    return out + "\\par\r\n}";
}

QByteArray RootBuilder::wordpadRtf(const QString &text)
{
    QByteArray body;
    QStringEncoder gbk("GBK");
    for (QChar c : text) {
        if (c == u'\n') {
            body += "\\par\r\n";
        } else if (c.unicode() < 0x80) {
            if (c == u'\\' || c == u'{' || c == u'}')
                body += '\\';
            body += char(c.unicode());
        } else {
            for (char byte : QByteArray(gbk.encode(QStringView(&c, 1))))
                body += "\\'" + QByteArray::number(uchar(byte), 16).rightJustified(2, '0');
        }
    }
    return "{\\rtf1\\ansi\\ansicpg936\\deff0\\deflang1033\\deflangfe2052{\\fonttbl{\\f0\\fnil"
           "\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}}\r\n\\viewkind4\\uc1\\pard\\lang2052\\f0\\fs20 " +
           body + "\\par\r\n}\r\n";
}

} // namespace testing
