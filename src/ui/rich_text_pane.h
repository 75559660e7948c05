// The pane that shows and edits one rich-text document (a question or an explanation).
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/atomic_file.h"

#include <QColor>
#include <QString>
#include <QTextCharFormat>
#include <QTextEdit>

namespace ui {

/// A text editor bound to an RTF file. It remembers the file it loaded and saves back to
/// it only; a file that could not be read leaves the pane empty and bound to no file.
/// setReadOnly(true) gives the view the student program and the previews use.
/// textChanged(), selectionChanged(), cut(), copy(), paste() and undo() are QTextEdit's;
/// pasting rich text or an image keeps its pictures as pictures of the document.
class RichTextPane : public QTextEdit
{
    Q_OBJECT

public:
    explicit RichTextPane(QWidget *parent = nullptr);

    /// Shows the RTF file at `path`; false when it cannot be read.
    bool loadFile(const QString &path);
    /// Writes the document to the file it was loaded from; a failure (no file, a full
    /// disk) says why and leaves the file as it was, the document still modified.
    store::WriteOutcome save();
    /// The file the pane is bound to; empty when none.
    QString fileName() const { return m_fileName; }

    /// Shows RTF bytes that belong to no file (a preview).
    void setRtf(const QByteArray &rtf);
    QByteArray rtf() const;
    /// Empties the pane and unbinds it from its file.
    void clearDocument();

    QString plainText() const;
    /// Characters selected.
    int selectionLength() const;

    /// Font, size (points) and colour of the selection, or of the text typed next when
    /// nothing is selected; empty, 0 and an invalid colour when the selection mixes several.
    QString selectionFontName() const;
    double selectionFontSize() const;
    QColor selectionColor() const;
    void setSelectionFontName(const QString &family);
    void setSelectionFontSize(double points);
    void setSelectionColor(const QColor &color);

    /// Whether the whole selection (or the text typed next) has the style.
    bool isSelectionBold() const;
    bool isSelectionItalic() const;
    bool isSelectionUnderlined() const;
    bool isSelectionSuperscript() const;
    bool isSelectionSubscript() const;
    /// As word processors do: the style is switched on for the whole selection unless
    /// all of it has it already, then off. Super- and subscript exclude each other.
    void toggleBold();
    void toggleItalic();
    void toggleUnderline();
    void toggleSuperscript();
    void toggleSubscript();

    enum class PictureResult { Inserted, Unreadable, NotAPicture };
    /// Inserts a PNG or JPEG file at the cursor, kept byte for byte; a picture wider
    /// than maxPictureWidth pixels is shown at that width.
    PictureResult insertPictureFile(const QString &path);
    static constexpr int maxPictureWidth = 600;

Q_SIGNALS:
    void focusLost();

protected:
    /// Ctrl+B, Ctrl+I, Ctrl+U, Ctrl+Shift+= (superscript) and Ctrl+= (subscript), when
    /// the pane is editable.
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;
    QMimeData *createMimeDataFromSelection() const override;

private:
    void replaceDocument(QTextDocument *document);
    void insertRtf(const QByteArray &rtf);
    void adoptImages(int from, int to);
    template<typename Value, typename Get> Value commonValue(Get get, Value mixed) const;
    void mergeFormat(const QTextCharFormat &format);
    void setVerticalAlignment(QTextCharFormat::VerticalAlignment alignment);

    QString m_fileName;
};

} // namespace ui
