#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "site/SiteFolder.h"

// The statistics of the open database as a static web site: plain files that work opened from
// the folder and from any web host, drawn from the same views as the windows.

struct SiteOptions {
    std::string title = "VPA Statistics";  // in every page's header and title
    bool force = false;  // replace a folder with files the site command did not write
    // Where the site will be served (http or https): for sitemap.xml's absolute addresses and
    // the pages' canonical links; when empty, neither is written.
    std::string baseUrl;
};

// Told after each page: pages written, pages to write. Returning false stops the run.
using SiteProgress = std::function<bool(std::size_t written, std::size_t total)>;

class SiteStopped : public SiteError {
  public:
    SiteStopped() : SiteError("stopped before the site was complete") {}
};

struct SiteSummary {
    std::size_t pages = 0;
    std::uintmax_t bytes = 0;  // of every file written
    // Pages left out because the database could not give them, each with the reason.
    std::vector<std::string> omissions;
};

// Writes the site of the open database into dir, through a new folder beside it that takes dir's
// place at the end (see SiteFolder): index.html, a page per view, each table's CSV beside its
// page, assets/, pages.json (every page's kind, name and path), 404.html, robots.txt and, with
// a base address, sitemap.xml. Throws SiteError
// when dir cannot take it, the base address is not an http or https one, or progress stops it
// (SiteStopped); dir is then as it was.
SiteSummary WriteSite(const std::filesystem::path& dir, const SiteOptions& options,
                      const SiteProgress& progress = {});
