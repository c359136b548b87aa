#pragma once

#include <kainjow/mustache.hpp>
#include <map>
#include <string>
#include <string_view>

// The site's template files (src/site/templates), compiled into the program as resources: HTML
// with mustache placeholders, the style sheet and the script. {{name}} escapes what it puts in,
// quotes included, so a text from the database never becomes markup, in an attribute either.
using TemplateData = kainjow::mustache::data;
using TemplateList = kainjow::mustache::list;

// data.set(name, value) without copies: set() copies its value whole, and copying a table's rows
// again at each level took most of a page's time.
void Put(TemplateData& data, const std::string& name, TemplateData&& value);
void Put(TemplateData& data, const std::string& name, TemplateList&& list);

// A file of the templates folder, as its bytes; throws SiteError when there is none.
std::string SiteAsset(std::string_view name);

// Renders template files, each read and parsed once. {{> name}} takes in the file name.html.
class Templates {
  public:
    std::string render(std::string_view name, const TemplateData& data);

  private:
    kainjow::mustache::mustache& parsed(std::string_view name);

    std::map<std::string, kainjow::mustache::mustache, std::less<>> parsed_;
    TemplateData partials_{TemplateData::type::object};
};
