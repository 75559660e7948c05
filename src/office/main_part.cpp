// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_part.h"

#include <QCoreApplication>

#include "xml.h"

namespace office {

Result<MainPart> openMainPart(const Package &package, const MainPartKind &kind)
{
    MainPart main;
    Result<ContentTypes> types = ContentTypes::load(package);
    if (!types)
        return Failure{types.reason()};
    main.types = std::move(*types);

    Result<Relationships> packageRelationships = Relationships::load(package, QString());
    if (!packageRelationships)
        return Failure{packageRelationships.reason()};
    const std::optional<Relationship> target =
        packageRelationships->firstOfType(relationship::officeDocument);
    if (!target)
        return Failure{QCoreApplication::translate("MainPart", "the file names no main part")};
    main.name = packageRelationships->resolve(target->target);
    const QString type = main.types.typeOf(main.name);
    if (type.contains(QLatin1StringView("macroEnabled"), Qt::CaseInsensitive))
        return Failure{QCoreApplication::translate(
                           "MainPart", "the file holds macros; save it as %1 without macros")
                           .arg(kind.advice)};
    if (type != kind.documentType && type != kind.templateType)
        return Failure{
            QCoreApplication::translate("MainPart", "the file is not %1").arg(kind.fileKind)};
    const QByteArray *bytes = package.find(main.name);
    if (!bytes)
        return Failure{
            QCoreApplication::translate("MainPart", "the main part %1 is missing").arg(main.name)};
    Result<std::unique_ptr<pugi::xml_document>> xml = xml::parse(*bytes, main.name);
    if (!xml)
        return Failure{xml.reason()};
    main.xml = std::move(*xml);

    Result<Relationships> relationships = Relationships::load(package, main.name);
    if (!relationships)
        return Failure{relationships.reason()};
    main.relationships = std::move(*relationships);
    return main;
}

} // namespace office
