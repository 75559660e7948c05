// SPDX-License-Identifier: GPL-3.0-or-later
#include "root_check.h"

#include "richtext/rtf_reader.h"
#include "store/case_path.h"
#include "store/folder_index.h"
#include "store/name_check.h"
#include "store/numeric.h"
#include "store/profile_document.h"
#include "store/profile_file.h"
#include "store/roster.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <algorithm>

#include <memory>
#include <optional>

namespace teacher {

namespace {

using Kind = CheckFinding::Kind;

QString fold(const QString &name)
{
    return name.toCaseFolded();
}

QString quoted(const QString &text)
{
    return u'"' + text + u'"';
}

struct ClassInfo
{
    QString name;
    int first = 0;
    int last = 0;
};

// The testee number a record key starts with ("23" of "23TIME1"), or empty.
QString leadingNumber(const QString &key)
{
    qsizetype end = 0;
    if (key.startsWith(u'-'))
        end = 1;
    const qsizetype digits = end;
    while (end < key.size() && key.at(end).isDigit() && key.at(end).unicode() < 128)
        ++end;
    return end > digits ? key.left(end) : QString();
}

// Whether a text is a whole number as the programs write one (no sign but "-", no
// leading zeros), and which.
std::optional<qlonglong> canonicalNumber(const QString &text)
{
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok);
    if (!ok || QString::number(value) != text)
        return std::nullopt;
    return value;
}

class Checker
{
public:
    Checker(const store::DataRoot &root, QList<CheckFinding> &findings, RootCheck::Counts &counts)
        : m_root(root)
        , m_base(root.path())
        , m_findings(findings)
        , m_counts(counts)
    {}

    QString relative(const QString &path) const
    {
        return QDir::cleanPath(m_base.relativeFilePath(path));
    }

    void add(Kind kind, const QString &path, const QString &message)
    {
        m_findings.append({kind, relative(path), message});
    }

    // One read of a profile file, with the limits of the store's reader.
    std::optional<store::ProfileDocument> readProfile(const QString &path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            add(Kind::Unreadable, path,
                QCoreApplication::translate("RootCheck", "cannot be read: ") + file.errorString());
            return std::nullopt;
        }
        if (file.size() > store::ProfileFile::maxFileSize) {
            add(Kind::TooLarge, path, tooLarge(file.size(), store::ProfileFile::maxFileSize));
            return std::nullopt;
        }
        const QByteArray bytes = file.read(store::ProfileFile::maxFileSize + 1);
        if (bytes.size() > store::ProfileFile::maxFileSize) {
            add(Kind::TooLarge, path, tooLarge(bytes.size(), store::ProfileFile::maxFileSize));
            return std::nullopt;
        }
        if (file.error() != QFileDevice::NoError) {
            add(Kind::Unreadable, path,
                QCoreApplication::translate("RootCheck", "cannot be read: ") + file.errorString());
            return std::nullopt;
        }
        return store::ProfileDocument::fromBytes(bytes);
    }

    static QString tooLarge(qint64 size, qint64 limit)
    {
        return QCoreApplication::translate(
                   "RootCheck",
                   "is too large (%1 bytes; the programs read files of up to %2 bytes)")
            .arg(size)
            .arg(limit);
    }

    // Names of one list of the roster ("ClassName" 1..C or "TestName" 1..T), checked as
    // the windows check a typed name; gives the usable names in list order.
    QStringList listNames(const store::ProfileSnapshot &roster, const QString &section, int count,
                          store::NameKind kind)
    {
        const QString what = kind == store::NameKind::Class
                                 ? QCoreApplication::translate("RootCheck", "class")
                                 : QCoreApplication::translate("RootCheck", "paper");
        const QString file = m_root.rosterFile();
        QStringList names;
        QHash<QString, int> seen;
        // Positions without a name are told as runs: a count raised by hand can leave
        // thousands of them.
        int missingFrom = 0;
        const auto reportMissing = [&](int upTo) {
            if (missingFrom == 0)
                return;
            const QString plural = kind == store::NameKind::Class
                                       ? QCoreApplication::translate("RootCheck", "classes")
                                       : QCoreApplication::translate("RootCheck", "papers");
            const QString positions = missingFrom == upTo
                                          ? QStringLiteral("%1 %2").arg(what).arg(upTo)
                                          : QCoreApplication::translate("RootCheck", "%1 %2 to %3")
                                                .arg(plural)
                                                .arg(missingFrom)
                                                .arg(upTo);
            add(Kind::MissingListEntry, file,
                (missingFrom == upTo ? QCoreApplication::translate(
                                           "RootCheck", "%1 of %2 has no name in section [%3]")
                                     : QCoreApplication::translate(
                                           "RootCheck", "%1 of %2 have no name in section [%3]"))
                    .arg(positions, QString::number(count), section));
            missingFrom = 0;
        };
        for (int i = 1; i <= count; ++i) {
            const std::optional<QString> name = roster.find(section, QString::number(i));
            if (!name) {
                if (missingFrom == 0)
                    missingFrom = i;
                continue;
            }
            reportMissing(i - 1);
            const store::NameCheck check = store::checkName(*name, kind);
            if (!check.ok())
                add(Kind::RefusedName, file,
                    QStringLiteral("%1 %2 (%3 %4): %5")
                        .arg(what, quoted(*name),
                             QCoreApplication::translate("RootCheck", "position"))
                        .arg(i)
                        .arg(check.reason));
            const auto previous = seen.constFind(fold(*name));
            if (previous != seen.cend()) {
                add(Kind::DuplicateName, file,
                    QCoreApplication::translate("RootCheck",
                                                "%1 %2 is listed twice (positions %3 and %4)")
                        .arg(what, quoted(*name))
                        .arg(*previous)
                        .arg(i));
                continue;
            }
            seen.insert(fold(*name), i);
            names.append(*name);
        }
        reportMissing(count);
        return names;
    }

    // Class "A1" number 23 and class "A12" number 3 both write "A123.cho": their
    // records stay apart in their own sections, but deleting one deletes the other.
    void checkCollisions(QList<ClassInfo> classes)
    {
        // In the order of their folded names, the classes a name is the start of follow it.
        std::sort(classes.begin(), classes.end(), [](const ClassInfo &a, const ClassInfo &b) {
            return fold(a.name) < fold(b.name);
        });
        for (qsizetype i = 0; i < classes.size(); ++i) {
            const ClassInfo &shorter = classes.at(i);
            for (qsizetype j = i + 1; j < classes.size(); ++j) {
                const ClassInfo &longer = classes.at(j);
                if (!fold(longer.name).startsWith(fold(shorter.name)))
                    break;
                if (longer.name.size() == shorter.name.size())
                    continue;
                const QString joint = longer.name.mid(shorter.name.size());
                // Only digits (and a sign in front) can continue a number.
                if (!joint.startsWith(u'-') && !joint.at(0).isDigit())
                    continue;
                int collisions = 0;
                QString example;
                for (qlonglong n = longer.first; n <= longer.last; ++n) {
                    const std::optional<qlonglong> other =
                        canonicalNumber(joint + QString::number(n));
                    if (!other || *other < shorter.first || *other > shorter.last)
                        continue;
                    if (collisions++ == 0)
                        example = QCoreApplication::translate(
                                      "RootCheck", "%1 number %2 and %3 number %4 both write %5")
                                      .arg(quoted(shorter.name))
                                      .arg(*other)
                                      .arg(quoted(longer.name))
                                      .arg(n)
                                      .arg(quoted(store::DataRoot::recordFileName(
                                          shorter.name, QString::number(*other))));
                }
                if (collisions > 0)
                    add(Kind::ClassCollision, m_root.rosterFile(),
                        (collisions == 1
                             ? QCoreApplication::translate(
                                   "RootCheck", "classes %1 and %2 share %3 record file: %4; "
                                                "deleting the score of one deletes the other's")
                             : QCoreApplication::translate(
                                   "RootCheck", "classes %1 and %2 share %3 record files: %4; "
                                                "deleting the score of one deletes the other's"))
                            .arg(quoted(shorter.name), quoted(longer.name),
                                 QString::number(collisions), example));
            }
        }
    }

    void checkDocument(const store::FolderIndex &folder, const QString &paperFile, int question,
                       const QString &label, const QString &name)
    {
        if (name.isEmpty()) {
            add(Kind::MissingDocument, paperFile,
                QCoreApplication::translate("RootCheck", "question %1 names no %2 document")
                    .arg(question)
                    .arg(label));
            return;
        }
        if (!store::CasePath::isSafeComponent(name)) {
            add(Kind::RefusedName, paperFile,
                QCoreApplication::translate(
                    "RootCheck", "question %1 names the %2 document %3, which is not a file name")
                    .arg(question)
                    .arg(label, quoted(name)));
            return;
        }
        const QString path = folder.find(name);
        if (path.isEmpty()) {
            add(Kind::MissingDocument, paperFile,
                QCoreApplication::translate("RootCheck",
                                            "the %1 document %2 of question %3 is missing")
                    .arg(label, quoted(name))
                    .arg(question));
            return;
        }
        ++m_counts.documents;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            add(Kind::Unreadable, path,
                QCoreApplication::translate("RootCheck", "cannot be read: ") + file.errorString());
            return;
        }
        if (file.size() > richtext::RtfReader::maxInputSize)
            add(Kind::TooLarge, path, tooLarge(file.size(), richtext::RtfReader::maxInputSize));
    }

    void checkPaper(const QString &paper)
    {
        const QString folder = m_root.paperFolder(paper);
        if (folder.isEmpty())
            return; // a name that cannot be a folder; reported with the roster
        if (!QFileInfo(folder).isDir()) {
            add(Kind::MissingPaperFolder, folder,
                QCoreApplication::translate("RootCheck", "paper %1 has no folder")
                    .arg(quoted(paper)));
        } else {
            const QString file = m_root.paperFile(paper);
            if (!QFileInfo(file).isFile()) {
                add(Kind::MissingPaperFile, file,
                    QCoreApplication::translate("RootCheck", "paper %1 has no paper file")
                        .arg(quoted(paper)));
            } else if (const std::optional<store::ProfileDocument> document = readProfile(file)) {
                const int count = store::wholeNumber(
                    document->value(u"MAIN", u"Question_conut").value_or(QStringLiteral("0")));
                const store::FolderIndex documents(folder);
                for (int q = 1; q <= count; ++q) {
                    const QString section = QString::number(q);
                    checkDocument(documents, file, q,
                                  QCoreApplication::translate("RootCheck", "question"),
                                  document->value(section, u"QUESTION").value_or(QString()));
                    checkDocument(documents, file, q,
                                  QCoreApplication::translate("RootCheck", "explanation"),
                                  document->value(section, u"explain").value_or(QString()));
                }
            }
        }
        const QString results = m_root.recordFolder(paper);
        if (!QFileInfo(results).isDir()) {
            add(Kind::MissingResultFolder, results,
                QCoreApplication::translate(
                    "RootCheck", "paper %1 has no result folder: the results of its testees are "
                                 "lost")
                    .arg(quoted(paper)));
            return;
        }
        checkRecords(results);
    }

    void checkRecords(const QString &folder)
    {
        const QDir dir(folder);
        if (!QFileInfo(folder).isReadable()) {
            add(Kind::Unreadable, folder,
                QCoreApplication::translate("RootCheck", "cannot be listed"));
            return;
        }
        const QFileInfoList files = dir.entryInfoList(QDir::Files, QDir::Name);
        for (const QFileInfo &info : files) {
            if (!info.fileName().endsWith(QStringLiteral(".cho"), Qt::CaseInsensitive))
                continue;
            ++m_counts.records;
            const std::optional<store::ProfileDocument> record = readProfile(info.filePath());
            if (record)
                checkRecord(info, *record);
        }
    }

    void checkRecord(const QFileInfo &info, const store::ProfileDocument &record)
    {
        QSet<QString> seen; // folded section + "\n" + number
        QSet<QString> unknown;
        for (const store::ProfileDocument::Value &entry : record.values()) {
            if (entry.section.isEmpty())
                continue;
            const QString number = leadingNumber(entry.key);
            if (number.isEmpty())
                continue;
            const QString folded = fold(entry.section);
            if (seen.contains(folded + u'\n' + number))
                continue;
            seen.insert(folded + u'\n' + number);
            const auto cls = m_classes.constFind(folded);
            if (cls == m_classes.cend()) {
                if (!unknown.contains(folded)) {
                    unknown.insert(folded);
                    add(Kind::UnknownClass, info.filePath(),
                        QCoreApplication::translate(
                            "RootCheck",
                            "section [%1] holds records of a class the roster does not "
                            "hold")
                            .arg(entry.section));
                }
                continue;
            }
            const qlonglong n = number.toLongLong();
            if (n < cls->first || n > cls->last)
                add(Kind::NumberOutOfRange, info.filePath(),
                    QCoreApplication::translate(
                        "RootCheck",
                        "testee %1 of class %2 is outside the class's numbers %3 to %4")
                        .arg(number, quoted(cls->name))
                        .arg(cls->first)
                        .arg(cls->last));
            const QString expected = store::DataRoot::recordFileName(cls->name, number);
            if (fold(expected) != fold(info.fileName()))
                add(Kind::MisplacedRecord, info.filePath(),
                    QCoreApplication::translate(
                        "RootCheck",
                        "holds the record of testee %1 of class %2, which belongs in %3")
                        .arg(number, quoted(cls->name), quoted(expected)));
        }
    }

    // Folders under SHIJUAN or CHENGJI that no paper of the roster owns.
    void checkOrphans(const QString &area, const QSet<QString> &papers)
    {
        const QString folder = m_root.resolve({area});
        if (!QFileInfo(folder).isDir())
            return;
        const QStringList entries =
            QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
        for (const QString &entry : entries) {
            if (!papers.contains(fold(entry)))
                add(Kind::OrphanFolder, folder + u'/' + entry,
                    QCoreApplication::translate("RootCheck",
                                                "no paper of the roster owns this folder"));
        }
    }

    QHash<QString, ClassInfo> m_classes; ///< folded name -> class

private:
    const store::DataRoot &m_root;
    QDir m_base;
    QList<CheckFinding> &m_findings;
    RootCheck::Counts &m_counts;
};

} // namespace

QString CheckFinding::line() const
{
    return file + QStringLiteral(": ") + message;
}

RootCheck::RootCheck(store::DataRoot root)
    : m_root(std::move(root))
{}

RootCheck::Outcome RootCheck::run(const Progress &progress)
{
    m_findings.clear();
    m_failure.clear();
    m_counts = {};
    const QString path = QDir::toNativeSeparators(m_root.path());
    if (!m_root.isValid() || !QFileInfo(m_root.path()).isDir()) {
        m_failure = QCoreApplication::translate("RootCheck", "there is no folder \"%1\"").arg(path);
        return Outcome::CouldNotRun;
    }
    const QString rosterFile = m_root.rosterFile();
    if (!QFileInfo(rosterFile).isFile()) {
        m_failure = QCoreApplication::translate(
                        "RootCheck", "there is no data root in \"%1\": it holds no sys/sys.cho")
                        .arg(path);
        return Outcome::CouldNotRun;
    }

    Checker checker(m_root, m_findings, m_counts);
    std::optional<store::ProfileDocument> document = checker.readProfile(rosterFile);
    if (!document) {
        m_failure = m_findings.constLast().line();
        m_findings.clear();
        return Outcome::CouldNotRun;
    }
    const store::RosterReader roster(store::ProfileSnapshot(
        store::ReadStatus::Ok,
        std::make_shared<const store::ProfileDocument>(std::move(*document))));

    const QStringList classNames = checker.listNames(roster.snapshot(), QStringLiteral("ClassName"),
                                                     roster.classCount(), store::NameKind::Class);
    QList<ClassInfo> classes;
    for (const QString &name : classNames) {
        const store::ClassEntry entry = roster.classEntry(name);
        classes.append({name, entry.firstNumber, entry.lastNumber});
        checker.m_classes.insert(fold(name), classes.constLast());
    }
    checker.checkCollisions(classes);

    const QStringList papers = checker.listNames(roster.snapshot(), QStringLiteral("TestName"),
                                                 roster.paperCount(), store::NameKind::Paper);
    m_counts.classes = int(classes.size());
    m_counts.papers = int(papers.size());
    QSet<QString> owned;
    for (qsizetype i = 0; i < papers.size(); ++i) {
        owned.insert(fold(papers.at(i).trimmed()));
        checker.checkPaper(papers.at(i));
        if (progress)
            progress(int(i + 1), int(papers.size()));
    }
    checker.checkOrphans(QStringLiteral("SHIJUAN"), owned);
    checker.checkOrphans(QStringLiteral("CHENGJI"), owned);
    return m_findings.isEmpty() ? Outcome::Clean : Outcome::Problems;
}

} // namespace teacher
