// SPDX-License-Identifier: GPL-3.0-or-later
#include "document_pane.h"

#include <QFile>

namespace student {

namespace {

// Text runs of an RTF file: control words and destinations are skipped.
QString textRuns(const QByteArray &rtf)
{
    QString text;
    int depth = 0;
    int skipBelow = -1;
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        const char c = rtf.at(i);
        if (c == '{') {
            ++depth;
            if (i + 2 < rtf.size() && rtf.at(i + 1) == '\\' && rtf.at(i + 2) == '*' &&
                skipBelow < 0)
                skipBelow = depth;
            continue;
        }
        if (c == '}') {
            if (depth == skipBelow)
                skipBelow = -1;
            --depth;
            continue;
        }
        if (c == '\\') {
            qsizetype j = i + 1;
            QByteArray word;
            while (j < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf.at(j))))
                word += rtf.at(j++);
            while (j < rtf.size() &&
                   (std::isdigit(static_cast<unsigned char>(rtf.at(j))) || rtf.at(j) == '-'))
                ++j;
            if (j < rtf.size() && rtf.at(j) == ' ')
                ++j;
            if (skipBelow < 0 && (word == "fonttbl" || word == "colortbl" || word == "stylesheet" ||
                                  word == "pict" || word == "info"))
                skipBelow = depth;
            if (skipBelow < 0 && (word == "par" || word == "line"))
                text += u'\n';
            i = j - 1;
            continue;
        }
        if (skipBelow < 0 && c != '\r' && c != '\n')
            text += QLatin1Char(c);
    }
    return text;
}

} // namespace

DocumentPane::DocumentPane(QWidget *parent)
    : QTextEdit(parent)
{
    setReadOnly(true);
}

bool DocumentPane::loadFile(const QString &path)
{
    clearDocument();
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return false;
    setPlainText(textRuns(file.readAll()));
    m_fileName = path;
    return true;
}

void DocumentPane::clearDocument()
{
    clear();
    m_fileName.clear();
}

} // namespace student
