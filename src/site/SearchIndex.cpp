#include "site/SearchIndex.h"

#include <map>

#include "core/Json.h"
#include "db/DbValue.h"
#include "rankings/RankingColumn.h"
#include "rankings/Rankings.h"
#include "site/SiteTable.h"

namespace {

// A JSON string that is also safe wherever a script may sit: AppendJsonString leaves valid
// UTF-8, so E2 80 A8/A9 can only be U+2028/U+2029, which end a line in older scripts.
void AppendScriptString(std::string& out, std::string_view text) {
    std::string json;
    AppendJsonString(json, text);
    for (std::size_t i = 0; i < json.size(); ++i) {
        const char c = json[i];
        if (c == '<') {
            out += "\\u003c";
        } else if (c == '>') {
            out += "\\u003e";
        } else if (c == '&') {
            out += "\\u0026";
        } else if (json.compare(i, 3, "\xE2\x80\xA8") == 0) {
            out += "\\u2028";
            i += 2;
        } else if (json.compare(i, 3, "\xE2\x80\xA9") == 0) {
            out += "\\u2029";
            i += 2;
        } else {
            out += c;
        }
    }
}

// What a search result says of a player besides his name.
struct Standing {
    std::string country;
    std::string position;  // on the start page's rankings; empty when he is not there
};

// Each ranked player's country, and his place in the newest month's rankings as the start page
// shows them (not the month of the file's date, which would change the file with every copy);
// none when the rankings cannot be read (the names alone still find the pages).
std::map<std::string, Standing, std::less<>> Standings() {
    std::map<std::string, Standing, std::less<>> standings;
    try {
        const std::vector<std::string> columns = RankingColumns();
        const std::string newest = columns.empty() ? std::string() : columns.back();
        for (const bool limited : {true, false}) {
            const Grid grid = RankingsView({newest, std::nullopt, limited}).grid("grdRankings");
            for (std::size_t row = 1; row < grid.size(); ++row) {
                if (grid[row].size() < 3) continue;
                Standing& standing = standings[grid[row][1]];
                if (standing.country.empty()) standing.country = grid[row][2];
                if (limited && standing.position.empty()) standing.position = grid[row][0];
            }
        }
    } catch (const DbError&) {
        standings.clear();
    }
    return standings;
}

}  // namespace

std::string NamesScript(const PeoplePlan& plan) {
    constexpr std::string_view kFolder = "players/";
    constexpr std::string_view kExtension = ".html";
    const auto standings = Standings();
    std::string script = "window.siteNames=[";
    bool first = true;
    for (const std::string& player : plan.figures.players()) {
        const std::optional<std::string> path = plan.playerPath(player);
        if (!path || !path->starts_with(kFolder) || !path->ends_with(kExtension)) continue;
        if (!first) script += ",\n";
        first = false;
        AppendScriptString(script, WebText(player));  // shown as the pages show it
        script += ',';
        // The slug alone: "players/" and ".html" would be a quarter of the file.
        const std::string_view slug(*path);
        AppendScriptString(
            script, slug.substr(kFolder.size(), slug.size() - kFolder.size() - kExtension.size()));
        const auto standing = standings.find(player);
        const bool known = standing != standings.end();
        script += ',';
        AppendScriptString(script, known ? WebText(standing->second.country) : "");
        script += ',';
        AppendScriptString(script, known ? WebText(standing->second.position) : "");
    }
    return script + "];\n";
}
