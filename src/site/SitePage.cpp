#include "site/SitePage.h"

#include <algorithm>

std::string SiteLink(std::string_view from, std::string_view to) {
    std::string link;
    for (auto depth = std::count(from.begin(), from.end(), '/'); depth > 0; --depth) link += "../";
    return link + std::string(to);
}

TemplateData AddTable(PageContent& page, std::string_view pagePath, const SiteTable& table) {
    const std::string_view stem = pagePath.substr(0, pagePath.rfind('.'));
    const std::string csvPath = std::string(stem) + "." + table.id + ".csv";
    page.files.emplace_back(csvPath, TableCsv(table.grid));
    return TableData(table, csvPath.substr(csvPath.rfind('/') + 1));
}
