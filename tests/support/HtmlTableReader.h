#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/ViewTexts.h"

// The texts of the cells of the table whose id is id, row by row, header rows included, with the
// escapes a page's text uses undone; empty when the page has no such table.
Grid ReadHtmlTable(std::string_view html, std::string_view id);

// The value of attribute name of each row of the table's body, in order ("" where a row has none).
std::vector<std::string> ReadRowAttribute(std::string_view html, std::string_view id,
                                          std::string_view name);

// The text with &amp; &lt; &gt; &quot; &apos; and &#39; undone.
std::string HtmlUnescaped(std::string_view text);
