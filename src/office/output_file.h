// Writing the finished documents: never half a file, and a new file never over an old one.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "result.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <functional>

namespace office {

/// Where finished documents go and how they are shown.
struct Delivery
{
    using Open = std::function<bool(const QString &path)>;

    /// "Quorin" in the user's documents folder.
    static QString defaultFolder();
    /// Opens a file in the desktop's default application for its type.
    static bool openWithDesktop(const QString &path);

    QString folder = defaultFolder();
    Open open = &Delivery::openWithDesktop;
};

/// Shows that work is going on while it lives (the wait pointer of a window, so that
/// converting an old template for seconds does not look like a hang).
class BusyScope
{
public:
    using Indicator = std::function<void(bool working)>;
    explicit BusyScope(Indicator indicator);
    ~BusyScope();
    BusyScope(const BusyScope &) = delete;
    BusyScope &operator=(const BusyScope &) = delete;

    /// The application's wait pointer.
    static Indicator waitCursor();

private:
    Indicator m_indicator;
};

/// What became of a delivered document.
struct Delivered
{
    QString path;
    bool opened = false;
};

/// Writes `bytes` as a new file in the delivery folder, named after `name` and the
/// time (never over an existing file), and opens it.
Result<Delivered> deliver(const Delivery &delivery, const QString &name, const QDateTime &when,
                          const QString &extension, const QByteArray &bytes);

/// Writes `bytes` as a new file in `folder` (made when missing), named `baseName`
/// plus "." and `extension`, or "baseName (2)" and so on when that name is taken:
/// an existing file is never replaced. Gives the path written. On failure nothing
/// of the new file is left.
Result<QString> writeNewFile(const QString &folder, const QString &baseName,
                             const QString &extension, const QByteArray &bytes);

/// Writes `bytes` to `path`, replacing the file there only once the new one is complete.
Status writeFile(const QString &path, const QByteArray &bytes);

/// A file name made of `text`: path separators, characters that Windows refuses in file
/// names and control characters become "_", and blanks and dots at the ends go.
QString safeFileName(const QString &text);

} // namespace office
