// SPDX-License-Identifier: GPL-3.0-or-later
#include "analyse_command.h"

#include "item_analysis.h"
#include "results_reader.h"

#include "office/output_file.h"
#include "store/roster.h"

#include <QCoreApplication>
#include <QJsonDocument>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace results {

namespace {

int analyse(const store::DataRoot &root, const teacher::CommandArguments &args, QTextStream &out,
            QTextStream &err)
{
    const store::RosterReader roster = store::Roster(root).read();
    const QString paper = roster.findPaper(args.value(u"paper"_s));
    if (paper.isEmpty()) {
        err << args.prefix()
            << QCoreApplication::translate("AnalyseCommand", "there is no paper \"%1\"")
                   .arg(args.value(u"paper"_s).trimmed())
            << '\n';
        return 2;
    }
    QList<ResultsInput> refreshes;
    for (const QString &wanted : args.values(u"class"_s)) {
        const QString className = roster.findClass(wanted);
        if (className.isEmpty()) {
            err << args.prefix()
                << QCoreApplication::translate("AnalyseCommand", "there is no class \"%1\"")
                       .arg(wanted.trimmed())
                << '\n';
            return 2;
        }
        refreshes.append(ResultsReader::read(root, paper, className));
    }
    if (!args.isSet(u"class"_s)) {
        for (const QString &className : roster.classNames()) {
            ResultsInput refresh = ResultsReader::read(root, paper, className);
            if (std::any_of(refresh.testees.cbegin(), refresh.testees.cend(),
                            [](const TesteeRecord &record) { return record.hasRecord; }))
                refreshes.append(std::move(refresh));
        }
    }

    const ItemAnalysis analysis = ItemAnalysis::compute(AnalysisInput::fromRefreshes(refreshes));
    const QByteArray text = args.value(u"format"_s) == u"csv"
                                ? analysis.toCsv().toUtf8()
                                : QJsonDocument(analysis.toJson()).toJson(QJsonDocument::Indented);
    if (!args.isSet(u"output"_s)) {
        out << QString::fromUtf8(text);
        out.flush();
        return 0;
    }
    if (const office::Status written = office::writeFile(args.value(u"output"_s), text); !written) {
        err << args.prefix() << written.reason().simplified() << '\n';
        return 2;
    }
    return 0;
}

} // namespace

teacher::TeacherCommand analyseCommand()
{
    return {
        .name = u"analyse"_s,
        .summary = QCoreApplication::translate(
            "AnalyseCommand",
            "Print the item analysis of a paper: how the test and each question worked."),
        .run = analyse,
        .options = {{u"paper"_s, u"NAME"_s,
                     QCoreApplication::translate("AnalyseCommand",
                                                 "The paper, as \"View achievement\" lists it."),
                     true},
                    {u"class"_s, u"NAME"_s,
                     QCoreApplication::translate(
                         "AnalyseCommand",
                         "A class to count in; again for more. Without it: every class with "
                         "records of the paper.")},
                    {u"format"_s,
                     u"json|csv"_s,
                     QCoreApplication::translate(
                         "AnalyseCommand",
                         "JSON with every figure (the default), or CSV with a row per question."),
                     false,
                     {u"json"_s, u"csv"_s}},
                    {u"output"_s, u"FILE"_s,
                     QCoreApplication::translate(
                         "AnalyseCommand",
                         "Write to FILE (a file there is replaced) instead of standard output.")}},
        .details = QCoreApplication::translate(
            "AnalyseCommand", "Counts the testees who have a score. Figures that need more testees "
                              "or questions than there are are null (JSON) or empty (CSV)."),
    };
}

} // namespace results
