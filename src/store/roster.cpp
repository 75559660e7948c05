// SPDX-License-Identifier: GPL-3.0-or-later
#include "roster.h"

#include "numeric.h"
#include "profile_file.h"

#include <algorithm>

namespace store {

namespace {

const QString testNameSection = QStringLiteral("TestName");
const QString classNameSection = QStringLiteral("ClassName");
const QString zero = QStringLiteral("0");

// Flags are "1" or "0"; a reader takes exactly the numeric value 1 as yes.
bool isYes(const QString &text)
{
    return numericValue(text) == 1.0;
}

QString flagText(bool yes)
{
    return yes ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

RosterReader::RosterReader(ProfileSnapshot snapshot)
    : m_snapshot(std::move(snapshot))
{}

int RosterReader::whole(const QString &section, const QString &key) const
{
    return wholeNumber(m_snapshot.value(section, key, zero));
}

int RosterReader::paperCount() const
{
    return whole(testNameSection, QStringLiteral("TestNameCount"));
}

QString RosterReader::paperName(int index) const
{
    return m_snapshot.value(testNameSection, QString::number(index), zero);
}

QStringList RosterReader::paperNames() const
{
    QStringList names;
    const int count = paperCount();
    for (int i = 1; i <= count; ++i)
        names.append(paperName(i));
    return names;
}

bool RosterReader::isOffered(const QString &paper) const
{
    return isYes(m_snapshot.value(testNameSection, paper.trimmed(), zero));
}

int RosterReader::classCount() const
{
    return whole(classNameSection, QStringLiteral("ClassNameCount"));
}

QString RosterReader::className(int index) const
{
    return m_snapshot.value(classNameSection, QString::number(index), zero);
}

QString findName(const QStringList &names, const QString &wanted)
{
    const QString name = wanted.trimmed();
    const auto found = std::find_if(names.cbegin(), names.cend(), [&](const QString &candidate) {
        return candidate.compare(name, Qt::CaseInsensitive) == 0;
    });
    return found == names.cend() ? QString() : *found;
}

QStringList RosterReader::classNames() const
{
    QStringList names;
    const int count = classCount();
    for (int i = 1; i <= count; ++i)
        names.append(className(i));
    return names;
}

ClassEntry RosterReader::classEntry(const QString &name) const
{
    const QString key = name.trimmed();
    return ClassEntry{key, whole(QStringLiteral("ClassCount"), key),
                      whole(QStringLiteral("FirstNumber"), key),
                      whole(QStringLiteral("LastNumber"), key)};
}

QList<ClassEntry> RosterReader::classList() const
{
    QList<ClassEntry> classes;
    for (const QString &name : classNames())
        classes.append(classEntry(name));
    return classes;
}

bool RosterReader::isAdmitted(const QString &paper, const QString &className,
                              AdmissionDefault missing) const
{
    const QString fallback = missing == AdmissionDefault::Admitted ? QStringLiteral("1") : zero;
    return isYes(m_snapshot.value(paper.trimmed(), className.trimmed(), fallback));
}

TestRoom RosterReader::testRoom() const
{
    TestRoom room;
    room.classes = classNames();
    for (const QString &name : paperNames()) {
        TestRoom::Paper paper{name, isOffered(name), {}};
        for (const QString &cls : std::as_const(room.classes))
            paper.admitted.append(isAdmitted(name, cls, AdmissionDefault::Admitted));
        room.papers.append(std::move(paper));
    }
    return room;
}

QString RosterReader::teacherPassword() const
{
    return m_snapshot.value(QStringLiteral("admin"), QStringLiteral("pwd"));
}

Roster::Roster(DataRoot root)
    : m_root(std::move(root))
{}

QString Roster::file() const
{
    return m_root.rosterFile();
}

RosterReader Roster::read() const
{
    return RosterReader(ProfileFile(file()).read());
}

WriteStatus Roster::writeClassList(const QList<ClassEntry> &classes) const
{
    ProfileBatch batch;
    batch.set(classNameSection, QStringLiteral("ClassNameCount"), QString::number(classes.size()));
    for (qsizetype i = 0; i < classes.size(); ++i) {
        const ClassEntry &entry = classes.at(i);
        const QString name = entry.name.trimmed();
        batch.set(classNameSection, QString::number(i + 1), name);
        // A name the format cannot hold as a key (from a hand-edited file) keeps its
        // place in the list but gets no numbers, rather than costing every other class.
        if (!ProfileBatch::isValidName(name))
            continue;
        batch.set(QStringLiteral("ClassCount"), name, QString::number(entry.studentCount));
        batch.set(QStringLiteral("FirstNumber"), name, QString::number(entry.firstNumber));
        batch.set(QStringLiteral("LastNumber"), name, QString::number(entry.lastNumber));
    }
    return ProfileFile(file()).apply(batch);
}

WriteStatus Roster::writePaperList(const QList<PaperListEntry> &papers) const
{
    ProfileBatch batch;
    batch.set(testNameSection, QStringLiteral("TestNameCount"), QString::number(papers.size()));
    for (qsizetype i = 0; i < papers.size(); ++i) {
        const QString name = papers.at(i).name.trimmed();
        batch.set(testNameSection, QString::number(i + 1), name);
        if (canHoldPaperFlags(name))
            batch.set(testNameSection, name, papers.at(i).offered.trimmed());
    }
    return ProfileFile(file()).apply(batch);
}

bool Roster::canHoldPaperFlags(const QString &paper)
{
    const QString name = paper.trimmed();
    if (!ProfileBatch::isValidName(name))
        return false;
    bool number = true;
    for (QChar c : name)
        number = number && c >= u'0' && c <= u'9';
    if (number)
        return false;
    static const QStringList fixed{QStringLiteral("TestNameCount"), QStringLiteral("TestName"),
                                   QStringLiteral("ClassName"),     QStringLiteral("ClassCount"),
                                   QStringLiteral("FirstNumber"),   QStringLiteral("LastNumber"),
                                   QStringLiteral("admin")};
    for (const QString &key : fixed) {
        if (name.compare(key, Qt::CaseInsensitive) == 0)
            return false;
    }
    return true;
}

WriteStatus Roster::writeTestRoom(const TestRoom &room) const
{
    ProfileBatch batch;
    for (const TestRoom::Paper &paper : room.papers) {
        const QString name = paper.name.trimmed();
        // Such a name (from a hand-edited file or an old installation) cannot be a key or
        // a section without overwriting the class list, the paper list or the password.
        if (!canHoldPaperFlags(name))
            continue;
        batch.set(testNameSection, name, flagText(paper.offered));
        for (qsizetype j = 0; j < room.classes.size(); ++j) {
            const QString cls = room.classes.at(j).trimmed();
            if (ProfileBatch::isValidName(cls))
                batch.set(name, cls, flagText(paper.admitted.value(j, true)));
        }
    }
    return ProfileFile(file()).apply(batch);
}

WriteStatus Roster::writeTeacherPassword(const QString &password) const
{
    return ProfileFile(file()).writeValue(QStringLiteral("Admin"), QStringLiteral("pwd"),
                                          password.trimmed());
}

} // namespace store
