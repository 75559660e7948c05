// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_files.h"

#include <QDir>
#include <QDirIterator>
#include <QDateTime>
#include <QFile>
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
