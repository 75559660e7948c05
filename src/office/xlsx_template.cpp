// SPDX-License-Identifier: GPL-3.0-or-later
#include "xlsx_template.h"

#include <QCoreApplication>

#include "main_part.h"
#include "xml.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <map>
#include <vector>

namespace office {

namespace {

const QString workbookType =
    QStringLiteral("application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml");
const QString templateType =
    QStringLiteral("application/vnd.openxmlformats-officedocument.spreadsheetml.template.main+xml");

// Schema order of the children of a worksheet and of a workbook.
const std::initializer_list<const char *> worksheetOrder{"sheetPr",       "dimension", "sheetViews",
                                                         "sheetFormatPr", "cols",      "sheetData"};
const std::initializer_list<const char *> workbookOrder{"fileVersion",    "fileSharing",
                                                        "workbookPr",     "workbookProtection",
                                                        "bookViews",      "sheets",
                                                        "functionGroups", "externalReferences",
                                                        "definedNames",   "calcPr",
                                                        "oleSize",        "customWorkbookViews",
                                                        "pivotCaches",    "smartTagPr",
                                                        "smartTagTypes",  "webPublishing",
                                                        "fileRecoveryPr", "webPublishObjects",
                                                        "extLst"};

// The leading letters of a reference ("AB12") as a column number; 0 when there are none.
int columnOf(const char *reference, const char **rest = nullptr)
{
    int column = 0;
    const char *p = reference;
    while (*p) {
        char c = *p;
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
        if (c < 'A' || c > 'Z')
            break;
        column = column * 26 + (c - 'A' + 1);
        if (column > XlsxTemplate::maxColumn)
            return 0;
        ++p;
    }
    if (rest)
        *rest = p;
    return column;
}

std::string numberText(double value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

struct Sheet
{
    QString name;
    QString part;
    bool worksheet = false;
    std::unique_ptr<pugi::xml_document> xml;
    std::string prefix;
    pugi::xml_node sheetData;
    std::map<int, pugi::xml_node> rows;
    struct ColumnStyle
    {
        int first;
        int last;
        const char *style;
    };
    std::vector<ColumnStyle> columnStyles;
    bool changed = false;

    std::string name_(const char *local) const { return prefix + local; }
};

} // namespace

struct XlsxTemplate::Data
{
    Package package;
    ContentTypes types;
    QString workbookPart;
    std::unique_ptr<pugi::xml_document> workbook;
    std::string prefix;
    Relationships relationships; ///< of the workbook
    std::vector<Sheet> sheets;
    mutable std::optional<std::vector<QString>> sharedStrings;

    Sheet *worksheet(int sheet)
    {
        if (sheet < 1 || sheet > int(sheets.size()) || !sheets[size_t(sheet - 1)].worksheet)
            return nullptr;
        return &sheets[size_t(sheet - 1)];
    }
    const Sheet *worksheet(int sheet) const { return const_cast<Data *>(this)->worksheet(sheet); }
    pugi::xml_node cell(Sheet &sheet, CellAddress address);
    pugi::xml_node findCell(const Sheet &sheet, CellAddress address) const;
    const std::vector<QString> &strings() const;
};

namespace {

Status indexSheet(Sheet &sheet)
{
    pugi::xml_node root = sheet.xml->document_element();
    const std::optional<std::string> prefix = xml::prefixOf(root, xml::sheetNamespace);
    if (!prefix)
        return Failure{QCoreApplication::translate("XlsxTemplate",
                                                   "the sheet %1 is not a SpreadsheetML worksheet")
                           .arg(sheet.name)};
    sheet.prefix = *prefix;
    sheet.sheetData = root.child(sheet.name_("sheetData").c_str());
    if (!sheet.sheetData)
        sheet.sheetData = xml::orderedChild(root, sheet.prefix, "sheetData", worksheetOrder);
    int previous = 0;
    const std::string rowName = sheet.name_("row");
    for (pugi::xml_node row : sheet.sheetData.children(rowName.c_str())) {
        int number = row.attribute("r").as_int(previous + 1);
        if (number <= previous || number > XlsxTemplate::maxRow)
            return Failure{
                QCoreApplication::translate("XlsxTemplate", "the rows of sheet %1 are out of order")
                    .arg(sheet.name)};
        sheet.rows.emplace(number, row);
        previous = number;
    }
    const std::string colsName = sheet.name_("cols");
    const std::string colName = sheet.name_("col");
    for (pugi::xml_node col : root.child(colsName.c_str()).children(colName.c_str())) {
        if (pugi::xml_attribute style = col.attribute("style"))
            sheet.columnStyles.push_back(
                {col.attribute("min").as_int(), col.attribute("max").as_int(), style.value()});
    }
    return {};
}

} // namespace

pugi::xml_node XlsxTemplate::Data::findCell(const Sheet &sheet, CellAddress address) const
{
    const auto row = sheet.rows.find(address.row);
    if (row == sheet.rows.end())
        return {};
    const std::string cName = sheet.name_("c");
    int previous = 0;
    for (pugi::xml_node c : row->second.children(cName.c_str())) {
        const int column = c.attribute("r") ? columnOf(c.attribute("r").value()) : previous + 1;
        if (column == address.column)
            return c;
        if (column > address.column)
            break;
        previous = column;
    }
    return {};
}

pugi::xml_node XlsxTemplate::Data::cell(Sheet &sheet, CellAddress address)
{
    pugi::xml_node row;
    if (const auto it = sheet.rows.find(address.row); it != sheet.rows.end()) {
        row = it->second;
    } else {
        const auto next = sheet.rows.upper_bound(address.row);
        const std::string rowName = sheet.name_("row");
        row = next == sheet.rows.end()
                  ? sheet.sheetData.append_child(rowName.c_str())
                  : sheet.sheetData.insert_child_before(rowName.c_str(), next->second);
        row.append_attribute("r") = address.row;
        sheet.rows.emplace(address.row, row);
    }
    // Spans only speed up reading; a wrong one would mislead.
    row.remove_attribute("spans");

    const std::string cName = sheet.name_("c");
    const std::string reference = xml::utf8(XlsxTemplate::addressText(address));
    pugi::xml_node found;
    pugi::xml_node before;
    // Cells mostly come left to right, after the last one of their row.
    pugi::xml_node last = row.last_child();
    while (last && last.type() != pugi::node_element)
        last = last.previous_sibling();
    if (!(last && std::strcmp(last.name(), cName.c_str()) == 0 && last.attribute("r") &&
          columnOf(last.attribute("r").value()) < address.column)) {
        int previous = 0;
        for (pugi::xml_node c : row.children(cName.c_str())) {
            const int column = c.attribute("r") ? columnOf(c.attribute("r").value()) : previous + 1;
            if (column == address.column) {
                found = c;
                break;
            }
            if (column > address.column) {
                before = c;
                break;
            }
            previous = column;
        }
    }
    if (found) {
        if (!found.attribute("r"))
            found.append_attribute("r") = reference.c_str();
        return found;
    }
    pugi::xml_node c =
        before ? row.insert_child_before(cName.c_str(), before) : row.append_child(cName.c_str());
    c.append_attribute("r") = reference.c_str();
    // A new cell looks as the template formats its row, or else its column.
    const char *style = nullptr;
    if (row.attribute("customFormat").as_bool() && row.attribute("s"))
        style = row.attribute("s").value();
    for (const Sheet::ColumnStyle &column : sheet.columnStyles) {
        if (!style && address.column >= column.first && address.column <= column.last)
            style = column.style;
    }
    if (style && std::strcmp(style, "0") != 0)
        c.append_attribute("s") = style;
    return c;
}

const std::vector<QString> &XlsxTemplate::Data::strings() const
{
    if (sharedStrings)
        return *sharedStrings;
    sharedStrings.emplace();
    const std::optional<Relationship> table = relationships.firstOfType(QStringLiteral(
        "http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings"));
    const QByteArray *bytes = table ? package.find(relationships.resolve(table->target)) : nullptr;
    if (!bytes)
        return *sharedStrings;
    Result<std::unique_ptr<pugi::xml_document>> parsed =
        xml::parse(*bytes, QStringLiteral("sharedStrings"));
    if (!parsed)
        return *sharedStrings;
    const pugi::xml_node root = (*parsed)->document_element();
    const std::string prefix = xml::prefixOf(root, xml::sheetNamespace).value_or(std::string());
    const std::string si = prefix + "si";
    const std::string t = prefix + "t";
    for (pugi::xml_node item : root.children(si.c_str())) {
        QString text;
        for (pugi::xpath_node node : item.select_nodes(".//*")) {
            if (std::strcmp(node.node().name(), t.c_str()) == 0)
                text += xml::text(node.node().text().get());
        }
        sharedStrings->push_back(text);
    }
    return *sharedStrings;
}

XlsxTemplate::XlsxTemplate()
    : d(std::make_unique<Data>())
{}
XlsxTemplate::~XlsxTemplate() = default;
XlsxTemplate::XlsxTemplate(XlsxTemplate &&) noexcept = default;
XlsxTemplate &XlsxTemplate::operator=(XlsxTemplate &&) noexcept = default;

Result<XlsxTemplate> XlsxTemplate::open(const QString &path, const PackageLimits &limits)
{
    Result<Package> package = Package::read(path, limits);
    if (!package)
        return Failure{package.reason()};
    return load(std::move(*package));
}

Result<XlsxTemplate> XlsxTemplate::fromBytes(const QByteArray &bytes, const PackageLimits &limits)
{
    Result<Package> package = Package::fromBytes(bytes, limits);
    if (!package)
        return Failure{package.reason()};
    return load(std::move(*package));
}

Result<XlsxTemplate> XlsxTemplate::load(Package package)
{
    XlsxTemplate result;
    Data &d = *result.d;
    d.package = std::move(package);
    Result<MainPart> main = openMainPart(
        d.package,
        {workbookType, templateType,
         QCoreApplication::translate("XlsxTemplate", "a spreadsheet or spreadsheet template"),
         QCoreApplication::translate("XlsxTemplate", "an Excel template (.xltx)")});
    if (!main)
        return Failure{main.reason()};
    d.types = std::move(main->types);
    d.workbookPart = main->name;
    d.workbook = std::move(main->xml);
    d.relationships = std::move(main->relationships);
    const pugi::xml_node root = d.workbook->document_element();
    const std::optional<std::string> prefix = xml::prefixOf(root, xml::sheetNamespace);
    if (!prefix)
        return Failure{QCoreApplication::translate(
            "XlsxTemplate", "the workbook is not SpreadsheetML (Strict Open XML is not "
                            "read; save it as an Excel template in the usual format)")};
    d.prefix = *prefix;
    const std::optional<std::string> r = xml::prefixOf(root, xml::relationshipsNamespace);
    const std::string idName = (r ? *r : std::string("r:")) + "id";

    const std::string sheetsName = d.prefix + "sheets";
    const std::string sheetName = d.prefix + "sheet";
    for (pugi::xml_node node : root.child(sheetsName.c_str()).children(sheetName.c_str())) {
        Sheet sheet;
        sheet.name = xml::text(node.attribute("name").value());
        const std::optional<Relationship> target =
            d.relationships.byId(xml::text(node.attribute(idName.c_str()).value()));
        if (target && !target->external && target->type.endsWith(QLatin1StringView("/worksheet"))) {
            sheet.part = d.relationships.resolve(target->target);
            const QByteArray *sheetBytes = d.package.find(sheet.part);
            if (!sheetBytes)
                return Failure{
                    QCoreApplication::translate("XlsxTemplate", "the sheet %1 is missing")
                        .arg(sheet.name)};
            Result<std::unique_ptr<pugi::xml_document>> parsed =
                xml::parse(*sheetBytes, sheet.part);
            if (!parsed)
                return Failure{parsed.reason()};
            sheet.xml = std::move(*parsed);
            sheet.worksheet = true;
            if (Status indexed = indexSheet(sheet); !indexed)
                return Failure{indexed.reason()};
        }
        d.sheets.push_back(std::move(sheet));
        if (d.sheets.size() > 4096)
            return Failure{
                QCoreApplication::translate("XlsxTemplate", "the workbook has too many sheets")};
    }
    return result;
}

int XlsxTemplate::sheetCount() const
{
    return int(d->sheets.size());
}

QString XlsxTemplate::sheetName(int sheet) const
{
    return sheet >= 1 && sheet <= sheetCount() ? d->sheets[size_t(sheet - 1)].name : QString();
}

bool XlsxTemplate::isWorksheet(int sheet) const
{
    return d->worksheet(sheet) != nullptr;
}

std::optional<CellAddress> XlsxTemplate::parseAddress(const QString &address)
{
    const QByteArray text = address.trimmed().toLatin1();
    const char *rest = nullptr;
    const int column = columnOf(text.constData(), &rest);
    if (column <= 0 || !*rest || *rest == '0')
        return std::nullopt;
    int row = 0;
    for (const char *p = rest; *p; ++p) {
        if (*p < '0' || *p > '9')
            return std::nullopt;
        row = row * 10 + (*p - '0');
        if (row > maxRow)
            return std::nullopt;
    }
    return CellAddress{row, column};
}

QString XlsxTemplate::addressText(CellAddress cell)
{
    QString letters;
    for (int column = cell.column; column > 0; column = (column - 1) / 26)
        letters.prepend(QChar(u'A' + (column - 1) % 26));
    return letters + QString::number(cell.row);
}

bool XlsxTemplate::setText(int sheetNumber, CellAddress address, const QString &text)
{
    Sheet *sheet = d->worksheet(sheetNumber);
    if (!sheet || address.row < 1 || address.row > maxRow || address.column < 1 ||
        address.column > maxColumn)
        return false;
    pugi::xml_node c = d->cell(*sheet, address);
    while (c.first_child())
        c.remove_child(c.first_child());
    c.remove_attribute("t");
    c.append_attribute("t") = "inlineStr";
    const std::string is = sheet->name_("is");
    const std::string t = sheet->name_("t");
    pugi::xml_node node = c.append_child(is.c_str()).append_child(t.c_str());
    const std::string clean = xml::cleanText(text);
    if (!clean.empty() &&
        (clean.front() == ' ' || clean.back() == ' ' || clean.find('\n') != std::string::npos))
        node.append_attribute("xml:space") = "preserve";
    node.text().set(clean.c_str());
    sheet->changed = true;
    return true;
}

bool XlsxTemplate::setText(int sheet, const QString &address, const QString &text)
{
    const std::optional<CellAddress> cell = parseAddress(address);
    return cell && setText(sheet, *cell, text);
}

bool XlsxTemplate::setNumber(int sheetNumber, CellAddress address, double value)
{
    Sheet *sheet = d->worksheet(sheetNumber);
    if (!sheet || address.row < 1 || address.row > maxRow || address.column < 1 ||
        address.column > maxColumn || !std::isfinite(value))
        return false;
    pugi::xml_node c = d->cell(*sheet, address);
    while (c.first_child())
        c.remove_child(c.first_child());
    c.remove_attribute("t");
    const std::string v = sheet->name_("v");
    c.append_child(v.c_str()).text().set(numberText(value).c_str());
    sheet->changed = true;
    return true;
}

QString XlsxTemplate::cellText(int sheetNumber, CellAddress address) const
{
    const Sheet *sheet = d->worksheet(sheetNumber);
    if (!sheet)
        return {};
    const pugi::xml_node c = d->findCell(*sheet, address);
    if (!c)
        return {};
    const char *type = c.attribute("t").value();
    if (std::strcmp(type, "inlineStr") == 0) {
        QString text;
        const std::string t = sheet->name_("t");
        for (pugi::xpath_node node : c.select_nodes(".//*")) {
            if (std::strcmp(node.node().name(), t.c_str()) == 0)
                text += xml::text(node.node().text().get());
        }
        return text;
    }
    const std::string v = sheet->name_("v");
    const QString value = xml::text(c.child(v.c_str()).text().get());
    if (std::strcmp(type, "s") == 0) {
        const std::vector<QString> &strings = d->strings();
        const qsizetype index = value.toLongLong();
        return index >= 0 && size_t(index) < strings.size() ? strings[size_t(index)] : QString();
    }
    return value;
}

Result<QByteArray> XlsxTemplate::toBytes()
{
    for (Sheet &sheet : d->sheets) {
        if (!sheet.changed)
            continue;
        pugi::xml_node root = sheet.xml->document_element();
        pugi::xml_node dimension =
            xml::orderedChild(root, sheet.prefix, "dimension", worksheetOrder);
        // The used range over every cell, those of the template included.
        CellAddress low{maxRow, maxColumn};
        CellAddress high{1, 1};
        const std::string cName = sheet.name_("c");
        for (const auto &[number, row] : sheet.rows) {
            int previous = 0;
            for (pugi::xml_node c : row.children(cName.c_str())) {
                const int column =
                    c.attribute("r") ? columnOf(c.attribute("r").value()) : previous + 1;
                previous = column;
                low = {std::min(low.row, number), std::min(low.column, column)};
                high = {std::max(high.row, number), std::max(high.column, column)};
            }
        }
        if (low.row > high.row)
            low = high;
        if (!dimension.attribute("ref"))
            dimension.append_attribute("ref");
        dimension.attribute("ref") = xml::utf8(addressText(low) + u':' + addressText(high)).c_str();
        d->package.setPart(d->package.spelling(sheet.part), xml::serialize(*sheet.xml));
        sheet.changed = false;
    }

    // The chain lists the formula cells in the order last calculated; written cells
    // make it stale, and the spreadsheet program rebuilds it.
    if (const std::optional<Relationship> chain =
            d->relationships.firstOfType(relationship::calcChain)) {
        const QString part = d->relationships.resolve(chain->target);
        d->package.removePart(part);
        d->types.removeOverride(part);
        d->relationships.remove(chain->id);
    }
    pugi::xml_node calc =
        xml::orderedChild(d->workbook->document_element(), d->prefix, "calcPr", workbookOrder);
    if (!calc.attribute("fullCalcOnLoad"))
        calc.append_attribute("fullCalcOnLoad");
    calc.attribute("fullCalcOnLoad") = "1";

    d->package.setPart(d->package.spelling(d->workbookPart), xml::serialize(*d->workbook));
    d->types.setOverride(d->workbookPart, workbookType);
    d->types.save(d->package);
    d->relationships.save(d->package);
    return d->package.toBytes();
}

} // namespace office
