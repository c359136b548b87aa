#include "site/Templates.h"

#include <QFile>
#include <kainjow/mustache.hpp>
#include <map>
#include <utility>

#include "core/QtText.h"
#include "site/SiteFolder.h"

namespace {

using Mustache = kainjow::mustache::mustache;
using MustacheData = kainjow::mustache::data;

// The partials the templates take in; each is a template file of that name. No key of a
// page's data may have a partial's name, or it hides the partial.
constexpr std::string_view kPartials[] = {"family", "grid", "labeltable"};

}  // namespace

struct TemplateData::Value {
    MustacheData data;
};

TemplateData::TemplateData()
    : value_(std::make_unique<Value>(Value{MustacheData(MustacheData::type::object)})) {}
TemplateData::TemplateData(const std::string& text)
    : value_(std::make_unique<Value>(Value{MustacheData(text)})) {}
TemplateData::TemplateData(const char* text) : TemplateData(std::string(text)) {}
TemplateData::TemplateData(bool yes) : value_(std::make_unique<Value>(Value{MustacheData(yes)})) {}

// The library's lists take their items as copies only: each is copied once, here.
TemplateData::TemplateData(const TemplateList& list)
    : value_(std::make_unique<Value>(Value{MustacheData(MustacheData::type::list)})) {
    for (const TemplateData& item : list) value_->data.push_back(item.value_->data);
}

TemplateData::TemplateData(const TemplateData& other)
    : value_(std::make_unique<Value>(*other.value_)) {}
TemplateData::TemplateData(TemplateData&& other) noexcept = default;
TemplateData& TemplateData::operator=(const TemplateData& other) {
    if (this != &other) value_ = std::make_unique<Value>(*other.value_);
    return *this;
}
TemplateData& TemplateData::operator=(TemplateData&& other) noexcept = default;
TemplateData::~TemplateData() = default;

void TemplateData::set(const std::string& name, TemplateData value) {
    if (value_->data.is_object()) value_->data[name] = std::move(value.value_->data);
}

std::string SiteAsset(std::string_view name) {
    QFile file(QStringLiteral(":/site/") + ToQString(name));
    if (!file.open(QIODevice::ReadOnly)) {
        throw SiteError("the site template " + std::string(name) + " is missing");
    }
    return file.readAll().toStdString();
}

struct Templates::Parsed {
    std::map<std::string, Mustache, std::less<>> byName;
    MustacheData partials{MustacheData::type::object};

    Mustache& get(std::string_view name);
};

Templates::Templates() : parsed_(std::make_unique<Parsed>()) {}
Templates::Templates(Templates&&) noexcept = default;
Templates& Templates::operator=(Templates&&) noexcept = default;
Templates::~Templates() = default;

Mustache& Templates::Parsed::get(std::string_view name) {
    if (const auto found = byName.find(name); found != byName.end()) return found->second;
    if (byName.empty()) {
        for (const std::string_view partial : kPartials) {
            partials.set(std::string(partial), SiteAsset(std::string(partial) + ".html"));
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
    Mustache& made = byName.emplace(std::string(name), text).first->second;
    if (!made.is_valid()) {
        throw SiteError("the site template " + std::string(name) + ": " + made.error_message());
    }
    return made;
}

std::string HtmlEscaped(std::string_view text) {
    return kainjow::mustache::html_escape(std::string(text));
}

std::string Templates::render(std::string_view name, const TemplateData& data) {
    Mustache& page = parsed_->get(name);
    // The partials sit below the page's data, so a name of the data wins over a partial's.
    kainjow::mustache::context<std::string> context(&parsed_->partials);
    context.push(&data.value_->data);
    std::string html = page.render(context);
    if (!page.is_valid()) {
        throw SiteError("the site template " + std::string(name) + ": " + page.error_message());
    }
    return html;
}
