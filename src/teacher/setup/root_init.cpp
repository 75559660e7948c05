// SPDX-License-Identifier: GPL-3.0-or-later
#include "root_init.h"

#include "store/atomic_file.h"
#include "store/data_root.h"
#include "store/profile_file.h"
#include "store/root_locator.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace teacher {

namespace {

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Makes a folder and any missing parents, with the system's reason when one fails
// (QDir::mkpath only says that it failed).
bool makeFolders(const QString &path, QString *error)
{
    const QString clean = QDir::cleanPath(QDir(path).absolutePath());
    const QStringList parts = clean.split(u'/', Qt::SkipEmptyParts);
    QString current;
    for (const QString &part : parts) {
        current += u'/' + part;
        const QFileInfo info(current);
        if (info.isDir())
            continue;
        if (info.exists()) {
            *error = QCoreApplication::translate("RootInit", "\"%1\" is not a folder")
                         .arg(shown(current));
            return false;
        }
        if (::mkdir(QFile::encodeName(current).constData(), 0777) != 0 && errno != EEXIST) {
            *error = QCoreApplication::translate("RootInit", "cannot make the folder \"%1\": %2")
                         .arg(shown(current), systemError(errno));
            return false;
        }
    }
    return true;
}

} // namespace

RootInit::RootInit(QString shippedData, QString language)
    : m_shippedData(std::move(shippedData))
    , m_language(std::move(language))
{}

QString RootInit::shippedDataFolder(const QString &executableFolder)
{
    const QString folder =
        QDir::cleanPath(QDir(executableFolder).filePath(QStringLiteral("../share/quorin")));
    return QFileInfo(folder).isDir() ? folder : QString();
}

InitOutcome RootInit::make(const QString &folder) const
{
    InitOutcome outcome;
    const QString path = QDir::cleanPath(QDir(folder.trimmed()).absolutePath());
    const store::DataRoot root(path);
    if (store::holdsRoster(root)) {
        outcome.status = InitOutcome::Status::AlreadyRoot;
        return outcome;
    }
    if (!makeFolders(path, &outcome.error))
        return outcome;
    for (const QString &name :
         {QStringLiteral("sys"), QStringLiteral("SHIJUAN"), QStringLiteral("CHENGJI")}) {
        if (!makeFolders(root.resolve({name}), &outcome.error))
            return outcome;
    }

    // The shipped tree, file by file, each landing on the spelling the root already
    // has for its folders ("HELP" stays "HELP").
    const QDir shipped(m_shippedData);
    QStringList files;
    if (!m_shippedData.isEmpty() && shipped.exists()) {
        QDirIterator it(m_shippedData, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            files.append(shipped.relativeFilePath(it.next()));
    }
    files.sort();
    outcome.shippedMissing = files.isEmpty();
    // A folder inside "sys" holds the templates of one language: they become the root's
    // "sys/NAME" in that language, and nothing of them is copied otherwise.
    const QString ownTemplates = QStringLiteral("sys/") + m_language + u'/';
    for (const QString &relative : files) {
        const QStringList parts = relative.split(u'/');
        const bool inSys = parts.constFirst() == u"sys";
        if (inSys && parts.size() > 2)
            continue;
        const QString translated = ownTemplates + parts.constLast();
        const QString from =
            inSys && m_language != u"en" && files.contains(translated) ? translated : relative;
        const QString target = root.resolve(parts);
        if (target.isEmpty())
            continue;
        if (QFileInfo::exists(target)) {
            outcome.kept.append(relative);
            continue;
        }
        if (!makeFolders(QFileInfo(target).absolutePath(), &outcome.error))
            return outcome;
        // A new file, not the installed file's mode: the root's copies belong to whoever
        // keeps it, though the installed ones are read-only.
        const store::WriteOutcome copied = store::AtomicFile::copy(shipped.filePath(from), target);
        if (!copied.ok()) {
            outcome.error =
                QCoreApplication::translate("RootInit", "cannot write \"%1\": %2")
                    .arg(shown(target), copied.reason().isEmpty() ? store::describe(copied.status)
                                                                  : copied.reason());
            return outcome;
        }
        ++outcome.copied;
    }

    store::ProfileBatch roster;
    roster.set(QStringLiteral("ClassName"), QStringLiteral("ClassNameCount"), QStringLiteral("0"));
    roster.set(QStringLiteral("TestName"), QStringLiteral("TestNameCount"), QStringLiteral("0"));
    const store::WriteStatus status = store::ProfileFile(root.rosterFile()).apply(roster);
    if (status != store::WriteStatus::Ok) {
        outcome.error =
            QCoreApplication::translate("RootInit", "cannot write the roster \"%1\": %2")
                .arg(shown(root.rosterFile()), store::describe(status));
        return outcome;
    }
    outcome.status = InitOutcome::Status::Made;
    return outcome;
}

namespace {

int makeRoot(const QString &shippedData, const QString &language, const QString &folder,
             QTextStream &out, QTextStream &err)
{
    const InitOutcome outcome = RootInit(shippedData, language).make(folder);
    const QString path = shown(QDir::cleanPath(QDir(folder.trimmed()).absolutePath()));
    switch (outcome.status) {
    case InitOutcome::Status::AlreadyRoot:
        err << "teacher init-root: "
            << QCoreApplication::translate(
                   "RootInit",
                   "\"%1\" holds a data root already (sys/sys.cho); nothing was changed")
                   .arg(path)
            << '\n';
        return 1;
    case InitOutcome::Status::Failed:
        err << "teacher init-root: " << outcome.error << '\n';
        return 1;
    case InitOutcome::Status::Made:
        break;
    }
    if (outcome.shippedMissing)
        err << "teacher init-root: "
            << (shippedData.isEmpty()
                    ? QCoreApplication::translate(
                          "RootInit", "warning: no help pages or templates were found to "
                                      "copy; copy them into the data root by hand")
                    : QCoreApplication::translate(
                          "RootInit", "warning: no help pages or templates were found to copy "
                                      "in \"%1\"; copy them into the data root by hand")
                          .arg(shown(shippedData)))
            << '\n';
    for (const QString &kept : outcome.kept)
        err << "teacher init-root: "
            << QCoreApplication::translate("RootInit", "kept the existing %1").arg(kept) << '\n';
    out << QCoreApplication::translate("RootInit", "made a new data root in \"%1\"").arg(path)
        << '\n';
    return 0;
}

} // namespace

TeacherCommand initRootCommand(const QString &shippedData, const QString &language)
{
    TeacherCommand command{
        .name = u"init-root"_s,
        .summary = QCoreApplication::translate(
            "RootInit", "Make a new data root in DIR, or in the data root named by the options."),
        .root = RootUse::Own,
        .words = QCoreApplication::translate("RootInit", "[DIR]"),
        .maxWords = 1,
        .details = QCoreApplication::translate(
            "RootInit", "DIR is made when it is missing; files it holds already are kept."),
    };
    command.run = [shippedData, language, usage = command.usage()](
                      const store::DataRoot &root, const CommandArguments &args, QTextStream &out,
                      QTextStream &err) {
        const QString folder = args.words().value(0, root.path());
        if (folder.trimmed().isEmpty()) {
            err << "teacher init-root: "
                << QCoreApplication::translate("RootInit", "name the folder: %1").arg(usage)
                << '\n';
            return 2;
        }
        return makeRoot(shippedData, language, folder, out, err);
    };
    return command;
}

} // namespace teacher
