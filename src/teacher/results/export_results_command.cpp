// SPDX-License-Identifier: GPL-3.0-or-later
#include "export_results_command.h"

#include "results_model.h"
#include "results_workbook.h"

#include "office/output_file.h"
#include "office/template_source.h"

#include <QCommandLineParser>

namespace results {

namespace {

const QString commandName = QStringLiteral("export-results");
const QString usage = QStringLiteral("usage: teacher [--data-root DIR] export-results --paper NAME "
                                     "--class NAME --output FILE.xlsx [--template FILE]");

QString findName(const QStringList &names, const QString &wanted)
{
    for (const QString &name : names) {
        if (name.compare(wanted.trimmed(), Qt::CaseInsensitive) == 0)
            return name;
    }
    return {};
}

} // namespace

int runExportResultsCommand(const store::DataRoot &root, const QStringList &arguments,
                            QTextStream &, QTextStream &err)
{
    const QString me = QStringLiteral("teacher export-results: ");
    QCommandLineParser parser;
    const QCommandLineOption dataRoot(QStringLiteral("data-root"), QString(),
                                      QStringLiteral("DIR"));
    const QCommandLineOption paperOption(QStringLiteral("paper"), QString(),
                                         QStringLiteral("NAME"));
    const QCommandLineOption classOption(QStringLiteral("class"), QString(),
                                         QStringLiteral("NAME"));
    const QCommandLineOption output(QStringLiteral("output"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption templateOption(QStringLiteral("template"), QString(),
                                            QStringLiteral("FILE"));
    parser.addOptions({dataRoot, paperOption, classOption, output, templateOption});
    if (!parser.parse(arguments)) {
        err << me << parser.errorText() << "; " << usage << '\n';
        return 2;
    }
    if (parser.positionalArguments() != QStringList{commandName} || !parser.isSet(paperOption) ||
        !parser.isSet(classOption) || parser.value(output).isEmpty()) {
        err << usage << '\n';
        return 2;
    }

    ResultsModel model(root);
    model.open();
    const QString test = findName(model.testNames(), parser.value(paperOption));
    if (test.isEmpty()) {
        err << me << "there is no paper \"" << parser.value(paperOption).trimmed() << "\"\n";
        return 2;
    }
    const QString className = findName(model.classNames(), parser.value(classOption));
    if (className.isEmpty()) {
        err << me << "there is no class \"" << parser.value(classOption).trimmed() << "\"\n";
        return 2;
    }
    QString templatePath = parser.value(templateOption);
    if (templatePath.isEmpty()) {
        const office::Result<QString> found =
            office::TemplateSource(root).find(office::TemplateKind::Score);
        if (!found) {
            err << me << found.reason().simplified() << '\n';
            return 2;
        }
        templatePath = *found;
    }
    model.refreshResults(test, className);
    const office::Result<QByteArray> workbook = ResultsWorkbook::build(model, templatePath);
    if (!workbook) {
        err << me << workbook.reason().simplified() << '\n';
        return 2;
    }
    if (const office::Status written = office::writeFile(parser.value(output), *workbook);
        !written) {
        err << me << written.reason().simplified() << '\n';
        return 2;
    }
    return 0;
}

} // namespace results
