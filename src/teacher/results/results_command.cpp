// SPDX-License-Identifier: GPL-3.0-or-later
#include "results_command.h"

#include "results_model.h"

#include "store/roster.h"

#include <cstdio>

namespace results {

namespace {

const QString commandName = QStringLiteral("results");
const QString usage =
    QStringLiteral("usage: teacher [--data-root DIR] results --paper NAME --class NAME");

// Index of the command word, or -1.
qsizetype commandIndex(const QStringList &arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &arg = arguments.at(i);
        if (arg == u"--data-root") {
            ++i;
            continue;
        }
        if (arg.startsWith(u"--data-root="))
            continue;
        return arg == commandName ? i : -1;
    }
    return -1;
}

std::optional<QString> findName(const QStringList &names, const QString &wanted)
{
    const QString name = wanted.trimmed();
    for (const QString &candidate : names) {
        if (candidate.compare(name, Qt::CaseInsensitive) == 0)
            return candidate;
    }
    return std::nullopt;
}

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

int runResultsCommand(const store::DataRoot &root, const QStringList &arguments, QTextStream &out,
                      QTextStream &err)
{
    const qsizetype start = commandIndex(arguments);
    std::optional<QString> paper;
    std::optional<QString> className;
    for (qsizetype i = start < 0 ? arguments.size() : start + 1; i < arguments.size(); ++i) {
        const QString &arg = arguments.at(i);
        std::optional<QString> *target = nullptr;
        QString value;
        for (std::optional<QString> *slot : {&paper, &className}) {
            const QString option =
                slot == &paper ? QStringLiteral("--paper") : QStringLiteral("--class");
            if (arg == option && i + 1 < arguments.size()) {
                target = slot;
                value = arguments.at(++i);
            } else if (arg.startsWith(option + u'=')) {
                target = slot;
                value = arg.mid(option.size() + 1);
            }
        }
        if (!target) {
            err << "teacher results: unexpected argument \"" << arg << "\"; " << usage << '\n';
            return 2;
        }
        *target = value;
    }
    if (start < 0 || !paper || !className) {
        err << usage << '\n';
        return 2;
    }

    ResultsModel model(root);
    model.open();
    const std::optional<QString> test = findName(model.testNames(), *paper);
    if (!test) {
        err << "teacher results: there is no paper \"" << paper->trimmed() << "\"\n";
        return 2;
    }
    const std::optional<QString> cls = findName(model.classNames(), *className);
    if (!cls) {
        err << "teacher results: there is no class \"" << className->trimmed() << "\"\n";
        return 2;
    }
    model.refreshResults(*test, *cls);

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
    for (const Statistic &pair : model.summary().statistics())
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

} // namespace results
