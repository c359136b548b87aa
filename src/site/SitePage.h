#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "site/SiteTable.h"
#include "site/Templates.h"

// A page as pages.json lists it: its kind ("rankings"), its name ("current", "0503 limit 0")
// and its path below the site's folder ("rankings/0503-limit-0.html").
struct PageEntry {
    std::string kind;
    std::string name;
    std::string path;
};

// What one page writes: the content of its <main>, which the layout wraps, and the files that go
// beside it (its tables as CSV).
struct PageContent {
    std::string title;        // the page's own title; the site's follows it
    std::string description;  // for search engines' result lists
    std::string body;
    std::vector<std::pair<std::string, std::string>> files;  // path below the site, bytes
};

// A page to write; make runs only when its turn comes, so pages are planned (and counted) first.
struct PlannedPage {
    PageEntry entry;
    std::function<PageContent(Templates&)> make;
};

// The link from the page at path from to the file at path to, both below the site's folder.
std::string SiteLink(std::string_view from, std::string_view to);

// Where a table's CSV is: a file beside the page, added to the page's files; or, for a small one,
// its link itself (a data: address). name is what a download of it is called.
struct CsvLink {
    std::string href;
    std::string name;
};
CsvLink AddCsv(PageContent& page, std::string_view pagePath, std::string_view id, const Grid& grid);

// The table's data for grid.html, with its CSV (AddCsv).
TemplateData AddTable(PageContent& page, std::string_view pagePath, const SiteTable& table);
