// A new data root: the roster with no classes and no papers, the paper and result
// folders, and the files the programs ship for every data root (help pages, templates).
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "teacher_command.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace teacher {

struct InitOutcome
{
    enum class Status {
        Made,        ///< the folder is a data root now
        AlreadyRoot, ///< it held a roster already; nothing was changed
        Failed,      ///< see error; no roster was written
    };
    Status status = Status::Failed;
    QString error;               ///< one sentence, for Failed
    int copied = 0;              ///< shipped files copied in
    QStringList kept;            ///< shipped files the folder held already, left as they were
    bool shippedMissing = false; ///< no shipped files were found to copy
};

class RootInit
{
public:
    /// `shippedData` is the folder whose tree is copied into every new root. Templates
    /// of a language ("sys/zh_CN/paper.dotx") take the place of the English ones
    /// ("sys/paper.dotx") in a root made in that `language`, and are not copied otherwise.
    explicit RootInit(QString shippedData, QString language = QStringLiteral("en"));

    /// Where an installation keeps the files for new data roots: "share/quorin" beside
    /// the programs' "bin" folder (the build tree has the same layout). Empty when
    /// there is no such folder.
    static QString shippedDataFolder(const QString &executableFolder);

    const QString &shippedData() const { return m_shippedData; }

    /// Makes `folder` (created when missing) a data root. Refuses a folder that holds
    /// a roster. Files it holds already are never overwritten. The roster is written
    /// last, so a folder left half-made by a failure is not taken for a data root.
    InitOutcome make(const QString &folder) const;

private:
    QString m_shippedData;
    QString m_language;
};

/// `teacher init-root [DIR]`: makes a new data root in DIR, or in the data root the
/// program was pointed at when DIR is left out (none when nothing names one).
TeacherCommand initRootCommand(const QString &shippedData,
                               const QString &language = QStringLiteral("en"));

} // namespace teacher
