// SPDX-License-Identifier: GPL-3.0-or-later
#include "paper_exchange.h"

#include "paper_folders.h"
#include "paper_list.h"
#include "store/case_path.h"
#include "store/folder_index.h"
#include "store/folder_ops.h"
#include "store/name_check.h"
#include "ui/prompts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace teacher {

PaperExchange::PaperExchange(store::DataRoot root, ui::Prompts &prompts, PaperList &list)
    : m_root(std::move(root))
    , m_prompts(prompts)
    , m_list(list)
{}

std::optional<QString> PaperExchange::paperNameOf(const QString &fileName)
{
    const qsizetype at = fileName.indexOf(QStringLiteral(".cho"), 0, Qt::CaseInsensitive);
    if (at < 0)
        return std::nullopt;
    return fileName.left(at).trimmed();
}

QString PaperExchange::outputFolder(const QString &chosen, const QString &paper)
{
    // A folder of that name in other letters is the one the Windows installations would use.
    return store::CasePath::resolve(chosen, {paper.trimmed()});
}

void PaperExchange::failed(const QString &what)
{
    m_prompts.message(what, PaperList::title());
}

bool PaperExchange::outputPaper()
{
    if (!m_list.hasSelection())
        return false;
    const QString chosen = m_prompts.chooseFolder(
        QCoreApplication::translate("PaperExchange", "Output paper to ..."), QDir::homePath());
    if (chosen.isEmpty())
        return false;
    const QString name = m_list.table().row(m_list.selected()).name.trimmed();
    const QString target = outputFolder(chosen, name);
    if (target.isEmpty()) {
        failed(QCoreApplication::translate(
                   "PaperExchange",
                   "The paper \"%1\" cannot be output: its name cannot be a folder "
                   "name.")
                   .arg(name));
        return false;
    }
    store::FolderOutcome outcome = store::makeFolder(target);
    // A paper created since the last save has no folder yet: its copy is an empty folder.
    const QString source = m_root.paperFolder(name);
    if (outcome.ok() && QFileInfo(source).isDir())
        outcome = store::copyFiles(source, target);
    if (!outcome.ok()) {
        failed(QCoreApplication::translate(
                   "PaperExchange",
                   "Output paper did not complete: %1 %2 of the paper's files were "
                   "copied to \"%3\".")
                   .arg(outcome.describe(), QString::number(outcome.files), target));
        return false;
    }
    m_prompts.message(QCoreApplication::translate("PaperExchange", "Output paper had completed!"),
                      PaperList::title());
    return true;
}

bool PaperExchange::inputPaper()
{
    const QString chosen =
        m_prompts
            .openFile(
                QCoreApplication::translate("PaperExchange", "Please choose the test paper file "),
                m_root.path(), QCoreApplication::translate("PaperExchange", "CHO Files (*.CHO)"))
            .trimmed();
    if (chosen.isEmpty())
        return false;
    // Without the list, neither the name check nor the commit that lists the paper can work.
    if (!m_list.canSave()) {
        failed(QCoreApplication::translate(
            "PaperExchange", "No paper can be input, because the roster could not be read when "
                             "this window opened."));
        return false;
    }
    const QFileInfo file(chosen);
    const std::optional<QString> found = paperNameOf(file.fileName().trimmed());
    if (!found) {
        failed(QCoreApplication::translate(
                   "PaperExchange", "\"%1\" is not a paper file: the name of a paper file ends in "
                                    "\".cho\".")
                   .arg(file.fileName()));
        return false;
    }
    const QString name = *found;
    const store::NameCheck check = store::checkName(name, store::NameKind::Paper);
    if (!check.ok()) {
        failed(check.reason +
               QCoreApplication::translate("PaperExchange", " The paper was not input."));
        return false;
    }
    // A name that is part of a listed name is refused too.
    for (const QString &listed : m_list.names()) {
        if (listed.trimmed().contains(name, Qt::CaseInsensitive)) {
            m_prompts.message(
                QCoreApplication::translate("PaperExchange",
                                            "The paper name already exists ,input another name!"),
                PaperList::title());
            return false;
        }
    }
    if (m_list.count() >= PaperList::maxPapers) {
        failed(QCoreApplication::translate("PaperExchange", "There cannot be more than %1 papers.")
                   .arg(PaperList::maxPapers));
        return false;
    }

    const QString source = file.absolutePath();
    // The name comes from the file name up to its first ".cho"; the folder must hold the
    // paper file of that name ("Unit.chores.cho" gives "Unit", and there is no "Unit.cho").
    const QString paperFile = store::FolderIndex(source).find(name + QStringLiteral(".cho"));
    if (paperFile.isEmpty() || !QFileInfo(paperFile).isFile()) {
        failed(QCoreApplication::translate(
                   "PaperExchange",
                   "The folder %1 holds no paper file \"%2.cho\" for the paper \"%2\"; "
                   "the paper was not input.")
                   .arg(QDir::toNativeSeparators(source), name));
        return false;
    }
    const PaperFolders folders(m_root);
    if (store::isSameFolder(source, folders.resultFolder(name))) {
        failed(
            QCoreApplication::translate(
                "PaperExchange", "\"%1\" lies in the result folder of a paper and was not input.")
                .arg(chosen));
        return false;
    }
    // A paper folder of this data root that the list has lost (an input left by
    // Cancel) comes back as it is: emptying it first would delete the paper itself.
    const bool inPlace = store::isSameFolder(source, folders.paperFolder(name));
    const PaperFolders::Which which =
        inPlace ? PaperFolders::Which::ResultsOnly : PaperFolders::Which::Both;
    if (!m_list.agreeToLeftovers(name, QStringLiteral("now"), which))
        return false;
    store::FolderOutcome outcome = folders.prepare(name, which);
    if (outcome.ok() && !inPlace)
        outcome = store::copyFiles(source, folders.paperFolder(name));
    if (!outcome.ok()) {
        failed(QCoreApplication::translate(
                   "PaperExchange",
                   "Input paper did not complete: %1 The paper was not added to the "
                   "list.")
                   .arg(outcome.describe()));
        return false;
    }

    PaperRow row;
    row.name = name;
    row.allowToTest = QStringLiteral("1");
    row.settings = store::PaperFile(m_root.paperFile(name)).readPaperSettings();
    m_list.appendInput(std::move(row));
    m_prompts.message(QCoreApplication::translate("PaperExchange", "Input paper had completed!"),
                      PaperList::title());
    return true;
}

} // namespace teacher
