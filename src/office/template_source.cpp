// SPDX-License-Identifier: GPL-3.0-or-later
#include "template_source.h"

#include "store/atomic_file.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

namespace office {

namespace {

QString suffixOf(TemplateKind kind)
{
    return kind == TemplateKind::Paper ? QStringLiteral("dotx") : QStringLiteral("xltx");
}

QString filterOf(TemplateKind kind)
{
    return kind == TemplateKind::Paper ? QStringLiteral("MS Word 2007 XML Template")
                                       : QStringLiteral("Calc MS Excel 2007 XML Template");
}

QString programOf(TemplateKind kind)
{
    return kind == TemplateKind::Paper ? QStringLiteral("Word") : QStringLiteral("Excel");
}

} // namespace

TemplateSource::TemplateSource(store::DataRoot root, QString office, QString cacheFolder)
    : m_root(std::move(root))
    , m_office(std::move(office))
    , m_cache(std::move(cacheFolder))
{}

QString TemplateSource::fileName(TemplateKind kind)
{
    return kind == TemplateKind::Paper ? QStringLiteral("paper.dotx")
                                       : QStringLiteral("score.xltx");
}

QString TemplateSource::legacyFileName(TemplateKind kind)
{
    return kind == TemplateKind::Paper ? QStringLiteral("paper.dot") : QStringLiteral("score.xlt");
}

QString TemplateSource::officeProgram()
{
    for (const char *name : {"soffice", "libreoffice"}) {
        const QString path = QStandardPaths::findExecutable(QLatin1StringView(name));
        if (!path.isEmpty())
            return path;
    }
    return {};
}

Result<QString> TemplateSource::find(TemplateKind kind) const
{
    const QString current = m_root.templateFile(fileName(kind));
    if (QFileInfo(current).isFile())
        return current;
    const QString wanted = QDir::toNativeSeparators(current);
    const QString legacy = m_root.templateFile(legacyFileName(kind));
    if (!QFileInfo(legacy).isFile())
        return Failure{QCoreApplication::translate(
                           "TemplateSource",
                           "There is no template %1. Put a %2 template (.%3) with the "
                           "placeholders there; Quorin ships one in its data/sys folder.")
                           .arg(wanted, programOf(kind), suffixOf(kind))};
    if (m_office.isEmpty())
        return Failure{
            QCoreApplication::translate("TemplateSource",
                                        "The data root holds only the old template %1, which needs "
                                        "LibreOffice to be read. Install LibreOffice (it converts "
                                        "the template once), or put a %2 template at %3.")
                .arg(QDir::toNativeSeparators(legacy), programOf(kind), wanted)};

    QFile file(legacy);
    if (!file.open(QIODevice::ReadOnly))
        return Failure{QCoreApplication::translate("TemplateSource",
                                                   "The old template %1 cannot be read (%2).")
                           .arg(QDir::toNativeSeparators(legacy), file.errorString())};
    QCryptographicHash hash(QCryptographicHash::Sha1);
    if (!hash.addData(&file))
        return Failure{
            QCoreApplication::translate("TemplateSource", "The old template %1 cannot be read.")
                .arg(QDir::toNativeSeparators(legacy))};
    const QString converted = m_cache + u'/' + legacyFileName(kind) + u'-' +
                              QString::fromLatin1(hash.result().toHex().left(16)) + u'.' +
                              suffixOf(kind);
    if (QFileInfo(converted).isFile())
        return converted;
    if (!QDir().mkpath(m_cache))
        return Failure{QCoreApplication::translate(
                           "TemplateSource", "The folder %1 cannot be made to keep the converted "
                                             "template.")
                           .arg(QDir::toNativeSeparators(m_cache))};
    const Status status = convertWithOffice(m_office, legacy, converted, filterOf(kind),
                                            m_cache + QStringLiteral("/profile"));
    if (!status)
        return Failure{QCoreApplication::translate("TemplateSource",
                                                   "The old template %1 could not be converted: %2")
                           .arg(QDir::toNativeSeparators(legacy), status.reason())};
    return converted;
}

Status convertWithOffice(const QString &office, const QString &source, const QString &target,
                         const QString &filter, const QString &profileFolder, int timeoutMs)
{
    QTemporaryDir work(QFileInfo(target).absolutePath() + QStringLiteral("/convert-XXXXXX"));
    if (!work.isValid())
        return Failure{
            QCoreApplication::translate("TemplateSource", "no room for the conversion next to %1")
                .arg(target)};
    // The input goes in under a plain name: LibreOffice names its output after it.
    const QString input = work.path() + QStringLiteral("/template.") + QFileInfo(source).suffix();
    if (const store::WriteOutcome copied = store::AtomicFile::copy(source, input); !copied.ok())
        return Failure{QCoreApplication::translate("TemplateSource", "%1 cannot be copied (%2)")
                           .arg(source, copied.reason())};
    const QString outFolder = work.path() + QStringLiteral("/out");
    QDir().mkpath(outFolder);

    QProcess process;
    process.setProgram(office);
    process.setArguments({QStringLiteral("-env:UserInstallation=") +
                              QUrl::fromLocalFile(profileFolder).toString(QUrl::FullyEncoded),
                          QStringLiteral("--headless"), QStringLiteral("--norestore"),
                          QStringLiteral("--nolockcheck"), QStringLiteral("--convert-to"),
                          QFileInfo(target).suffix() + u':' + filter, QStringLiteral("--outdir"),
                          outFolder, input});
    process.setProcessChannelMode(QProcess::MergedChannels);
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    process.start();
    timer.start(timeoutMs);
    if (process.state() != QProcess::NotRunning)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(5000);
        return Failure{
            QCoreApplication::translate("TemplateSource", "LibreOffice did not finish in time")};
    }
    if (process.error() == QProcess::FailedToStart)
        return Failure{
            QCoreApplication::translate("TemplateSource", "LibreOffice (%1) could not be started")
                .arg(office)};
    const QString output = outFolder + QStringLiteral("/template.") + QFileInfo(target).suffix();
    if (process.exitCode() != 0 || !QFileInfo(output).isFile()) {
        const QString said = QString::fromLocal8Bit(process.readAll()).simplified();
        return Failure{
            QCoreApplication::translate("TemplateSource", "LibreOffice made no file%1")
                .arg(said.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(said.left(200)))};
    }
    if (const store::WriteOutcome kept = store::AtomicFile::copy(output, target); !kept.ok())
        return Failure{QCoreApplication::translate("TemplateSource", "%1 cannot be written (%2)")
                           .arg(target, kept.reason())};
    return {};
}

} // namespace office
