#include "site/Site.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include "core/Json.h"
#include "site/MiscPages.h"
#include "site/PeoplePages.h"
#include "site/QueuedWriter.h"
#include "site/RankingPages.h"
#include "site/SearchIndex.h"
#include "site/SiteDates.h"
#include "site/SitePage.h"
#include "site/SiteTable.h"
#include "site/Templates.h"
#include "site/TournamentPages.h"
#include "site/WorldCupPages.h"

namespace {

struct Section {
    std::string kind;
    std::string label;
    std::string path;  // its first page
};

// The navigation bar: a section per kind of page the site has.
const std::vector<Section>& Sections() {
    static const std::vector<Section> sections = {
        {"rankings", "World Rankings", "index.html"},
        {"tournaments", "Tournaments", "tournaments.html"},
        {"worldcup", "World Cups", std::string(WorldCupsPath())},
        {"misc", "Misc Stats", "misc.html"},
    };
    return sections;
}

// The section a kind of page belongs to: a tournament's page to the tournaments, say.
std::string_view SectionKind(std::string_view kind) {
    if (kind == "tournament" || kind == "winners") return "tournaments";
    if (kind == "records") return "misc";
    if (kind == "worldcups") return "worldcup";
    return kind;
}

// What every page's footer says besides the site's title.
struct Footer {
    std::string coverage;  // what the data covers
    std::string made;      // when the site was written: the start page's alone
};

std::string LayoutPage(Templates& templates, const SiteOptions& options, const PageEntry& entry,
                       const PageContent& content, const Footer& footer) {
    TemplateData data;
    data.set("coverage", footer.coverage);
    if (entry.path == "index.html") data.set("made", footer.made);
    data.set("siteTitle", WebText(options.title));
    data.set("pageTitle", content.title);
    data.set("description", content.description);
    data.set("root", SiteLink(entry.path, ""));
    TemplateList nav;
    for (const Section& section : Sections()) {
        TemplateData link;
        link.set("label", section.label);
        link.set("href", SiteLink(entry.path, section.path));
        if (section.kind == SectionKind(entry.kind)) link.set("current", true);
        nav.push_back(link);
    }
    data.set("nav", nav);
    data.set("content", content.body);
    return templates.render("layout", data);
}

std::string PagesJson(const std::vector<PlannedPage>& pages) {
    std::string json = "[";
    for (const PlannedPage& page : pages) {
        json += json.size() == 1 ? "\n  {\"kind\": " : ",\n  {\"kind\": ";
        AppendJsonString(json, page.entry.kind);
        json += ", \"name\": ";
        AppendJsonString(json, page.entry.name);
        json += ", \"path\": ";
        AppendJsonString(json, page.entry.path);
        json += "}";
    }
    return json + "\n]\n";
}

// The address every page's path is put after, ending in '/'; empty when none was given. Only
// plain http and https addresses, without query, fragment, spaces or markup characters.
std::string BaseUrl(std::string_view given) {
    if (given.empty()) return {};
    const bool web = given.starts_with("https://") || given.starts_with("http://");
    const bool plain = std::ranges::none_of(given, [](char c) {
        return static_cast<unsigned char>(c) <= ' ' ||
               std::string_view("\"'<>\\?#`").find(c) != std::string_view::npos;
    });
    if (!web || !plain || given.find("://") + 3 == given.size()) {
        throw SiteError("the site's address must be a plain http:// or https:// address");
    }
    return std::string(given) + (given.ends_with('/') ? "" : "/");
}

// Absolute addresses when the site's address is known, else paths relative to its folder. Slugs
// and the checked address hold nothing XML would need escaped but '&'.
std::string Sitemap(const std::vector<PlannedPage>& pages, const std::string& base) {
    std::string xml =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<urlset xmlns=\"http://www.sitemaps.org/schemas/sitemap/0.9\">\n";
    for (const PlannedPage& page : pages) {
        std::string location = base + page.entry.path;
        for (std::size_t at = location.find('&'); at != location.npos;
             at = location.find('&', at + 1)) {
            location.replace(at, 1, "&amp;");
        }
        xml += "  <url><loc>" + location + "</loc></url>\n";
    }
    return xml + "</urlset>\n";
}

class SiteWriter {
  public:
    SiteWriter(const std::filesystem::path& dir, const SiteOptions& options)
        : options_(options),
          footer_{DataCoverage(), RunDay()},
          folder_(dir, options.force),
          files_(folder_) {}

    void write(std::string path, std::string bytes) {
        summary_.bytes += bytes.size();
        files_.write(std::move(path), std::move(bytes));
    }

    void writePage(const PlannedPage& page) {
        PageContent content = page.make(templates_);
        write(page.entry.path, LayoutPage(templates_, options_, page.entry, content, footer_));
        for (auto& [path, bytes] : content.files) write(std::move(path), std::move(bytes));
        ++summary_.pages;
    }

    SiteSummary commit() {
        files_.finish();
        folder_.commit();
        return summary_;
    }

  private:
    const SiteOptions& options_;
    Footer footer_;
    SiteFolder folder_;
    QueuedWriter files_;  // after the folder, so that it stops writing before the folder goes
    Templates templates_;
    SiteSummary summary_;
};

}  // namespace

SiteSummary WriteSite(const std::filesystem::path& dir, const SiteOptions& options,
                      const SiteProgress& progress) {
    const std::string base = BaseUrl(options.baseUrl);
    SiteWriter site(dir, options);
    const std::shared_ptr<const PeoplePlan> people = PlanPeople();
    std::vector<PlannedPage> pages = RankingPages(people);
    std::ranges::move(PlayerPages(people), std::back_inserter(pages));
    std::ranges::move(PairPages(people), std::back_inserter(pages));
    std::ranges::move(TournamentPages(people), std::back_inserter(pages));
    std::ranges::move(WorldCupPages(people), std::back_inserter(pages));
    std::ranges::move(MiscPages(people), std::back_inserter(pages));
    std::size_t written = 0;
    for (const PlannedPage& page : pages) {
        site.writePage(page);
        if (progress && !progress(++written, pages.size())) throw SiteStopped();
    }
    site.write("assets/site.css", SiteAsset("site.css"));
    site.write("assets/site.js", SiteAsset("site.js"));
    site.write("assets/names.js", NamesScript(*people));
    site.write("pages.json", PagesJson(pages));
    site.write("sitemap.xml", Sitemap(pages, base));
    SiteSummary summary = site.commit();
    if (!people->unreadable.empty()) {
        summary.omissions.push_back("no player or head-to-head pages: " + people->unreadable);
    }
    return summary;
}
