// SPDX-License-Identifier: GPL-3.0-or-later
#include "content_types.h"

#include <QCoreApplication>

#include "xml.h"

namespace office {

namespace {

pugi::xml_node overrideOf(const pugi::xml_node &root, const QString &part)
{
    const QString wanted = u'/' + part;
    for (pugi::xml_node node : root.children("Override")) {
        if (xml::text(node.attribute("PartName").value()).compare(wanted, Qt::CaseInsensitive) == 0)
            return node;
    }
    return {};
}

} // namespace

ContentTypes::ContentTypes()
    : m_xml(std::make_unique<pugi::xml_document>())
{}
ContentTypes::~ContentTypes() = default;
ContentTypes::ContentTypes(ContentTypes &&) noexcept = default;
ContentTypes &ContentTypes::operator=(ContentTypes &&) noexcept = default;

Result<ContentTypes> ContentTypes::load(const Package &package)
{
    const QByteArray *bytes = package.find(partName);
    if (!bytes)
        return Failure{QCoreApplication::translate(
            "ContentTypes", "the file has no list of content types; it is not an "
                            "Office Open XML file")};
    Result<std::unique_ptr<pugi::xml_document>> parsed = xml::parse(*bytes, partName);
    if (!parsed)
        return Failure{parsed.reason()};
    if (QLatin1StringView((*parsed)->document_element().name()) != u"Types")
        return Failure{
            QCoreApplication::translate("ContentTypes", "the list of content types is damaged")};
    ContentTypes types;
    types.m_xml = std::move(*parsed);
    return types;
}

QString ContentTypes::typeOf(const QString &part) const
{
    const pugi::xml_node root = m_xml->document_element();
    if (const pugi::xml_node node = overrideOf(root, part))
        return xml::text(node.attribute("ContentType").value());
    const QString extension = part.mid(part.lastIndexOf(u'.') + 1);
    for (pugi::xml_node node : root.children("Default")) {
        if (xml::text(node.attribute("Extension").value())
                .compare(extension, Qt::CaseInsensitive) == 0)
            return xml::text(node.attribute("ContentType").value());
    }
    return {};
}

void ContentTypes::setOverride(const QString &part, const QString &type)
{
    pugi::xml_node root = m_xml->document_element();
    pugi::xml_node node = overrideOf(root, part);
    if (!node) {
        node = root.append_child("Override");
        node.append_attribute("PartName") = xml::utf8(QString(u'/' + part)).c_str();
        node.append_attribute("ContentType");
    }
    node.attribute("ContentType") = xml::utf8(type).c_str();
}

void ContentTypes::removeOverride(const QString &part)
{
    pugi::xml_node root = m_xml->document_element();
    root.remove_child(overrideOf(root, part));
}

void ContentTypes::ensureDefault(const QString &extension, const QString &type)
{
    pugi::xml_node root = m_xml->document_element();
    for (pugi::xml_node node : root.children("Default")) {
        if (xml::text(node.attribute("Extension").value())
                .compare(extension, Qt::CaseInsensitive) == 0)
            return;
    }
    // Defaults come before overrides, as the programs write them.
    pugi::xml_node first = root.child("Override");
    pugi::xml_node node =
        first ? root.insert_child_before("Default", first) : root.append_child("Default");
    node.append_attribute("Extension") = xml::utf8(extension).c_str();
    node.append_attribute("ContentType") = xml::utf8(type).c_str();
}

void ContentTypes::save(Package &package) const
{
    package.setPart(partName, xml::serialize(*m_xml));
}

} // namespace office
