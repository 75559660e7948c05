// SPDX-License-Identifier: GPL-3.0-or-later
#include "xml.h"

#include <QCoreApplication>

#include <cstring>

namespace office::xml {

namespace {

struct ByteWriter final : pugi::xml_writer
{
    QByteArray *out;
    void write(const void *data, size_t size) override
    {
        out->append(static_cast<const char *>(data), qsizetype(size));
    }
};

} // namespace

Result<std::unique_ptr<pugi::xml_document>> parse(const QByteArray &bytes, const QString &partName)
{
    auto document = std::make_unique<pugi::xml_document>();
    // A lone blank in a w:t is text; blanks between elements are not kept.
    const pugi::xml_parse_result result = document->load_buffer(
        bytes.constData(), size_t(bytes.size()), pugi::parse_default | pugi::parse_ws_pcdata_single,
        pugi::encoding_auto);
    if (!result)
        return Failure{
            QCoreApplication::translate("Xml", "the part %1 is not well-formed XML (%2 at byte %3)")
                .arg(partName, QString::fromUtf8(result.description()))
                .arg(result.offset)};
    if (!document->document_element())
        return Failure{QCoreApplication::translate("Xml", "the part %1 is empty").arg(partName)};
    // The code that works on a part walks it recursively; no office program nests
    // elements anywhere near this deep.
    int depth = 0;
    for (pugi::xml_node node = document->document_element(); node;) {
        if (pugi::xml_node child = node.first_child()) {
            node = child;
            if (++depth > maxDepth)
                return Failure{
                    QCoreApplication::translate("Xml", "the part %1 is nested too deeply")
                        .arg(partName)};
            continue;
        }
        while (node && !node.next_sibling()) {
            node = node.parent();
            --depth;
        }
        if (node)
            node = node.next_sibling();
    }
    return document;
}

QByteArray serialize(const pugi::xml_document &document)
{
    QByteArray out;
    out.reserve(64 * 1024);
    out.append("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n");
    ByteWriter writer;
    writer.out = &out;
    document.save(writer, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
    return out;
}

std::string utf8(QStringView text)
{
    const QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), size_t(bytes.size()));
}

std::string utf8(const QString &text)
{
    return utf8(QStringView(text));
}

QString text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

std::string cleanText(QStringView text)
{
    QString clean;
    clean.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c)) {
            if (i + 1 < text.size() && QChar::isLowSurrogate(text[i + 1].unicode())) {
                clean.append(text[i]);
                clean.append(text[++i]);
            }
            continue;
        }
        if (QChar::isLowSurrogate(c))
            continue;
        if ((c < 0x20 && c != '\t' && c != '\n') || c == 0xFFFE || c == 0xFFFF)
            continue;
        clean.append(QChar(c));
    }
    return utf8(clean);
}

pugi::xml_node orderedChild(pugi::xml_node parent, const char *name,
                            std::initializer_list<const char *> order)
{
    return orderedChild(parent, std::string(), name, order);
}

pugi::xml_node orderedChild(pugi::xml_node parent, const std::string &prefix, const char *name,
                            std::initializer_list<const char *> order)
{
    const std::string full = prefix + name;
    if (pugi::xml_node existing = parent.child(full.c_str()))
        return existing;
    const auto rankOf = [&](const char *childName) {
        if (std::strncmp(childName, prefix.c_str(), prefix.size()) != 0)
            return -1;
        int i = 0;
        for (const char *entry : order) {
            if (std::strcmp(entry, childName + prefix.size()) == 0)
                return i;
            ++i;
        }
        return -1;
    };
    const int rank = rankOf(full.c_str());
    // Before the first child that the schema puts after the new one.
    for (pugi::xml_node child = parent.first_child(); child; child = child.next_sibling()) {
        if (child.type() == pugi::node_element && rank >= 0 && rankOf(child.name()) > rank)
            return parent.insert_child_before(full.c_str(), child);
    }
    return parent.append_child(full.c_str());
}

std::optional<std::string> prefixOf(const pugi::xml_node &root, const char *uri)
{
    for (pugi::xml_attribute attribute : root.attributes()) {
        const char *name = attribute.name();
        if (std::strcmp(attribute.value(), uri) != 0)
            continue;
        if (std::strcmp(name, "xmlns") == 0)
            return std::string();
        if (std::strncmp(name, "xmlns:", 6) == 0)
            return std::string(name + 6) + ':';
    }
    return std::nullopt;
}

} // namespace office::xml
