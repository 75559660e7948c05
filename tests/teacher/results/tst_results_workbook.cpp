// The results workbook: exactly the cells, values, types and order of the four
// worksheets, whatever the window shows, and "Output to EXCEL" as the teacher meets
// it, from the button that waits for the first refresh to the messages.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "office_fixtures.h"
#include "root_builder.h"
#include "test_files.h"

#include "office/xlsx_template.h"
#include "teacher/results/excel_output.h"
#include "teacher/results/results_window.h"
#include "teacher/results/results_workbook.h"
#include "fixed_clock.h"
#include "scripted_prompts.h"

#include <QDir>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace results;
using office::CellAddress;
using office::XlsxTemplate;

namespace {

const QString maths = QStringLiteral("Maths");
const QString a1 = QStringLiteral("A1");
const QString shippedTemplate = QStringLiteral(QUORIN_SOURCE_DIR "/data/sys/score.xltx");

// Class A1 counts 3 students numbered 1 to 5; testee 3 is still in the test, 4 and
// 5 are beyond the count. Question 3 has no answer set and nobody answered it.
void writeClass(testing::RootBuilder &fixture)
{
    fixture.keyedPaper(maths, {QStringLiteral("13"), QStringLiteral("2"), QString()});
    fixture.classes({{a1, 3, 1, 5}});
    fixture.finish(maths, a1, 1, QStringLiteral("=Li"), QStringLiteral("Ming"),
                   QStringLiteral("60"), QStringLiteral("00:05:12"), {13, 2, 0});
    fixture.finish(maths, a1, 2, QStringLiteral("张三"), {}, QStringLiteral("95"),
                   QStringLiteral("00:00:00"), {13, 14, 0});
    fixture.start(maths, a1, 3, QStringLiteral("Wang"), {}, {1, 2});
    fixture.finish(maths, a1, 4, QStringLiteral("Four"), {}, QStringLiteral("99"),
                   QStringLiteral("00:01:00"), {13, 2, 0});
}

XlsxTemplate written(const QByteArray &bytes)
{
    office::Result<XlsxTemplate> book = XlsxTemplate::fromBytes(bytes);
    if (!book)
        qFatal("workbook does not open: %s", qPrintable(book.reason()));
    return std::move(*book);
}

// The cells of one row from column 1 to `columns`, "" for an empty one.
QStringList rowOf(const XlsxTemplate &book, int sheet, int row, int columns)
{
    QStringList cells;
    for (int column = 1; column <= columns; ++column)
        cells.append(book.cellText(sheet, CellAddress{row, column}));
    return cells;
}

// The type of a written cell: "inlineStr" for text, "" for a number, "absent".
QString typeOf(const QByteArray &workbook, int sheet, const char *reference,
               const char *attribute = "t")
{
    const office::Package package = testing::parts(workbook);
    const auto xml =
        testing::xmlPart(package, QStringLiteral("xl/worksheets/sheet%1.xml").arg(sheet));
    const pugi::xml_node c =
        xml->document_element().child("sheetData").find_node([&](const pugi::xml_node &n) {
            return std::strcmp(n.name(), "c") == 0 &&
                   std::strcmp(n.attribute("r").value(), reference) == 0;
        });
    return c ? QString::fromUtf8(c.attribute(attribute).value()) : QStringLiteral("absent");
}

} // namespace

class TestResultsWorkbook : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void cellsOfTheFourSheets();
    void sortedWindowStillExportsNumberOrder();
    void classWithoutScores();
    void templateWithTooFewSheets();
    void exportMakesNewWorkbooks();
    void exportFailureSaysWhy();
    void buttonWaitsForFirstRefresh();

private:
    std::unique_ptr<testing::RootBuilder> m_fixture;
    QByteArray build(const ResultsModel &model, const QString &templatePath = shippedTemplate)
    {
        const office::Result<QByteArray> bytes = ResultsWorkbook::build(model, templatePath);
        if (!bytes)
            qWarning("%s", qPrintable(bytes.reason()));
        return bytes ? *bytes : QByteArray();
    }
    ResultsModel refreshed()
    {
        ResultsModel model(m_fixture->root());
        model.open();
        model.refreshResults(maths, a1);
        return model;
    }
};

void TestResultsWorkbook::init()
{
    m_fixture = std::make_unique<testing::RootBuilder>();
}

void TestResultsWorkbook::cleanup()
{
    m_fixture.reset();
}

void TestResultsWorkbook::cellsOfTheFourSheets()
{
    writeClass(*m_fixture);
    const ResultsModel model = refreshed();
    const QByteArray bytes = build(model);
    const XlsxTemplate book = written(bytes);

    // 1: testees 1..S in number order; a testee in the test has neither score nor rank.
    QCOMPARE(book.cellText(1, CellAddress{2, 2}), maths);
    QCOMPARE(book.cellText(1, CellAddress{1, 5}), a1);
    QCOMPARE(rowOf(book, 1, 6, 6),
             (QStringList{QStringLiteral("1"), QStringLiteral("=Li"), QStringLiteral("Ming"),
                          QStringLiteral("60"), QStringLiteral("3"), QStringLiteral("00:05:12")}));
    QCOMPARE(rowOf(book, 1, 7, 6),
             (QStringList{QStringLiteral("2"), QStringLiteral("张三"), QString(),
                          QStringLiteral("95"), QStringLiteral("2"), QStringLiteral("00:00:00")}));
    QCOMPARE(rowOf(book, 1, 8, 6), (QStringList{QStringLiteral("3"), QStringLiteral("Wang"),
                                                QString(), QString(), QString(), QString()}));
    QCOMPARE(rowOf(book, 1, 9, 6), QStringList(6));
    // Numbers, as the spreadsheet would have made of them, so that they sort and sum;
    // names and times stay text.
    QCOMPARE(typeOf(bytes, 1, "A6"), QString());
    QCOMPARE(typeOf(bytes, 1, "D6"), QString());
    QCOMPARE(typeOf(bytes, 1, "E6"), QString());
    QCOMPARE(typeOf(bytes, 1, "B6"), QStringLiteral("inlineStr")); // "=Li" is a name, not a formula
    QCOMPARE(typeOf(bytes, 1, "F6"), QStringLiteral("inlineStr"));
    QCOMPARE(typeOf(bytes, 1, "D8"), QStringLiteral("inlineStr")); // no score yet: empty text

    // 2: statistics as numbers.
    QCOMPARE(book.cellText(2, CellAddress{1, 2}), a1);
    QCOMPARE(book.cellText(2, CellAddress{2, 2}), maths);
    QStringList statistics;
    for (int row = 6; row <= 22; ++row)
        statistics.append(book.cellText(2, CellAddress{row, 2}));
    // Testee 4 lies beyond the class's count but within its numbers: the statistics
    // count the score, the workbook lists no row of it.
    QCOMPARE(
        statistics,
        (QStringList{QStringLiteral("84.6666666666667"), QStringLiteral("99"), QStringLiteral("60"),
                     QStringLiteral("3"), QStringLiteral("254"), QStringLiteral("2"),
                     QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("1"),
                     QStringLiteral("0"), QStringLiteral("3"), QStringLiteral("66.6666666666667"),
                     QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("33.3333333333333"),
                     QStringLiteral("0"), QStringLiteral("100")}));
    QCOMPARE(typeOf(bytes, 2, "B6"), QString());
    QCOMPARE(typeOf(bytes, 2, "B10"), QString());
    QCOMPARE(typeOf(bytes, 2, "B1"), QStringLiteral("inlineStr")); // the class name

    // 3: the questions as numbers; nobody answered the third.
    QCOMPARE(book.cellText(3, CellAddress{1, 6}), a1);
    QCOMPARE(rowOf(book, 3, 6, 8),
             (QStringList{QStringLiteral("1"), QStringLiteral("13"), QStringLiteral("100"),
                          QStringLiteral("4"), QStringLiteral("0"), QStringLiteral("3"),
                          QStringLiteral("0"), QStringLiteral("0")}));
    QCOMPARE(rowOf(book, 3, 8, 8),
             (QStringList{QStringLiteral("3"), QStringLiteral("0"), QStringLiteral("0"),
                          QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"),
                          QStringLiteral("0"), QStringLiteral("0")}));
    QCOMPARE(typeOf(bytes, 3, "C6"), QString());
    QCOMPARE(rowOf(book, 3, 9, 8), QStringList(8));

    // 4: the answers of testees with a score only.
    QCOMPARE(rowOf(book, 4, 5, 6),
             (QStringList{QStringLiteral("Number"), QStringLiteral("First name"),
                          QStringLiteral("Last name"), QStringLiteral("NO 1"),
                          QStringLiteral("NO 2"), QStringLiteral("NO 3")}));
    QCOMPARE(rowOf(book, 4, 6, 6),
             (QStringList{QStringLiteral("1"), QStringLiteral("=Li"), QStringLiteral("Ming"),
                          QStringLiteral("13"), QStringLiteral("2"), QStringLiteral("0")}));
    QCOMPARE(rowOf(book, 4, 8, 6), (QStringList{QStringLiteral("3"), QStringLiteral("Wang"),
                                                QString(), QString(), QString(), QString()}));
    QCOMPARE(typeOf(bytes, 4, "D8"), QStringLiteral("absent"));
    QCOMPARE(typeOf(bytes, 4, "E7"), QString());
    QCOMPARE(rowOf(book, 4, 9, 4), QStringList(4));
    // The question headings look like the others, and the testees print on every page.
    QCOMPARE(typeOf(bytes, 4, "F5", "s"), typeOf(bytes, 4, "A5", "s"));
    const auto workbook =
        testing::xmlPart(testing::parts(bytes), QStringLiteral("xl/workbook.xml"));
    const pugi::xml_node titles =
        workbook->document_element().child("definedNames").find_child([](const pugi::xml_node &n) {
            return std::strcmp(n.attribute("localSheetId").value(), "3") == 0;
        });
    QCOMPARE(QString::fromUtf8(titles.text().get()), QStringLiteral("Answers!$A:$C,Answers!$1:$5"));
}

void TestResultsWorkbook::sortedWindowStillExportsNumberOrder()
{
    writeClass(*m_fixture);
    ResultsModel model = refreshed();
    const QByteArray before = build(model);
    model.sortTestees(TesteeColumn::Score);
    model.sortQuestions(QuestionColumn::ScorePercent);
    QVERIFY(model.testeeOrder().first() != 1);
    const XlsxTemplate after = written(build(model));
    const XlsxTemplate first = written(before);
    for (int sheet = 1; sheet <= 4; ++sheet) {
        for (int row = 1; row <= 9; ++row)
            QCOMPARE(rowOf(after, sheet, row, 8), rowOf(first, sheet, row, 8));
    }
}

void TestResultsWorkbook::classWithoutScores()
{
    m_fixture->keyedPaper(maths, {QStringLiteral("1")});
    m_fixture->classes({{a1, 2, 1, 2}});
    // The template's own text in the cells of the average and the percentages stays.
    const QByteArray bytes =
        build(refreshed(), QStringLiteral(QUORIN_TEST_DATA "/office/lo_score.xltx"));
    const XlsxTemplate book = written(bytes);
    QCOMPARE(typeOf(bytes, 2, "B6"), QStringLiteral("absent"));
    for (int row = 17; row <= 22; ++row)
        QCOMPARE(book.cellText(2, CellAddress{row, 2}), QString());
    QCOMPARE(book.cellText(2, CellAddress{8, 2}), QStringLiteral("0"));
    QCOMPARE(book.cellText(2, CellAddress{9, 2}), QStringLiteral("0"));
}

void TestResultsWorkbook::templateWithTooFewSheets()
{
    writeClass(*m_fixture);
    testing::writeBytes(
        m_fixture->path() + QStringLiteral("/three.xltx"),
        testing::workbookTemplate({QStringLiteral("<sheetData/>"), QStringLiteral("<sheetData/>"),
                                   QStringLiteral("<sheetData/>")}));
    const office::Result<QByteArray> bytes =
        ResultsWorkbook::build(refreshed(), m_fixture->path() + QStringLiteral("/three.xltx"));
    QVERIFY(!bytes);
    QCOMPARE(bytes.reason(), QStringLiteral("The template has 3 worksheets; it needs 4 (testees, "
                                            "statistics, questions, answers)."));
}

void TestResultsWorkbook::exportMakesNewWorkbooks()
{
    writeClass(*m_fixture);
    QFile::copy(shippedTemplate, m_fixture->path() + QStringLiteral("/sys/score.xltx"));
    testing::ScriptedPrompts prompts;
    testing::FixedClock clock{QDateTime(QDate(2024, 5, 1), QTime(9, 30))};
    QStringList opened;
    office::Delivery delivery;
    delivery.folder = m_fixture->path() + QStringLiteral("/Documents/Quorin");
    delivery.open = [&](const QString &path) {
        opened.append(path);
        return true;
    };
    ExcelOutput output(m_fixture->root(), prompts, clock, delivery);
    const ResultsModel model = refreshed();
    output.exportResults(model);
    output.exportResults(model);
    const QString first = delivery.folder + QStringLiteral("/Maths A1 2024-05-01 09.30.xlsx");
    const QString second = delivery.folder + QStringLiteral("/Maths A1 2024-05-01 09.30 (2).xlsx");
    QCOMPARE(opened, (QStringList{first, second}));
    QCOMPARE(prompts.messages(),
             (QStringList{QStringLiteral("The operation succeed!\n\nThe workbook is ") + first,
                          QStringLiteral("The operation succeed!\n\nThe workbook is ") + second}));
    QCOMPARE(written(testing::readBytes(second)).cellText(1, CellAddress{7, 2}),
             QStringLiteral("张三"));
}

void TestResultsWorkbook::exportFailureSaysWhy()
{
    writeClass(*m_fixture);
    testing::ScriptedPrompts prompts;
    testing::FixedClock clock{QDateTime(QDate(2024, 5, 1), QTime(9, 30))};
    office::Delivery delivery;
    delivery.folder = m_fixture->path() + QStringLiteral("/out");
    ExcelOutput output(m_fixture->root(), prompts, clock, delivery);
    output.exportResults(ResultsModel(m_fixture->root()));
    output.exportResults(refreshed());
    const QStringList messages = prompts.messages();
    QCOMPARE(messages.size(), 2);
    QCOMPARE(messages.at(0), QStringLiteral("The function will be operated with EXCEL.\n\n"
                                            "The results have not been read yet."));
    QVERIFY2(
        messages.at(1).startsWith(QStringLiteral("The function will be operated with EXCEL.\n\n"
                                                 "There is no template ")),
        qPrintable(messages.at(1)));
    QVERIFY(!QDir(delivery.folder).exists());
}

void TestResultsWorkbook::buttonWaitsForFirstRefresh()
{
    writeClass(*m_fixture);
    QFile::copy(shippedTemplate, m_fixture->path() + QStringLiteral("/sys/score.xltx"));
    testing::ScriptedPrompts prompts;
    ResultsWindow window(m_fixture->root(), prompts, {}, {});
    QStringList opened;
    office::Delivery delivery;
    delivery.folder = m_fixture->path() + QStringLiteral("/out");
    delivery.open = [&](const QString &path) {
        opened.append(path);
        return true;
    };
    window.setDelivery(delivery);
    auto *button = window.findChild<QPushButton *>(QStringLiteral("Cmd_excel"));
    QVERIFY(button);
    QCOMPARE(button->text(), QStringLiteral("Output to EXCEL"));
    QCOMPARE(button->accessibleName(), QStringLiteral("Output to EXCEL"));
    QVERIFY(!button->isEnabled());
    QSignalSpy refreshed(&window, &ResultsWindow::refreshed);
    window.show();
    if (refreshed.isEmpty())
        QVERIFY(refreshed.wait(5000));
    QVERIFY(button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(opened.size(), 1);
    QVERIFY(prompts.messages().constLast().startsWith(QStringLiteral("The operation succeed!")));
}

QTEST_MAIN(TestResultsWorkbook)
#include "tst_results_workbook.moc"
