// SPDX-License-Identifier: GPL-3.0-or-later
#include "question_preview.h"

#include <QFileInfo>

namespace results {

QuestionPreview::QuestionPreview(QWidget *parent)
    : QTextEdit(parent)
{
    setReadOnly(true);
}

bool QuestionPreview::loadFile(const QString &path)
{
    clearDocument();
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return false;
    // Until the rich-text reader is at hand, the view names the document it stands for.
    m_fileName = path;
    setPlainText(QFileInfo(path).fileName());
    return true;
}

void QuestionPreview::clearDocument()
{
    clear();
    m_fileName.clear();
}

} // namespace results
