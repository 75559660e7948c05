// SPDX-License-Identifier: GPL-3.0-or-later
#include "help_page.h"

#include "store/case_path.h"

#include <QFileInfo>

namespace ui {

QString helpPagePath(const QString &helpFolder, const QString &fileName, const QString &language)
{
    if (helpFolder.isEmpty() || fileName.isEmpty())
        return {};
    if (!language.isEmpty() && language != u"en") {
        const QString translated = store::CasePath::resolve(helpFolder, {language, fileName});
        if (!translated.isEmpty() && QFileInfo(translated).isFile())
            return translated;
    }
    return store::CasePath::resolve(helpFolder, {fileName});
}

} // namespace ui
