// The relationships of one part of a package: which parts it refers to, and how.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "package.h"
#include "result.h"

#include <QList>
#include <QString>
#include <memory>
#include <optional>

namespace pugi {
class xml_document;
}

namespace office {

struct Relationship
{
    QString id;
    QString type;
    QString target;
    bool external = false;
};

namespace relationship {
inline const QString officeDocument = QStringLiteral(
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument");
inline const QString image =
    QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships/image");
inline const QString worksheet =
    QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet");
inline const QString calcChain =
    QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships/calcChain");
} // namespace relationship

class Relationships
{
public:
    Relationships();
    ~Relationships();
    Relationships(Relationships &&) noexcept;
    Relationships &operator=(Relationships &&) noexcept;

    /// The relationships of `sourcePart` ("" for the package itself); a part without
    /// a relationships part has none.
    static Result<Relationships> load(const Package &package, const QString &sourcePart);

    /// "word/_rels/document.xml.rels" for "word/document.xml", "_rels/.rels" for "".
    static QString partNameFor(const QString &sourcePart);

    QList<Relationship> all() const;
    /// The first relationship whose type ends with the last word of `type`, so that
    /// the strict variants of the format are found as well.
    std::optional<Relationship> firstOfType(const QString &type) const;
    std::optional<Relationship> byId(const QString &id) const;
    /// The part an internal target names, resolved against the source part's folder.
    QString resolve(const QString &target) const;

    /// Adds an internal relationship and gives its new identifier.
    QString add(const QString &type, const QString &target);
    void remove(const QString &id);
    void save(Package &package) const;

private:
    QString m_source;
    std::unique_ptr<pugi::xml_document> m_xml;
    int m_nextId = 1;
};

} // namespace office
