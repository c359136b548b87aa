#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "site/Templates.h"

// Pages that belong together, as a World Cup's phases or the multi-phase tournament's: each links
// to their parent, to the others and to the one before and after it, so that none is a dead end.

struct FamilyLink {
    std::string text;  // plain text, escaped by the template
    std::string path;  // below the site's folder
};

struct PageFamily {
    FamilyLink parent;
    std::vector<FamilyLink> members;  // in reading order
};

// The data for family.html on the member page at from: parent, members (the one shown marked
// current; left out when listMembers is false, for a page that lists them itself), prev, next.
TemplateData FamilyData(const PageFamily& family, std::string_view from, bool listMembers = true);
