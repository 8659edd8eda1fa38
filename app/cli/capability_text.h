// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// The formats report as plain text: the report carries the rows of the
// window's three HTML tables, and the command line prints them as columns.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillora::cli {

// One cell: its lines (the table's "<br>"), as text.
using CellLines = std::vector<std::string>;
using TableRow = std::vector<CellLines>;

// The rows of one part of the report ("<tr><td>...</td>...</tr>..."): tags
// dropped, the entities the report writes turned back into characters,
// empty trailing lines of a cell left out.
std::vector<TableRow> ParseReportRows(std::string_view html);

// The report's three parts ("^"-separated), each parsed.
std::vector<std::vector<TableRow>> ParseReport(std::string_view argument);

// Aligned columns under the headers, cell lines joined with "; "; every
// line starts with `indent`.
std::string FormatTable(const std::vector<std::string> &headers, const std::vector<TableRow> &rows,
                        const std::string &indent);

} // namespace quillora::cli
