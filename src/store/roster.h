// The roster "sys/sys.cho": classes and their numbering, the papers and their
// offered flags, which classes may sit which paper, and the teacher's password.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data_root.h"
#include "profile_snapshot.h"
#include "status.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace store {

/// One class: its name and testee numbering (16-bit values of the file format).
struct ClassEntry
{
    QString name;
    int studentCount = 0;
    int firstNumber = 0;
    int lastNumber = 0;

    bool operator==(const ClassEntry &) const = default;
};

/// One entry of the paper list, as "Manage paper" keeps it: the name and its
/// offered flag as the text it writes ("1" or "0").
struct PaperListEntry
{
    QString name;
    QString offered;
};

/// Offered flags and the admission matrix, as "Manage test" edits them.
struct TestRoom
{
    struct Paper
    {
        QString name;
        bool offered = false;
        QList<bool> admitted; ///< one flag per class, in class order
        bool operator==(const Paper &) const = default;
    };
    QList<Paper> papers;
    QStringList classes;
    bool operator==(const TestRoom &) const = default;
};

/// A missing admission key means "not admitted" to the student login when its
/// window opens, and "admitted" everywhere else.
enum class AdmissionDefault { NotAdmitted, Admitted };

/// The first of `names` that is `wanted` (trimmed) without regard to letter case, as
/// the profile files compare names; empty when none is.
QString findName(const QStringList &names, const QString &wanted);

/// Reads of the roster from one snapshot: every reader's keys and defaults.
class RosterReader
{
public:
    explicit RosterReader(ProfileSnapshot snapshot);

    int paperCount() const;
    QString paperName(int index) const; ///< 1-based; "0" when missing
    QStringList paperNames() const;
    bool isOffered(const QString &paper) const;

    int classCount() const;
    QString className(int index) const; ///< 1-based; "0" when missing
    QStringList classNames() const;
    /// The paper or class of the roster that a person means by `wanted` (see findName).
    QString findPaper(const QString &wanted) const { return findName(paperNames(), wanted); }
    QString findClass(const QString &wanted) const { return findName(classNames(), wanted); }
    ClassEntry classEntry(const QString &name) const;
    QList<ClassEntry> classList() const;

    bool isAdmitted(const QString &paper, const QString &className, AdmissionDefault missing) const;
    TestRoom testRoom() const;

    /// The teacher's password, trimmed; empty when none is set.
    QString teacherPassword() const;

    const ProfileSnapshot &snapshot() const { return m_snapshot; }

private:
    int whole(const QString &section, const QString &key) const;
    ProfileSnapshot m_snapshot;
};

/// The roster file of one data root.
class Roster
{
public:
    explicit Roster(DataRoot root);

    QString file() const;
    /// One read of the file.
    RosterReader read() const;

    QStringList readPaperList() const { return read().paperNames(); }
    QList<ClassEntry> readClassList() const { return read().classList(); }
    TestRoom readTestRoom() const { return read().testRoom(); }

    /// Count, then per class its index key and its three numbers, as one write.
    WriteStatus writeClassList(const QList<ClassEntry> &classes) const;
    /// Every offered flag and every admission flag, as one write. A paper whose name
    /// is a fixed key or section of the roster (see canHoldPaperFlags) is left out.
    WriteStatus writeTestRoom(const TestRoom &room) const;

    /// The paper count, then per paper its index key and its offered flag, as one
    /// write. A name that cannot be a key keeps its place in the list but no flag.
    WriteStatus writePaperList(const QList<PaperListEntry> &papers) const;

    /// Whether a paper's flags can be stored: its name becomes a key of "TestName" and
    /// a section of its own, so "TestNameCount", a list position ("2") or one of the
    /// roster's own sections ("ClassCount", "admin", ...) would overwrite other data.
    static bool canHoldPaperFlags(const QString &paper);
    WriteStatus writeTeacherPassword(const QString &password) const;

private:
    DataRoot m_root;
};

} // namespace store
