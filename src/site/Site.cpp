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

// What the layout says on every page besides the page's own content.
struct SiteFacts {
    std::string coverage;  // what the data covers, in the footer
    std::string made;      // when the site was written: the start page's alone
    std::string base;      // the site's address ending in '/', or empty
};

// The page in the layout. The missing-page page is served in place of any address, at any depth,
// so its links start from the site's address when it is known.
std::string LayoutPage(Templates& templates, const SiteOptions& options, const PageEntry& entry,
                       const PageContent& content, const SiteFacts& facts,
                       bool missingPage = false) {
    TemplateData data;
    data.set("coverage", facts.coverage);
    if (entry.path == "index.html") data.set("made", facts.made);
    data.set("siteTitle", WebText(options.title));
    data.set("pageTitle", content.title);
    data.set("description", content.description);
    if (!facts.base.empty() && !missingPage) data.set("canonical", facts.base + entry.path);
    const std::string root = missingPage ? facts.base : SiteLink(entry.path, "");
    data.set("root", root);
    TemplateList nav;
    for (const Section& section : Sections()) {
        TemplateData link;
        link.set("label", section.label);
        link.set("href", root + section.path);
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

// Search engines take absolute addresses only: there is no sitemap without the site's address.
// Slugs and the checked address hold nothing XML would need escaped but '&'. Every page changes
// with the data, so each is dated by it.
std::string Sitemap(const std::vector<PlannedPage>& pages, const std::string& base,
                    const std::string& day) {
    std::string xml =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<urlset xmlns=\"http://www.sitemaps.org/schemas/sitemap/0.9\">\n";
    const std::string lastmod = day.empty() ? "" : "<lastmod>" + day + "</lastmod>";
    for (const PlannedPage& page : pages) {
        std::string location = base + page.entry.path;
        for (std::size_t at = location.find('&'); at != location.npos;
             at = location.find('&', at + 1)) {
            location.replace(at, 1, "&amp;");
        }
        xml += "  <url><loc>" + location + "</loc>" + lastmod + "</url>\n";
    }
    return xml + "</urlset>\n";
}

std::string Robots(const std::string& base) {
    return "User-agent: *\nAllow: /\n" +
           (base.empty() ? std::string() : "Sitemap: " + base + "sitemap.xml\n");
}

class SiteWriter {
  public:
    SiteWriter(const std::filesystem::path& dir, const SiteOptions& options, std::string base)
        : options_(options),
          facts_{DataCoverage(), RunDay(), std::move(base)},
          folder_(dir, options.force),
          files_(folder_) {}

    void write(std::string path, std::string bytes) {
        summary_.bytes += bytes.size();
        files_.write(std::move(path), std::move(bytes));
    }

    void writePage(const PlannedPage& page) {
        PageContent content = page.make(templates_);
        write(page.entry.path, LayoutPage(templates_, options_, page.entry, content, facts_));
        for (auto& [path, bytes] : content.files) write(std::move(path), std::move(bytes));
        ++summary_.pages;
    }

    // Not one of pages.json's pages: a host shows it for an address the site does not have.
    void writeMissingPage() {
        PageContent content;
        content.title = "Page not found";
        content.description = "The page asked for is not on this site";
        TemplateData data;
        data.set("start", facts_.base + "index.html");
        data.set("tournaments", facts_.base + "tournaments.html");
        content.body = templates_.render("notfound", data);
        write("404.html", LayoutPage(templates_, options_, {"notfound", "404", "404.html"}, content,
                                     facts_, true));
    }

    SiteSummary commit() {
        files_.finish();
        folder_.commit();
        return summary_;
    }

  private:
    const SiteOptions& options_;
    SiteFacts facts_;
    SiteFolder folder_;
    QueuedWriter files_;  // after the folder, so that it stops writing before the folder goes
    Templates templates_;
    SiteSummary summary_;
};

}  // namespace

SiteSummary WriteSite(const std::filesystem::path& dir, const SiteOptions& options,
                      const SiteProgress& progress) {
    const std::string base = BaseUrl(options.baseUrl);
    SiteWriter site(dir, options, base);
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
    site.write("assets/favicon.svg", SiteAsset("favicon.svg"));
    site.write("robots.txt", Robots(base));
    site.writeMissingPage();
    site.write("assets/names.js", NamesScript(*people));
    site.write("pages.json", PagesJson(pages));
    if (!base.empty()) site.write("sitemap.xml", Sitemap(pages, base, DataDay()));
    SiteSummary summary = site.commit();
    if (!people->unreadable.empty()) {
        summary.omissions.push_back("no player or head-to-head pages: " + people->unreadable);
    }
    return summary;
}
