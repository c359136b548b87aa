#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

// The site's template files (src/site/templates), compiled into the program as resources: HTML
// with mustache placeholders, the style sheet and the script. {{name}} escapes what it puts in,
// quotes included, so a text from the database never becomes markup, in an attribute either.

class TemplateData;
using TemplateList = std::vector<TemplateData>;

// What a template is rendered with: a text, a yes or no, a list, or an object of named values
// (what a fresh one is). The template library's own value stays inside Templates.cpp.
class TemplateData {
  public:
    TemplateData();
    TemplateData(const std::string& text);
    TemplateData(const char* text);
    TemplateData(bool yes);
    TemplateData(const TemplateList& list);
    TemplateData(const TemplateData& other);
    TemplateData(TemplateData&& other) noexcept;
    TemplateData& operator=(const TemplateData& other);
    TemplateData& operator=(TemplateData&& other) noexcept;
    ~TemplateData();

    // The object's value called name, replacing any there. A value moved in is not copied:
    // copying a table's rows again at each level took most of a page's time.
    void set(const std::string& name, TemplateData value);

  private:
    friend class Templates;
    struct Value;
    std::unique_ptr<Value> value_;
};

// text with the characters markup gives a meaning to (quotes too) written as entities, as
// {{name}} writes them; for markup put together outside a template and placed with {{{name}}}.
std::string HtmlEscaped(std::string_view text);

// A file of the templates folder, as its bytes; throws SiteError when there is none.
std::string SiteAsset(std::string_view name);

// Renders template files, each read and parsed once. {{> name}} takes in the file name.html.
class Templates {
  public:
    Templates();
    Templates(Templates&&) noexcept;
    Templates& operator=(Templates&&) noexcept;
    ~Templates();

    std::string render(std::string_view name, const TemplateData& data);

  private:
    struct Parsed;
    std::unique_ptr<Parsed> parsed_;
};
