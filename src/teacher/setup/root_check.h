// A data root's health: what would make the programs lose, hide or refuse data,
// found by reading the root without changing anything.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/data_root.h"

#include <QList>
#include <QString>
#include <functional>

namespace teacher {

struct CheckFinding
{
    enum class Kind {
        Unreadable,          ///< a file or folder that cannot be read
        TooLarge,            ///< a file larger than the programs read
        MissingListEntry,    ///< a class or paper position of the roster without a name
        RefusedName,         ///< a name the programs refuse when it is typed
        DuplicateName,       ///< a class or paper listed twice
        ClassCollision,      ///< two classes whose testees share record files
        MissingPaperFolder,  ///< a paper of the roster without its folder
        MissingPaperFile,    ///< a paper folder without its paper file
        MissingResultFolder, ///< a paper without its result folder: results are lost
        MissingDocument,     ///< a question document the paper file names is not there
        OrphanFolder,        ///< a folder under SHIJUAN or CHENGJI that no paper owns
        UnknownClass,        ///< a record section of a class the roster does not hold
        NumberOutOfRange,    ///< a record of a testee number outside its class's numbers
        MisplacedRecord,     ///< a record in a file other than the one its testee writes
    };
    Kind kind;
    QString file;    ///< relative to the root, with "/" between folders
    QString message; ///< one sentence

    /// "file: message", the line the check command prints.
    QString line() const;
};

/// Reads a whole data root once: the roster, each paper file and the presence and
/// size of its documents, and every record file of every paper.
class RootCheck
{
public:
    explicit RootCheck(store::DataRoot root);

    enum class Outcome {
        Clean,       ///< nothing found
        Problems,    ///< see findings()
        CouldNotRun, ///< see failure(): no root, no roster, or a roster that cannot be read
    };
    /// `progress` hears of each paper done (done, total).
    using Progress = std::function<void(int done, int total)>;
    Outcome run(const Progress &progress = {});

    const QList<CheckFinding> &findings() const { return m_findings; }
    QString failure() const { return m_failure; }

    struct Counts
    {
        int classes = 0;
        int papers = 0;
        int documents = 0;
        int records = 0;
    };
    Counts counts() const { return m_counts; }

private:
    struct Impl;
    store::DataRoot m_root;
    QList<CheckFinding> m_findings;
    QString m_failure;
    Counts m_counts;
};

} // namespace teacher
