// A Word document made from a template: placeholders found and replaced, blocks of
// paragraphs copied, rich text and pictures put in, written as a .docx.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "package.h"
#include "result.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <pugixml.hpp>

namespace office {

class WordContent;

/// Where one placeholder stands: its paragraph and the bytes of the paragraph's
/// visible text (UTF-8) that it covers.
struct Placement
{
    pugi::xml_node paragraph;
    qsizetype start = 0;
    qsizetype end = 0;
};

/// The blocks (paragraphs, tables) of one container between two boundaries: the whole
/// body, or one copy of a repeated block. Boundaries stay valid while the blocks
/// inside are replaced.
struct BlockRange
{
    pugi::xml_node container;
    pugi::xml_node begin; ///< the boundary before the first block; null: the container's start
    pugi::xml_node end;   ///< the boundary after the last block; null: the container's end
};

class DocxTemplate
{
public:
    DocxTemplate();
    ~DocxTemplate();
    DocxTemplate(DocxTemplate &&) noexcept;
    DocxTemplate &operator=(DocxTemplate &&) noexcept;

    /// Opens a .dotx or .docx (Transitional Open XML, no macros).
    static Result<DocxTemplate> open(const QString &path, const PackageLimits &limits = {});
    static Result<DocxTemplate> fromBytes(const QByteArray &bytes,
                                          const PackageLimits &limits = {});

    BlockRange body() const;

    /// The first place in `range` where the visible text reads `placeholder`, even when
    /// the word processor split it over several runs (spelling marks, revision ids, a
    /// change of format inside the brackets). With `from`, the search starts at the
    /// beginning of that placement's paragraph. Text that was put in by this class
    /// (values and documents) is never found again.
    std::optional<Placement> find(const QString &placeholder, const BlockRange &range,
                                  const Placement *from = nullptr) const;

    /// Puts `text` where the placement stands, in the format of the placeholder's
    /// first character.
    void replace(const Placement &at, const QString &text);
    /// Puts block content where the placement stands: the text before and after the
    /// placeholder in its paragraph stays where it was, the first and last paragraphs
    /// of the content joining it.
    void replace(const Placement &at, const WordContent &content);
    /// Puts block content in the paragraphs after the placement's, which stays.
    void insertAfter(const Placement &at, const WordContent &content);

    /// The blocks from the one that holds `first` to the one that holds `last`, in
    /// the innermost container (body, table cell, text box) that holds both; nothing
    /// when `last` comes before `first`.
    std::optional<BlockRange> blockBetween(const Placement &first, const Placement &last);
    /// The one paragraph of a placement.
    BlockRange paragraphOf(const Placement &at);
    /// Makes `count` copies of the blocks of `range`, the first in their place, and
    /// gives their ranges. Bookmarks, comment anchors and paragraph ids are not copied
    /// twice. With `count` 0 the blocks stay as they are and no range is given.
    QList<BlockRange> repeat(const BlockRange &range, int count);

    /// The width between the page margins of the body's last section, in EMU; 0 when
    /// the template does not say.
    qint64 textWidth() const;

    /// The visible text of each paragraph of the body, in order (for checks and tests).
    QStringList paragraphTexts() const;

    /// The finished document: content type of a document, not a template, every
    /// drawing id unique, pictures and their relationships in the package.
    Result<QByteArray> toBytes();

private:
    static Result<DocxTemplate> load(Package package);
    enum class JoinHead { Yes, No };
    void put(const Placement &at, const WordContent &content, JoinHead join);

    struct Data;
    std::unique_ptr<Data> d;
};

} // namespace office
