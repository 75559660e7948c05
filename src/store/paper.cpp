// SPDX-License-Identifier: GPL-3.0-or-later
#include "paper.h"

#include "case_path.h"
#include "numeric.h"
#include "profile_file.h"

#include <QFileInfo>
#include <cmath>

namespace store {

namespace {

const QString mainSection = QStringLiteral("MAIN");
const QString zero = QStringLiteral("0");

} // namespace

PaperSettings PaperSettings::forNewPaper(const QString &name)
{
    PaperSettings s;
    s.testTime = QStringLiteral("30");
    s.exerciseMode = zero;
    s.retestPassword = QStringLiteral("468");
    s.reloginPassword = QStringLiteral("579");
    s.displayScore = QStringLiteral("1");
    s.changeQuestionSort = QStringLiteral("1");
    s.aGrade = QStringLiteral("90");
    s.bGrade = QStringLiteral("80");
    s.cGrade = QStringLiteral("70");
    s.dGrade = QStringLiteral("60");
    s.author = QString();
    s.aboutTest = name.trimmed();
    s.mark = QStringLiteral("5");
    return s;
}

Question Paper::question(int q) const
{
    if (q < 1 || q >= questions.size())
        return {};
    return questions.at(q);
}

PaperFile::PaperFile(QString path)
    : m_path(std::move(path))
{}

ReadStatus PaperFile::loadPaperQuestions(Paper &paper) const
{
    const ProfileSnapshot file = ProfileFile(m_path).read();
    loadPaperQuestions(file, paper);
    return file.status();
}

void PaperFile::loadPaperQuestions(const ProfileSnapshot &file, Paper &paper)
{
    const int count = wholeNumber(file.value(mainSection, u"Question_conut", zero));
    paper.questionCount = count;
    paper.defaultMark = wholeNumber(file.value(mainSection, u"Mark", zero));
    if (count <= 0)
        return;
    paper.questions = QList<Question>(count + 2);
    for (int q = 1; q <= count; ++q) {
        const QString section = QString::number(q);
        Question &question = paper.questions[q];
        question.question = file.value(section, u"QUESTION");
        question.explain = file.value(section, u"explain");
        question.answer = file.value(section, u"ANSWER");
        question.mark = file.value(section, u"MARK");
    }
}

WriteStatus PaperFile::savePaperQuestions(const Paper &paper) const
{
    ProfileBatch batch;
    batch.set(mainSection, QStringLiteral("Question_conut"), QString::number(paper.questionCount));
    batch.set(mainSection, QStringLiteral("full_mark"), QString::number(paper.fullMark));
    batch.set(mainSection, QStringLiteral("Mark"), QString::number(paper.defaultMark));
    for (int q = 1; q <= paper.questionCount; ++q) {
        const Question question = paper.question(q);
        const QString section = QString::number(q);
        batch.set(section, QStringLiteral("QUESTION"), question.question);
        batch.set(section, QStringLiteral("explain"), question.explain);
        batch.set(section, QStringLiteral("answer"), question.answer);
        batch.set(section, QStringLiteral("mark"), question.mark);
    }
    return ProfileFile(m_path).apply(batch);
}

PaperSettings PaperFile::readPaperSettings() const
{
    const ProfileSnapshot file = ProfileFile(m_path).read();
    auto get = [&](QStringView key) { return file.value(mainSection, key, zero); };
    PaperSettings s;
    s.testTime = get(u"TESTTIME");
    s.exerciseMode = get(u"EXERCISEMODE");
    s.retestPassword = get(u"RETESTPASSWD");
    s.reloginPassword = get(u"RELOGINPASSWD");
    s.displayScore = get(u"DISPLAY_SCORE");
    s.changeQuestionSort = get(u"CHANGE_QUESTION_SORT");
    s.aGrade = get(u"A_grade");
    s.bGrade = get(u"B_grade");
    s.cGrade = get(u"C_grade");
    s.dGrade = get(u"D_grade");
    s.author = get(u"Author");
    s.aboutTest = get(u"about_test");
    s.questionCount = get(u"Question_conut");
    s.fullMark = get(u"full_mark");
    s.mark = get(u"Mark");
    return s;
}

WriteStatus PaperFile::writePaperSettings(const PaperSettings &s) const
{
    ProfileBatch batch;
    auto put = [&](const char16_t *key, const QString &value) {
        batch.set(mainSection, QString::fromUtf16(key), value.trimmed());
    };
    put(u"TESTTIME", s.testTime);
    put(u"EXERCISEMODE", s.exerciseMode);
    put(u"RETESTPASSWD", s.retestPassword);
    put(u"RELOGINPASSWD", s.reloginPassword);
    put(u"DISPLAY_SCORE", s.displayScore);
    put(u"CHANGE_QUESTION_SORT", s.changeQuestionSort);
    put(u"A_grade", s.aGrade);
    put(u"B_grade", s.bGrade);
    put(u"C_grade", s.cGrade);
    put(u"D_grade", s.dGrade);
    put(u"Author", s.author);
    put(u"about_test", s.aboutTest);
    return ProfileFile(m_path).apply(batch);
}

StudentPaper PaperFile::readStudentPaper() const
{
    const ProfileSnapshot file = ProfileFile(m_path).read();
    auto whole = [&](QStringView key, const QString &fallback) {
        return wholeNumber(file.value(u"main", key, fallback));
    };
    StudentPaper paper;
    paper.testTime = whole(u"TESTtime", zero);
    paper.questionCount = whole(u"Question_conut", zero);
    paper.defaultMark = whole(u"Mark", zero);
    paper.fullMark = whole(u"full_mark", zero);
    paper.exerciseMode = whole(u"EXERCISEMODE", zero);
    paper.displayScore = whole(u"DISPLAY_SCORE", zero);
    paper.changeQuestionSort = whole(u"CHANGE_QUESTION_SORT", QStringLiteral("1"));
    paper.retestPassword = file.value(u"main", u"RETESTPASSWD");
    paper.reloginPassword = file.value(u"main", u"RELOGINPASSWD");
    for (int q = 1; q <= paper.questionCount; ++q) {
        const QString section = QString::number(q);
        paper.questions.append(
            Question{file.value(section, u"QUESTION"), file.value(section, u"explain"),
                     file.value(section, u"ANSWER"), file.value(section, u"MARK")});
    }
    return paper;
}

QString newRtfFileName(const QString &folder, const QString &extension, RandomSource &random)
{
    const QString base = folder.trimmed();
    const QString suffix = u'.' + extension.trimmed();
    auto taken = [&](qint64 n) {
        const QString path = CasePath::resolve(base, {QString::number(n) + suffix});
        return !path.isEmpty() && QFileInfo::exists(path);
    };
    // Random draws, as documents have always been named; a source that keeps giving
    // taken numbers (a full folder, a scripted source) falls back to counting upward.
    qint64 n = 1;
    for (int attempt = 0; attempt < 1000; ++attempt) {
        n = qint64(std::floor(random.uniform() * 100000000.0 + 1.0));
        n = std::clamp<qint64>(n, 1, 100000000);
        if (!taken(n))
            return QString::number(n) + suffix;
    }
    for (qint64 step = 1; step <= 100000000; ++step) {
        const qint64 candidate = (n - 1 + step) % 100000000 + 1;
        if (!taken(candidate))
            return QString::number(candidate) + suffix;
    }
    return {};
}

} // namespace store
