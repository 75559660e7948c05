// The read-only view of the clicked question's document.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTextEdit>

namespace results {

/// Shows one question document, read-only. The calls are those of the shared
/// rich-text pane, so that the pane can take this one's place unchanged.
class QuestionPreview : public QTextEdit
{
    Q_OBJECT

public:
    explicit QuestionPreview(QWidget *parent = nullptr);

    /// Shows the document at `path`; false, and an empty view, when it cannot be read.
    bool loadFile(const QString &path);
    void clearDocument();
    QString fileName() const { return m_fileName; }

private:
    QString m_fileName;
};

} // namespace results
