// SPDX-License-Identifier: GPL-3.0-or-later
#include "name_check.h"

#include <QCoreApplication>
#include <QStringList>

namespace store {

namespace {

NameCheck refuse(NameProblem problem, const QString &reason)
{
    return NameCheck{problem, reason};
}

bool isControl(QChar c)
{
    const char16_t u = c.unicode();
    return u < 0x20 || u == 0x7F || (u >= 0x80 && u < 0xA0) || u == 0x2028 || u == 0x2029;
}

bool isDeviceName(const QString &name)
{
    // Windows reserves these names with any extension.
    const QString base = name.section(u'.', 0, 0).trimmed().toUpper();
    static const QStringList fixed{QStringLiteral("CON"), QStringLiteral("PRN"),
                                   QStringLiteral("AUX"), QStringLiteral("NUL")};
    if (fixed.contains(base))
        return true;
    return base.size() == 4 && (base.startsWith(u"COM") || base.startsWith(u"LPT")) &&
           base.at(3) >= u'1' && base.at(3) <= u'9';
}

bool isDecimalNumber(const QString &name)
{
    for (QChar c : name) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return !name.isEmpty();
}

} // namespace

NameCheck checkName(const QString &name, NameKind kind)
{
    const QString what = kind == NameKind::Class
                             ? QCoreApplication::translate("NameCheck", "class name")
                             : QCoreApplication::translate("NameCheck", "test name");
    if (name.trimmed().isEmpty())
        return refuse(NameProblem::Empty,
                      QCoreApplication::translate("NameCheck", "The %1 is empty.").arg(what));
    if (name.trimmed() != name)
        return refuse(
            NameProblem::Blanks,
            QCoreApplication::translate("NameCheck", "The %1 must not begin or end with a blank.")
                .arg(what));
    if (name.size() > maxNameLength)
        return refuse(NameProblem::TooLong, QCoreApplication::translate(
                                                "NameCheck", "The %1 is longer than %2 characters.")
                                                .arg(what)
                                                .arg(maxNameLength));
    for (QChar c : name) {
        if (isControl(c))
            return refuse(
                NameProblem::ControlCharacter,
                QCoreApplication::translate(
                    "NameCheck", "The %1 holds a line break or another control character.")
                    .arg(what));
        if (c == u'/' || c == u'\\')
            return refuse(
                NameProblem::Separator,
                QCoreApplication::translate("NameCheck", "The %1 must not hold \"/\" or \"\\\".")
                    .arg(what));
        if (c == u'[' || c == u']')
            return refuse(
                NameProblem::Bracket,
                QCoreApplication::translate("NameCheck", "The %1 must not hold \"[\" or \"]\".")
                    .arg(what));
        if (c == u'=')
            return refuse(
                NameProblem::EqualsSign,
                QCoreApplication::translate("NameCheck", "The %1 must not hold \"=\".").arg(what));
        if (QStringView(u"<>:\"|?*").contains(c))
            return refuse(NameProblem::FileNameCharacter,
                          QCoreApplication::translate("NameCheck",
                                                      "The %1 must not hold any of < > : \" | ? *")
                              .arg(what));
    }
    if (name.contains(QStringLiteral("..")) || name == u".")
        return refuse(
            NameProblem::DotDot,
            QCoreApplication::translate("NameCheck", "The %1 must not hold \"..\".").arg(what));
    if (name.startsWith(u';'))
        return refuse(NameProblem::Semicolon,
                      QCoreApplication::translate("NameCheck", "The %1 must not begin with \";\".")
                          .arg(what));
    if (name.endsWith(u'.'))
        return refuse(
            NameProblem::TrailingDot,
            QCoreApplication::translate("NameCheck", "The %1 must not end with \".\".").arg(what));
    if (isDeviceName(name))
        return refuse(NameProblem::DeviceName,
                      QCoreApplication::translate(
                          "NameCheck", "\"%1\" is a device name that Windows keeps for itself.")
                          .arg(name));

    if (kind == NameKind::Paper) {
        if (isDecimalNumber(name))
            return refuse(NameProblem::Number,
                          QCoreApplication::translate("NameCheck",
                                                      "The test name must not be a number alone."));
        // A paper's name is read back from its file name up to the first ".cho": "Unit.chores"
        // would come back from an exchange as a paper "Unit".
        if (name.contains(QStringLiteral(".cho"), Qt::CaseInsensitive))
            return refuse(
                NameProblem::ProfileSuffix,
                QCoreApplication::translate("NameCheck", "The test name must not hold \".cho\"."));
        static const QStringList reserved{
            QStringLiteral("TestNameCount"), QStringLiteral("TestName"),
            QStringLiteral("ClassName"),     QStringLiteral("ClassNameCount"),
            QStringLiteral("ClassCount"),    QStringLiteral("FirstNumber"),
            QStringLiteral("LastNumber"),    QStringLiteral("admin")};
        for (const QString &fixed : reserved) {
            if (name.compare(fixed, Qt::CaseInsensitive) == 0)
                return refuse(NameProblem::ReservedName,
                              QCoreApplication::translate(
                                  "NameCheck", "\"%1\" is a name the system keeps for itself.")
                                  .arg(name));
        }
    }
    return {};
}

} // namespace store
