// SPDX-License-Identifier: GPL-3.0-or-later
#include "data_root.h"

#include "case_path.h"
#include "root_locator.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <sys/statfs.h>

namespace store {

namespace {

QString trimmedName(const QString &name)
{
    return name.trimmed();
}

// File system magic numbers of network and user-space file systems (statfs(2)).
bool isNetworkFileSystem(unsigned long type)
{
    switch (type) {
    case 0x6969UL:     // NFS
    case 0xFF534D42UL: // CIFS
    case 0x517BUL:     // SMB
    case 0xFE534D42UL: // SMB2
    case 0x65735546UL: // FUSE
    case 0x01021997UL: // 9p
    case 0x00C36400UL: // Ceph
    case 0x5346414FUL: // AFS
    case 0x6B414653UL: // kAFS
        return true;
    default:
        return false;
    }
}

} // namespace

DataRoot::DataRoot(const QString &folder)
    : m_path(folder.trimmed())
{}

DataRoot DataRoot::locate(const QStringList &arguments, const QString &executableFolder)
{
    std::optional<QString> option;
    for (qsizetype i = 1; i < arguments.size() && !option; ++i) {
        const QString &arg = arguments.at(i);
        if (arg == u"--data-root" && i + 1 < arguments.size())
            option = arguments.at(i + 1);
        else if (arg.startsWith(u"--data-root="))
            option = arg.mid(12);
    }
    return RootLocator::locate(option, executableFolder).root;
}

QString DataRoot::resolve(const QStringList &components) const
{
    if (m_path.isEmpty())
        return {};
    return CasePath::resolve(m_path, components);
}

QString DataRoot::sysFolder() const
{
    return resolve({QStringLiteral("sys")});
}

QString DataRoot::rosterFile() const
{
    return resolve({QStringLiteral("sys"), QStringLiteral("sys.cho")});
}

QString DataRoot::helpFolder() const
{
    return resolve({QStringLiteral("help")});
}

QString DataRoot::templateFile(const QString &name) const
{
    return resolve({QStringLiteral("sys"), name});
}

QString DataRoot::paperFolder(const QString &paper) const
{
    return resolve({QStringLiteral("SHIJUAN"), trimmedName(paper)});
}

QString DataRoot::paperFile(const QString &paper) const
{
    const QString name = trimmedName(paper);
    return resolve({QStringLiteral("SHIJUAN"), name, name + QStringLiteral(".cho")});
}

QString DataRoot::paperDocument(const QString &paper, const QString &fileName) const
{
    return resolve({QStringLiteral("SHIJUAN"), trimmedName(paper), trimmedName(fileName)});
}

QString DataRoot::recordFolder(const QString &paper) const
{
    return resolve({QStringLiteral("CHENGJI"), trimmedName(paper)});
}

QString DataRoot::recordFile(const QString &paper, const QString &className,
                             const QString &number) const
{
    return resolve(
        {QStringLiteral("CHENGJI"), trimmedName(paper), recordFileName(className, number)});
}

QString DataRoot::recordFileName(const QString &className, const QString &number)
{
    return trimmedName(className) + trimmedName(number) + QStringLiteral(".cho");
}

bool DataRoot::isRemote() const
{
    if (qEnvironmentVariable("QUORIN_ROOT_REMOTE") == u"1")
        return true;
    struct statfs info
    {
    };
    if (statfs(QFile::encodeName(m_path).constData(), &info) != 0)
        return false;
    return isNetworkFileSystem(static_cast<unsigned long>(info.f_type));
}

QString DataRoot::localFolder(LocalUse use)
{
    QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (cache.isEmpty())
        cache = QDir::homePath() + QStringLiteral("/.cache");
    switch (use) {
    case LocalUse::Student:
        return cache + QStringLiteral("/quorin/student");
    case LocalUse::Editor:
        return cache + QStringLiteral("/quorin/editor");
    case LocalUse::Office:
        break;
    }
    return cache + QStringLiteral("/quorin/office");
}

} // namespace store
