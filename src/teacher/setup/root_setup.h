// Before the teacher's windows open: a data root that holds a roster, or the offer
// to make one, or (nothing names a root) the choice of its folder.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "root_init.h"

#include "store/data_root.h"
#include "store/root_locator.h"
#include "ui/prompts.h"

#include <QString>
#include <optional>

namespace teacher {

class RootSetup
{
public:
    /// `userConfig` is the configuration file a chosen folder is kept in.
    RootSetup(ui::Prompts &prompts, RootInit init, QString userConfig);

    /// The root the program works on, or nothing when the program is to end (it has
    /// said why; endMessage() gives the same for standard error). Writes nothing
    /// unless the teacher says yes: a new data root, and the chosen folder in the
    /// user's configuration file.
    std::optional<store::DataRoot> prepare(const store::RootLocation &location);

    const QString &endMessage() const { return m_endMessage; }

private:
    std::optional<store::DataRoot> offerNewRoot(const store::RootLocation &location);
    std::optional<store::DataRoot> chooseRoot();
    void keepChoice(const QString &folder);
    bool keepInConfig(const QString &folder) const;
    static constexpr qint64 maxConfigSize = 1024 * 1024;
    std::nullopt_t end(const QString &message);

    ui::Prompts &m_prompts;
    RootInit m_init;
    QString m_userConfig;
    QString m_endMessage;
};

} // namespace teacher
