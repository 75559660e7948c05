// SPDX-License-Identifier: GPL-3.0-or-later
#include "document_batch.h"

#include "richtext/rtf_reader.h"
#include "store/regular_file.h"

#include <QDir>
#include <QFile>
#include <algorithm>

namespace editor {

namespace {

// A temporary file of the atomic writer: the document's name, a dot and six letters or digits.
bool isTemporaryDocument(const QString &name)
{
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot < 5 || name.size() - dot != 7 ||
        !name.first(dot).endsWith(u".rtf", Qt::CaseInsensitive))
        return false;
    return std::all_of(name.begin() + dot + 1, name.end(),
                       [](QChar c) { return c.isDigit() || (c.unicode() < 128 && c.isLetter()); });
}

} // namespace

DocumentBatch::DocumentBatch(QString folder)
    : m_folder(std::move(folder))
{}

DocumentBatch::~DocumentBatch()
{
    if (!m_finished)
        discard();
}

store::WriteOutcome DocumentBatch::add(const QString &source, const QString &name)
{
    const store::FileContent content =
        store::readRegularFile(source, richtext::RtfReader::maxInputSize);
    if (content.status != store::ReadStatus::Ok)
        return store::WriteOutcome{store::WriteStatus::Error, content.error, source,
                                   store::describe(content.status)};
    return add(content.bytes, name);
}

store::WriteOutcome DocumentBatch::add(const QByteArray &bytes, const QString &name)
{
    auto file = std::make_unique<store::AtomicFile>(m_folder + u'/' + name,
                                                    store::AtomicFile::Replace::Never);
    if (store::WriteOutcome opened = file->open(); !opened.ok())
        return opened;
    if (store::WriteOutcome written = file->write(bytes); !written.ok())
        return written;
    file->startWriting();
    m_open.push_back(std::move(file));
    if (int(m_open.size()) >= maxOpen)
        return commitOpen();
    return {};
}

store::WriteOutcome DocumentBatch::commitOpen()
{
    // The disk has been writing each file since it was added; each commit waits for it.
    store::WriteOutcome first;
    for (auto &file : m_open) {
        store::WriteOutcome committed = file->commit();
        if (committed.ok())
            m_written.append(file->target());
        else if (first.ok())
            first = committed;
    }
    m_open.clear();
    return first;
}

store::WriteOutcome DocumentBatch::finish()
{
    store::WriteOutcome outcome = commitOpen();
    if (!outcome.ok())
        return outcome;
    store::AtomicFile::syncFolder(m_folder);
    m_finished = true;
    return {};
}

void DocumentBatch::discard()
{
    m_open.clear();
    for (const QString &path : std::as_const(m_written))
        QFile::remove(path);
    m_written.clear();
    m_finished = true;
}

void DocumentBatch::removeLeftovers(const QString &folder)
{
    // One editor saves a paper at a time, so a document's temporary file is always a
    // killed save's, whatever its age.
    QDir dir(folder);
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names) {
        if (name.startsWith(QStringLiteral(".quorin-save-")) || isTemporaryDocument(name))
            dir.remove(name);
    }
}

} // namespace editor
