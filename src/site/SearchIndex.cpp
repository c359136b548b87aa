#include "site/SearchIndex.h"

#include "core/Json.h"
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

}  // namespace

std::string NamesScript(const PeoplePlan& plan) {
    constexpr std::string_view kFolder = "players/";
    constexpr std::string_view kExtension = ".html";
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
    }
    return script + "];\n";
}
