// Making writes fail without root: a file-size limit within this process, and libfiu's
// preloaded failures for a child process.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <sys/types.h>

namespace testing {

/// While it lives, the soft limit of one resource of this process (RLIMIT_...) is `value`.
class ResourceLimit
{
public:
    ResourceLimit(int resource, unsigned long long value);
    ~ResourceLimit();
    ResourceLimit(const ResourceLimit &) = delete;
    ResourceLimit &operator=(const ResourceLimit &) = delete;

private:
    int m_resource;
    unsigned long long m_soft = 0;
};

/// While it lives, no file of this process grows past `bytes`: such a write fails with
/// EFBIG (a full disk or quota, as the writers see it) instead of raising SIGXFSZ.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(off_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    void (*m_handler)(int) = nullptr;
    ResourceLimit m_limit;
};

/// While it lives, no more than `count` files can be open in this process.
class OpenFileLimit : public ResourceLimit
{
public:
    explicit OpenFileLimit(unsigned long long count);
};

/// The failure of one call for fiu-run: "posix/io/sync/fsync" and an errno.
struct InjectedFault
{
    QString point;
    int error = 0;
};

/// Whether fiu-run is installed.
bool haveFaultInjection();
/// Runs `program` with `arguments` under fiu-run with the fault enabled; the exit code, or
/// -1 when it did not run or crashed.
int runWithFault(const InjectedFault &fault, const QString &program, const QStringList &arguments);

/// The names of a folder's entries other than `kept`: temporary files a writer left.
QStringList leftovers(const QString &folder, const QStringList &kept);

} // namespace testing
