// SPDX-License-Identifier: GPL-3.0-or-later
#include "paper_root.h"

#include "test_files.h"

#include "store/file_lock.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QTest>

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

void PaperRoot::listPapers(const QStringList &papers) const
{
    QString roster = QStringLiteral("[TestName]\nTestNameCount=%1\n").arg(papers.size());
    for (qsizetype i = 0; i < papers.size(); ++i) {
        roster += QStringLiteral("%1=%2\n%2=1\n").arg(i + 1).arg(papers.at(i));
        QDir().mkpath(path() + QStringLiteral("/SHIJUAN/") + papers.at(i));
    }
    roster += QStringLiteral("[ClassName]\nClassNameCount=1\n1=A1\n[ClassCount]\nA1=3\n"
                             "[FirstNumber]\nA1=1\n[LastNumber]\nA1=3\n");
    writeRoster(roster);
}

void PaperRoot::writePaper(const QString &paper, int defaultMark,
                           const QList<QuestionFiles> &questions, const QString &author) const
{
    int full = 0;
    for (const QuestionFiles &q : questions)
        full += q.mark.isEmpty() ? defaultMark : q.mark.toInt();
    QString text = QStringLiteral("[MAIN]\nTESTTIME=45\nEXERCISEMODE=0\nRETESTPASSWD=468\n"
                                  "RELOGINPASSWD=579\nDISPLAY_SCORE=1\nCHANGE_QUESTION_SORT=1\n"
                                  "A_grade=90\nB_grade=80\nC_grade=70\nD_grade=60\nAuthor=%1\n"
                                  "about_test=%2\nQuestion_conut=%3\nfull_mark=%4\nMark=%5\n")
                       .arg(author, paper)
                       .arg(questions.size())
                       .arg(full)
                       .arg(defaultMark);
    for (qsizetype i = 0; i < questions.size(); ++i) {
        const QuestionFiles &q = questions.at(i);
        text += QStringLiteral("[%1]\nQUESTION=%2\nexplain=%3\nanswer=%4\nmark=%5\n")
                    .arg(i + 1)
                    .arg(q.question, q.explain, q.answer, q.mark);
    }
    testing::writeBytes(root().paperFile(paper), windowsText(text));
}

void PaperRoot::writeDocument(const QString &paper, const QString &fileName,
                              const QString &text) const
{
    testing::writeBytes(path() + QStringLiteral("/SHIJUAN/") + paper + u'/' + fileName, rtf(text));
}

void PaperRoot::writeBytes(const QString &relative, const QByteArray &bytes) const
{
    testing::writeBytes(path() + u'/' + relative, bytes);
}

void PaperRoot::installTemplate(const QString &source, const QString &name) const
{
    QFile::remove(path() + QStringLiteral("/sys/") + name);
    QVERIFY(QFile::copy(source, path() + QStringLiteral("/sys/") + name));
}

QByteArray PaperRoot::rtf(const QString &text)
{
    QByteArray out = "{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl{\\f0\\fnil\\fcharset134 SimSun;}}"
                     "\\pard\\f0\\fs24 ";
    const QStringList lines = text.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        for (const QChar c : lines.at(i)) {
            if (c.unicode() < 0x80 && c != u'\\' && c != u'{' && c != u'}')
                out += char(c.unicode());
            else
                out += "\\u" + QByteArray::number(qint16(c.unicode())) + '?';
        }
        if (i + 1 < lines.size())
            out += "\\par\r\n";
    }
    return out + "\\par\r\n}";
}

} // namespace testing
