// SPDX-License-Identifier: GPL-3.0-or-later
#include "results_command.h"

#include <QCoreApplication>

#include "results_model.h"

#include "store/roster.h"

using namespace Qt::StringLiterals;

namespace results {

namespace {

void writeRow(QTextStream &out, const QStringList &fields)
{
    QStringList quoted;
    quoted.reserve(fields.size());
    for (const QString &field : fields)
        quoted.append(csvField(field));
    out << quoted.join(u',') << '\n';
}

} // namespace

QString csvField(const QString &text)
{
    // A spreadsheet takes a cell that begins with one of these for a formula; a name a
    // student typed ("=HYPERLINK(...)") must stay text. A number ("-3") stays a number.
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    bool number = false;
    text.toDouble(&number);
    if (!text.isEmpty() && formulaStarts.contains(text.front()) && !number)
        return csvField(u'\'' + text);
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') &&
        !text.contains(u'\r'))
        return text;
    QString escaped = text;
    escaped.replace(u'"', QStringLiteral("\"\""));
    return u'"' + escaped + u'"';
}

namespace {

int printResults(const store::DataRoot &root, const teacher::CommandArguments &args,
                 QTextStream &out, QTextStream &err)
{
    ResultsModel model(root);
    model.open();
    const QString paper = store::findName(model.paperNames(), args.value(u"paper"_s));
    if (paper.isEmpty()) {
        err << args.prefix()
            << QCoreApplication::translate("ResultsCommand", "there is no paper \"%1\"")
                   .arg(args.value(u"paper"_s).trimmed())
            << '\n';
        return 2;
    }
    const QString className = store::findName(model.classNames(), args.value(u"class"_s));
    if (className.isEmpty()) {
        err << args.prefix()
            << QCoreApplication::translate("ResultsCommand", "there is no class \"%1\"")
                   .arg(args.value(u"class"_s).trimmed())
            << '\n';
        return 2;
    }
    model.refreshResults(paper, className);

    writeRow(out,
             {QStringLiteral("number"), QStringLiteral("first name"), QStringLiteral("last name"),
              QStringLiteral("score"), QStringLiteral("rank"), QStringLiteral("surplus time")});
    // As the window shows it: a testee without a score has no rank, though the
    // rank computation counts such rows as 0 to fill the class's places.
    for (const ResultRow &row : model.resultTable().rows())
        writeRow(out, {row.number, row.firstName, row.lastName, row.score,
                       row.score.isEmpty() ? QString() : row.rank, row.surplusTime});

    out << '\n';
    writeRow(out, {QStringLiteral("statistic"), QStringLiteral("value")});
    // Read by programs: the labels stay in English whatever the desktop speaks.
    for (const Statistic &pair : model.summary().statistics(ClassSummary::Labels::Data))
        writeRow(out, {pair.label, pair.value});

    out << '\n';
    writeRow(out, {QStringLiteral("question"), QStringLiteral("score pct"),
                   QStringLiteral("correct answer"), QStringLiteral("option 1"),
                   QStringLiteral("option 2"), QStringLiteral("option 3"),
                   QStringLiteral("option 4"), QStringLiteral("option 5")});
    for (const QuestionEntry &entry : model.questionTable().entries()) {
        QStringList fields{QString::number(entry.number), QString::number(entry.scorePercent),
                           entry.correctAnswer.toText()};
        for (qint64 count : entry.optionCounts)
            fields.append(QString::number(count));
        writeRow(out, fields);
    }
    out.flush();
    return 0;
}

} // namespace

teacher::TeacherCommand resultsCommand()
{
    return {
        .name = u"results"_s,
        .summary = QCoreApplication::translate("ResultsCommand",
                                               "Print the results of a paper and class as CSV."),
        .run = printResults,
        .options = {{u"paper"_s, u"NAME"_s,
                     QCoreApplication::translate("ResultsCommand",
                                                 "The paper, as \"View achievement\" lists it."),
                     true},
                    {u"class"_s, u"NAME"_s,
                     QCoreApplication::translate("ResultsCommand", "The class."), true}},
        .details = QCoreApplication::translate(
            "ResultsCommand",
            "Prints the testees in number order, the statistics and the questions."),
    };
}

} // namespace results
