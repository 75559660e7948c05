// The spreadsheet template engine: addresses, cells in order, styles kept, text that
// stays text, the finished workbook, and templates that are damaged or made to hurt.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "office_fixtures.h"

#include "office/xlsx_template.h"

#include <QTest>

using office::CellAddress;
using office::XlsxTemplate;

Q_DECLARE_METATYPE(office::CellAddress)

namespace {

XlsxTemplate openTemplate(const QByteArray &bytes)
{
    office::Result<XlsxTemplate> opened = XlsxTemplate::fromBytes(bytes);
    if (!opened)
        qFatal("template does not open: %s", qPrintable(opened.reason()));
    return std::move(*opened);
}

std::unique_ptr<pugi::xml_document> writtenSheet(XlsxTemplate &book, int sheet,
                                                 office::Package *keep = nullptr)
{
    office::Result<QByteArray> bytes = book.toBytes();
    if (!bytes)
        qFatal("workbook not written: %s", qPrintable(bytes.reason()));
    office::Package package = testing::parts(*bytes);
    auto xml = testing::xmlPart(package, QStringLiteral("xl/worksheets/sheet%1.xml").arg(sheet));
    if (keep)
        *keep = std::move(package);
    return xml;
}

// "A5 B5 | C6": the cell references of each row, in file order.
QString layout(const pugi::xml_document &sheet)
{
    QStringList rows;
    for (pugi::xml_node row : sheet.document_element().child("sheetData").children("row")) {
        QStringList cells;
        for (pugi::xml_node c : row.children("c"))
            cells.append(QString::fromUtf8(c.attribute("r").value()));
        rows.append(cells.join(u' '));
    }
    return rows.join(QStringLiteral(" | "));
}

pugi::xml_node cellNode(const pugi::xml_document &sheet, const char *reference)
{
    return sheet.document_element().child("sheetData").find_node([&](const pugi::xml_node &n) {
        return std::strcmp(n.name(), "c") == 0 &&
               std::strcmp(n.attribute("r").value(), reference) == 0;
    });
}

} // namespace

class TestXlsxTemplate : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void addresses_data();
    void addresses();
    void cellsStayInOrder();
    void stylesAreKept();
    void textStaysText_data();
    void textStaysText();
    void numbersAndFormulas();
    void finishedWorkbook();
    void sheetsByPosition();
    void libreOfficeTemplate();
    void hostileTemplates_data();
    void hostileTemplates();
};

void TestXlsxTemplate::addresses_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<CellAddress>("cell");

    QTest::newRow("A1") << QStringLiteral("A1") << true << CellAddress{1, 1};
    QTest::newRow("B2") << QStringLiteral("B2") << true << CellAddress{2, 2};
    QTest::newRow("Z9") << QStringLiteral("Z9") << true << CellAddress{9, 26};
    QTest::newRow("AA10") << QStringLiteral("AA10") << true << CellAddress{10, 27};
    QTest::newRow("lower case, blanks") << QStringLiteral(" e1 ") << true << CellAddress{1, 5};
    QTest::newRow("last cell") << QStringLiteral("XFD1048576") << true
                               << CellAddress{1048576, 16384};
    QTest::newRow("column too far") << QStringLiteral("XFE1") << false << CellAddress{};
    QTest::newRow("row too far") << QStringLiteral("A1048577") << false << CellAddress{};
    QTest::newRow("row 0") << QStringLiteral("A0") << false << CellAddress{};
    QTest::newRow("no row") << QStringLiteral("AB") << false << CellAddress{};
    QTest::newRow("no column") << QStringLiteral("12") << false << CellAddress{};
    QTest::newRow("other characters") << QStringLiteral("A1:B2") << false << CellAddress{};
    QTest::newRow("empty") << QString() << false << CellAddress{};
}

void TestXlsxTemplate::addresses()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(CellAddress, cell);
    const std::optional<CellAddress> parsed = XlsxTemplate::parseAddress(text);
    QCOMPARE(parsed.has_value(), valid);
    if (valid) {
        QCOMPARE(*parsed, cell);
        QCOMPARE(XlsxTemplate::addressText(cell), text.trimmed().toUpper());
    }
}

void TestXlsxTemplate::cellsStayInOrder()
{
    XlsxTemplate book = openTemplate(testing::workbookTemplate({QStringLiteral(
        "<sheetData><row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>Title</t></is></c></row>"
        "<row r=\"5\" spans=\"1:3\"><c r=\"A5\"/><c r=\"C5\"/></row></sheetData>")}));
    QVERIFY(book.setText(1, CellAddress{5, 2}, QStringLiteral("b")));
    QVERIFY(book.setText(1, QStringLiteral("D5"), QStringLiteral("d")));
    QVERIFY(book.setText(1, QStringLiteral("B3"), QStringLiteral("x")));
    QVERIFY(book.setNumber(1, CellAddress{7, 1}, 1));
    QVERIFY(book.setText(1, QStringLiteral("A5"), QStringLiteral("a")));
    QVERIFY(book.setText(1, QStringLiteral("AA6"), QStringLiteral("far")));
    QVERIFY(book.setText(1, QStringLiteral("C6"), QStringLiteral("near")));
    const auto sheet = writtenSheet(book, 1);
    QCOMPARE(layout(*sheet), QStringLiteral("A1 | B3 | A5 B5 C5 D5 | C6 AA6 | A7"));
    // A written row no longer claims a span it may not have.
    QVERIFY(!sheet->document_element()
                 .child("sheetData")
                 .find_child_by_attribute("row", "r", "5")
                 .attribute("spans"));
    QCOMPARE(
        QString::fromUtf8(sheet->document_element().child("dimension").attribute("ref").value()),
        QStringLiteral("A1:AA7"));
}

void TestXlsxTemplate::stylesAreKept()
{
    XlsxTemplate book = openTemplate(testing::workbookTemplate({QStringLiteral(
        "<cols><col min=\"2\" max=\"3\" width=\"18\" style=\"4\" customWidth=\"1\"/></cols>"
        "<sheetData><row r=\"2\"><c r=\"A2\" s=\"3\" t=\"s\"><v>0</v></c></row>"
        "<row r=\"4\" s=\"5\" customFormat=\"1\"/></sheetData>")}));
    book.setText(1, QStringLiteral("A2"), QStringLiteral("own style"));
    book.setText(1, QStringLiteral("F4"), QStringLiteral("row style"));
    book.setText(1, QStringLiteral("B9"), QStringLiteral("column style"));
    book.setText(1, QStringLiteral("F9"), QStringLiteral("no style"));
    const auto sheet = writtenSheet(book, 1);
    QCOMPARE(cellNode(*sheet, "A2").attribute("s").as_int(), 3);
    QCOMPARE(cellNode(*sheet, "F4").attribute("s").as_int(), 5);
    QCOMPARE(cellNode(*sheet, "B9").attribute("s").as_int(), 4);
    QVERIFY(!cellNode(*sheet, "F9").attribute("s"));
}

void TestXlsxTemplate::textStaysText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stored");
    QTest::newRow("formula-like name")
        << QStringLiteral("=HYPERLINK(\"x\")") << QStringLiteral("=HYPERLINK(\"x\")");
    QTest::newRow("a number as text") << QStringLiteral("85") << QStringLiteral("85");
    QTest::newRow("Chinese name") << QStringLiteral("王芳") << QStringLiteral("王芳");
    QTest::newRow("blanks around") << QStringLiteral(" Li ") << QStringLiteral(" Li ");
    QTest::newRow("control characters") << QStringLiteral("a\x01"
                                                          "b\x1f")
                                        << QStringLiteral("ab");
    QTest::newRow("markup") << QStringLiteral("<b>&amp;</b>") << QStringLiteral("<b>&amp;</b>");
}

void TestXlsxTemplate::textStaysText()
{
    QFETCH(QString, text);
    QFETCH(QString, stored);
    XlsxTemplate book = openTemplate(testing::workbookTemplate({QStringLiteral("<sheetData/>")}));
    book.setText(1, QStringLiteral("B2"), text);
    QCOMPARE(book.cellText(1, CellAddress{2, 2}), stored);
    const auto sheet = writtenSheet(book, 1);
    const pugi::xml_node c = cellNode(*sheet, "B2");
    QCOMPARE(QString::fromUtf8(c.attribute("t").value()), QStringLiteral("inlineStr"));
    QVERIFY(!c.child("f"));
    QCOMPARE(QString::fromUtf8(c.child("is").child("t").text().get()), stored);
}

void TestXlsxTemplate::numbersAndFormulas()
{
    XlsxTemplate book = openTemplate(testing::workbookTemplate(
        {QStringLiteral("<sheetData><row r=\"1\"><c r=\"A1\"><f>SUM(B1:C1)</f><v>3</v></c>"
                        "<c r=\"B1\" t=\"s\"><v>0</v></c></row></sheetData>")},
        {QStringLiteral("shared")}));
    QCOMPARE(book.cellText(1, CellAddress{1, 2}), QStringLiteral("shared"));
    book.setNumber(1, CellAddress{1, 1}, 42);
    book.setNumber(1, CellAddress{1, 2}, 33.3333333333333);
    book.setNumber(1, CellAddress{1, 3}, -7);
    QVERIFY(!book.setNumber(1, CellAddress{1, 4}, std::numeric_limits<double>::infinity()));
    const auto sheet = writtenSheet(book, 1);
    const pugi::xml_node a1 = cellNode(*sheet, "A1");
    QVERIFY(!a1.child("f"));
    QVERIFY(!a1.attribute("t"));
    QCOMPARE(QString::fromUtf8(a1.child("v").text().get()), QStringLiteral("42"));
    QCOMPARE(QString::fromUtf8(cellNode(*sheet, "B1").child("v").text().get()),
             QStringLiteral("33.3333333333333"));
    QVERIFY(!cellNode(*sheet, "B1").attribute("t"));
    QCOMPARE(QString::fromUtf8(cellNode(*sheet, "C1").child("v").text().get()),
             QStringLiteral("-7"));
}

void TestXlsxTemplate::finishedWorkbook()
{
    XlsxTemplate book = openTemplate(testing::workbookTemplate({QStringLiteral("<sheetData/>")}));
    book.setText(1, QStringLiteral("A1"), QStringLiteral("x"));
    office::Package package;
    writtenSheet(book, 1, &package);
    QVERIFY(!package.contains(QStringLiteral("xl/calcChain.xml")));
    const auto rels = testing::xmlPart(package, QStringLiteral("xl/_rels/workbook.xml.rels"));
    QVERIFY(!rels->document_element().find_child_by_attribute("Relationship", "Id", "rIdChain"));
    const auto types = testing::xmlPart(package, QStringLiteral("[Content_Types].xml"));
    QVERIFY(!types->document_element().find_child_by_attribute("Override", "PartName",
                                                               "/xl/calcChain.xml"));
    QCOMPARE(
        QString::fromUtf8(types->document_element()
                              .find_child_by_attribute("Override", "PartName", "/xl/workbook.xml")
                              .attribute("ContentType")
                              .value()),
        QStringLiteral(
            "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"));
    const auto workbook = testing::xmlPart(package, QStringLiteral("xl/workbook.xml"));
    QCOMPARE(workbook->document_element().child("calcPr").attribute("fullCalcOnLoad").as_int(), 1);
}

void TestXlsxTemplate::sheetsByPosition()
{
    XlsxTemplate book = openTemplate(
        testing::workbookTemplate({QStringLiteral("<sheetData/>"), QStringLiteral("<sheetData/>"),
                                   QStringLiteral("<sheetData/>")}));
    QCOMPARE(book.sheetCount(), 3);
    QVERIFY(book.setText(3, QStringLiteral("F1"), QStringLiteral("third")));
    QVERIFY(!book.setText(4, QStringLiteral("A1"), QStringLiteral("none")));
    QVERIFY(!book.setText(0, QStringLiteral("A1"), QStringLiteral("none")));
    QVERIFY(!book.setText(1, QStringLiteral("1A"), QStringLiteral("none")));
    const auto third = writtenSheet(book, 3);
    QVERIFY(cellNode(*third, "F1"));
}

void TestXlsxTemplate::libreOfficeTemplate()
{
    for (const char *name : {"/office/lo_score.xltx", "/../../data/sys/score.xltx"}) {
        office::Result<XlsxTemplate> book =
            XlsxTemplate::open(QLatin1StringView(QUORIN_TEST_DATA) + QLatin1StringView(name));
        QVERIFY2(book, qPrintable(book.reason()));
        QCOMPARE(book->sheetCount(), 4);
        QCOMPARE(book->cellText(2, CellAddress{6, 1}), QStringLiteral("Average"));
        QVERIFY(book->setText(4, CellAddress{5, 4}, QStringLiteral("NO 1")));
        QVERIFY(book->toBytes());
    }
}

void TestXlsxTemplate::hostileTemplates_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    QTest::newRow("not a zip") << QByteArray("PK but not really") << QStringLiteral("damaged");
    QTest::newRow("Word template") << testing::wordTemplate(testing::paragraph(QStringLiteral("x")))
                                   << QStringLiteral("not a spreadsheet");
    QTest::newRow("rows out of order")
        << testing::workbookTemplate(
               {QStringLiteral("<sheetData><row r=\"5\"/><row r=\"2\"/></sheetData>")})
        << QStringLiteral("out of order");
    QTest::newRow("sheet not XML")
        << testing::workbookTemplate({QStringLiteral("<sheetData><row></sheetData>")})
        << QStringLiteral("not well-formed");
}

void TestXlsxTemplate::hostileTemplates()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    const office::Result<XlsxTemplate> opened = XlsxTemplate::fromBytes(bytes);
    QVERIFY(!opened);
    QVERIFY2(opened.reason().contains(reason, Qt::CaseInsensitive), qPrintable(opened.reason()));
}

QTEST_GUILESS_MAIN(TestXlsxTemplate)
#include "tst_xlsx_template.moc"
