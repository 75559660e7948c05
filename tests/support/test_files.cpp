// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_files.h"

#include <QDir>
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
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup
                                      | QFile::ReadOther);
    return target;
}

} // namespace testing
