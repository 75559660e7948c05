// A read-only view of one question or explanation document, loaded by its path.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTextEdit>

namespace student {

/// Stands in for the rich-text pane until it is available: shows the text runs
/// of an RTF file without formatting.
class DocumentPane : public QTextEdit
{
    Q_OBJECT

public:
    explicit DocumentPane(QWidget *parent = nullptr);
    /// False, and an empty pane, when the file cannot be read.
    bool loadFile(const QString &path);
    void clearDocument();
    QString fileName() const { return m_fileName; }

private:
    QString m_fileName;
};

} // namespace student
