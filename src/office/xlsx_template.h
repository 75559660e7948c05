// A workbook made from a spreadsheet template: cells set by address or by row and
// column, styles of the template kept, written as a .xlsx.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "package.h"
#include "result.h"

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>

namespace office {

/// A cell's row and column, both from 1 (column 1 is A).
struct CellAddress
{
    int row = 0;
    int column = 0;
    bool operator==(const CellAddress &) const = default;
};

class XlsxTemplate
{
public:
    XlsxTemplate();
    ~XlsxTemplate();
    XlsxTemplate(XlsxTemplate &&) noexcept;
    XlsxTemplate &operator=(XlsxTemplate &&) noexcept;

    static constexpr int maxRow = 1048576;
    static constexpr int maxColumn = 16384;

    /// Opens a .xltx or .xlsx (Transitional Open XML, no macros).
    static Result<XlsxTemplate> open(const QString &path, const PackageLimits &limits = {});
    static Result<XlsxTemplate> fromBytes(const QByteArray &bytes,
                                          const PackageLimits &limits = {});

    /// Sheets in the order of their tabs, counted from 1.
    int sheetCount() const;
    QString sheetName(int sheet) const;
    /// Whether the sheet holds cells (a chart sheet does not).
    bool isWorksheet(int sheet) const;

    /// "B2" -> row 2, column 2; nothing for a text that is not a cell address.
    static std::optional<CellAddress> parseAddress(const QString &address);
    static QString addressText(CellAddress cell);

    /// A text, as text whatever it holds (a name that begins with "=" is no formula).
    /// The cell keeps the style the template gave it, or takes its row's or column's.
    /// False when there is no such worksheet or cell.
    bool setText(int sheet, CellAddress cell, const QString &text);
    bool setText(int sheet, const QString &address, const QString &text);
    /// A number.
    bool setNumber(int sheet, CellAddress cell, double value);

    /// What a cell holds now: its text, or its number in shortest form; empty for an
    /// empty cell. Strings shared through the workbook's table are read too.
    QString cellText(int sheet, CellAddress cell) const;

    /// The workbook: content type of a workbook, not a template; no stale calculation
    /// chain; the spreadsheet program recalculates every formula on opening.
    Result<QByteArray> toBytes();

private:
    static Result<XlsxTemplate> load(Package package);

    struct Data;
    std::unique_ptr<Data> d;
};

} // namespace office
