// SPDX-License-Identifier: GPL-3.0-or-later
#include "check_command.h"

#include "root_check.h"

#include <QCoreApplication>
#include <QDir>

using namespace Qt::StringLiterals;

namespace teacher {

namespace {

int checkRoot(const store::DataRoot &root, QTextStream &out, QTextStream &err,
              CheckProgress progress)
{
    RootCheck check(root);
    RootCheck::Progress report;
    if (progress == CheckProgress::Shown)
        report = [&err](int done, int total) {
            err << '\r'
                << QCoreApplication::translate("CheckCommand", "checking paper %1 of %2")
                       .arg(done)
                       .arg(total);
            if (done == total)
                err << '\r' << QString(40, u' ') << '\r';
            err.flush();
        };
    const RootCheck::Outcome outcome = check.run(report);
    if (outcome == RootCheck::Outcome::CouldNotRun) {
        err << "teacher check: " << check.failure() << '\n';
        return 2;
    }
    for (const CheckFinding &finding : check.findings())
        out << finding.line() << '\n';
    out.flush();

    const RootCheck::Counts counts = check.counts();
    const QString scope =
        QCoreApplication::translate("CheckCommand",
                                    "%1 classes, %2 papers, %3 documents, %4 record files")
            .arg(counts.classes)
            .arg(counts.papers)
            .arg(counts.documents)
            .arg(counts.records);
    const QString path = QDir::toNativeSeparators(root.path());
    if (outcome == RootCheck::Outcome::Clean) {
        err << "teacher check: "
            << QCoreApplication::translate("CheckCommand", "no problems in \"%1\" (%2)")
                   .arg(path, scope)
            << '\n';
        return 0;
    }
    const qsizetype found = check.findings().size();
    err << "teacher check: "
        << (found == 1 ? QCoreApplication::translate("CheckCommand", "1 problem in \"%1\" (%2)")
                             .arg(path, scope)
                       : QCoreApplication::translate("CheckCommand", "%1 problems in \"%2\" (%3)")
                             .arg(QString::number(found), path, scope))
        << '\n';
    return 1;
}

} // namespace

TeacherCommand checkCommand(CheckProgress progress)
{
    return {
        .name = u"check"_s,
        .summary = QCoreApplication::translate(
            "CheckCommand", "Report what is wrong in the data root, without changing it."),
        .run = [progress](const store::DataRoot &root, const CommandArguments &, QTextStream &out,
                          QTextStream &err) { return checkRoot(root, out, err, progress); },
        .details = QCoreApplication::translate(
            "CheckCommand",
            "Prints one line for each problem found.\nExit status: 0 clean, 1 problems "
            "found, 2 the check could not run."),
    };
}

} // namespace teacher
