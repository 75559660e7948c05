// SPDX-License-Identifier: GPL-3.0-or-later
#include "package.h"

#include "store/regular_file.h"

#include <QCoreApplication>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <zip.h>

namespace office {

namespace {

QString key(const QString &name)
{
    return name.toLower();
}

QString zipError(zip_error_t *error)
{
    return QString::fromUtf8(zip_error_strerror(error));
}

// Closes an archive opened for reading, whatever happens on the way.
struct ReadArchive
{
    zip_t *archive = nullptr;
    ~ReadArchive()
    {
        if (archive)
            zip_discard(archive);
    }
};

// The pictures of a document are compressed already; deflating them again costs
// time and gains nothing.
bool isCompressedMedia(const QString &name)
{
    const QString lower = name.toLower();
    for (const char *ext : {".png", ".jpg", ".jpeg", ".gif", ".zip", ".mp3", ".mp4"}) {
        if (lower.endsWith(QLatin1StringView(ext)))
            return true;
    }
    return false;
}

} // namespace

Result<Package> Package::read(const QString &path, const PackageLimits &limits)
{
    // A template is read like any file a person may have put there: a regular file only,
    // never waited for, within the size limit.
    const store::FileContent file = store::readRegularFile(path, limits.maxFileSize);
    switch (file.status) {
    case store::ReadStatus::Ok:
        break;
    case store::ReadStatus::TooLarge:
        return Failure{QCoreApplication::translate("Package", "%1 is larger than %2 MB")
                           .arg(path)
                           .arg(limits.maxFileSize >> 20)};
    case store::ReadStatus::Missing:
    case store::ReadStatus::Error:
        return Failure{
            QCoreApplication::translate("Package", "%1 cannot be read (%2)")
                .arg(path, file.error == EINVAL
                               ? QCoreApplication::translate("Package", "not a regular file")
                               : QString::fromLocal8Bit(std::strerror(file.error)))};
    }
    Result<Package> package = fromBytes(file.bytes, limits);
    if (!package)
        return Failure{path + QStringLiteral(": ") + package.reason()};
    return package;
}

Result<Package> Package::fromBytes(const QByteArray &bytes, const PackageLimits &limits)
{
    if (bytes.size() > limits.maxFileSize)
        return Failure{QCoreApplication::translate("Package", "the file is larger than %1 MB")
                           .arg(limits.maxFileSize >> 20)};
    if (!bytes.startsWith("PK"))
        return Failure{QCoreApplication::translate(
            "Package", "the file is not an Office Open XML file (not a zip archive)")};

    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *source =
        zip_source_buffer_create(bytes.constData(), zip_uint64_t(bytes.size()), 0, &error);
    if (!source) {
        const QString reason = zipError(&error);
        zip_error_fini(&error);
        return Failure{reason};
    }
    ReadArchive archive;
    archive.archive = zip_open_from_source(source, ZIP_RDONLY, &error);
    if (!archive.archive) {
        zip_source_free(source);
        const QString reason = zipError(&error);
        zip_error_fini(&error);
        return Failure{
            QCoreApplication::translate("Package", "the zip archive is damaged (%1)").arg(reason)};
    }
    zip_error_fini(&error);

    const zip_int64_t count = zip_get_num_entries(archive.archive, 0);
    if (count < 0 || count > limits.maxParts)
        return Failure{
            QCoreApplication::translate("Package", "the zip archive holds too many parts")};

    Package package;
    qint64 total = 0;
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t stat;
        zip_stat_init(&stat);
        if (zip_stat_index(archive.archive, zip_uint64_t(i), 0, &stat) != 0 ||
            !(stat.valid & ZIP_STAT_NAME) || !(stat.valid & ZIP_STAT_SIZE))
            return Failure{QCoreApplication::translate("Package", "the zip archive is damaged")};
        const QString name = QString::fromUtf8(stat.name);
        if (name.isEmpty() || name.endsWith(u'/'))
            continue; // a folder entry
        if ((stat.valid & ZIP_STAT_ENCRYPTION_METHOD) && stat.encryption_method != ZIP_EM_NONE)
            return Failure{QCoreApplication::translate("Package", "the file is encrypted")};
        if (stat.size > zip_uint64_t(limits.maxPartSize))
            return Failure{
                QCoreApplication::translate("Package", "the part %1 is larger than %2 MB")
                    .arg(name)
                    .arg(limits.maxPartSize >> 20)};
        total += qint64(stat.size);
        if (total > limits.maxTotalSize)
            return Failure{
                QCoreApplication::translate("Package", "the zip archive unpacks to more than %1 MB")
                    .arg(limits.maxTotalSize >> 20)};
        if (package.m_index.contains(key(name)))
            continue; // the first of two parts that differ in letter case only

        zip_file_t *entry = zip_fopen_index(archive.archive, zip_uint64_t(i), 0);
        if (!entry)
            return Failure{
                QCoreApplication::translate("Package", "the part %1 cannot be unpacked (%2)")
                    .arg(name, QString::fromUtf8(zip_strerror(archive.archive)))};
        QByteArray data(qsizetype(stat.size), Qt::Uninitialized);
        const zip_int64_t got = stat.size ? zip_fread(entry, data.data(), stat.size) : 0;
        char extra = 0;
        // An entry that unpacks to more than its directory says is refused, not followed.
        const zip_int64_t more = got == zip_int64_t(stat.size) ? zip_fread(entry, &extra, 1) : 0;
        const int closed = zip_fclose(entry);
        if (got != zip_int64_t(stat.size) || more != 0 || closed != 0)
            return Failure{
                QCoreApplication::translate("Package", "the part %1 is damaged").arg(name)};

        package.m_index.insert(key(name), package.m_entries.size());
        package.m_entries.push_back(
            {name, std::move(data),
             isCompressedMedia(name) ? Compression::Store : Compression::Deflate});
    }
    return package;
}

const QByteArray *Package::find(const QString &name) const
{
    const auto it = m_index.constFind(key(name));
    return it == m_index.cend() ? nullptr : &m_entries[*it].data;
}

QString Package::spelling(const QString &name) const
{
    const auto it = m_index.constFind(key(name));
    return it == m_index.cend() ? QString() : m_entries[*it].name;
}

void Package::setPart(const QString &name, QByteArray data, Compression compression)
{
    const auto it = m_index.constFind(key(name));
    if (it != m_index.cend()) {
        m_entries[*it].data = std::move(data);
        m_entries[*it].compression = compression;
        return;
    }
    m_index.insert(key(name), m_entries.size());
    m_entries.push_back({name, std::move(data), compression});
}

void Package::removePart(const QString &name)
{
    const auto it = m_index.constFind(key(name));
    if (it == m_index.cend())
        return;
    m_entries.erase(m_entries.begin() + qsizetype(*it));
    m_index.clear();
    for (size_t i = 0; i < m_entries.size(); ++i)
        m_index.insert(key(m_entries[i].name), i);
}

QStringList Package::names() const
{
    QStringList names;
    names.reserve(qsizetype(m_entries.size()));
    for (const Entry &entry : m_entries)
        names.append(entry.name);
    return names;
}

Result<QByteArray> Package::toBytes() const
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *target = zip_source_buffer_create(nullptr, 0, 0, &error);
    if (!target) {
        const QString reason = zipError(&error);
        zip_error_fini(&error);
        return Failure{reason};
    }
    zip_t *archive = zip_open_from_source(target, ZIP_TRUNCATE, &error);
    if (!archive) {
        zip_source_free(target);
        const QString reason = zipError(&error);
        zip_error_fini(&error);
        return Failure{reason};
    }
    zip_error_fini(&error);
    // The buffer outlives the archive: the bytes are taken from it after closing.
    zip_source_keep(target);

    const auto fail = [&](const QString &what) -> Result<QByteArray> {
        const QString reason =
            what + QStringLiteral(" (") + QString::fromUtf8(zip_strerror(archive)) + u')';
        zip_discard(archive);
        zip_source_free(target);
        return Failure{reason};
    };
    for (const Entry &entry : m_entries) {
        zip_source_t *data =
            zip_source_buffer(archive, entry.data.constData(), zip_uint64_t(entry.data.size()), 0);
        if (!data)
            return fail(QCoreApplication::translate("Package", "cannot pack %1").arg(entry.name));
        const QByteArray name = entry.name.toUtf8();
        const zip_int64_t index = zip_file_add(archive, name.constData(), data, ZIP_FL_ENC_UTF_8);
        if (index < 0) {
            zip_source_free(data);
            return fail(QCoreApplication::translate("Package", "cannot pack %1").arg(entry.name));
        }
        const bool store = entry.compression == Compression::Store;
        if (zip_set_file_compression(archive, zip_uint64_t(index),
                                     store ? ZIP_CM_STORE : ZIP_CM_DEFLATE, store ? 0 : 6) != 0)
            return fail(QCoreApplication::translate("Package", "cannot pack %1").arg(entry.name));
    }
    if (zip_close(archive) != 0)
        return fail(QCoreApplication::translate("Package", "cannot write the zip archive"));

    QByteArray bytes;
    if (zip_source_open(target) == 0) {
        zip_source_seek(target, 0, SEEK_END);
        const zip_int64_t size = zip_source_tell(target);
        zip_source_seek(target, 0, SEEK_SET);
        if (size > 0) {
            bytes.resize(qsizetype(size));
            if (zip_source_read(target, bytes.data(), zip_uint64_t(size)) != size)
                bytes.clear();
        }
        zip_source_close(target);
    }
    zip_source_free(target);
    if (bytes.isEmpty())
        return Failure{QCoreApplication::translate("Package", "cannot write the zip archive")};
    return bytes;
}

} // namespace office
