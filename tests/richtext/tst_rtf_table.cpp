// Tests of RTF tables: the document, its plain text and its Word content read the same
// rows and cells from ordinary, odd and hostile tables, and stay within the cell limit.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "rtf_fixtures.h"

#include "office/word_content.h"
#include "richtext/plain_text.h"
#include "richtext/rtf_table.h"

#include <QTest>
#include <QTextTable>
#include <pugixml.hpp>

namespace {

// A table as "[columns:cell|cell;cell]": rows split by ";", cells by "|", the paragraphs of
// a cell by "/". Empty cells at the end of a row are left out, since a Word row may end
// before the grid does.
QString tableShape(int columns, const QList<QStringList> &rows)
{
    QStringList shown;
    for (QStringList cells : rows) {
        while (!cells.isEmpty() && cells.last().isEmpty())
            cells.removeLast();
        shown.append(cells.join(u'|'));
    }
    return QStringLiteral("[%1:%2]").arg(columns).arg(shown.join(u';'));
}

// Non-empty paragraphs and tables, in order. Empty paragraphs are left out: a document
// holds one before and after every table, Word content only where the RTF has one.
QStringList documentShape(const QTextDocument &document)
{
    QStringList shape;
    for (auto it = document.rootFrame()->begin(); !it.atEnd(); ++it) {
        if (auto *table = qobject_cast<QTextTable *>(it.currentFrame())) {
            QList<QStringList> rows;
            for (int r = 0; r < table->rows(); ++r) {
                QStringList cells;
                for (int c = 0; c < table->columns(); ++c) {
                    QStringList lines;
                    const QTextTableCell cell = table->cellAt(r, c);
                    for (auto block = cell.begin(); !block.atEnd(); ++block)
                        lines.append(block.currentBlock().text());
                    cells.append(lines.join(u'/'));
                }
                rows.append(cells);
            }
            shape.append(tableShape(table->columns(), rows));
        } else if (!it.currentBlock().text().isEmpty()) {
            shape.append(it.currentBlock().text());
        }
    }
    return shape;
}

QString paragraphText(pugi::xml_node paragraph)
{
    QString text;
    for (pugi::xpath_node t : paragraph.select_nodes(".//w:t"))
        text += QString::fromUtf8(t.node().text().get());
    return text;
}

QStringList wordShape(const office::WordContent &content)
{
    QStringList shape;
    for (pugi::xml_node block : content.blocks().children()) {
        if (QLatin1StringView(block.name()) == u"w:tbl") {
            QList<QStringList> rows;
            int columns = 0;
            for (pugi::xml_node tr : block.children("w:tr")) {
                QStringList cells;
                for (pugi::xml_node tc : tr.children("w:tc")) {
                    QStringList lines;
                    for (pugi::xml_node p : tc.children("w:p"))
                        lines.append(paragraphText(p));
                    cells.append(lines.join(u'/'));
                }
                columns = std::max(columns, int(cells.size()));
                rows.append(cells);
            }
            shape.append(tableShape(columns, rows));
        } else if (const QString text = paragraphText(block); !text.isEmpty()) {
            shape.append(text);
        }
    }
    return shape;
}

QByteArray edges(int count)
{
    QByteArray rtf = "\\trowd";
    for (int i = 1; i <= count; ++i)
        rtf += "\\cellx" + QByteArray::number(i * 100);
    return rtf;
}

// Cells named c<from>..c<to>, each ended by \cell, and their names as a row of a shape.
QByteArray namedCells(int from, int to)
{
    QByteArray rtf;
    for (int i = from; i <= to; ++i)
        rtf += "c" + QByteArray::number(i) + "\\cell ";
    return rtf;
}

QStringList cellNames(int from, int to)
{
    QStringList names;
    for (int i = from; i <= to; ++i)
        names.append(QStringLiteral("c%1").arg(i));
    return names;
}

} // namespace

class TestRtfTable : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void outputsAgree_data();
    void outputsAgree();
};

void TestRtfTable::outputsAgree_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QStringList>("shape");

    const QString t = QStringLiteral("[%1:%2]");
    QTest::newRow("two rows") << QByteArray(edges(2) + "\\intbl a\\cell b\\cell\\row" + edges(2) +
                                            "\\intbl c\\cell d\\cell\\row\\pard after\\par")
                              << QStringList{t.arg(2).arg(QStringLiteral("a|b;c|d")),
                                             QStringLiteral("after")};
    QTest::newRow("paragraphs in a cell")
        << QByteArray(edges(2) + "\\intbl a\\par b\\cell\\cell\\row")
        << QStringList{t.arg(2).arg(QStringLiteral("a/b"))};
    QTest::newRow("two tables") << QByteArray(edges(1) + "\\intbl a\\cell\\row\\pard b\\par" +
                                              edges(1) + "\\intbl c\\cell\\row")
                                << QStringList{t.arg(1).arg(QStringLiteral("a")),
                                               QStringLiteral("b"),
                                               t.arg(1).arg(QStringLiteral("c"))};
    QTest::newRow("row without cellx") << QByteArray("\\intbl a\\cell b\\cell c\\cell\\row")
                                       << QStringList{t.arg(3).arg(QStringLiteral("a|b|c"))};
    QTest::newRow("fewer cells than cellx") << QByteArray(edges(3) + "\\intbl a\\cell\\row")
                                            << QStringList{t.arg(3).arg(QStringLiteral("a"))};
    QTest::newRow("more cells than cellx")
        << QByteArray(edges(1) + "\\intbl a\\cell\\row" + "\\intbl b\\cell c\\cell\\row")
        << QStringList{t.arg(2).arg(QStringLiteral("a;b|c"))};
    QTest::newRow("a later row defines more cells")
        << QByteArray(edges(1) + "\\intbl a\\cell\\row" + edges(3) + "\\intbl b\\cell\\row")
        << QStringList{t.arg(3).arg(QStringLiteral("a;b"))};
    QTest::newRow("cell outside a table")
        << QByteArray("a\\cell b")
        << QStringList{QStringLiteral("a"), t.arg(1).arg(QString()), QStringLiteral("b")};
    QTest::newRow("row outside a table")
        << QByteArray("a\\row b") << QStringList{QStringLiteral("ab")};
    QTest::newRow("intbl in the middle of a paragraph")
        << QByteArray("a\\intbl b\\cell\\row")
        << QStringList{QStringLiteral("a"), t.arg(1).arg(QStringLiteral("b"))};
    QTest::newRow("row without row end")
        << QByteArray(edges(1) + "\\intbl a\\pard b")
        << QStringList{t.arg(1).arg(QStringLiteral("a")), QStringLiteral("b")};
    QTest::newRow("table at the end without a row end")
        << QByteArray(edges(2) + "\\intbl a\\cell b")
        << QStringList{t.arg(2).arg(QStringLiteral("a|b"))};

    // Cells beyond the 63rd go into the last cell, each a paragraph of its own there; an
    // empty one leaves an empty paragraph only until text comes.
    QTest::newRow("70 cells in a row")
        << QByteArray(edges(70) + "\\intbl " + namedCells(1, 70) + "\\row")
        << QStringList{
               t.arg(63).arg(cellNames(1, 62).join(u'|') + u'|' + cellNames(63, 70).join(u'/'))};
    QTest::newRow("empty cells beyond the last")
        << QByteArray(edges(63) + "\\intbl " + namedCells(1, 62) + "\\cell\\cell x\\cell\\cell y" +
                      "\\cell\\cell\\row")
        << QStringList{t.arg(63).arg(cellNames(1, 62).join(u'|') + QStringLiteral("|x/y/"))};

    // The limit counts the grid, rows times columns: a row that does not fit ends the table,
    // a table that fits in what is left may still start, and past that cells are paragraphs.
    const int wide = richtext::RtfTable::maxCells / 63;
    QByteArray limit = edges(63) + "\\intbl " + QByteArray("h\\cell ").repeated(63) + "\\row";
    limit += QByteArray("\\intbl x\\cell\\row").repeated(wide + 2);
    limit += edges(1) + QByteArray("\\intbl y\\cell\\row").repeated(richtext::RtfTable::maxCells);
    QStringList rows{QStringList(63, QStringLiteral("h")).join(u'|')};
    rows += QStringList(wide - 1, QStringLiteral("x"));
    QStringList shape{t.arg(63).arg(rows.join(u';'))};
    shape += QStringList(3, QStringLiteral("x"));
    const int left = richtext::RtfTable::maxCells - wide * 63;
    shape.append(t.arg(1).arg(QStringList(left, QStringLiteral("y")).join(u';')));
    shape += QStringList(richtext::RtfTable::maxCells - left, QStringLiteral("y"));
    QTest::newRow("cell limit") << limit << shape;
}

void TestRtfTable::outputsAgree()
{
    QFETCH(QByteArray, body);
    QFETCH(QStringList, shape);
    const QByteArray rtf = "{\\rtf1\\ansi " + body + "}";

    const auto document = fixtures::read(rtf);
    office::WordContent word;
    word.appendRtf(rtf);
    QCOMPARE(documentShape(*document), shape);
    QCOMPARE(wordShape(word), shape);
    QCOMPARE(richtext::plainText(rtf), richtext::plainText(*document));

    qint64 cells = 0;
    for (QTextFrame *frame : document->rootFrame()->childFrames()) {
        if (auto *table = qobject_cast<QTextTable *>(frame)) {
            QVERIFY(table->columns() <= richtext::RtfTable::maxColumns);
            cells += qint64(table->rows()) * table->columns();
        }
    }
    QVERIFY(cells <= richtext::RtfTable::maxCells);
}

QTEST_MAIN(TestRtfTable)
#include "tst_rtf_table.moc"
