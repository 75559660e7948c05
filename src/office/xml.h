// Reading and writing the XML parts of office files with pugixml.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "result.h"

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <initializer_list>
#include <memory>
#include <optional>
#include <pugixml.hpp>
#include <string>

namespace office::xml {

inline constexpr const char *wordNamespace =
    "http://schemas.openxmlformats.org/wordprocessingml/2006/main";
inline constexpr const char *sheetNamespace =
    "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
inline constexpr const char *relationshipsNamespace =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
inline constexpr const char *drawingNamespace =
    "http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing";

/// How deep elements may nest in a part.
inline constexpr int maxDepth = 256;

/// Parses a part. Document type declarations are skipped and entities other than the
/// five predefined ones are not expanded, so a hostile part cannot grow on reading;
/// elements nested deeper than maxDepth are refused.
Result<std::unique_ptr<pugi::xml_document>> parse(const QByteArray &bytes, const QString &partName);
/// The part as UTF-8 with the standalone declaration the office programs write.
QByteArray serialize(const pugi::xml_document &document);

std::string utf8(QStringView text);
std::string utf8(const QString &text);
QString text(const char *utf8);

/// Text that XML 1.0 can hold: control characters other than tab and line feed, and
/// code points XML forbids, are left out (a name typed with a stray control character
/// must not make the whole file unreadable).
std::string cleanText(QStringView text);

/// The child `name` of `parent`, added where the schema's order of children puts it
/// when missing: `order` lists the child names in schema order.
pugi::xml_node orderedChild(pugi::xml_node parent, const char *name,
                            std::initializer_list<const char *> order);
/// The same where the elements carry a prefix ("x:"), which `order` leaves out.
pugi::xml_node orderedChild(pugi::xml_node parent, const std::string &prefix, const char *name,
                            std::initializer_list<const char *> order);

/// The prefix ("w:", "x:" or "") that binds `uri` on the document element, or nothing.
std::optional<std::string> prefixOf(const pugi::xml_node &root, const char *uri);

} // namespace office::xml
