// SPDX-License-Identifier: GPL-3.0-or-later
#include "root_locator.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace store {

namespace {

const QString configName = QStringLiteral("quorin/quorin.conf");

// "~/x" and "~" are the home folder, as a shell would have it; a relative folder is
// taken from `base`.
QString absoluteFolder(const QString &text, const QString &base)
{
    QString folder = text.trimmed();
    if (folder.isEmpty())
        return {};
    if (folder == u"~")
        folder = QDir::homePath();
    else if (folder.startsWith(u"~/"))
        folder = QDir::homePath() + folder.mid(1);
    if (QDir::isRelativePath(folder))
        folder = QDir(base).absoluteFilePath(folder);
    return QDir::cleanPath(folder);
}

} // namespace

QString RootLocation::origin() const
{
    switch (source) {
    case RootSource::Option:
        return QStringLiteral("--data-root");
    case RootSource::Environment:
        return QStringLiteral("QUORIN_DATA_ROOT");
    case RootSource::ConfigFile:
        return configFile;
    case RootSource::ProgramFolder:
        return QCoreApplication::translate("RootLocation", "the program's folder");
    case RootSource::None:
        break;
    }
    return {};
}

QStringList RootLocator::configFiles()
{
    QStringList files;
    for (const QString &folder :
         QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation)) {
        const QString file = QDir(folder).filePath(configName);
        if (!files.contains(file))
            files.append(file);
    }
    return files;
}

QString RootLocator::configuredRoot(const QString &configFile)
{
    if (!QFileInfo(configFile).isFile())
        return {};
    const QSettings settings(configFile, QSettings::IniFormat);
    const QVariant value = settings.value(QStringLiteral("DataRoot"));
    // An unquoted value with commas in it reads as a list; a folder may hold commas.
    const QString text = value.typeId() == QMetaType::QStringList
                             ? value.toStringList().join(QStringLiteral(", "))
                             : value.toString();
    return absoluteFolder(text, QFileInfo(configFile).absolutePath());
}

bool RootLocator::isInstalledProgramFolder(const QString &executableFolder)
{
    if (holdsRoster(DataRoot(executableFolder)))
        return false;
    return QFileInfo(QDir(executableFolder).filePath(QStringLiteral("../share/quorin"))).isDir();
}

RootLocation RootLocator::locate(const std::optional<QString> &option,
                                 const QString &executableFolder)
{
    return locate(option, executableFolder, configFiles());
}

RootLocation RootLocator::locate(const std::optional<QString> &option,
                                 const QString &executableFolder, const QStringList &configFiles)
{
    RootLocation location;
    if (option) {
        location.source = RootSource::Option;
        location.root = DataRoot(absoluteFolder(*option, QDir::currentPath()));
        return location;
    }
    const QString fromEnvironment = qEnvironmentVariable("QUORIN_DATA_ROOT").trimmed();
    if (!fromEnvironment.isEmpty()) {
        location.source = RootSource::Environment;
        location.root = DataRoot(absoluteFolder(fromEnvironment, QDir::currentPath()));
        return location;
    }
    for (const QString &file : configFiles) {
        const QString folder = configuredRoot(file);
        if (!folder.isEmpty()) {
            location.source = RootSource::ConfigFile;
            location.configFile = file;
            location.root = DataRoot(folder);
            return location;
        }
    }
    const QString programFolder = executableFolder.trimmed();
    if (!programFolder.isEmpty() && !isInstalledProgramFolder(programFolder)) {
        location.source = RootSource::ProgramFolder;
        location.root = DataRoot(programFolder);
    }
    return location;
}

bool holdsRoster(const DataRoot &root)
{
    return root.isValid() && QFileInfo(root.rosterFile()).isFile();
}

} // namespace store
