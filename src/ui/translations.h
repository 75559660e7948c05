// The language of the windows and messages: the desktop's, as gettext programs pick it.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

class QCoreApplication;

namespace ui {

/// Reads one environment variable; an unset one reads as empty.
using Environment = std::function<QString(const char *name)>;

/// The process's own environment.
QString processEnvironment(const char *name);

/// The program's language, "zh_CN" or "en": the first entry of LANGUAGE (a colon
/// list) that names a language the program has, else LC_ALL, LC_MESSAGES or LANG,
/// the first that is set. As in gettext, a locale of "C" or "POSIX" means English
/// whatever LANGUAGE says, and so does a language the program does not have.
QString programLanguage(const Environment &environment = processEnvironment);

/// The language installTranslations() chose last ("en" before it runs).
QString currentLanguage();

/// Loads the program's texts and Qt's own (its dialogs and buttons) in the program's
/// language; English, the language of the sources, needs nothing loaded. A missing
/// translation file leaves those texts in English.
/// Call once the application object exists.
void installTranslations(QCoreApplication &app,
                         const Environment &environment = processEnvironment);

} // namespace ui
