// SPDX-License-Identifier: GPL-3.0-or-later
#include "results_fixture.h"

#include "store/answer_code.h"
#include "store/paper.h"
#include "store/profile_file.h"
#include "store/result_record.h"
#include "store/roster.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>

namespace testing {

namespace {

QList<store::AnswerCode> codes(const QList<int> &answers)
{
    QList<store::AnswerCode> list;
    for (int a : answers)
        list.append(store::AnswerCode(a));
    return list;
}

} // namespace

ResultsFixture::ResultsFixture(const QString &folder)
    : m_folder(folder)
{
    QDir().mkpath(m_folder + QStringLiteral("/sys"));
}

void ResultsFixture::writeLists()
{
    store::ProfileBatch batch;
    const QString tests = QStringLiteral("TestName");
    batch.set(tests, QStringLiteral("TestNameCount"), QString::number(m_papers.size()));
    for (qsizetype i = 0; i < m_papers.size(); ++i) {
        batch.set(tests, QString::number(i + 1), m_papers.at(i));
        batch.set(tests, m_papers.at(i), QStringLiteral("1"));
    }
    store::ProfileFile(root().rosterFile()).apply(batch);
}

void ResultsFixture::addPaper(const QString &name, const QStringList &answers,
                              const Thresholds &grades, bool documents)
{
    QDir().mkpath(m_folder + QStringLiteral("/SHIJUAN/") + name);
    QDir().mkpath(m_folder + QStringLiteral("/CHENGJI/") + name);
    m_papers.append(name);
    writeLists();

    store::PaperSettings settings = store::PaperSettings::forNewPaper(name);
    settings.aGrade = grades.a;
    settings.bGrade = grades.b;
    settings.cGrade = grades.c;
    settings.dGrade = grades.d;
    const store::PaperFile file(root().paperFile(name));
    file.writePaperSettings(settings);

    store::Paper paper;
    paper.name = name;
    paper.questionCount = int(answers.size());
    paper.defaultMark = 5;
    paper.fullMark = 5 * paper.questionCount;
    paper.questions.append(store::Question{});
    for (qsizetype q = 0; q < answers.size(); ++q) {
        const QString document = QStringLiteral("q%1.rtf").arg(q + 1);
        paper.questions.append(store::Question{document, QString(), answers.at(q), QString()});
        if (documents) {
            QFile rtf(root().paperDocument(name, document));
            if (rtf.open(QIODevice::WriteOnly))
                rtf.write(
                    QStringLiteral("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs24 Question %1: "
                                   "which options are right?\\par}")
                        .arg(q + 1)
                        .toLatin1());
        }
    }
    paper.questions.append(store::Question{});
    file.savePaperQuestions(paper);
}

void ResultsFixture::addClass(const QString &name, int count, int first, int last)
{
    m_classes.append(name);
    QList<store::ClassEntry> classes = store::Roster(root()).readClassList();
    QList<store::ClassEntry> updated;
    for (const QString &c : std::as_const(m_classes)) {
        store::ClassEntry entry{c, 0, 0, 0};
        for (const store::ClassEntry &old : std::as_const(classes)) {
            if (old.name == c)
                entry = old;
        }
        if (c == name)
            entry = store::ClassEntry{name, count, first, last};
        updated.append(entry);
    }
    store::Roster(root()).writeClassList(updated);
}

void ResultsFixture::start(const QString &paper, const QString &className, int number,
                           const QString &firstName, const QString &lastName,
                           const QList<int> &answers)
{
    const store::ResultRecord record(root(), paper, className, QString::number(number));
    record.writeAdmission(firstName, lastName);
    record.writeStart(QStringLiteral("2024,05,12  09:30:00"));
    if (!answers.isEmpty()) {
        QList<int> order;
        for (qsizetype i = 0; i < answers.size(); ++i)
            order.append(int(i + 1));
        record.writeAutosave(QStringLiteral("0:20:00"), 1, codes(answers), order);
    }
}

void ResultsFixture::finish(const QString &paper, const QString &className, int number,
                            const QString &firstName, const QString &lastName, const QString &score,
                            const QString &time2, const QList<int> &answers)
{
    start(paper, className, number, firstName, lastName, answers);
    const store::ResultRecord record(root(), paper, className, QString::number(number));
    store::ProfileBatch batch;
    batch.set(record.section(), record.key(u"TIME2"), time2);
    for (qsizetype q = 0; q < answers.size(); ++q)
        batch.set(record.section(), record.key(u"DA", int(q + 1)), QString::number(answers.at(q)));
    batch.set(record.section(), record.key(u"DF"), score);
    store::ProfileFile(record.file()).apply(batch);
}

void ResultsFixture::writeFinished(const QString &paper, const QString &className, int number,
                                   const QString &firstName, const QString &score,
                                   const QString &time2, const QList<int> &answers)
{
    const QString n = QString::number(number);
    QString text = u'[' + className + u"]\r\n" + n + u'=' + firstName + u"\r\n" + n + u"LAST=\r\n" +
                   n + u"TIME1=2024,05,12  09:30:00\r\n" + n + u"TIME2=" + time2 + u"\r\n";
    for (qsizetype q = 0; q < answers.size(); ++q)
        text +=
            n + u"DA" + QString::number(q + 1) + u'=' + QString::number(answers.at(q)) + u"\r\n";
    text += n + u"DF=" + score + u"\r\n";
    QFile file(recordFile(paper, className, number));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(QStringEncoder("GBK").encode(text));
}

void ResultsFixture::setKeys(const QString &paper, const QString &className, int number,
                             const QList<std::pair<QString, QString>> &suffixAndValue)
{
    const store::ResultRecord record(root(), paper, className, QString::number(number));
    store::ProfileBatch batch;
    for (const auto &[suffix, value] : suffixAndValue)
        batch.set(record.section(), record.key(suffix), value);
    store::ProfileFile(record.file()).apply(batch);
}

QString ResultsFixture::recordFile(const QString &paper, const QString &className, int number) const
{
    return root().recordFile(paper, className, QString::number(number));
}

} // namespace testing
