#pragma once

#include <map>
#include <string>
#include <string_view>

// The "ResultType" property of each column of a table that has one (a calculated column's: the
// type its results are stored as), by column name, from the table's properties as the catalog
// keeps them (its LvProp). Empty for anything that is not such a block of properties.
std::map<std::string, int> ResultTypes(std::string_view properties);
