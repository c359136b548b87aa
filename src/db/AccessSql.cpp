#include "db/AccessSql.h"

#include <cctype>
#include <charconv>
#include <regex>

#include "db/DbValue.h"

namespace {

char Lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

// A lower-case copy in which quoted texts, bracketed names and everything inside parentheses are
// covered up, so keywords and commas found in it are the statement's own, at the top level.
// Positions match the original text.
std::string TopLevelMask(std::string_view sql) {
    std::string mask(sql.size(), '#');
    int depth = 0;
    char quote = 0;
    for (std::size_t i = 0; i < sql.size(); ++i) {
        const char c = sql[i];
        if (quote != 0) {
            if (c == quote) quote = 0;
            continue;
        }
        if (c == '\'' || c == '"') {
            quote = c;
        } else if (c == '[') {
            quote = ']';
        } else if (c == '(') {
            ++depth;
        } else if (c == ')') {
            if (depth > 0) --depth;
        } else if (depth == 0) {
            mask[i] = Lower(c);
        }
    }
    return mask;
}

std::optional<std::size_t> FindWord(const std::string& mask, const std::regex& word,
                                    std::size_t from = 0) {
    std::smatch m;
    if (from > mask.size()) return std::nullopt;
    if (!std::regex_search(mask.begin() + static_cast<std::ptrdiff_t>(from), mask.end(), m, word)) {
        return std::nullopt;
    }
    return from + static_cast<std::size_t>(m.position(0));
}

std::string Trim(std::string_view s) {
    const auto first = s.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(" \t\r\n");
    return std::string(s.substr(first, last - first + 1));
}

// Splits text at the top-level commas that mask shows.
std::vector<std::string> SplitItems(std::string_view text, std::string_view mask) {
    std::vector<std::string> items;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || mask[i] == ',') {
            items.push_back(Trim(text.substr(start, i - start)));
            start = i + 1;
        }
    }
    return items;
}

std::string WithoutDirection(const std::string& item) {
    static const std::regex direction(R"(\s+(asc|desc)\s*$)", std::regex::icase);
    return std::regex_replace(item, direction, "");
}

// A TOP count or an ORDER BY position: digits only, as the patterns found them; a number too large
// to be either is refused as the engine refuses a query it cannot run.
template <typename Number>
Number CountOrPosition(const std::string& digits) {
    Number n = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
    if (error != std::errc() || end != digits.data() + digits.size()) {
        throw DbError("The number " + digits + " is out of range in the query");
    }
    return n;
}

bool IsOrdinal(const std::string& item) {
    return !item.empty() && std::all_of(item.begin(), item.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) != 0;
    });
}

struct Shape {
    std::size_t selectListStart = 0;
    std::size_t fromPos = std::string::npos;
    std::size_t orderByPos = std::string::npos;
    std::size_t orderItemsStart = 0;
    bool distinct = false;
    std::optional<long> top;
    std::size_t topStart = 0, topEnd = 0;
};

Shape Analyse(const std::string& mask) {
    static const std::regex head(R"(^\s*select\s+((distinct|distinctrow)\s+)?(top\s+(\d+)\s+)?)");
    static const std::regex from(R"(\bfrom\b)");
    static const std::regex orderBy(R"(\border\s+by\s+)");
    Shape shape;
    std::smatch m;
    if (!std::regex_search(mask, m, head)) return shape;
    shape.distinct = m[1].matched;
    if (m[3].matched) {
        shape.top = CountOrPosition<long>(m[4].str());
        shape.topStart = static_cast<std::size_t>(m.position(3));
        shape.topEnd = shape.topStart + static_cast<std::size_t>(m.length(3));
    }
    shape.selectListStart = static_cast<std::size_t>(m.length(0));
    shape.fromPos = FindWord(mask, from, shape.selectListStart).value_or(std::string::npos);
    if (const auto pos = FindWord(mask, orderBy, shape.selectListStart)) {
        std::smatch om;
        std::regex_search(mask.begin() + static_cast<std::ptrdiff_t>(*pos), mask.end(), om,
                          orderBy);
        shape.orderByPos = *pos;
        shape.orderItemsStart = *pos + static_cast<std::size_t>(om.length(0));
    }
    return shape;
}

// Carries the ORDER BY values of a TOP query as extra result columns, so ties can be seen.
void AddTieColumns(TranslatedQuery& q, const Shape& shape, const std::string& mask) {
    const std::string selectList =
        q.sql.substr(shape.selectListStart, shape.fromPos - shape.selectListStart);
    const int selectCount = static_cast<int>(
        SplitItems(selectList, mask.substr(shape.selectListStart, selectList.size())).size());
    const std::string orderText = q.sql.substr(shape.orderItemsStart);
    std::string extra;
    for (const std::string& item : SplitItems(orderText, mask.substr(shape.orderItemsStart))) {
        const std::string expression = WithoutDirection(item);
        if (IsOrdinal(expression)) {
            q.tieColumns.push_back(CountOrPosition<int>(expression) - 1);
            continue;
        }
        q.tieColumns.push_back(selectCount + q.hiddenColumns);
        extra += ", (" + expression + ") AS \"__tie" + std::to_string(q.hiddenColumns) + "\"";
        ++q.hiddenColumns;
    }
    std::string withExtra = q.sql.substr(0, shape.fromPos);
    while (!withExtra.empty() && std::isspace(static_cast<unsigned char>(withExtra.back()))) {
        withExtra.pop_back();
    }
    q.sql = withExtra + extra + " " + q.sql.substr(shape.fromPos);
}

std::string WithoutTrailingSemicolon(std::string_view sql) {
    std::string s = Trim(sql);
    while (!s.empty() && s.back() == ';') s = Trim(std::string_view(s).substr(0, s.size() - 1));
    return s;
}

}  // namespace

TranslatedQuery TranslateAccessSql(std::string_view accessSql) {
    TranslatedQuery q;
    q.sql = WithoutTrailingSemicolon(accessSql);
    std::string mask = TopLevelMask(q.sql);
    Shape shape = Analyse(mask);
    if (shape.top) {
        q.top = shape.top;
        q.sql.erase(shape.topStart, shape.topEnd - shape.topStart);
        mask = TopLevelMask(q.sql);
        shape = Analyse(mask);
        if (shape.orderByPos != std::string::npos && shape.fromPos != std::string::npos) {
            AddTieColumns(q, shape, mask);
        }
        return q;
    }
    // Jet removes duplicates by sorting, so its DISTINCT rows come sorted.
    if (shape.distinct && shape.orderByPos == std::string::npos &&
        shape.fromPos != std::string::npos) {
        const std::string selectList =
            q.sql.substr(shape.selectListStart, shape.fromPos - shape.selectListStart);
        if (selectList.find('*') == std::string::npos) {
            const auto count =
                SplitItems(selectList, mask.substr(shape.selectListStart, selectList.size()))
                    .size();
            std::string order = " ORDER BY 1";
            for (std::size_t i = 2; i <= count; ++i) order += ", " + std::to_string(i);
            q.sql += order;
        }
    }
    return q;
}
