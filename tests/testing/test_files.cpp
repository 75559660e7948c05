// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_files.h"

#include "store/file_lock.h"

#include <QDirIterator>
#include <QDateTime>
#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTest>

namespace testing {

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    file.write(bytes);
}

QByteArray windowsText(const QString &text)
{
    QString crlf = text;
    crlf.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    crlf.replace(u'\n', QStringLiteral("\r\n"));
    QStringEncoder gbk("GBK");
    return gbk.encode(crlf);
}

QString readText(const QString &path)
{
    const QByteArray bytes = readBytes(path);
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    return QStringDecoder("GBK").decode(bytes);
}

QList<QPair<QString, QString>> sectionOf(const QString &file, const QString &section)
{
    QList<QPair<QString, QString>> values;
    bool inside = false;
    for (const QString &raw : readText(file).split(QStringLiteral("\r\n"))) {
        const QString line = raw.trimmed();
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            inside = line.mid(1, line.size() - 2).compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (inside && equals > 0)
            values.append({line.left(equals), line.mid(equals + 1)});
    }
    return values;
}

QStringList entriesOf(const QString &folder, QDir::Filters filters)
{
    QStringList names = QDir(folder).entryList(filters | QDir::Hidden, QDir::Name);
    names.removeIf([](const QString &name) { return store::FileLock::isLockFileName(name); });
    return names;
}

QString fixture(const QString &relative)
{
    return QStringLiteral(QUORIN_TEST_DATA) + u'/' + relative;
}

QString copyFixture(const QString &relative, const QString &folder, const QString &name)
{
    QDir().mkpath(folder);
    const QString target = folder + u'/' + name;
    QFile::remove(target);
    QFile::copy(fixture(relative), target);
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                      QFile::ReadOther);
    return target;
}

QMap<QString, QByteArray> treeSnapshot(const QString &folder)
{
    QMap<QString, QByteArray> tree;
    const QDir base(folder);
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info = it.fileInfo();
        if (info.isDir())
            tree.insert(base.relativeFilePath(path) + u'/', {});
        else if (info.size() > 1024 * 1024) // large fixtures: their size and time will do
            tree.insert(base.relativeFilePath(path),
                        QByteArray::number(info.size()) + ' ' +
                            QByteArray::number(info.lastModified().toMSecsSinceEpoch()));
        else
            tree.insert(base.relativeFilePath(path), readBytes(path));
    }
    return tree;
}

} // namespace testing
