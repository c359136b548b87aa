#include "site/SitePage.h"

#include <algorithm>

std::string SiteLink(std::string_view from, std::string_view to) {
    std::string link;
    for (auto depth = std::count(from.begin(), from.end(), '/'); depth > 0; --depth) link += "../";
    return link + std::string(to);
}

namespace {

// A CSV this small travels in its link: as a file of its own it would cost a disk block and a
// file to create, for each of the many head-to-head pages.
constexpr std::size_t kLinkedCsvBytes = 1024;

bool KeptInLink(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           std::string_view("-_.~,").find(static_cast<char>(c)) != std::string_view::npos;
}

std::string CsvDataLink(std::string_view csv) {
    constexpr std::string_view kHex = "0123456789ABCDEF";
    std::string link = "data:text/csv;charset=utf-8,";
    for (const char c : csv) {
        const auto byte = static_cast<unsigned char>(c);
        if (KeptInLink(byte)) {
            link += c;
        } else {
            link += {'%', kHex[byte >> 4], kHex[byte & 15]};
        }
    }
    return link;
}

}  // namespace

CsvLink AddCsv(PageContent& page, std::string_view pagePath, std::string_view id,
               const Grid& grid) {
    const std::string_view stem = pagePath.substr(0, pagePath.rfind('.'));
    const std::string path = std::string(stem) + "." + std::string(id) + ".csv";
    std::string name = path.substr(path.rfind('/') + 1);
    std::string csv = TableCsv(grid);
    if (csv.size() <= kLinkedCsvBytes) return {CsvDataLink(csv), std::move(name)};
    page.files.emplace_back(path, std::move(csv));
    return {name, name};
}

TemplateData AddTable(PageContent& page, std::string_view pagePath, const SiteTable& table) {
    const CsvLink csv = AddCsv(page, pagePath, table.id, table.grid);
    return TableData(table, csv.href, csv.name);
}
