#include "site/Templates.h"

#include <QFile>

#include "core/QtText.h"
#include "site/SiteFolder.h"

namespace {

// The partials the templates take in; each is a template file of that name. No key of a
// page's data may have a partial's name, or it hides the partial.
constexpr std::string_view kPartials[] = {"grid"};

}  // namespace

std::string SiteAsset(std::string_view name) {
    QFile file(QStringLiteral(":/site/") + ToQString(name));
    if (!file.open(QIODevice::ReadOnly)) {
        throw SiteError("the site template " + std::string(name) + " is missing");
    }
    return file.readAll().toStdString();
}

kainjow::mustache::mustache& Templates::parsed(std::string_view name) {
    if (const auto found = parsed_.find(name); found != parsed_.end()) return found->second;
    if (parsed_.empty()) {
        for (const std::string_view partial : kPartials) {
            partials_.set(std::string(partial), SiteAsset(std::string(partial) + ".html"));
        }
    }
    kainjow::mustache::mustache& made =
        parsed_.emplace(std::string(name), SiteAsset(std::string(name) + ".html")).first->second;
    if (!made.is_valid()) {
        throw SiteError("the site template " + std::string(name) + ": " + made.error_message());
    }
    return made;
}

std::string Templates::render(std::string_view name, const TemplateData& data) {
    kainjow::mustache::mustache& page = parsed(name);
    // The partials sit below the page's data, so a name of the data wins over a partial's.
    kainjow::mustache::context<std::string> context(&partials_);
    context.push(&data);
    std::string html = page.render(context);
    if (!page.is_valid()) {
        throw SiteError("the site template " + std::string(name) + ": " + page.error_message());
    }
    return html;
}
