// SPDX-License-Identifier: GPL-3.0-or-later
#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace ui {

namespace {

QString g_language = QStringLiteral("en");

// "zh_CN.UTF-8@cjk" -> "zh_CN"; the code set and the modifier do not change the language.
QString bareLocale(const QString &name)
{
    QString bare = name.trimmed();
    for (QChar stop : {u'.', u'@'}) {
        const qsizetype at = bare.indexOf(stop);
        if (at >= 0)
            bare.truncate(at);
    }
    return bare.replace(u'-', u'_');
}

// The language the program has for one locale name, or nothing.
QString shippedLanguage(const QString &name)
{
    const QString bare = bareLocale(name);
    const QString language = bare.section(u'_', 0, 0).toLower();
    if (language == u"en")
        return QStringLiteral("en");
    if (language == u"zh") {
        // Simplified Chinese is written in the mainland and in Singapore; Taiwan, Hong
        // Kong and Macau read traditional characters, which the program does not have.
        const QString region = bare.section(u'_', 1, 1).toUpper();
        if (region.isEmpty() || region == u"CN" || region == u"SG" || region == u"HANS")
            return QStringLiteral("zh_CN");
    }
    return {};
}

bool isPlainLocale(const QString &name)
{
    const QString bare = bareLocale(name);
    return bare.isEmpty() || bare == u"C" || bare == u"POSIX";
}

} // namespace

QString processEnvironment(const char *name)
{
    return qEnvironmentVariable(name);
}

QString programLanguage(const Environment &environment)
{
    QString locale;
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = environment(name);
        if (!locale.isEmpty())
            break;
    }
    if (isPlainLocale(locale))
        return QStringLiteral("en");
    const QStringList wanted = environment("LANGUAGE").split(u':', Qt::SkipEmptyParts);
    for (const QString &entry : wanted) {
        const QString language = shippedLanguage(entry);
        if (!language.isEmpty())
            return language;
    }
    const QString language = shippedLanguage(locale);
    return language.isEmpty() ? QStringLiteral("en") : language;
}

QString currentLanguage()
{
    return g_language;
}

void installTranslations(QCoreApplication &app, const Environment &environment)
{
    const QString language = programLanguage(environment);
    g_language = language;
    if (language == u"en")
        return;
    // Qt's own texts first: the translator installed last is asked first.
    const struct
    {
        QString name;
        QString folder;
    } files[] = {
        {QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)},
        {QStringLiteral("quorin_") + language, QStringLiteral(":/i18n")},
    };
    for (const auto &file : files) {
        auto *translator = new QTranslator(&app);
        if (translator->load(file.name, file.folder))
            QCoreApplication::installTranslator(translator);
        else
            delete translator;
    }
}

} // namespace ui
