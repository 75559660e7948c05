// Draws the "View achievement" window over a class of 30 (finished, running and
// never-started testees) into a PNG, for the documentation.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "root_builder.h"
#include "teacher/results/analysis_window.h"
#include "teacher/results/results_window.h"

#include "scripted_prompts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QListWidget>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTabWidget>
#include <QTest>
#include <QTextStream>
#include <random>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() < 2) {
        QTextStream(stderr) << "usage: results_screenshot OUT.png\n";
        return 2;
    }
    QTemporaryDir dir;
    testing::RootBuilder fixture(dir.path());
    const QString paper = QStringLiteral("Unit 3 test");
    const QString className = QStringLiteral("三年级2班");
    QStringList answers;
    for (const char *a : {"13", "2", "4", "124", "3", "1", "25", "3", "14", "2"})
        answers.append(QString::fromLatin1(a));
    fixture.keyedPaper(paper, answers, testing::Documents::Written);
    fixture.keyedPaper(QStringLiteral("Unit 2 test"), answers);
    fixture.classes({{className, 30, 1, 30}});
    fixture.classes({{QStringLiteral("三年级1班"), 28, 1, 28}});

    const QString family = QStringLiteral("王李张刘陈杨赵黄周吴");
    const QString given = QStringLiteral("伟芳娜敏静磊洋艳勇军杰娟");
    std::minstd_rand random(2024);
    for (int n = 1; n <= 30; ++n) {
        if (n % 9 == 0)
            continue; // never started
        QList<int> chosen;
        int right = 0;
        for (int q = 0; q < 10; ++q) {
            const bool ok = random() % 10 < 7;
            const int code = ok ? answers.at(q).toInt() : int(random() % 6);
            chosen.append(code);
            right += code == answers.at(q).toInt() ? 1 : 0;
        }
        const QString first = QString(family.at(n % 10)) + given.at(n % 12);
        if (n % 7 == 0) {
            fixture.start(paper, className, n, first, {}, chosen);
            continue;
        }
        fixture.finish(paper, className, n, first, {}, QString::number(right * 10),
                       QStringLiteral("00:%1:%2")
                           .arg(n % 20, 2, 10, QChar(u'0'))
                           .arg(n * 7 % 60, 2, 10, QChar(u'0')),
                       chosen);
    }

    // A second class for the comparison of the analysis.
    for (int n = 1; n <= 24; ++n) {
        QList<int> chosen;
        int right = 0;
        for (int q = 0; q < 10; ++q) {
            const bool ok = int(random() % 10) < 4 + n % 5;
            const int code = ok ? answers.at(q).toInt() : int(random() % 6);
            chosen.append(code);
            right += code == answers.at(q).toInt() ? 1 : 0;
        }
        fixture.finish(paper, QStringLiteral("三年级1班"), n,
                       QString(family.at(n % 10)) + given.at(n % 11), {},
                       QString::number(right * 10), QStringLiteral("00:05:00"), chosen);
    }

    testing::ScriptedPrompts prompts;
    results::ResultsWindow window(fixture.root(), prompts, [] {}, {});
    QSignalSpy refreshed(&window, &results::ResultsWindow::refreshed);
    window.show();
    if (refreshed.isEmpty() && !refreshed.wait(10000))
        return 1;
    window.findChild<QAbstractButton *>(QStringLiteral("Cmd_score"))->click();
    window.findChild<QListWidget *>(QStringLiteral("List1"))->setCurrentRow(3);
    window.findChild<QListWidget *>(QStringLiteral("List_question"))->setCurrentRow(3);
    QApplication::processEvents();
    QTest::qWait(300);
    if (!window.grab().save(arguments.at(1)))
        return 1;
    if (arguments.size() < 4)
        return 0;
    // The item analysis, then its classes side by side.
    results::AnalysisWindow *analysis = window.openAnalysis();
    analysis->chooseQuestion(4);
    QTest::qWait(300);
    if (!analysis->grab().save(arguments.at(2)))
        return 1;
    analysis->setClassTicked(QStringLiteral("三年级1班"), true);
    analysis->findChild<QTabWidget *>(QStringLiteral("Tabs"))->setCurrentIndex(1);
    QTest::qWait(300);
    return analysis->grab().save(arguments.at(3)) ? 0 : 1;
}
