#include "support/HtmlTableReader.h"

#include <array>
#include <fstream>
#include <sstream>
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
    static constexpr std::array<std::pair<std::string_view, char>, 6> kEscapes = {
        {{"&amp;", '&'},
         {"&lt;", '<'},
         {"&gt;", '>'},
         {"&quot;", '"'},
         {"&apos;", '\''},
         {"&#39;", '\''}}};
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        bool undone = false;
        for (const auto& [escape, c] : kEscapes) {
            if (text.substr(i, escape.size()) == escape) {
                out += c;
                i += escape.size();
                undone = true;
                break;
            }
        }
        if (!undone) out += text[i++];
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

std::string FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}
