// SPDX-License-Identifier: GPL-3.0-or-later
#include "output_file.h"

#include "store/atomic_file.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

namespace office {

QString Delivery::defaultFolder()
{
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty())
        documents = QDir::homePath();
    return documents + QStringLiteral("/Quorin");
}

bool Delivery::openWithDesktop(const QString &path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

BusyScope::BusyScope(Indicator indicator)
    : m_indicator(std::move(indicator))
{
    if (m_indicator)
        m_indicator(true);
}

BusyScope::~BusyScope()
{
    if (m_indicator)
        m_indicator(false);
}

BusyScope::Indicator BusyScope::waitCursor()
{
    return [](bool working) {
        if (working)
            QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        else
            QGuiApplication::restoreOverrideCursor();
    };
}

Result<Delivered> deliver(const Delivery &delivery, const QString &name, const QDateTime &when,
                          const QString &extension, const QByteArray &bytes)
{
    // Colons are not allowed in file names on the Windows shares next door.
    const QString base = name + u' ' + when.toString(QStringLiteral("yyyy-MM-dd HH.mm"));
    Result<QString> path = writeNewFile(delivery.folder, base, extension, bytes);
    if (!path)
        return Failure{path.reason()};
    Delivered delivered;
    delivered.path = *path;
    delivered.opened = delivery.open && delivery.open(*path);
    return delivered;
}

namespace {

QString failureText(const QString &path, const store::WriteOutcome &outcome)
{
    QString text = QCoreApplication::translate("OutputFile", "%1 was not written")
                       .arg(QDir::toNativeSeparators(path));
    const QString why =
        outcome.reason().isEmpty() ? store::describe(outcome.status) : outcome.reason();
    return text + QCoreApplication::translate("OutputFile", " (%1); nothing was changed").arg(why);
}

} // namespace

Result<QString> writeNewFile(const QString &folder, const QString &baseName,
                             const QString &extension, const QByteArray &bytes)
{
    if (!QDir().mkpath(folder))
        return Failure{QCoreApplication::translate("OutputFile", "the folder %1 cannot be made")
                           .arg(QDir::toNativeSeparators(folder))};
    const QString base =
        safeFileName(baseName).isEmpty() ? QStringLiteral("output") : safeFileName(baseName);
    for (int n = 1; n <= 1000; ++n) {
        const QString name = n == 1 ? base : QStringLiteral("%1 (%2)").arg(base).arg(n);
        const QString path = QDir(folder).filePath(name + u'.' + extension);
        if (QFileInfo::exists(path))
            continue;
        // Never over a file another program took the name for in the meantime.
        const store::WriteOutcome written =
            store::AtomicFile::write(path, bytes, store::AtomicFile::Replace::Never);
        if (written.status == store::WriteStatus::Exists)
            continue;
        if (!written.ok())
            return Failure{failureText(path, written)};
        return path;
    }
    return Failure{
        QCoreApplication::translate("OutputFile", "the folder %1 holds too many files named %2")
            .arg(QDir::toNativeSeparators(folder), base)};
}

Status writeFile(const QString &path, const QByteArray &bytes)
{
    if (const store::WriteOutcome written = store::AtomicFile::write(path, bytes); !written.ok())
        return Failure{failureText(path, written)};
    return {};
}

QString safeFileName(const QString &text)
{
    QString name;
    name.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x20 || u == 0x7F || QStringView(u"/\\:*?\"<>|").contains(c))
            name.append(u'_');
        else
            name.append(c);
    }
    while (!name.isEmpty() && (name.front() == u' ' || name.front() == u'.'))
        name.remove(0, 1);
    while (!name.isEmpty() && (name.back() == u' ' || name.back() == u'.'))
        name.chop(1);
    return name.left(120);
}

} // namespace office
