// SPDX-License-Identifier: GPL-3.0-or-later
#include "print_paper_command.h"

#include "paper_print.h"

#include "office/output_file.h"
#include "office/template_source.h"
#include "store/roster.h"

#include <QCommandLineParser>

namespace papers {

namespace {

const QString commandName = QStringLiteral("print-paper");
const QString usage = QStringLiteral(
    "usage: teacher [--data-root DIR] print-paper --paper NAME [--explanations] --output "
    "FILE.docx [--template FILE]");

// Messages are one line: a reason that spans lines is joined up.
QString oneLine(const QString &text)
{
    return text.simplified();
}

} // namespace

int runPrintPaperCommand(const store::DataRoot &root, const QStringList &arguments, QTextStream &,
                         QTextStream &err)
{
    const QString me = QStringLiteral("teacher print-paper: ");
    QCommandLineParser parser;
    const QCommandLineOption dataRoot(QStringLiteral("data-root"), QString(),
                                      QStringLiteral("DIR"));
    const QCommandLineOption paperOption(QStringLiteral("paper"), QString(),
                                         QStringLiteral("NAME"));
    const QCommandLineOption explanations(QStringLiteral("explanations"));
    const QCommandLineOption output(QStringLiteral("output"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption templateOption(QStringLiteral("template"), QString(),
                                            QStringLiteral("FILE"));
    parser.addOptions({dataRoot, paperOption, explanations, output, templateOption});
    if (!parser.parse(arguments)) {
        err << me << parser.errorText() << "; " << usage << '\n';
        return 2;
    }
    if (parser.positionalArguments() != QStringList{commandName} || !parser.isSet(paperOption) ||
        !parser.isSet(output) || parser.value(output).isEmpty()) {
        err << usage << '\n';
        return 2;
    }

    const QString wanted = parser.value(paperOption).trimmed();
    QString paper;
    for (const QString &name : store::Roster(root).read().paperNames()) {
        if (name.compare(wanted, Qt::CaseInsensitive) == 0)
            paper = name;
    }
    if (paper.isEmpty()) {
        err << me << "there is no paper \"" << wanted << "\"\n";
        return 2;
    }

    QString templatePath = parser.value(templateOption);
    if (templatePath.isEmpty()) {
        const office::Result<QString> found =
            office::TemplateSource(root).find(office::TemplateKind::Paper);
        if (!found) {
            err << me << oneLine(found.reason()) << '\n';
            return 2;
        }
        templatePath = *found;
    }
    // The row as "Manage paper" shows it on opening: every setting from the paper file.
    const store::PaperSettings row = store::PaperFile(root.paperFile(paper)).readPaperSettings();
    const office::Result<QByteArray> document = PaperPrint::build(
        root, paper, row, parser.isSet(explanations) ? Explanations::Print : Explanations::Leave,
        templatePath);
    if (!document) {
        err << me << oneLine(document.reason()) << '\n';
        return 2;
    }
    if (const office::Status written = office::writeFile(parser.value(output), *document);
        !written) {
        err << me << oneLine(written.reason()) << '\n';
        return 2;
    }
    return 0;
}

} // namespace papers
