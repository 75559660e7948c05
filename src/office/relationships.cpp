// SPDX-License-Identifier: GPL-3.0-or-later
#include "relationships.h"

#include "xml.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace office {

namespace {

const char *const namespaceUri = "http://schemas.openxmlformats.org/package/2006/relationships";

QString lastWord(const QString &type)
{
    return type.mid(type.lastIndexOf(u'/') + 1);
}

Relationship fromNode(const pugi::xml_node &node)
{
    return {xml::text(node.attribute("Id").value()), xml::text(node.attribute("Type").value()),
            xml::text(node.attribute("Target").value()),
            QLatin1StringView(node.attribute("TargetMode").value()) == u"External"};
}

} // namespace

Relationships::Relationships()
    : m_xml(std::make_unique<pugi::xml_document>())
{
    m_xml->append_child("Relationships").append_attribute("xmlns") = namespaceUri;
}

Relationships::~Relationships() = default;
Relationships::Relationships(Relationships &&) noexcept = default;
Relationships &Relationships::operator=(Relationships &&) noexcept = default;

QString Relationships::partNameFor(const QString &sourcePart)
{
    const qsizetype slash = sourcePart.lastIndexOf(u'/');
    const QString folder = slash < 0 ? QString() : sourcePart.left(slash + 1);
    return folder + QStringLiteral("_rels/") + sourcePart.mid(slash + 1) + QStringLiteral(".rels");
}

Result<Relationships> Relationships::load(const Package &package, const QString &sourcePart)
{
    Relationships relationships;
    relationships.m_source = sourcePart;
    const QString name = partNameFor(sourcePart);
    if (const QByteArray *bytes = package.find(name)) {
        Result<std::unique_ptr<pugi::xml_document>> parsed = xml::parse(*bytes, name);
        if (!parsed)
            return Failure{parsed.reason()};
        if (QLatin1StringView((*parsed)->document_element().name()) != u"Relationships")
            return Failure{
                QCoreApplication::translate("Relationships", "the part %1 holds no relationships")
                    .arg(name)};
        relationships.m_xml = std::move(*parsed);
    }
    static const QRegularExpression number(QStringLiteral("(\\d+)$"));
    for (const Relationship &r : relationships.all()) {
        const QRegularExpressionMatch match = number.match(r.id);
        if (match.hasMatch())
            relationships.m_nextId =
                std::max(relationships.m_nextId, match.captured(1).toInt() + 1);
    }
    return relationships;
}

QList<Relationship> Relationships::all() const
{
    QList<Relationship> list;
    for (pugi::xml_node node : m_xml->document_element().children("Relationship"))
        list.append(fromNode(node));
    return list;
}

std::optional<Relationship> Relationships::firstOfType(const QString &type) const
{
    const QString word = lastWord(type);
    for (pugi::xml_node node : m_xml->document_element().children("Relationship")) {
        if (lastWord(xml::text(node.attribute("Type").value())) == word)
            return fromNode(node);
    }
    return std::nullopt;
}

std::optional<Relationship> Relationships::byId(const QString &id) const
{
    const std::string wanted = xml::utf8(id);
    const pugi::xml_node node =
        m_xml->document_element().find_child_by_attribute("Relationship", "Id", wanted.c_str());
    if (!node)
        return std::nullopt;
    return fromNode(node);
}

QString Relationships::resolve(const QString &target) const
{
    QString path = target;
    if (!path.startsWith(u'/')) {
        const qsizetype slash = m_source.lastIndexOf(u'/');
        path = (slash < 0 ? QString() : m_source.left(slash + 1)) + path;
    }
    QStringList parts;
    for (const QString &part : path.split(u'/', Qt::SkipEmptyParts)) {
        if (part == u".")
            continue;
        if (part == u"..") {
            if (!parts.isEmpty())
                parts.removeLast();
            continue;
        }
        parts.append(part);
    }
    return parts.join(u'/');
}

QString Relationships::add(const QString &type, const QString &target)
{
    QString id;
    do {
        id = QStringLiteral("rId%1").arg(m_nextId++);
    } while (byId(id));
    pugi::xml_node node = m_xml->document_element().append_child("Relationship");
    node.append_attribute("Id") = xml::utf8(id).c_str();
    node.append_attribute("Type") = xml::utf8(type).c_str();
    node.append_attribute("Target") = xml::utf8(target).c_str();
    return id;
}

void Relationships::remove(const QString &id)
{
    const std::string wanted = xml::utf8(id);
    pugi::xml_node root = m_xml->document_element();
    root.remove_child(root.find_child_by_attribute("Relationship", "Id", wanted.c_str()));
}

void Relationships::save(Package &package) const
{
    const QString name = partNameFor(m_source);
    const QString spelled = package.spelling(name);
    package.setPart(spelled.isEmpty() ? name : spelled, xml::serialize(*m_xml));
}

} // namespace office
