// Which file of the help folder shows a page in the program's language.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace ui {

/// The file of `fileName` ("login.html") in the help folder: the one of the language's
/// own folder ("help/zh_CN/login.html") when the program speaks another language than
/// English and that page exists, else the English one beside it. Letter case is ignored,
/// as everywhere in the data root. Empty when neither path can be built.
QString helpPagePath(const QString &helpFolder, const QString &fileName, const QString &language);

} // namespace ui
