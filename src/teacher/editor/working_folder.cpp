// SPDX-License-Identifier: GPL-3.0-or-later
#include "working_folder.h"

#include "richtext/rtf_reader.h"
#include "richtext/rtf_writer.h"
#include "store/case_path.h"
#include "store/regular_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>

namespace editor {

namespace {

QStringList documentsIn(const QString &folder)
{
    QStringList names;
    const QStringList entries = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &entry : entries) {
        if (isDocumentName(entry))
            names.append(entry);
    }
    return names;
}

} // namespace

bool isDocumentName(QStringView name)
{
    return name.size() > 4 && name.endsWith(u".rtf", Qt::CaseInsensitive);
}

QByteArray readDocument(const QString &path)
{
    return store::readRegularFile(path, richtext::RtfReader::maxInputSize).bytes;
}

WorkingFolder::WorkingFolder(QString path)
    : m_path(std::move(path))
{}

WorkingFolder::~WorkingFolder()
{
    release();
}

QString WorkingFolder::lockPath() const
{
    QString folder = m_path;
    while (folder.size() > 1 && folder.endsWith(u'/'))
        folder.chop(1);
    return folder + QStringLiteral(".lock");
}

WorkingFolder::Claim WorkingFolder::claim()
{
    if (m_claimed)
        return Claim::Claimed;
    if (m_path.isEmpty() || !QDir().mkpath(m_path))
        return Claim::Failed;
    m_lock = std::make_unique<store::FileLock>(lockPath(), store::FileLock::Purpose::Claim);
    switch (m_lock->acquire(0)) {
    case store::FileLock::Outcome::Locked:
    case store::FileLock::Outcome::Unsupported:
        m_claimed = true;
        return Claim::Claimed;
    case store::FileLock::Outcome::Busy:
        m_lock.reset();
        return Claim::Busy;
    case store::FileLock::Outcome::Error:
        break;
    }
    m_lock.reset();
    return Claim::Failed;
}

void WorkingFolder::release()
{
    if (!m_claimed)
        return;
    removeDocuments();
    m_copied.clear();
    m_lock.reset();
    m_claimed = false;
}

void WorkingFolder::removeDocuments() const
{
    QDir folder(m_path);
    for (const QString &name : documentsIn(m_path))
        folder.remove(name);
}

store::WriteOutcome WorkingFolder::bringIn(const QString &name, const QString &source)
{
    if (hasDocument(name))
        return {};
    const QFileInfo from(source);
    if (source.isEmpty() || !from.isFile()) {
        if (!isDocumentName(name.trimmed()))
            return refused(name);
        return writeEmptyDocument(name);
    }
    const QString target = documentPath(from.fileName());
    if (target.isEmpty())
        return refused(from.fileName());
    store::WriteOutcome copied =
        store::AtomicFile::copy(source, target, richtext::RtfReader::maxInputSize);
    if (!copied.ok())
        return copied;
    if (const std::optional<Stamp> stamp = stampOf(target))
        m_copied.insert(key(from.fileName()), *stamp);
    return {};
}

QString WorkingFolder::documentPath(const QString &name) const
{
    const QString trimmed = name.trimmed();
    if (!store::CasePath::isSafeComponent(trimmed))
        return {};
    return store::CasePath::resolve(m_path, {trimmed});
}

bool WorkingFolder::hasDocument(const QString &name) const
{
    const QString path = documentPath(name);
    return !path.isEmpty() && QFileInfo(path).isFile();
}

store::WriteOutcome WorkingFolder::writeEmptyDocument(const QString &name)
{
    const QString path = documentPath(name);
    if (path.isEmpty())
        return refused(name);
    return writeDocument(name, richtext::RtfWriter::emptyDocument());
}

store::WriteOutcome WorkingFolder::writeDocument(const QString &name, const QByteArray &bytes)
{
    const QString path = documentPath(name);
    if (path.isEmpty())
        return refused(name);
    return store::AtomicFile::write(path, bytes);
}

store::WriteOutcome WorkingFolder::copyIn(const QString &source, const QString &name)
{
    const QString path = documentPath(name);
    if (path.isEmpty())
        return refused(name);
    return store::AtomicFile::copy(source, path, richtext::RtfReader::maxInputSize);
}

store::WriteOutcome WorkingFolder::refused(const QString &name) const
{
    return store::WriteOutcome{
        store::WriteStatus::InvalidName, 0, m_path + u'/' + name,
        QCoreApplication::translate("WorkingFolder", "not a plain file name")};
}

bool WorkingFolder::isChanged(const QString &name, const QString &path) const
{
    const auto it = m_copied.constFind(key(name.trimmed()));
    if (it == m_copied.constEnd())
        return true;
    const std::optional<Stamp> now = stampOf(path);
    return !now || !(*now == *it);
}

void WorkingFolder::markUnchanged(const QString &name)
{
    if (const std::optional<Stamp> stamp = stampOf(documentPath(name)))
        m_copied.insert(key(name.trimmed()), *stamp);
}

std::optional<WorkingFolder::Stamp> WorkingFolder::stampOf(const QString &path)
{
    struct stat info
    {
    };
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    Stamp stamp;
    stamp.inode = quint64(info.st_ino);
    stamp.size = qint64(info.st_size);
    stamp.modifiedNs = qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    return stamp;
}

} // namespace editor
