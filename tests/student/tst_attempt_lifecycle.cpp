// One testee from admission to score, with a power failure in between: the
// record then holds exactly the keys of each step, and the neighbour who shares
// the file keeps every line of their section.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "student/admission.h"
#include "student/exam_attempt.h"
#include "root_builder.h"
#include "student_texts.h"
#include "test_files.h"
#include "write_faults.h"

#include "store/profile_file.h"
#include "store/result_record.h"
#include "fixed_clock.h"
#include "scripted_prompts.h"
#include "scripted_random.h"

#include <QMap>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace student;
using namespace Qt::StringLiterals;
using testing::RootBuilder;

namespace {

std::array<bool, 7> options(QStringView letters)
{
    std::array<bool, 7> chosen{};
    for (QChar c : letters)
        chosen[size_t(c.unicode() - u'A')] = true;
    return chosen;
}

// The lines of one section, as they stand in the file.
QStringList sectionLines(const QByteArray &bytes, const QString &section)
{
    QStringList lines;
    bool inside = false;
    for (const QString &line : QString::fromLatin1(bytes).split(u"\r\n"_s)) {
        if (line.startsWith(u'['))
            inside = line == u'[' + section + u']';
        else if (inside && !line.isEmpty())
            lines.append(line);
    }
    return lines;
}

QMap<QString, QString> sectionKeys(const QByteArray &bytes, const QString &section)
{
    QMap<QString, QString> keys;
    for (const QString &line : sectionLines(bytes, section)) {
        const qsizetype equals = line.indexOf(u'=');
        keys.insert(line.left(equals), line.mid(equals + 1));
    }
    return keys;
}

// Class A1 (testees 1 to 30) may sit the paper Maths, which has these settings.
void offerMaths(RootBuilder &root, const testing::KeyValues &settings)
{
    root.classes({{u"A1"_s, 30, 1, 30}});
    root.offer(u"Maths"_s);
    root.admit(u"Maths"_s, u"A1"_s);
    root.paper(u"Maths"_s, settings);
}

} // namespace

class TestAttemptLifecycle : public QObject
{
    Q_OBJECT

private slots:
    void interruptedAttemptResumesAndFinishes();
    void retestStartsAfreshAndKeepsTheOldScoreUntilTheEnd();
    void remoteAttemptCopiesOnce();
    void aFullShareLosesNoAnswer_data();
    void aFullShareLosesNoAnswer();
};

void TestAttemptLifecycle::aFullShareLosesNoAnswer_data()
{
    QTest::addColumn<bool>("roomMade");
    QTest::newRow("the teacher makes room, OK tries again") << true;
    QTest::newRow("no room, the student ends") << false;
}

// The share fills during the test: the autosaves fail and are tried again at each tick, the
// answers stay in memory, and the end never reports a score that the record did not get.
void TestAttemptLifecycle::aFullShareLosesNoAnswer()
{
    QFETCH(bool, roomMade);
    QTemporaryDir dir;
    RootBuilder root(dir.path());
    offerMaths(root, {{u"TESTTIME"_s, u"30"_s},
                      {u"DISPLAY_SCORE"_s, u"1"_s},
                      {u"full_mark"_s, u"15"_s},
                      {u"Mark"_s, u"5"_s}});
    root.questions(u"Maths"_s, RootBuilder::plainQuestions(3))
        .namedDocuments(u"Maths"_s); // every key is A
    testing::FixedClock clock(QDateTime(QDate(2004, 5, 12), QTime(9, 30, 0)));
    testing::ScriptedRandom random({0.5});
    testing::ScriptedPrompts prompts;
    Admission admission(root.root(), prompts);
    QCOMPARE(admission.open(), Admission::Opening::Ready);
    const Admission::Outcome admitted =
        admission.admit({u"Maths"_s, u"A1"_s, u"7"_s, u"Tom"_s, u"Lee"_s});
    QVERIFY(admitted.admitted);
    int quits = 0;
    ExamAttempt attempt(
        root.root(), clock, random, prompts, [&] { ++quits; }, dir.filePath(u"cache"_s));
    QVERIFY(attempt.startAttempt(admitted.identity));
    attempt.registerAnswer(options(u"A"));
    QVERIFY(attempt.autosave());
    const QString file = root.root().recordFile(u"Maths"_s, u"A1"_s, u"7"_s);
    const QByteArray saved = testing::readBytes(file);

    // From here on no record can be written whole.
    auto full = std::make_unique<testing::FileSizeLimit>(saved.size() - 1);
    for (int p = 2; p <= 3; ++p) {
        attempt.goToPosition(p);
        attempt.registerAnswer(options(u"A"));
        QVERIFY(!attempt.autosave());
        QVERIFY(attempt.retryAutosave()); // still owed
    }
    QCOMPARE(testing::readBytes(file), saved);
    QVERIFY(attempt.failedAutosaves() >= ExamAttempt::autosaveFailuresBeforeWarning);

    prompts.whileShown([&](const testing::ScriptedPrompts::Shown &shown) {
        if (roomMade && shown.text == texts::saveFailed)
            full.reset();
    });
    if (roomMade)
        prompts.accept();
    else
        prompts.refuse();
    attempt.finishAttempt();
    QCOMPARE(quits, 1);
    const store::ProfileSnapshot record = store::ProfileFile(file).read();
    if (roomMade) {
        QCOMPARE(prompts.texts(), (QStringList{texts::saveFailed, texts::score(15, 15)}));
        QCOMPARE(record.value(u"A1", u"7DF"), u"15"_s);
        for (int q = 1; q <= 3; ++q)
            QCOMPARE(record.value(u"A1", u"7DA%1"_s.arg(q)), u"1"_s);
    } else {
        QCOMPARE(prompts.texts(),
                 (QStringList{texts::saveFailed, texts::score(15, 15), texts::notSaved}));
        QCOMPARE(testing::readBytes(file), saved);
    }
}

void TestAttemptLifecycle::interruptedAttemptResumesAndFinishes()
{
    QTemporaryDir dir;
    RootBuilder root(dir.path());
    root.classes({{u"A1"_s, 30, 1, 30}, {u"A12"_s, 30, 1, 30}});
    root.offer(u"Maths"_s);
    root.admit(u"Maths"_s, u"A1"_s);
    root.paper(u"Maths"_s, {{u"TESTTIME"_s, u"30"_s},
                            {u"RETESTPASSWD"_s, u"468"_s},
                            {u"RELOGINPASSWD"_s, u"579"_s},
                            {u"DISPLAY_SCORE"_s, u"1"_s},
                            {u"full_mark"_s, u"35"_s},
                            {u"Mark"_s, u"5"_s}});
    root.questions(u"Maths"_s, {{u"q1.RTF"_s, u"e1.RTF"_s, u"1"_s, QString()},
                                {u"q2.RTF"_s, u"e2.RTF"_s, u"13"_s, u"10"_s},
                                {u"q3.RTF"_s, u"e3.RTF"_s, u"2"_s, QString()},
                                {u"q4.RTF"_s, u"e4.RTF"_s, QString(), QString()},
                                {u"q5.RTF"_s, u"e5.RTF"_s, u"7"_s, u"2.5"_s}})
        .namedDocuments(u"Maths"_s);
    // Class A12, testee 3, lives in the same file A123.cho as class A1, testee 23.
    root.record(u"Maths"_s, u"A12"_s, u"3"_s,
                {{QString(), u"Ann"_s},
                 {u"LAST"_s, u"Wu"_s},
                 {u"TIME1"_s, u"2004,05,11  08:00:00"_s},
                 {u"TIME"_s, u"00:10:00"_s},
                 {u"DA1"_s, u"1"_s},
                 {u"TIME2"_s, u"00:05:00"_s},
                 {u"DF"_s, u"5"_s}});
    const QString file = root.root().recordFile(u"Maths"_s, u"A1"_s, u"23"_s);
    QVERIFY(file.endsWith(u"/A123.cho"));
    const QStringList neighbour = sectionLines(testing::readBytes(file), u"A12"_s);
    QCOMPARE(neighbour.size(), 7);

    testing::FixedClock clock(QDateTime(QDate(2004, 5, 12), QTime(9, 30, 0)));
    testing::ScriptedRandom random({0.9, 0.0, 0.5, 0.3, 0.7});
    testing::ScriptedPrompts prompts;
    int quits = 0;
    store::IoCounters::reset();

    // First sitting: admitted as a new testee, two autosaves, then the power fails.
    {
        Admission admission(root.root(), prompts);
        QCOMPARE(admission.open(), Admission::Opening::Ready);
        const Admission::Outcome admitted =
            admission.admit({u"Maths"_s, u"A1"_s, u"023"_s, u"Tom"_s, u"Lee"_s});
        QVERIFY(admitted.admitted);
        QVERIFY(!admitted.identity.resume);
        ExamAttempt attempt(
            root.root(), clock, random, prompts, [&] { ++quits; }, dir.filePath(u"cache"_s));
        attempt.startAttempt(admitted.identity);
        QCOMPARE(attempt.presentationOrder(), (QList<int>{2, 4, 3, 1, 5}));
        attempt.registerAnswer(options(u"CA"));
        for (int i = 0; i < 60; ++i)
            attempt.countdownTick();
        attempt.autosave();
        attempt.next();
        attempt.registerAnswer(options(u"B"));
        attempt.next();
        attempt.registerAnswer(options(u"B"));
        for (int i = 0; i < 60; ++i)
            attempt.countdownTick();
        attempt.autosave();
        // Work after the last autosave is what a power failure costs.
        attempt.next();
        attempt.registerAnswer(options(u"A"));
    }
    QCOMPARE(quits, 0);
    QVERIFY(prompts.texts().isEmpty());

    // Second sitting: the relogin path, then the attempt goes on where it was saved.
    clock.set(QDateTime(QDate(2004, 5, 12), QTime(10, 0, 0)));
    prompts.accept();
    prompts.accept(u"579"_s);
    Admission admission(root.root(), prompts);
    QCOMPARE(admission.open(), Admission::Opening::Ready);
    const Admission::Outcome again =
        admission.admit({u"Maths"_s, u"A1"_s, u"23"_s, u"Tommy"_s, u"Lee"_s});
    QVERIFY(again.admitted);
    QVERIFY(again.identity.resume);
    QCOMPARE(prompts.texts(), (QStringList{texts::reloginQuestion, texts::reloginTitle}));
    prompts.clear();

    ExamAttempt attempt(
        root.root(), clock, random, prompts, [&] { ++quits; }, dir.filePath(u"cache"_s));
    attempt.startAttempt(again.identity);
    QCOMPARE(attempt.position(), 3);
    QCOMPARE(attempt.remainingTime().text(), u"00:28:00"_s);
    QCOMPARE(attempt.answer(1).value(), 0);
    QCOMPARE(attempt.answer(2).value(), 13);
    attempt.next();
    attempt.registerAnswer(options(u"A"));
    attempt.next();
    attempt.registerAnswer(options(u"G"));
    for (int i = 0; i < 15; ++i)
        attempt.countdownTick();
    attempt.finishAttempt();
    // 5 (default mark) + 10 = 15, + 5 = 20, + 2.5 = 22.5, which rounds to 22.
    QCOMPARE(prompts.texts(), QStringList{texts::score(35, 22)});
    QCOMPARE(quits, 1);

    // One write per step: two admissions, the start stamp, two autosaves, the finish.
    QCOMPARE(store::IoCounters::locks.load(), 6L);
    QCOMPARE(store::IoCounters::renames.load(), 6L);

    const QByteArray bytes = testing::readBytes(file);
    const QMap<QString, QString> expected{{u"23"_s, u"Tommy"_s},
                                          {u"23LAST"_s, u"Lee"_s},
                                          {u"23TIME1"_s, u"2004,05,12  09:30:00"_s},
                                          {u"23TIME"_s, u"00:28:00"_s},
                                          {u"23DangQian"_s, u"3"_s},
                                          {u"23DA1"_s, u"1"_s},
                                          {u"23DA2"_s, u"13"_s},
                                          {u"23DA3"_s, u"2"_s},
                                          {u"23DA4"_s, u"2"_s},
                                          {u"23DA5"_s, u"7"_s},
                                          {u"23SX1"_s, u"2"_s},
                                          {u"23SX2"_s, u"4"_s},
                                          {u"23SX3"_s, u"3"_s},
                                          {u"23SX4"_s, u"1"_s},
                                          {u"23SX5"_s, u"5"_s},
                                          {u"23TIME2"_s, u"00:27:45"_s},
                                          {u"23DF"_s, u"22"_s}};
    QCOMPARE(sectionKeys(bytes, u"A1"_s), expected);
    QCOMPARE(sectionLines(bytes, u"A12"_s), neighbour);
    QVERIFY(bytes.contains("\r\n"));
    QVERIFY(!bytes.contains("\n\n"));
}

// A finished testee sits the paper again: the right retest password admits a new
// attempt, which stamps a new start and draws a new order; the old finish mark and
// score stay in the record until the new attempt finishes, so an interrupted
// retest still reads as finished.
void TestAttemptLifecycle::retestStartsAfreshAndKeepsTheOldScoreUntilTheEnd()
{
    QTemporaryDir dir;
    RootBuilder root(dir.path());
    offerMaths(root, {{u"TESTTIME"_s, u"20"_s},
                      {u"RETESTPASSWD"_s, u"468"_s},
                      {u"RELOGINPASSWD"_s, u"579"_s},
                      {u"full_mark"_s, u"30"_s},
                      {u"DISPLAY_SCORE"_s, u"1"_s},
                      {u"Mark"_s, u"10"_s}});
    // Question 2 wants A, C, E and G.
    root.questions(u"Maths"_s, {{u"q1.RTF"_s, u"e1.RTF"_s, u"2"_s, QString()},
                                {u"q2.RTF"_s, u"e2.RTF"_s, u"1357"_s, u"20"_s},
                                {u"q3.RTF"_s, u"e3.RTF"_s, u"3"_s, QString()}})
        .namedDocuments(u"Maths"_s);
    root.record(u"Maths"_s, u"A1"_s, u"7"_s,
                {{QString(), u"Tom"_s},
                 {u"LAST"_s, u"Lee"_s},
                 {u"TIME1"_s, u"2004,05,11  08:00:00"_s},
                 {u"TIME"_s, u"00:05:00"_s},
                 {u"DangQian"_s, u"2"_s},
                 {u"DA1"_s, u"1"_s},
                 {u"DA2"_s, u"13"_s},
                 {u"DA3"_s, u"0"_s},
                 {u"SX1"_s, u"1"_s},
                 {u"SX2"_s, u"2"_s},
                 {u"SX3"_s, u"3"_s},
                 {u"TIME2"_s, u"00:04:10"_s},
                 {u"DF"_s, u"0"_s}});
    const QString file = root.root().recordFile(u"Maths"_s, u"A1"_s, u"7"_s);
    testing::FixedClock clock(QDateTime(QDate(2004, 5, 12), QTime(9, 30, 0)));
    // Position 1 swaps with 3, 2 and 3 with themselves: order 1, 2, 3 becomes 3, 2, 1.
    testing::ScriptedRandom random({0.9, 0.5, 0.9});
    testing::ScriptedPrompts prompts;
    int quits = 0;

    prompts.accept();
    prompts.accept(u" 468 "_s);
    Admission admission(root.root(), prompts);
    QCOMPARE(admission.open(), Admission::Opening::Ready);
    const Admission::Outcome admitted =
        admission.admit({u"Maths"_s, u"A1"_s, u"7"_s, u"Tom"_s, u"Lee"_s});
    QVERIFY(admitted.admitted);
    QVERIFY(!admitted.identity.resume);
    QCOMPARE(prompts.texts(), (QStringList{texts::retestQuestion, texts::retestTitle}));
    prompts.clear();

    {
        ExamAttempt attempt(
            root.root(), clock, random, prompts, [&] { ++quits; }, dir.filePath(u"cache"_s));
        QVERIFY(attempt.startAttempt(admitted.identity));
        QCOMPARE(attempt.presentationOrder(), (QList<int>{3, 2, 1}));
        QCOMPARE(attempt.position(), 1);
        QCOMPARE(attempt.remainingTime().text(), u"00:20:00"_s);
        QCOMPARE(attempt.answer(2).value(), 0); // nothing of the earlier attempt
        attempt.next();
        attempt.registerAnswer(options(u"GECA"));
        QCOMPARE(attempt.answer(2).value(), 1357);
        attempt.autosave();
        // The computer goes off here.
    }
    const store::ProfileSnapshot interrupted = store::ProfileFile(file).read();
    QCOMPARE(interrupted.value(u"A1", u"7TIME1"), u"2004,05,12  09:30:00"_s);
    QCOMPARE(interrupted.value(u"A1", u"7TIME2"), u"00:04:10"_s);
    QCOMPARE(interrupted.value(u"A1", u"7DF"), u"0"_s);
    QCOMPARE(interrupted.value(u"A1", u"7DA2"), u"1357"_s);
    QCOMPARE(interrupted.value(u"A1", u"7SX1"), u"3"_s);
    // Still finished: the next login takes the retest path again, not the relogin one.
    QCOMPARE(store::ResultRecord(root.root(), u"Maths"_s, u"A1"_s, u"7"_s).readState().state,
             store::TesteeState::Finished);

    clock.set(QDateTime(QDate(2004, 5, 12), QTime(9, 45, 0)));
    prompts.accept();
    prompts.accept(u"468"_s);
    const Admission::Outcome again =
        admission.admit({u"Maths"_s, u"A1"_s, u"7"_s, u"Tom"_s, u"Lee"_s});
    QVERIFY(again.admitted);
    QVERIFY(!again.identity.resume);
    prompts.clear();
    ExamAttempt attempt(
        root.root(), clock, random, prompts, [&] { ++quits; }, dir.filePath(u"cache"_s));
    QVERIFY(attempt.startAttempt(again.identity));
    QCOMPARE(store::ProfileFile(file).readValue(u"A1", u"7TIME1"), u"2004,05,12  09:45:00"_s);
    for (int p = 1; p <= 3; ++p) {
        attempt.goToPosition(p);
        const int q = attempt.questionAt(p);
        attempt.registerAnswer(options(q == 1 ? u"B" : q == 2 ? u"ACEG" : u"A"));
    }
    for (int i = 0; i < 30; ++i)
        attempt.countdownTick();
    attempt.finishAttempt();
    // Question 1 with the default mark 10, question 2 with its own 20; 3 is wrong.
    QCOMPARE(prompts.texts(), QStringList{texts::score(30, 30)});
    const store::ProfileSnapshot done = store::ProfileFile(file).read();
    QCOMPARE(done.value(u"A1", u"7TIME2"), u"00:19:30"_s);
    QCOMPARE(done.value(u"A1", u"7DF"), u"30"_s);
    QCOMPARE(done.value(u"A1", u"7DA2"), u"1357"_s);
    QCOMPARE(quits, 1);
}

void TestAttemptLifecycle::remoteAttemptCopiesOnce()
{
    QTemporaryDir dir;
    RootBuilder root(dir.path());
    root.paper(u"Maths"_s, {{u"CHANGE_QUESTION_SORT"_s, u"0"_s}, {u"DISPLAY_SCORE"_s, u"0"_s}});
    root.questions(u"Maths"_s, RootBuilder::plainQuestions(3)).namedDocuments(u"Maths"_s);
    qputenv("QUORIN_ROOT_REMOTE", "1");
    testing::FixedClock clock(QDateTime(QDate(2004, 5, 12), QTime(9, 30, 0)));
    testing::ScriptedRandom random({0.5});
    testing::ScriptedPrompts prompts;
    const QString local = dir.filePath(u"cache/student"_s);
    ExamAttempt attempt(
        root.root(), clock, random, prompts, [] {}, local);
    attempt.startAttempt({u"Maths"_s, u"A1"_s, u"7"_s, u"Tom"_s, QString(), false});

    // Copies are counted by their change time: a second copy would be a new file.
    QList<QString> shown;
    for (int round = 0; round < 3; ++round) {
        for (int p = 1; p <= 3; ++p) {
            attempt.goToPosition(p);
            shown.append(attempt.documentPath(attempt.questionAt(p), DocumentKind::Question));
        }
    }
    QCOMPARE(QDir(local).entryList(QDir::Files),
             (QStringList{u"Maths.cho"_s, u"q1.RTF"_s, u"q2.RTF"_s, u"q3.RTF"_s}));
    const qint64 copiedAt = QFileInfo(local + u"/q2.RTF"_s)
                                .fileTime(QFileDevice::FileMetadataChangeTime)
                                .toMSecsSinceEpoch();
    QVERIFY(QFile::remove(root.root().paperFolder(u"Maths"_s) + u"/q2.RTF"_s));
    attempt.goToPosition(2);
    QCOMPARE(attempt.documentPath(2, DocumentKind::Question), local + u"/q2.RTF"_s);
    QCOMPARE(QFileInfo(local + u"/q2.RTF"_s)
                 .fileTime(QFileDevice::FileMetadataChangeTime)
                 .toMSecsSinceEpoch(),
             copiedAt);

    attempt.finishAttempt();
    qunsetenv("QUORIN_ROOT_REMOTE");
    QVERIFY(QDir(local).entryList(QDir::Files).isEmpty());
    QCOMPARE(prompts.texts(), QStringList{texts::saved});
}

QTEST_GUILESS_MAIN(TestAttemptLifecycle)
#include "tst_attempt_lifecycle.moc"
