// SPDX-License-Identifier: GPL-3.0-or-later
#include "print_paper_command.h"

#include <QCoreApplication>

#include "paper_print.h"

#include "office/output_file.h"
#include "office/template_source.h"
#include "store/roster.h"

using namespace Qt::StringLiterals;

namespace papers {

namespace {

// Messages are one line: a reason that spans lines is joined up.
QString oneLine(const QString &text)
{
    return text.simplified();
}

int printPaper(const store::DataRoot &root, const teacher::CommandArguments &args, QTextStream &,
               QTextStream &err)
{
    const QString &me = args.prefix();
    const QString paper = store::Roster(root).read().findPaper(args.value(u"paper"_s));
    if (paper.isEmpty()) {
        err << me
            << QCoreApplication::translate("PrintPaperCommand", "there is no paper \"%1\"")
                   .arg(args.value(u"paper"_s).trimmed())
            << '\n';
        return 2;
    }

    QString templatePath = args.value(u"template"_s);
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
        root, paper, row, args.isSet(u"explanations"_s) ? Explanations::Print : Explanations::Leave,
        templatePath);
    if (!document) {
        err << me << oneLine(document.reason()) << '\n';
        return 2;
    }
    if (const office::Status written = office::writeFile(args.value(u"output"_s), *document);
        !written) {
        err << me << oneLine(written.reason()) << '\n';
        return 2;
    }
    return 0;
}

} // namespace

teacher::TeacherCommand printPaperCommand()
{
    return {
        .name = u"print-paper"_s,
        .summary =
            QCoreApplication::translate("PrintPaperCommand", "Write a paper as a Word document."),
        .run = printPaper,
        .options =
            {{u"paper"_s, u"NAME"_s,
              QCoreApplication::translate("PrintPaperCommand",
                                          "The paper, as \"Manage paper\" lists it."),
              true},
             {u"explanations"_s,
              {},
              QCoreApplication::translate("PrintPaperCommand",
                                          "Print each question's explanation after it.")},
             {u"output"_s, u"FILE.docx"_s,
              QCoreApplication::translate("PrintPaperCommand",
                                          "Where the document goes (a file there is replaced)."),
              true},
             {u"template"_s, u"FILE"_s,
              QCoreApplication::translate("PrintPaperCommand",
                                          "Fill FILE instead of the data root's sys/paper.dotx.")}},
        .details = QCoreApplication::translate(
            "PrintPaperCommand", "The paper's row is as \"Manage paper\" shows it on opening."),
    };
}

} // namespace papers
