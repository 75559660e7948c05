// SPDX-License-Identifier: GPL-3.0-or-later
#include "student_root.h"

#include "store/profile_file.h"
#include "store/roster.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace testing {

namespace {

void apply(const QString &file, const QString &section, const KeyValues &values)
{
    store::ProfileBatch batch;
    for (const auto &[key, value] : values)
        batch.set(section, key, value);
    const store::WriteStatus status = store::ProfileFile(file).apply(batch);
    if (status != store::WriteStatus::Ok)
        qFatal("test root: could not write %s", qPrintable(file));
}

} // namespace

StudentRoot::StudentRoot(const QString &folder)
    : m_root(folder)
{
    QDir().mkpath(folder + QStringLiteral("/sys"));
    QDir().mkpath(folder + QStringLiteral("/SHIJUAN"));
    QDir().mkpath(folder + QStringLiteral("/CHENGJI"));
}

void StudentRoot::setClasses(const QList<store::ClassEntry> &classes)
{
    QVERIFY(store::Roster(m_root).writeClassList(classes) == store::WriteStatus::Ok);
}

void StudentRoot::setPapers(const QList<QPair<QString, QString>> &papers)
{
    KeyValues values{{QStringLiteral("TestNameCount"), QString::number(papers.size())}};
    for (qsizetype i = 0; i < papers.size(); ++i) {
        values.append({QString::number(i + 1), papers.at(i).first});
        if (!papers.at(i).second.isEmpty())
            values.append({papers.at(i).first, papers.at(i).second});
    }
    writeRoster(QStringLiteral("TestName"), values);
}

void StudentRoot::admit(const QString &paper, const QString &className, const QString &flag)
{
    writeRoster(paper, {{className, flag}});
}

void StudentRoot::writeRoster(const QString &section, const KeyValues &values)
{
    apply(m_root.rosterFile(), section, values);
}

QString StudentRoot::paperFolder(const QString &paper) const
{
    return m_root.paperFolder(paper);
}

void StudentRoot::createPaper(const QString &paper, const KeyValues &main)
{
    QDir().mkpath(path() + QStringLiteral("/SHIJUAN/") + paper);
    QDir().mkpath(path() + QStringLiteral("/CHENGJI/") + paper);
    apply(m_root.paperFile(paper), QStringLiteral("MAIN"), main);
}

void StudentRoot::setQuestions(const QString &paper, const QList<store::Question> &questions)
{
    apply(m_root.paperFile(paper), QStringLiteral("MAIN"),
          {{QStringLiteral("Question_conut"), QString::number(questions.size())}});
    store::ProfileBatch batch;
    for (qsizetype i = 0; i < questions.size(); ++i) {
        const store::Question &q = questions.at(i);
        const QString section = QString::number(i + 1);
        batch.set(section, QStringLiteral("QUESTION"), q.question);
        batch.set(section, QStringLiteral("explain"), q.explain);
        batch.set(section, QStringLiteral("answer"), q.answer);
        batch.set(section, QStringLiteral("mark"), q.mark);
        for (const QString &name : {q.question, q.explain}) {
            if (name.isEmpty() || name.contains(u'/'))
                continue;
            QFile file(paperFolder(paper) + u'/' + name);
            if (file.open(QIODevice::WriteOnly))
                file.write("{\\rtf1\\ansi " + name.toLatin1() + "\\par}");
        }
    }
    QVERIFY(store::ProfileFile(m_root.paperFile(paper)).apply(batch) == store::WriteStatus::Ok);
}

QList<store::Question> StudentRoot::plainQuestions(int count)
{
    QList<store::Question> questions;
    for (int q = 1; q <= count; ++q) {
        questions.append({QStringLiteral("q%1.RTF").arg(q), QStringLiteral("e%1.RTF").arg(q),
                          QStringLiteral("1"), QString()});
    }
    return questions;
}

QString StudentRoot::recordFile(const QString &paper, const QString &className,
                                const QString &number) const
{
    return m_root.recordFile(paper, className, number);
}

void StudentRoot::writeRecord(const QString &paper, const QString &className, const QString &number,
                              const KeyValues &suffixedValues)
{
    KeyValues values;
    for (const auto &[suffix, value] : suffixedValues)
        values.append({number + suffix, value});
    apply(recordFile(paper, className, number), className, values);
}

} // namespace testing
