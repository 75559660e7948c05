// SPDX-License-Identifier: GPL-3.0-or-later
#include "paper_root.h"

#include "test_files.h"

#include <QDir>
#include <QStringDecoder>

namespace testing {

QString fullPaperMain(const QString &testTime)
{
    return QStringLiteral("TESTTIME=%1\nEXERCISEMODE=0\nRETESTPASSWD=468\nRELOGINPASSWD=579\n"
                          "DISPLAY_SCORE=1\nCHANGE_QUESTION_SORT=1\nA_grade=90\nB_grade=80\n"
                          "C_grade=70\nD_grade=60\nAuthor=王老师\nabout_test=代数单元测验\n"
                          "Question_conut=2\nfull_mark=10\nMark=5\n")
        .arg(testTime);
}

void writePaper(const TempRoot &root, const QString &name, const QString &mainLines,
                const QString &fileName)
{
    const QString folder = root.path() + QStringLiteral("/SHIJUAN/") + name;
    QDir().mkpath(folder);
    QDir().mkpath(root.path() + QStringLiteral("/CHENGJI/") + name);
    const QString questions =
        QStringLiteral("[1]\nQUESTION=12345678.RTF\nexplain=87654321.RTF\nanswer=13\nmark=\n"
                       "[2]\nQUESTION=555.RTF\nexplain=556.RTF\nanswer=2\nmark=5\n");
    writeBytes(folder + u'/' + (fileName.isEmpty() ? name + QStringLiteral(".cho") : fileName),
               windowsText(QStringLiteral("[MAIN]\n") + mainLines + questions));
    for (const char *document : {"12345678.RTF", "87654321.RTF", "555.RTF", "556.RTF"})
        writeBytes(folder + u'/' + QString::fromLatin1(document),
                   QByteArray("{\\rtf1\\ansi\\ansicpg936 ") + document + "\\par}");
}

QList<QPair<QString, QString>> sectionOf(const QString &file, const QString &section)
{
    QByteArray bytes = readBytes(file);
    QString text;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        text = QString::fromUtf8(bytes.mid(3));
    else
        text = QStringDecoder("GBK").decode(bytes);
    QList<QPair<QString, QString>> values;
    bool inside = false;
    for (const QString &raw : text.split(QStringLiteral("\r\n"))) {
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

QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

} // namespace testing
