#include "site/Templates.h"

#include <QFile>

#include "core/QtText.h"
#include "site/SiteFolder.h"

namespace {

// The partials the templates take in; each is a template file of that name. No key of a
// page's data may have a partial's name, or it hides the partial.
constexpr std::string_view kPartials[] = {"grid", "labeltable"};

}  // namespace

void Put(TemplateData& data, const std::string& name, TemplateData&& value) {
    data.set(name, TemplateData(false));
    // The slot is data's own, not a constant: get() only hands it out as one.
    if (const TemplateData* slot = data.get(name))
        *const_cast<TemplateData*>(slot) = std::move(value);
}

void Put(TemplateData& data, const std::string& name, TemplateList&& list) {
    TemplateData empty(TemplateData::type::list);
    const_cast<TemplateList&>(empty.list_value()).swap(list);
    Put(data, name, std::move(empty));
}

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
    // A partial written as {{> grid}} is put in its place before parsing: the library would
    // parse it again at every use, a tenth of a page's time.
    std::string text = SiteAsset(std::string(name) + ".html");
    for (const std::string_view partial : kPartials) {
        const std::string tag = "{{> " + std::string(partial) + "}}";
        const std::string body = SiteAsset(std::string(partial) + ".html");
        for (auto at = text.find(tag); at != text.npos; at = text.find(tag, at + body.size())) {
            text.replace(at, tag.size(), body);
        }
    }
    kainjow::mustache::mustache& made = parsed_.emplace(std::string(name), text).first->second;
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
