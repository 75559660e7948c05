// Rich text as WordprocessingML: the paragraphs, tables and pictures of a question
// or explanation document, ready to go into a document made from a template.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <memory>

namespace pugi {
class xml_node;
}

namespace office {

/// A picture as it goes into the package: PNG and JPEG as they came, metafiles as
/// metafiles, every other kind of picture as PNG.
struct ContentPicture
{
    QByteArray data;
    QString extension; ///< "png", "jpeg", "wmf", "emf"
    QString contentType;
};

class WordContent
{
public:
    WordContent();
    ~WordContent();
    WordContent(WordContent &&) noexcept;
    WordContent &operator=(WordContent &&) noexcept;

    /// The widest a picture may be shown, in EMU (the text width of the page); wider
    /// pictures shrink to it, keeping their proportions. 0: no limit.
    void setMaxPictureWidth(qint64 emu) { m_maxPictureWidth = emu; }

    /// Appends an RTF document read through the rich-text library: fonts (an East Asian
    /// font stays the font of Chinese text), sizes, colours, bold, italic, underline,
    /// strike, super- and subscript, alignment, indents and spacing, tabs, line breaks,
    /// simple tables and pictures at their size. A file that is not RTF gives its text.
    void appendRtf(const QByteArray &rtf);
    /// Appends paragraphs of plain text, one per line.
    void appendText(const QString &text);

    bool isEmpty() const;
    /// The node whose children (w:p and w:tbl) are the content.
    pugi::xml_node blocks() const;
    /// Pictures, referred to by drawings as r:embed = pictureKey(index).
    const QList<ContentPicture> &pictures() const { return m_pictures; }
    static QString pictureKey(int index);
    /// Whether an r:embed value is a picture key, and which.
    static int pictureIndex(const char *embed);

    /// Extent of a picture in EMU from a size in pixels at 96 dots per inch.
    static constexpr qint64 emuPerPixel = 9525;

private:
    friend class WordContentBuilder;
    struct Xml;
    std::unique_ptr<Xml> m_xml;
    QList<ContentPicture> m_pictures;
    QHash<QByteArray, int> m_pictureIndex; ///< SHA-1 of a picture's bytes -> its index
    qint64 m_maxPictureWidth = 0;
};

/// A Windows metafile as a .wmf file holds it: with the placeable header that gives
/// its bounds, made from the records when the bytes (as RTF keeps them) have none.
QByteArray placeableMetafile(const QByteArray &wmf);

} // namespace office
