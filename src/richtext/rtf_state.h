// What an RTF group holds in force: character and paragraph properties, and the tables
// (fonts, colours, the row being defined) that control words refer to by number.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QHash>
#include <QString>
#include <vector>

namespace richtext {

struct RtfCharState
{
    enum class VAlign : char { Normal, Super, Sub };

    int font = -1; ///< \f index; -1 is the document's default font
    int halfPoints = 24;
    /// \dbch\afN and \dbch\afsN: the font and size of Chinese, Japanese and Korean text
    /// when they differ from \f and \fs; -1 and 0 when they do not.
    int eastAsianFont = -1;
    int eastAsianHalfPoints = 0;
    int foreground = 0; ///< colour table index; 0 is "automatic"
    int background = 0; ///< colour table index; 0 is none
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool hidden = false;
    VAlign valign = VAlign::Normal;

    bool operator==(const RtfCharState &) const = default;
};

struct RtfParaState
{
    enum class Align : char { Left, Center, Right, Justify };

    Align align = Align::Left;
    bool inTable = false;
    int leftIndent = 0; ///< twips, as are all lengths here
    int rightIndent = 0;
    int firstIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;

    bool operator==(const RtfParaState &) const = default;
};

struct RtfFont
{
    QString name;
    int codePage = 0; ///< 0: the document's code page
};

/// The numbered things of a document, filled while the parser reads it.
struct RtfTables
{
    QHash<int, RtfFont> fonts;
    std::vector<QColor> colors; ///< an invalid colour is "automatic"
    int defaultFont = -1;
    int documentCodePage = 1252;
    std::vector<int> cellEdges; ///< right edges (twips) of the row being defined

    /// The font numbered `index`, or the default font for -1; null when the table has none.
    const RtfFont *font(int index) const;
    /// The colour numbered `index`; invalid for "automatic" and numbers not in the table.
    QColor color(int index) const;
};

} // namespace richtext
