// SPDX-License-Identifier: GPL-3.0-or-later
#include "case_path.h"

#include <QDir>
#include <QFileInfo>

namespace store {

bool CasePath::isSafeComponent(QStringView component)
{
    if (component.isEmpty() || component == u"." || component == u"..")
        return false;
    for (QChar c : component) {
        if (c == u'/' || c == u'\\' || c == u'\0')
            return false;
    }
    return true;
}

QString CasePath::join(const QString &base, const QString &name)
{
    if (base.endsWith(u'/'))
        return base + name;
    return base + u'/' + name;
}

QString CasePath::resolve(const QString &base, const QStringList &components)
{
    QString current = base;
    bool parentExists = QFileInfo(base).isDir();
    for (const QString &component : components) {
        if (!isSafeComponent(component))
            return {};
        const QString exact = join(current, component);
        if (!parentExists) {
            current = exact;
            continue;
        }
        if (QFileInfo::exists(exact)) {
            current = exact;
            continue;
        }
        // Only when the exact spelling is absent: look for another letter case.
        const QStringList entries = QDir(current).entryList(QDir::AllEntries | QDir::Hidden |
                                                            QDir::System | QDir::NoDotAndDotDot);
        QString found;
        for (const QString &entry : entries) {
            if (entry.compare(component, Qt::CaseInsensitive) == 0) {
                found = entry;
                break;
            }
        }
        if (found.isEmpty()) {
            parentExists = false;
            current = exact;
        } else {
            current = join(current, found);
        }
    }
    return current;
}

} // namespace store
