// SPDX-License-Identifier: GPL-3.0-or-later
#include "root_setup.h"

#include "teacher_command.h"
#include "store/atomic_file.h"
#include "store/regular_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryFile>

namespace teacher {

namespace {

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// What named the folder, for a teacher who did not expect it.
QString namedBy(const store::RootLocation &location)
{
    switch (location.source) {
    case store::RootSource::Environment:
        return QCoreApplication::translate("RootSetup", " (set by QUORIN_DATA_ROOT)");
    case store::RootSource::ConfigFile:
        return QCoreApplication::translate("RootSetup", " (set in ") + shown(location.configFile) +
               u')';
    default:
        return {};
    }
}

} // namespace

RootSetup::RootSetup(ui::Prompts &prompts, RootInit init, QString userConfig)
    : m_prompts(prompts)
    , m_init(std::move(init))
    , m_userConfig(std::move(userConfig))
{}

std::nullopt_t RootSetup::end(const QString &message)
{
    m_endMessage = message;
    m_prompts.message(message);
    return std::nullopt;
}

std::optional<store::DataRoot> RootSetup::prepare(const store::RootLocation &location)
{
    m_endMessage.clear();
    if (location.source == store::RootSource::None)
        return chooseRoot();
    if (store::holdsRoster(location.root))
        return location.root;
    return offerNewRoot(location);
}

std::optional<store::DataRoot> RootSetup::offerNewRoot(const store::RootLocation &location)
{
    const QString folder = shown(location.root.path());
    const QString question =
        QFileInfo(location.root.path()).isDir()
            ? QCoreApplication::translate(
                  "RootSetup",
                  "There is no data root in \"%1\"%2:\nit holds no roster (sys/sys.cho).")
                  .arg(folder, namedBy(location))
            : QCoreApplication::translate("RootSetup", "There is no folder \"%1\"%2.")
                  .arg(folder, namedBy(location));
    // A root the PC is set up with is usually a share: an empty folder there is more
    // often a share that is not mounted than a place for a new root.
    const QString share = namedBy(location).isEmpty()
                              ? QString()
                              : QCoreApplication::translate(
                                    "RootSetup", "\nIf it is a network share, check that it is "
                                                 "mounted before you answer Yes.");
    if (!m_prompts.question(
            question + share +
            QCoreApplication::translate("RootSetup", "\nMake a new data root there?")))
        return end(QCoreApplication::translate("RootSetup",
                                               "Quorin ends: there is no data root in \"%1\".")
                       .arg(folder));

    const InitOutcome outcome = m_init.make(location.root.path());
    if (outcome.status == InitOutcome::Status::Failed)
        return end(
            QCoreApplication::translate("RootSetup", "Could not make a data root in \"%1\": %2.")
                .arg(folder, outcome.error));
    return location.root;
}

std::optional<store::DataRoot> RootSetup::chooseRoot()
{
    const QString unset =
        QCoreApplication::translate("RootSetup", "Quorin ends: no data root is set; ") +
        rootSettingHint() + u'.';
    if (!m_prompts.question(
            QCoreApplication::translate(
                "RootSetup", "No data root is set for Quorin.\nChoose its folder now? The choice "
                             "is kept in %1.")
                .arg(shown(m_userConfig))))
        return end(unset);
    const QString chosen = m_prompts.chooseFolder(
        QCoreApplication::translate("RootSetup", "Choose the data root"), QDir::homePath());
    if (chosen.trimmed().isEmpty())
        return end(unset);

    store::RootLocation location;
    location.source = store::RootSource::Option;
    location.root = store::DataRoot(QDir::cleanPath(QDir(chosen.trimmed()).absolutePath()));
    std::optional<store::DataRoot> root =
        store::holdsRoster(location.root) ? std::optional(location.root) : offerNewRoot(location);
    if (root)
        keepChoice(root->path());
    return root;
}

void RootSetup::keepChoice(const QString &folder)
{
    if (!keepInConfig(folder))
        m_prompts.message(QCoreApplication::translate(
                              "RootSetup", "Could not keep the data root in %1; name it there by "
                                           "hand: DataRoot=%2")
                              .arg(shown(m_userConfig), folder));
}

bool RootSetup::keepInConfig(const QString &folder) const
{
    // The settings writer formats the file (quoting, escapes, the other keys kept), but it
    // can report success for a file a full disk cut short: it works on a scratch copy, and
    // only a copy that reads back with the new value goes over the file, in one step.
    QDir().mkpath(QFileInfo(m_userConfig).absolutePath());
    QTemporaryFile scratch(m_userConfig + QStringLiteral(".new-XXXXXX"));
    if (!scratch.open())
        return false;
    const store::FileContent old = store::readRegularFile(m_userConfig, maxConfigSize);
    if (old.status == store::ReadStatus::Ok && scratch.write(old.bytes) != old.bytes.size())
        return false;
    if (old.status == store::ReadStatus::Error || old.status == store::ReadStatus::TooLarge)
        return false;
    scratch.close();
    {
        QSettings settings(scratch.fileName(), QSettings::IniFormat);
        settings.setValue(QStringLiteral("DataRoot"), folder);
        settings.sync();
        if (settings.status() != QSettings::NoError)
            return false;
    }
    if (QSettings(scratch.fileName(), QSettings::IniFormat).value(QStringLiteral("DataRoot")) !=
        folder)
        return false;
    const store::FileContent next = store::readRegularFile(scratch.fileName(), maxConfigSize);
    return next.status == store::ReadStatus::Ok &&
           store::AtomicFile::write(m_userConfig, next.bytes).ok();
}

} // namespace teacher
