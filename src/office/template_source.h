// Where the templates of a data root are: the shipped Open XML ones, or the old
// binary ones of an existing installation, converted once with LibreOffice.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "result.h"

#include "store/data_root.h"

#include <QString>

namespace office {

enum class TemplateKind { Paper, Score };

class TemplateSource
{
public:
    /// `office` is the LibreOffice program (empty: there is none); `cacheFolder` keeps
    /// converted templates.
    explicit TemplateSource(
        store::DataRoot root, QString office = officeProgram(),
        QString cacheFolder = store::DataRoot::localFolder(store::DataRoot::LocalUse::Office));

    /// "paper.dotx", "score.xltx"
    static QString fileName(TemplateKind kind);
    /// "paper.dot", "score.xlt": what installations of the Windows programs hold.
    static QString legacyFileName(TemplateKind kind);
    /// LibreOffice on the PATH ("soffice" or "libreoffice"); empty when it is not installed.
    static QString officeProgram();

    /// The template to use: sys/<fileName> of the data root; else the old sys/<legacy>
    /// converted with LibreOffice into the cache folder (once per content of the old
    /// file); else a failure that says which template is missing and where to put one.
    Result<QString> find(TemplateKind kind) const;

private:
    store::DataRoot m_root;
    QString m_office;
    QString m_cache;
};

/// Converts `source` with LibreOffice, without a window, into `target` using the
/// output filter `filter` ("MS Word 2007 XML Template"). The event loop runs while it
/// waits, without user input, so a window keeps drawing.
Status convertWithOffice(const QString &office, const QString &source, const QString &target,
                         const QString &filter, const QString &profileFolder,
                         int timeoutMs = 180000);

} // namespace office
