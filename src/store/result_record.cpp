// SPDX-License-Identifier: GPL-3.0-or-later
#include "result_record.h"

#include "numeric.h"
#include "profile_file.h"

#include <QFile>

namespace store {

ResultRecord::ResultRecord(const DataRoot &root, const QString &paper, const QString &className,
                           const QString &number)
    : m_file(root.recordFile(paper, className, number))
    , m_section(className.trimmed())
    , m_number(number.trimmed())
{}

QString ResultRecord::key(QStringView suffix, int index) const
{
    QString key = m_number + suffix;
    if (index >= 0)
        key += QString::number(index);
    return key;
}

ProfileSnapshot ResultRecord::read() const
{
    return ProfileFile(m_file).read();
}

RecordState ResultRecord::stateOf(const ProfileSnapshot &record, const QString &section,
                                  const QString &number)
{
    RecordState state;
    state.time1 = record.value(section, QString(number + u"TIME1"));
    state.time2 = record.value(section, QString(number + u"TIME2"));
    if (!state.time2.isEmpty())
        state.state = TesteeState::Finished;
    else if (!state.time1.isEmpty())
        state.state = TesteeState::Running;
    return state;
}

RecordState ResultRecord::readState() const
{
    return stateOf(read(), m_section, m_number);
}

SavedProgress ResultRecord::readProgress(int questionCount) const
{
    const ProfileSnapshot record = read();
    SavedProgress progress;
    const std::optional<QString> time = record.find(m_section, key(u"TIME"));
    const std::optional<QString> position = record.find(m_section, key(u"DangQian"));
    progress.hasAutosave = time.has_value() && position.has_value();
    progress.remainingTime = time.value_or(QString());
    progress.position = wholeNumber(position.value_or(QString()));
    for (int i = 1; i <= questionCount; ++i) {
        progress.answers.append(AnswerCode::fromText(record.value(m_section, key(u"DA", i))));
        progress.order.append(wholeNumber(record.value(m_section, key(u"SX", i))));
    }
    return progress;
}

WriteStatus ResultRecord::writeAdmission(const QString &firstName, const QString &lastName) const
{
    ProfileBatch batch;
    batch.set(m_section, m_number, firstName.trimmed());
    batch.set(m_section, key(u"LAST"), lastName.trimmed());
    return ProfileFile(m_file).apply(batch);
}

WriteStatus ResultRecord::writeStart(const QString &time1) const
{
    return ProfileFile(m_file).writeValue(m_section, key(u"TIME1"), time1);
}

WriteStatus ResultRecord::writeAutosave(const QString &remainingTime, int position,
                                        const QList<AnswerCode> &answers,
                                        const QList<int> &order) const
{
    ProfileBatch batch;
    batch.set(m_section, key(u"TIME"), remainingTime);
    batch.set(m_section, key(u"DangQian"), QString::number(position));
    for (qsizetype q = 0; q < answers.size(); ++q)
        batch.set(m_section, key(u"DA", int(q + 1)), answers.at(q).toText());
    for (qsizetype i = 0; i < order.size(); ++i)
        batch.set(m_section, key(u"SX", int(i + 1)), QString::number(order.at(i)));
    return ProfileFile(m_file).apply(batch);
}

WriteStatus ResultRecord::writeFinish(const QString &time2, const QList<AnswerCode> &answers,
                                      qint64 score) const
{
    ProfileBatch batch;
    batch.set(m_section, key(u"TIME2"), time2);
    for (qsizetype q = 0; q < answers.size(); ++q)
        batch.set(m_section, key(u"DA", int(q + 1)), answers.at(q).toText());
    batch.set(m_section, key(u"DF"), QString::number(score));
    return ProfileFile(m_file).apply(batch);
}

WriteStatus ResultRecord::clearFinishMark() const
{
    return ProfileFile(m_file).writeValue(m_section, key(u"TIME2"), QString());
}

bool ResultRecord::deleteRecord() const
{
    if (m_file.isEmpty() || !QFile::exists(m_file))
        return false;
    return QFile::remove(m_file);
}

WriteStatus ResultRecord::removeRecord() const
{
    if (m_file.isEmpty())
        return WriteStatus::InvalidName;
    return ProfileFile(m_file).removeSection(m_section);
}

} // namespace store
