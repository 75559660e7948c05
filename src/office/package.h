// The zip archive of an office file, held in memory part by part.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "result.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

namespace office {

/// Bounds on what reading an archive may take, so that a small hostile file (a zip
/// bomb, millions of entries) is refused before it fills the memory.
struct PackageLimits
{
    qint64 maxFileSize = 64LL * 1024 * 1024;
    qint64 maxPartSize = 64LL * 1024 * 1024;
    qint64 maxTotalSize = 256LL * 1024 * 1024;
    int maxParts = 10000;
};

class Package
{
public:
    enum class Compression { Deflate, Store };

    /// Reads every part of the archive at `path`.
    static Result<Package> read(const QString &path, const PackageLimits &limits = {});
    static Result<Package> fromBytes(const QByteArray &bytes, const PackageLimits &limits = {});

    /// The part of this name (no leading "/"; letter case does not matter, as in the
    /// package format); null when there is none.
    const QByteArray *find(const QString &name) const;
    bool contains(const QString &name) const { return find(name) != nullptr; }
    /// The name as the archive spells it; empty when there is no such part.
    QString spelling(const QString &name) const;
    /// Adds a part, or replaces the data of one of that name (keeping its place).
    void setPart(const QString &name, QByteArray data,
                 Compression compression = Compression::Deflate);
    void removePart(const QString &name);
    /// Part names in archive order.
    QStringList names() const;

    /// The archive: parts in their order, text parts compressed, pictures stored.
    Result<QByteArray> toBytes() const;

private:
    struct Entry
    {
        QString name;
        QByteArray data;
        Compression compression = Compression::Deflate;
    };
    std::vector<Entry> m_entries;
    QHash<QString, size_t> m_index; ///< lower-case name -> entry
};

} // namespace office
