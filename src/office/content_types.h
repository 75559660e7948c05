// The content type of every part of a package ("[Content_Types].xml").
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "package.h"
#include "result.h"

#include <QString>
#include <memory>

namespace pugi {
class xml_document;
}

namespace office {

class ContentTypes
{
public:
    ContentTypes();
    ~ContentTypes();
    ContentTypes(ContentTypes &&) noexcept;
    ContentTypes &operator=(ContentTypes &&) noexcept;

    static inline const QString partName = QStringLiteral("[Content_Types].xml");

    static Result<ContentTypes> load(const Package &package);

    /// The type of a part (no leading "/"): its override, else the default of its extension.
    QString typeOf(const QString &part) const;
    void setOverride(const QString &part, const QString &type);
    void removeOverride(const QString &part);
    /// A default for an extension ("png"), unless one is there.
    void ensureDefault(const QString &extension, const QString &type);
    void save(Package &package) const;

private:
    std::unique_ptr<pugi::xml_document> m_xml;
};

} // namespace office
