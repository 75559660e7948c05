// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor_fixture.h"

#include "store/file_lock.h"

#include "richtext/plain_text.h"
#include "test_files.h"

#include <QDir>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTest>

namespace testing {

namespace {

QString settingsLines(const QString &paper)
{
    return QStringLiteral(
               "[MAIN]\nTESTTIME=30\nEXERCISEMODE=0\nRETESTPASSWD=468\nRELOGINPASSWD=579\n"
               "DISPLAY_SCORE=1\nCHANGE_QUESTION_SORT=1\nA_grade=90\nB_grade=80\n"
               "C_grade=70\nD_grade=60\nAuthor=王老师\nabout_test=") +
           paper + u'\n';
}

} // namespace

EditorFixture::EditorFixture()
{
    QDir(m_root.path()).mkpath(QStringLiteral("sys"));
}

EditorFixture::~EditorFixture()
{
    const bool keep = QTest::currentTestFailed();
    m_root.setAutoRemove(!keep);
    m_work.setAutoRemove(!keep);
    if (keep)
        qWarning("data root kept: %s", qPrintable(m_root.path()));
}

void EditorFixture::writeRoster(const QStringList &papers) const
{
    QString text = QStringLiteral("[ClassName]\nClassNameCount=1\n1=A1\n[ClassCount]\nA1=30\n"
                                  "[FirstNumber]\nA1=1\n[LastNumber]\nA1=30\n[TestName]\n"
                                  "TestNameCount=%1\n")
                       .arg(papers.size());
    for (int i = 0; i < papers.size(); ++i)
        text += QString::number(i + 1) + u'=' + papers.at(i) + u'\n';
    for (const QString &paper : papers)
        text += paper + QStringLiteral("=1\n");
    writeBytes(root().rosterFile(), windowsText(text));
}

QString EditorFixture::paperFolder(const QString &paper) const
{
    return m_root.path() + QStringLiteral("/SHIJUAN/") + paper;
}

QString EditorFixture::paperFile(const QString &paper) const
{
    return paperFolder(paper) + u'/' + paper + QStringLiteral(".cho");
}

void EditorFixture::writeNewPaper(const QString &paper) const
{
    QDir().mkpath(m_root.path() + QStringLiteral("/CHENGJI/") + paper);
    writeBytes(paperFile(paper), windowsText(settingsLines(paper)));
}

void EditorFixture::writePaper(const QString &paper, const QList<FixtureQuestion> &questions,
                               int defaultMark, int first) const
{
    QDir().mkpath(m_root.path() + QStringLiteral("/CHENGJI/") + paper);
    QString text = settingsLines(paper);
    double full = 0;
    for (const FixtureQuestion &q : questions)
        full += q.mark.isEmpty() ? defaultMark : q.mark.toDouble();
    text += QStringLiteral("Question_conut=%1\nfull_mark=%2\nMark=%3\n")
                .arg(questions.size())
                .arg(qRound(full))
                .arg(defaultMark);
    for (int q = 1; q <= questions.size(); ++q) {
        const FixtureQuestion &question = questions.at(q - 1);
        const QString document = QString::number(first + 2 * q - 2) + QStringLiteral(".RTF");
        const QString explanation = QString::number(first + 2 * q - 1) + QStringLiteral(".RTF");
        writeBytes(paperFolder(paper) + u'/' + document, wordpadRtf(question.text));
        writeBytes(paperFolder(paper) + u'/' + explanation, wordpadRtf(question.explanation));
        text += QStringLiteral("[%1]\nQUESTION=%2\nexplain=%3\nanswer=%4\nmark=%5\n")
                    .arg(q)
                    .arg(document, explanation, question.answer, question.mark);
    }
    writeBytes(paperFile(paper), windowsText(text));
}

QString EditorFixture::paperText(const QString &paper) const
{
    QStringDecoder gbk("GBK");
    return gbk.decode(readBytes(paperFile(paper)));
}

QStringList EditorFixture::paperFiles(const QString &paper) const
{
    QStringList names = QDir(paperFolder(paper)).entryList(QDir::Files | QDir::Hidden);
    // The paper file's lock file stays beside it after every write.
    names.removeIf([](const QString &name) { return store::FileLock::isLockFileName(name); });
    names.sort();
    return names;
}

QByteArray EditorFixture::wordpadRtf(const QString &text)
{
    QByteArray body;
    QStringEncoder gbk("GBK");
    for (QChar c : text) {
        if (c == u'\n') {
            body += "\\par\r\n";
        } else if (c.unicode() < 0x80) {
            if (c == u'\\' || c == u'{' || c == u'}')
                body += '\\';
            body += char(c.unicode());
        } else {
            for (char byte : QByteArray(gbk.encode(QStringView(&c, 1))))
                body += "\\'" + QByteArray::number(uchar(byte), 16).rightJustified(2, '0');
        }
    }
    return "{\\rtf1\\ansi\\ansicpg936\\deff0\\deflang1033\\deflangfe2052{\\fonttbl{\\f0\\fnil"
           "\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}}\r\n\\viewkind4\\uc1\\pard\\lang2052\\f0\\fs20 " +
           body + "\\par\r\n}\r\n";
}

QString EditorFixture::documentText(const QString &path)
{
    return richtext::plainText(readBytes(path));
}

} // namespace testing
