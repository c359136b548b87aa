// Any grid written as CSV and as TSV reads back as the same cells: CSV by the rules of RFC 4180
// (quotes only around a whole field), TSV as spreadsheets take pasted cells.
#include <optional>
#include <string>

#include "FuzzInput.h"
#include "core/ViewTexts.h"

namespace {

struct Dialect {
    char separator;
    std::string_view lineEnd;
    bool quoteOnlyWhole;  // a quote inside an unquoted field is malformed
};

// A quoted field from text[at] (the opening quote); at ends past the closing quote.
std::optional<std::string> QuotedField(std::string_view text, std::size_t& at) {
    std::string cell;
    for (++at; at < text.size(); ++at) {
        if (text[at] != '"') {
            cell += text[at];
        } else if (at + 1 < text.size() && text[at + 1] == '"') {
            cell += '"';
            ++at;
        } else {
            ++at;
            return cell;
        }
    }
    return std::nullopt;
}

std::optional<Grid> Parse(std::string_view text, const Dialect& dialect) {
    Grid grid;
    std::vector<std::string> row;
    std::size_t at = 0;
    const auto atLineEnd = [&] { return text.substr(at).starts_with(dialect.lineEnd); };
    while (at < text.size()) {
        std::string cell;
        if (text[at] == '"') {
            auto quoted = QuotedField(text, at);
            if (!quoted) return std::nullopt;
            cell = std::move(*quoted);
        } else {
            while (at < text.size() && text[at] != dialect.separator && !atLineEnd()) {
                if (text[at] == '"' && dialect.quoteOnlyWhole) return std::nullopt;
                cell += text[at++];
            }
        }
        row.push_back(std::move(cell));
        if (atLineEnd()) {
            grid.push_back(std::move(row));
            row.clear();
            at += dialect.lineEnd.size();
        } else if (at < text.size() && text[at] == dialect.separator) {
            ++at;
        } else {
            return std::nullopt;
        }
    }
    if (!row.empty()) return std::nullopt;
    return grid;
}

// Cells end at byte 1 and rows at byte 2, so any other byte can be in a cell.
Grid MakeGrid(std::string_view bytes) {
    Grid grid;
    if (bytes.empty()) return grid;
    grid.emplace_back(1);
    for (const char c : bytes) {
        if (c == '\1') {
            grid.back().emplace_back();
        } else if (c == '\2') {
            grid.emplace_back(1);
        } else {
            grid.back().back() += c;
        }
    }
    return grid;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::string_view lineEnd = data[0] % 2 == 0 ? "\n" : "\r\n";
    const Grid grid = MakeGrid(AsText(data, size).substr(1));
    FUZZ_CHECK(Parse(ToCsv(grid, lineEnd), {',', lineEnd, true}) == grid);
    FUZZ_CHECK(Parse(ToTsv(grid), {'\t', "\n", false}) == grid);
    return 0;
}
