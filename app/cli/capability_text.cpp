// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "capability_text.h"

#include "capabilities.h"

#include <algorithm>

namespace quillora::cli {

namespace {

struct Entity {
    std::string_view name;
    std::string_view text;
};

// What EscapeHtml writes, and the filler of an empty cell.
constexpr Entity kEntities[] = {{"&amp;", "&"},  {"&lt;", "<"},    {"&gt;", ">"},
                                {"&quot;", "\""}, {"&#94;", "^"}, {"&nbsp;", ""}};

std::string unescaped(std::string_view text)
{
    std::string out;
    for (size_t i = 0; i < text.size();) {
        bool replaced = false;
        if (text[i] == '&') {
            for (const Entity &e : kEntities) {
                if (text.substr(i).starts_with(e.name)) {
                    out += e.text;
                    i += e.name.size();
                    replaced = true;
                    break;
                }
            }
        }
        if (!replaced)
            out += text[i++];
    }
    return out;
}

// A cell's content: "<br>" ends a line; other tags are dropped.
CellLines cellLines(std::string_view html)
{
    CellLines lines(1);
    for (size_t i = 0; i < html.size();) {
        if (html[i] != '<') {
            const size_t next = std::min(html.find('<', i), html.size());
            lines.back() += unescaped(html.substr(i, next - i));
            i = next;
            continue;
        }
        const size_t close = html.find('>', i);
        if (close == std::string_view::npos)
            break;
        if (html.substr(i, close - i + 1) == "<br>")
            lines.emplace_back();
        i = close + 1;
    }
    while (!lines.empty() && lines.back().empty())
        lines.pop_back();
    return lines;
}

size_t columnsOf(const std::string &text)
{
    size_t count = 0;
    for (char c : text)
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

std::string joinedLines(const CellLines &lines)
{
    std::string text;
    for (const std::string &line : lines) {
        // "JPEG image" with "(*.jpg)" under it reads as one name.
        if (!text.empty())
            text += line.starts_with("(") ? " " : "; ";
        text += line;
    }
    return text;
}

} // namespace

std::vector<TableRow> ParseReportRows(std::string_view html)
{
    std::vector<TableRow> rows;
    constexpr std::string_view kRow = "<tr>", kRowEnd = "</tr>", kCell = "<td>", kCellEnd = "</td>";
    for (size_t row = html.find(kRow); row != std::string_view::npos; row = html.find(kRow, row)) {
        const size_t rowEnd = std::min(html.find(kRowEnd, row), html.size());
        const std::string_view body = html.substr(row + kRow.size(), rowEnd - row - kRow.size());
        TableRow cells;
        for (size_t cell = body.find(kCell); cell != std::string_view::npos; cell = body.find(kCell, cell)) {
            const size_t start = cell + kCell.size();
            const size_t end = std::min(body.find(kCellEnd, start), body.size());
            cells.push_back(cellLines(body.substr(start, end - start)));
            cell = end;
        }
        rows.push_back(std::move(cells));
        row = rowEnd;
    }
    return rows;
}

std::vector<std::vector<TableRow>> ParseReport(std::string_view argument)
{
    std::string rest(argument);
    std::vector<std::vector<TableRow>> parts;
    for (int part = 0; part < 3; ++part)
        parts.push_back(ParseReportRows(TakeToken(rest, '^')));
    return parts;
}

std::string FormatTable(const std::vector<std::string> &headers, const std::vector<TableRow> &rows,
                        const std::string &indent)
{
    std::vector<std::vector<std::string>> lines{headers};
    for (const TableRow &row : rows) {
        std::vector<std::string> cells;
        for (const CellLines &cell : row)
            cells.push_back(joinedLines(cell));
        lines.push_back(std::move(cells));
    }
    std::vector<size_t> widths;
    for (const auto &line : lines) {
        widths.resize(std::max(widths.size(), line.size()));
        for (size_t i = 0; i < line.size(); ++i)
            widths[i] = std::max(widths[i], columnsOf(line[i]));
    }
    std::string text;
    for (const auto &line : lines) {
        std::string out = indent;
        for (size_t i = 0; i < line.size(); ++i) {
            out += line[i];
            if (i + 1 < line.size())
                out.append(widths[i] - columnsOf(line[i]) + 2, ' ');
        }
        out.erase(out.find_last_not_of(' ') + 1);
        text += out + "\n";
    }
    return text;
}

} // namespace quillora::cli
