#include "support/HtmlTableReader.h"

#include <utility>

namespace {

// The text of a cell, its markup (a heading's button, a link) left out.
std::string CellText(std::string_view inner) {
    std::string text;
    bool inTag = false;
    for (const char c : inner) {
        if (c == '<' || c == '>') {
            inTag = c == '<';
        } else if (!inTag) {
            text += c;
        }
    }
    return HtmlUnescaped(text);
}

std::vector<std::string> RowCells(std::string_view row) {
    std::vector<std::string> cells;
    for (std::size_t at = row.find("<t"); at != row.npos; at = row.find("<t", at + 1)) {
        if (row[at + 2] != 'h' && row[at + 2] != 'd') continue;
        const std::size_t open = row.find('>', at) + 1;
        const std::size_t close = row.find("</t", open);
        cells.push_back(CellText(row.substr(open, close - open)));
        at = close;
    }
    return cells;
}

std::string_view TableIn(std::string_view html, std::string_view id) {
    const std::size_t start = html.find("<table id=\"" + std::string(id) + "\"");
    if (start == html.npos) return {};
    return html.substr(start, html.find("</table>", start) - start);
}

}  // namespace

std::string HtmlUnescaped(std::string_view text) {
    std::string out(text);
    // &amp; last, so that an escaped escape stays one.
    for (const auto& [escape, c] : {std::pair{"&lt;", "<"},
                                    {"&gt;", ">"},
                                    {"&quot;", "\""},
                                    {"&apos;", "'"},
                                    {"&#39;", "'"},
                                    {"&amp;", "&"}}) {
        for (std::size_t at = 0; (at = out.find(escape, at)) != out.npos; ++at) {
            out.replace(at, std::string_view(escape).size(), c);
        }
    }
    return out;
}

std::vector<std::string> ReadRowAttribute(std::string_view html, std::string_view id,
                                          std::string_view name) {
    const std::string_view table = TableIn(html, id);
    const std::string key = " " + std::string(name) + "=\"";
    std::vector<std::string> values;
    for (std::size_t at = table.find("<tr", table.find("<tbody")); at != table.npos;
         at = table.find("<tr", at + 1)) {
        const std::string_view tag = table.substr(at, table.find('>', at) - at);
        const std::size_t value = tag.find(key);
        if (value == tag.npos) {
            values.emplace_back();
            continue;
        }
        const std::size_t begin = value + key.size();
        values.push_back(HtmlUnescaped(tag.substr(begin, tag.find('"', begin) - begin)));
    }
    return values;
}

Grid ReadHtmlTable(std::string_view html, std::string_view id) {
    const std::string_view table = TableIn(html, id);
    Grid grid;
    for (std::size_t at = table.find("<tr"); at != table.npos; at = table.find("<tr", at + 1)) {
        const std::size_t end = table.find("</tr>", at);
        grid.push_back(RowCells(table.substr(at, end - at)));
    }
    return grid;
}
