// SPDX-License-Identifier: GPL-3.0-or-later
#include "export_results_command.h"

#include <QCoreApplication>

#include "results_model.h"
#include "results_workbook.h"

#include "office/output_file.h"
#include "office/template_source.h"

#include "store/roster.h"

using namespace Qt::StringLiterals;

namespace results {

namespace {

int exportResults(const store::DataRoot &root, const teacher::CommandArguments &args, QTextStream &,
                  QTextStream &err)
{
    const QString &me = args.prefix();
    ResultsModel model(root);
    model.open();
    const QString paper = store::findName(model.paperNames(), args.value(u"paper"_s));
    if (paper.isEmpty()) {
        err << me
            << QCoreApplication::translate("ExportResultsCommand", "there is no paper \"%1\"")
                   .arg(args.value(u"paper"_s).trimmed())
            << '\n';
        return 2;
    }
    const QString className = store::findName(model.classNames(), args.value(u"class"_s));
    if (className.isEmpty()) {
        err << me
            << QCoreApplication::translate("ExportResultsCommand", "there is no class \"%1\"")
                   .arg(args.value(u"class"_s).trimmed())
            << '\n';
        return 2;
    }
    QString templatePath = args.value(u"template"_s);
    if (templatePath.isEmpty()) {
        const office::Result<QString> found =
            office::TemplateSource(root).find(office::TemplateKind::Score);
        if (!found) {
            err << me << found.reason().simplified() << '\n';
            return 2;
        }
        templatePath = *found;
    }
    model.refreshResults(paper, className);
    const office::Result<QByteArray> workbook = ResultsWorkbook::build(model, templatePath);
    if (!workbook) {
        err << me << workbook.reason().simplified() << '\n';
        return 2;
    }
    if (const office::Status written = office::writeFile(args.value(u"output"_s), *workbook);
        !written) {
        err << me << written.reason().simplified() << '\n';
        return 2;
    }
    return 0;
}

} // namespace

teacher::TeacherCommand exportResultsCommand()
{
    return {
        .name = u"export-results"_s,
        .summary = QCoreApplication::translate(
            "ExportResultsCommand", "Write the results of a paper and class as a workbook."),
        .run = exportResults,
        .options =
            {{u"paper"_s, u"NAME"_s,
              QCoreApplication::translate("ExportResultsCommand",
                                          "The paper, as \"View achievement\" lists it."),
              true},
             {u"class"_s, u"NAME"_s,
              QCoreApplication::translate("ExportResultsCommand", "The class."), true},
             {u"output"_s, u"FILE.xlsx"_s,
              QCoreApplication::translate("ExportResultsCommand",
                                          "Where the workbook goes (a file there is replaced)."),
              true},
             {u"template"_s, u"FILE"_s,
              QCoreApplication::translate("ExportResultsCommand",
                                          "Fill FILE instead of the data root's sys/score.xltx.")}},
    };
}

} // namespace results
