// Where the data root comes from: the command line, the environment, the
// configuration files, or the program's own folder.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data_root.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace store {

enum class RootSource {
    Option,        ///< --data-root DIR
    Environment,   ///< QUORIN_DATA_ROOT
    ConfigFile,    ///< key DataRoot of a quorin.conf (the user's, then the system's)
    ProgramFolder, ///< the executable's folder: a copy of the programs kept in the data root
    None,          ///< nothing names a root
};

/// A located data root and what named it.
struct RootLocation
{
    DataRoot root;
    RootSource source = RootSource::None;
    /// The configuration file that named the root, for RootSource::ConfigFile.
    QString configFile;

    /// Where the root came from, for messages: "--data-root", "QUORIN_DATA_ROOT",
    /// the configuration file's path or "the program's folder".
    QString origin() const;
};

/// Finds the data root, in this order: the `--data-root` option, the environment
/// variable QUORIN_DATA_ROOT, key DataRoot of the configuration files (see
/// configFiles), and last the executable's folder. The executable's folder is left
/// out when the programs are installed (a "share/quorin" folder beside "bin") and it
/// holds no roster: /usr/bin is not a data root.
class RootLocator
{
public:
    /// The configuration files, most personal first: quorin/quorin.conf under
    /// $XDG_CONFIG_HOME (~/.config), then under each of $XDG_CONFIG_DIRS (/etc/xdg).
    static QStringList configFiles();

    /// `option` is the value of --data-root when it was given. Relative folders are
    /// taken from the working folder (option, environment) or from the configuration
    /// file's folder; "~/" stands for the home folder.
    static RootLocation locate(const std::optional<QString> &option,
                               const QString &executableFolder);
    /// The same with the given configuration files.
    static RootLocation locate(const std::optional<QString> &option,
                               const QString &executableFolder, const QStringList &configFiles);

    /// The DataRoot value of one configuration file, made absolute; empty when the
    /// file or the key is missing or the value is blank.
    static QString configuredRoot(const QString &configFile);

    /// Whether a folder is where an installation keeps the programs rather than a
    /// data root: it holds no roster and "../share/quorin" lies beside it.
    static bool isInstalledProgramFolder(const QString &executableFolder);
};

/// Whether the root holds the roster "sys/sys.cho" (in any letter case).
bool holdsRoster(const DataRoot &root);

} // namespace store
