// SPDX-License-Identifier: GPL-3.0-or-later
#include "write_faults.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <csignal>
#include <sys/resource.h>

namespace testing {

ResourceLimit::ResourceLimit(int resource, unsigned long long value)
    : m_resource(resource)
{
    rlimit limit{};
    ::getrlimit(m_resource, &limit);
    m_soft = limit.rlim_cur;
    limit.rlim_cur = rlim_t(value);
    ::setrlimit(m_resource, &limit);
}

ResourceLimit::~ResourceLimit()
{
    rlimit limit{};
    ::getrlimit(m_resource, &limit);
    limit.rlim_cur = rlim_t(m_soft);
    ::setrlimit(m_resource, &limit);
}

FileSizeLimit::FileSizeLimit(off_t bytes)
    : m_handler(std::signal(SIGXFSZ, SIG_IGN))
    , m_limit(RLIMIT_FSIZE, (unsigned long long)bytes)
{}

FileSizeLimit::~FileSizeLimit()
{
    std::signal(SIGXFSZ, m_handler);
}

OpenFileLimit::OpenFileLimit(unsigned long long count)
    : ResourceLimit(RLIMIT_NOFILE, count)
{}

bool haveFaultInjection()
{
    return !QStandardPaths::findExecutable(QStringLiteral("fiu-run")).isEmpty();
}

int runWithFault(const InjectedFault &fault, const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProgram(QStringLiteral("fiu-run"));
    process.setArguments(
        QStringList{QStringLiteral("-x"), QStringLiteral("-c"),
                    QStringLiteral("enable name=%1,failinfo=%2").arg(fault.point).arg(fault.error),
                    program} +
        arguments);
    process.start();
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return -1;
    return process.exitCode();
}

QStringList leftovers(const QString &folder, const QStringList &kept)
{
    QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    names.removeIf([&](const QString &name) {
        return kept.contains(name) || name.endsWith(QStringLiteral(".lock"));
    });
    return names;
}

} // namespace testing
