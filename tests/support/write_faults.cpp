// SPDX-License-Identifier: GPL-3.0-or-later
#include "write_faults.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <csignal>
#include <sys/resource.h>

namespace testing {

FileSizeLimit::FileSizeLimit(off_t bytes)
{
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    m_soft = limit.rlim_cur;
    m_handler = std::signal(SIGXFSZ, SIG_IGN);
    limit.rlim_cur = rlim_t(bytes);
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit()
{
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = rlim_t(m_soft);
    ::setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, m_handler);
}

OpenFileLimit::OpenFileLimit(unsigned long long count)
{
    rlimit limit{};
    ::getrlimit(RLIMIT_NOFILE, &limit);
    m_soft = limit.rlim_cur;
    limit.rlim_cur = rlim_t(count);
    ::setrlimit(RLIMIT_NOFILE, &limit);
}

OpenFileLimit::~OpenFileLimit()
{
    rlimit limit{};
    ::getrlimit(RLIMIT_NOFILE, &limit);
    limit.rlim_cur = rlim_t(m_soft);
    ::setrlimit(RLIMIT_NOFILE, &limit);
}

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
