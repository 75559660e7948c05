// The main part of an office package (the document, the workbook), found the one
// way both templates need it.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "content_types.h"
#include "package.h"
#include "relationships.h"
#include "result.h"

#include <QString>
#include <memory>
#include <pugixml.hpp>

namespace office {

/// What a kind of file calls its main part, and how messages name it.
struct MainPartKind
{
    QString documentType; ///< content type of a finished file
    QString templateType; ///< content type of a template
    QString fileKind;     ///< "a Word document or template"
    QString advice;       ///< "a Word template (.dotx)"
};

struct MainPart
{
    ContentTypes types;
    QString name; ///< "word/document.xml"
    std::unique_ptr<pugi::xml_document> xml;
    Relationships relationships; ///< of the main part
};

/// The package's content types, its main part (parsed) and that part's relationships;
/// a failure when the package is of another kind, holds macros or is damaged.
Result<MainPart> openMainPart(const Package &package, const MainPartKind &kind);

} // namespace office
