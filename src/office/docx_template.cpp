// SPDX-License-Identifier: GPL-3.0-or-later
#include "docx_template.h"

#include "main_part.h"
#include "word_content.h"
#include "xml.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QHash>
#include <QRegularExpression>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace office {

namespace {

const QString documentType = QStringLiteral(
    "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml");
const QString templateType = QStringLiteral(
    "application/vnd.openxmlformats-officedocument.wordprocessingml.template.main+xml");

const char *const markerName = "quorin-boundary";
const char *const insertedMark = "quorin-inserted";
const char *const strictWordNamespace = "http://purl.oclc.org/ooxml/wordprocessingml/main";

bool is(const pugi::xml_node &node, const char *name)
{
    return std::strcmp(node.name(), name) == 0;
}

bool isAny(const pugi::xml_node &node, std::initializer_list<const char *> names)
{
    for (const char *name : names) {
        if (is(node, name))
            return true;
    }
    return false;
}

// One piece of a paragraph's visible text. Text pieces are the w:t elements; breaks
// (tabs, line breaks, pictures, fields) take one character that no placeholder holds;
// marks (bookmarks, spelling marks, comment anchors) take none.
struct Piece
{
    enum class Kind { Text, Inserted, Break, Mark };
    pugi::xml_node node;
    Kind kind;
    qsizetype start;
    qsizetype length;
};

struct ParagraphText
{
    std::string text;
    std::vector<Piece> pieces;
};

void scanRun(const pugi::xml_node &run, ParagraphText &out)
{
    for (pugi::xml_node child = run.first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_element || is(child, "w:rPr") ||
            is(child, "w:lastRenderedPageBreak"))
            continue;
        const qsizetype start = qsizetype(out.text.size());
        if (is(child, "w:t")) {
            const char *value = child.text().get();
            const qsizetype length = qsizetype(std::strlen(value));
            if (child.attribute(insertedMark)) {
                out.text.append(size_t(length), '\x02');
                out.pieces.push_back({child, Piece::Kind::Inserted, start, length});
            } else {
                out.text.append(value, size_t(length));
                out.pieces.push_back({child, Piece::Kind::Text, start, length});
            }
            continue;
        }
        out.text.push_back(is(child, "w:tab") ? '\t' : '\x01');
        out.pieces.push_back({child, Piece::Kind::Break, start, 1});
    }
}

void scanContent(const pugi::xml_node &parent, ParagraphText &out)
{
    for (pugi::xml_node child = parent.first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_element)
            continue;
        if (is(child, "w:r")) {
            scanRun(child, out);
        } else if (isAny(child, {"w:hyperlink", "w:smartTag", "w:sdt", "w:sdtContent", "w:ins",
                                 "w:moveTo", "w:fldSimple", "w:customXml", "w:dir", "w:bdo"})) {
            scanContent(child, out);
        } else if (isAny(child, {"w:pPr", "w:del", "w:moveFrom", "w:sdtPr", "w:sdtEndPr",
                                 "w:customXmlPr", "w:rPr"})) {
            continue;
        } else if (isAny(child, {"mc:AlternateContent", "m:oMath", "m:oMathPara"})) {
            out.pieces.push_back({child, Piece::Kind::Break, qsizetype(out.text.size()), 1});
            out.text.push_back('\x01');
        } else {
            out.pieces.push_back({child, Piece::Kind::Mark, qsizetype(out.text.size()), 0});
        }
    }
}

ParagraphText scan(const pugi::xml_node &paragraph)
{
    ParagraphText out;
    scanContent(paragraph, out);
    return out;
}

bool hasContent(const pugi::xml_node &paragraph)
{
    for (const Piece &piece : scan(paragraph).pieces) {
        if (piece.kind != Piece::Kind::Mark && piece.length > 0)
            return true;
    }
    return false;
}

void collectParagraphs(const pugi::xml_node &node, std::vector<pugi::xml_node> &out)
{
    for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_element)
            continue;
        if (is(child, "w:p"))
            out.push_back(child);
        // Text boxes hold paragraphs inside paragraphs; a fallback repeats what its
        // choice shows, for programs that cannot show the choice.
        if (isAny(child, {"mc:Fallback", "w:pPr", "w:rPr", "w:sectPr", "w:tblPr", "w:tcPr",
                          "w:trPr", "w:del", "w:moveFrom"}))
            continue;
        collectParagraphs(child, out);
    }
}

std::vector<pugi::xml_node> paragraphsIn(const BlockRange &range)
{
    std::vector<pugi::xml_node> out;
    pugi::xml_node node = range.begin ? range.begin.next_sibling() : range.container.first_child();
    for (; node && node != range.end; node = node.next_sibling()) {
        if (node.type() != pugi::node_element)
            continue;
        if (is(node, "w:p"))
            out.push_back(node);
        if (!isAny(node, {"w:sectPr", "mc:Fallback"}))
            collectParagraphs(node, out);
    }
    return out;
}

void setText(pugi::xml_node t, const std::string &text)
{
    t.text().set(text.c_str());
    const bool blank = !text.empty() && (text.front() == ' ' || text.back() == ' ' ||
                                         text.front() == '\t' || text.back() == '\t');
    if (blank && !t.attribute("xml:space"))
        t.append_attribute("xml:space") = "preserve";
}

// Runs, hyperlinks and other wrappers that lost all they showed go, so the file holds
// no husks where a placeholder was.
void removeEmptyWrappers(pugi::xml_node parent)
{
    for (pugi::xml_node child = parent.first_child(); child;) {
        pugi::xml_node next = child.next_sibling();
        if (child.type() == pugi::node_element) {
            if (is(child, "w:r")) {
                bool empty = true;
                for (pugi::xml_node part : child.children()) {
                    if (part.type() == pugi::node_element && !is(part, "w:rPr"))
                        empty = false;
                }
                if (empty)
                    parent.remove_child(child);
            } else if (isAny(child, {"w:hyperlink", "w:smartTag", "w:ins", "w:customXml"})) {
                removeEmptyWrappers(child);
                bool empty = true;
                for (pugi::xml_node part : child.children()) {
                    if (part.type() == pugi::node_element && !is(part, "w:rPr") &&
                        !is(part, "w:customXmlPr"))
                        empty = false;
                }
                if (empty)
                    parent.remove_child(child);
            }
        }
        child = next;
    }
}

// Keeps of a paragraph only the text in [from, to) and the pieces placed there;
// marks go to the side `marksBefore` says (at or before `split`, or after it).
void keepRange(pugi::xml_node paragraph, qsizetype from, qsizetype to, qsizetype split,
               bool marksBefore)
{
    const ParagraphText text = scan(paragraph);
    for (const Piece &piece : text.pieces) {
        const qsizetype end = piece.start + piece.length;
        switch (piece.kind) {
        case Piece::Kind::Text: {
            const qsizetype a = std::max(from, piece.start);
            const qsizetype b = std::min(to, end);
            if (b <= a) {
                piece.node.parent().remove_child(piece.node);
            } else if (a != piece.start || b != end) {
                const std::string value = piece.node.text().get();
                setText(piece.node, value.substr(size_t(a - piece.start), size_t(b - a)));
            }
            break;
        }
        case Piece::Kind::Inserted:
        case Piece::Kind::Break:
            if (piece.start < from || piece.start >= to)
                piece.node.parent().remove_child(piece.node);
            break;
        case Piece::Kind::Mark:
            if ((piece.start <= split) != marksBefore)
                piece.node.parent().remove_child(piece.node);
            break;
        }
    }
    removeEmptyWrappers(paragraph);
}

bool endsWith(const char *text, const char *suffix)
{
    const size_t a = std::strlen(text);
    const size_t b = std::strlen(suffix);
    return a >= b && std::strcmp(text + a - b, suffix) == 0;
}

// What must be unique in a document stays with the original when blocks are copied.
void forgetIdentity(pugi::xml_node node)
{
    for (pugi::xml_attribute attribute = node.first_attribute(); attribute;) {
        pugi::xml_attribute next = attribute.next_attribute();
        if (endsWith(attribute.name(), ":paraId") || endsWith(attribute.name(), ":textId"))
            node.remove_attribute(attribute);
        attribute = next;
    }
    for (pugi::xml_node child = node.first_child(); child;) {
        pugi::xml_node next = child.next_sibling();
        if (child.type() == pugi::node_element) {
            if (isAny(child,
                      {"w:bookmarkStart", "w:bookmarkEnd", "w:commentRangeStart",
                       "w:commentRangeEnd", "w:commentReference", "w:permStart", "w:permEnd"}) ||
                (is(child, "w:id") && is(node, "w:sdtPr")))
                node.remove_child(child);
            else
                forgetIdentity(child);
        }
        child = next;
    }
}

bool isBlockContainer(const pugi::xml_node &node)
{
    return isAny(node, {"w:body", "w:tc", "w:txbxContent", "w:sdtContent", "w:comment",
                        "w:footnote", "w:endnote", "w:hdr", "w:ftr"});
}

bool isAncestor(const pugi::xml_node &ancestor, pugi::xml_node node)
{
    for (; node; node = node.parent()) {
        if (node == ancestor)
            return true;
    }
    return false;
}

// The child of `container` on the way down to `node`.
pugi::xml_node childOnPath(const pugi::xml_node &container, pugi::xml_node node)
{
    while (node && node.parent() != container)
        node = node.parent();
    return node;
}

void cleanUp(pugi::xml_node node)
{
    for (pugi::xml_node child = node.first_child(); child;) {
        pugi::xml_node next = child.next_sibling();
        if (child.type() == pugi::node_pi && is(child, markerName)) {
            node.remove_child(child);
        } else if (child.type() == pugi::node_element) {
            if (is(child, "w:t"))
                child.remove_attribute(insertedMark);
            else
                cleanUp(child);
        }
        child = next;
    }
}

void renumberDrawings(pugi::xml_node node, qint64 &next)
{
    for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_element)
            continue;
        if (endsWith(child.name(), ":docPr") || is(child, "docPr")) {
            pugi::xml_attribute id = child.attribute("id");
            if (!id)
                id = child.append_attribute("id");
            id.set_value(static_cast<long long>(next++));
            continue;
        }
        renumberDrawings(child, next);
    }
}

void markInserted(pugi::xml_node node)
{
    for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_element)
            continue;
        if (is(child, "w:t"))
            child.append_attribute(insertedMark) = "1";
        else
            markInserted(child);
    }
}

} // namespace

struct DocxTemplate::Data
{
    Package package;
    ContentTypes types;
    Relationships relationships; ///< of the main part
    QString mainPart;
    std::unique_ptr<pugi::xml_document> document;
    pugi::xml_node body;
    QHash<QByteArray, QString> pictureIds; ///< SHA-1 of a picture's bytes -> relationship id
    int nextMedia = 1;

    QString pictureId(const ContentPicture &picture);
    void adoptPictures(pugi::xml_node node, const WordContent &content);
    std::vector<pugi::xml_node> insertBlocks(pugi::xml_node before, const WordContent &content,
                                             const pugi::xml_node &paragraphStyle);
};

QString DocxTemplate::Data::pictureId(const ContentPicture &picture)
{
    const QByteArray hash = QCryptographicHash::hash(picture.data, QCryptographicHash::Sha1);
    if (const auto it = pictureIds.constFind(hash); it != pictureIds.cend())
        return *it;
    const qsizetype slash = mainPart.lastIndexOf(u'/');
    const QString folder = slash < 0 ? QString() : mainPart.left(slash + 1);
    QString target;
    do {
        target = QStringLiteral("media/quorin%1.%2").arg(nextMedia++).arg(picture.extension);
    } while (package.contains(folder + target));
    const bool compressed = picture.extension == u"png" || picture.extension == u"jpeg";
    package.setPart(folder + target, picture.data,
                    compressed ? Package::Compression::Store : Package::Compression::Deflate);
    types.ensureDefault(picture.extension, picture.contentType);
    const QString id = relationships.add(relationship::image, target);
    pictureIds.insert(hash, id);
    return id;
}

void DocxTemplate::Data::adoptPictures(pugi::xml_node node, const WordContent &content)
{
    for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_element)
            continue;
        if (is(child, "a:blip")) {
            pugi::xml_attribute embed = child.attribute("r:embed");
            const int index = embed ? WordContent::pictureIndex(embed.value()) : -1;
            if (index >= 0 && index < content.pictures().size())
                embed.set_value(xml::utf8(pictureId(content.pictures().at(index))).c_str());
            continue;
        }
        adoptPictures(child, content);
    }
}

std::vector<pugi::xml_node> DocxTemplate::Data::insertBlocks(pugi::xml_node before,
                                                             const WordContent &content,
                                                             const pugi::xml_node &paragraphStyle)
{
    std::vector<pugi::xml_node> inserted;
    pugi::xml_node parent = before.parent();
    for (pugi::xml_node block : content.blocks().children()) {
        pugi::xml_node copy = parent.insert_copy_before(block, before);
        markInserted(copy);
        adoptPictures(copy, content);
        // The paragraphs of a question take the style of the paragraph they stand in,
        // so that restyling the template restyles them.
        if (paragraphStyle && is(copy, "w:p")) {
            pugi::xml_node properties = copy.child("w:pPr");
            if (!properties)
                properties = copy.prepend_child("w:pPr");
            properties.prepend_copy(paragraphStyle);
        }
        inserted.push_back(copy);
    }
    return inserted;
}

DocxTemplate::DocxTemplate()
    : d(std::make_unique<Data>())
{}
DocxTemplate::~DocxTemplate() = default;
DocxTemplate::DocxTemplate(DocxTemplate &&) noexcept = default;
DocxTemplate &DocxTemplate::operator=(DocxTemplate &&) noexcept = default;

Result<DocxTemplate> DocxTemplate::open(const QString &path, const PackageLimits &limits)
{
    Result<Package> package = Package::read(path, limits);
    if (!package)
        return Failure{package.reason()};
    return load(std::move(*package));
}

Result<DocxTemplate> DocxTemplate::fromBytes(const QByteArray &bytes, const PackageLimits &limits)
{
    Result<Package> package = Package::fromBytes(bytes, limits);
    if (!package)
        return Failure{package.reason()};
    return load(std::move(*package));
}

Result<DocxTemplate> DocxTemplate::load(Package package)
{
    DocxTemplate result;
    Data &d = *result.d;
    d.package = std::move(package);

    Result<MainPart> main = openMainPart(
        d.package, {documentType, templateType,
                    QCoreApplication::translate("DocxTemplate", "a Word document or template"),
                    QCoreApplication::translate("DocxTemplate", "a Word template (.dotx)")});
    if (!main)
        return Failure{main.reason()};
    d.types = std::move(main->types);
    d.mainPart = main->name;
    d.document = std::move(main->xml);
    d.relationships = std::move(main->relationships);
    pugi::xml_node root = d.document->document_element();
    const std::optional<std::string> wordPrefix = xml::prefixOf(root, xml::wordNamespace);
    if (!wordPrefix || *wordPrefix != "w:") {
        if (xml::prefixOf(root, strictWordNamespace))
            return Failure{QCoreApplication::translate(
                "DocxTemplate", "the file is in Strict Open XML; save it as a Word "
                                "template (.dotx) in the usual format")};
        return Failure{QCoreApplication::translate("DocxTemplate",
                                                   "the main document is not WordprocessingML")};
    }
    // Pictures and their relationships are written with these prefixes.
    for (const auto &[prefix, uri] :
         {std::pair{"r", xml::relationshipsNamespace}, std::pair{"wp", xml::drawingNamespace}}) {
        const std::string attribute = std::string("xmlns:") + prefix;
        pugi::xml_attribute declared = root.attribute(attribute.c_str());
        if (!declared)
            root.append_attribute(attribute.c_str()) = uri;
        else if (std::strcmp(declared.value(), uri) != 0)
            return Failure{QCoreApplication::translate(
                               "DocxTemplate", "the main document binds the prefix %1 to another "
                                               "namespace")
                               .arg(QLatin1StringView(prefix))};
    }
    d.body = root.child("w:body");
    if (!d.body)
        return Failure{
            QCoreApplication::translate("DocxTemplate", "the main document has no body")};

    return result;
}

BlockRange DocxTemplate::body() const
{
    return {d->body, {}, {}};
}

std::optional<Placement> DocxTemplate::find(const QString &placeholder, const BlockRange &range,
                                            const Placement *from) const
{
    const std::string needle = xml::utf8(placeholder);
    if (needle.empty())
        return std::nullopt;
    bool started = from == nullptr;
    for (const pugi::xml_node &paragraph : paragraphsIn(range)) {
        if (!started) {
            if (paragraph != from->paragraph)
                continue;
            started = true;
        }
        const ParagraphText text = scan(paragraph);
        const size_t at = text.text.find(needle);
        if (at != std::string::npos)
            return Placement{paragraph, qsizetype(at), qsizetype(at + needle.size())};
    }
    return std::nullopt;
}

void DocxTemplate::replace(const Placement &at, const QString &value)
{
    const ParagraphText text = scan(at.paragraph);
    const std::string clean = xml::cleanText(value);
    bool placed = false;
    for (const Piece &piece : text.pieces) {
        const qsizetype end = piece.start + piece.length;
        if (piece.kind != Piece::Kind::Text || end <= at.start || piece.start >= at.end)
            continue;
        const std::string old = piece.node.text().get();
        const std::string before =
            old.substr(0, size_t(std::max<qsizetype>(at.start - piece.start, 0)));
        const std::string after = old.substr(size_t(std::min(at.end, end) - piece.start));
        pugi::xml_node run = piece.node.parent();
        if (!placed) {
            placed = true;
            pugi::xml_node last = piece.node;
            if (!clean.empty()) {
                last = run.insert_child_after("w:t", last);
                setText(last, clean);
                last.append_attribute(insertedMark) = "1";
            }
            if (!after.empty())
                setText(run.insert_child_after("w:t", last), after);
            if (before.empty())
                run.remove_child(piece.node);
            else
                setText(piece.node, before);
            continue;
        }
        if (after.empty())
            run.remove_child(piece.node);
        else
            setText(piece.node, after);
    }
    removeEmptyWrappers(at.paragraph);
}

void DocxTemplate::replace(const Placement &at, const WordContent &content)
{
    put(at, content, JoinHead::Yes);
}

void DocxTemplate::put(const Placement &at, const WordContent &content, JoinHead join)
{
    pugi::xml_node paragraph = at.paragraph;
    pugi::xml_node parent = paragraph.parent();
    pugi::xml_node head = parent.insert_copy_before(paragraph, paragraph);
    pugi::xml_node tail = paragraph;
    forgetIdentity(head);
    head.child("w:pPr").remove_child("w:sectPr");
    keepRange(head, 0, at.start, at.start, true);
    keepRange(tail, at.end, std::numeric_limits<qsizetype>::max(), at.start, false);
    const bool headShows = hasContent(head);
    const bool tailShows = hasContent(tail);
    const bool tailEndsSection = bool(tail.child("w:pPr").child("w:sectPr"));
    const pugi::xml_node style = paragraph.child("w:pPr").child("w:pStyle");

    std::vector<pugi::xml_node> blocks = d->insertBlocks(tail, content, style);
    // The first paragraph of the content continues the text before the placeholder,
    // the last one goes on with the text after it.
    if (headShows && join == JoinHead::Yes && !blocks.empty() && is(blocks.front(), "w:p")) {
        for (pugi::xml_node child = blocks.front().first_child(); child;) {
            pugi::xml_node next = child.next_sibling();
            if (!is(child, "w:pPr"))
                head.append_move(child);
            child = next;
        }
        parent.remove_child(blocks.front());
        blocks.front() = head;
    } else if (headShows) {
        blocks.insert(blocks.begin(), head);
    } else {
        parent.remove_child(head);
    }
    const bool lastIsParagraph = !blocks.empty() && is(blocks.back(), "w:p");
    if (tailShows && lastIsParagraph && !tailEndsSection) {
        for (pugi::xml_node child = tail.first_child(); child;) {
            pugi::xml_node next = child.next_sibling();
            if (!is(child, "w:pPr"))
                blocks.back().append_move(child);
            child = next;
        }
        parent.remove_child(tail);
    } else if (!tailShows && !tailEndsSection && lastIsParagraph) {
        parent.remove_child(tail);
    }
    // Otherwise the tail stays: it shows text, ends a section, or keeps a table from
    // running into the next block (and a cell from ending in a table).
}

void DocxTemplate::insertAfter(const Placement &at, const WordContent &content)
{
    put(Placement{at.paragraph, at.end, at.end}, content, JoinHead::No);
}

std::optional<BlockRange> DocxTemplate::blockBetween(const Placement &first, const Placement &last)
{
    for (pugi::xml_node container = first.paragraph.parent(); container;
         container = container.parent()) {
        if (!isBlockContainer(container) || !isAncestor(container, last.paragraph))
            continue;
        const pugi::xml_node a = childOnPath(container, first.paragraph);
        const pugi::xml_node b = childOnPath(container, last.paragraph);
        bool ordered = false;
        for (pugi::xml_node node = a; node; node = node.next_sibling()) {
            if (node == b) {
                ordered = true;
                break;
            }
        }
        if (!ordered)
            return std::nullopt;
        pugi::xml_node begin = container.insert_child_before(pugi::node_pi, a);
        begin.set_name(markerName);
        pugi::xml_node end = container.insert_child_after(pugi::node_pi, b);
        end.set_name(markerName);
        return BlockRange{container, begin, end};
    }
    return std::nullopt;
}

BlockRange DocxTemplate::paragraphOf(const Placement &at)
{
    pugi::xml_node container = at.paragraph.parent();
    pugi::xml_node begin = container.insert_child_before(pugi::node_pi, at.paragraph);
    begin.set_name(markerName);
    pugi::xml_node end = container.insert_child_after(pugi::node_pi, at.paragraph);
    end.set_name(markerName);
    return {container, begin, end};
}

QList<BlockRange> DocxTemplate::repeat(const BlockRange &range, int count)
{
    QList<BlockRange> copies;
    if (count <= 0)
        return copies;
    BlockRange first = range;
    pugi::xml_node container = range.container;
    if (!first.begin) {
        first.begin = container.prepend_child(pugi::node_pi);
        first.begin.set_name(markerName);
    }
    if (!first.end) {
        first.end = container.append_child(pugi::node_pi);
        first.end.set_name(markerName);
    }
    std::vector<pugi::xml_node> originals;
    for (pugi::xml_node node = first.begin.next_sibling(); node && node != first.end;
         node = node.next_sibling())
        originals.push_back(node);
    copies.append(first);
    pugi::xml_node previous = first.end;
    for (int k = 2; k <= count; ++k) {
        const pugi::xml_node begin = previous;
        for (const pugi::xml_node &original : originals) {
            previous = container.insert_copy_after(original, previous);
            forgetIdentity(previous);
        }
        previous = container.insert_child_after(pugi::node_pi, previous);
        previous.set_name(markerName);
        copies.append({container, begin, previous});
    }
    // A section that ends inside the block (LibreOffice puts the break before the
    // answer key on the block's last paragraph) ends once, after the last copy.
    for (qsizetype k = 0; k + 1 < copies.size(); ++k) {
        for (pugi::xml_node node = copies[k].begin.next_sibling(); node && node != copies[k].end;
             node = node.next_sibling()) {
            if (is(node, "w:p"))
                node.child("w:pPr").remove_child("w:sectPr");
        }
    }
    return copies;
}

qint64 DocxTemplate::textWidth() const
{
    pugi::xml_node section;
    for (pugi::xml_node node : d->body.children("w:sectPr"))
        section = node;
    if (!section)
        return 0;
    const long long page = section.child("w:pgSz").attribute("w:w").as_llong();
    const pugi::xml_node margins = section.child("w:pgMar");
    const long long width =
        page - margins.attribute("w:left").as_llong() - margins.attribute("w:right").as_llong();
    return width > 0 ? qint64(width) * 635 : 0; // twips to EMU
}

QStringList DocxTemplate::paragraphTexts() const
{
    QStringList texts;
    for (const pugi::xml_node &paragraph : paragraphsIn(body())) {
        ParagraphText text = scan(paragraph);
        // Inserted text reads as itself here.
        for (const Piece &piece : text.pieces) {
            if (piece.kind == Piece::Kind::Inserted)
                text.text.replace(size_t(piece.start), size_t(piece.length),
                                  piece.node.text().get());
        }
        QString line = QString::fromUtf8(text.text.data(), qsizetype(text.text.size()));
        line.remove(u'\x01');
        texts.append(line);
    }
    return texts;
}

Result<QByteArray> DocxTemplate::toBytes()
{
    cleanUp(d->document->document_element());
    // Drawing ids are unique in the whole document, headers and footers included.
    static const QRegularExpression docPrId(
        QStringLiteral("<(?:\\w+:)?docPr\\b[^>]*\\bid=\"(\\d+)\""));
    qint64 next = 1;
    for (const QString &name : d->package.names()) {
        if (name.compare(d->mainPart, Qt::CaseInsensitive) == 0 || !name.endsWith(u".xml"))
            continue;
        if (!name.contains(QLatin1StringView("header")) &&
            !name.contains(QLatin1StringView("footer")))
            continue;
        const QString text = QString::fromUtf8(*d->package.find(name));
        for (const QRegularExpressionMatch &match : docPrId.globalMatch(text))
            next = std::max(next, match.captured(1).toLongLong() + 1);
    }
    renumberDrawings(d->document->document_element(), next);

    d->package.setPart(d->package.spelling(d->mainPart), xml::serialize(*d->document));
    d->types.setOverride(d->mainPart, documentType);
    d->types.save(d->package);
    d->relationships.save(d->package);
    return d->package.toBytes();
}

} // namespace office
