// Page file names from names: safe on every file system, and never two names in one file.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <set>
#include <string>
#include <vector>

#include "site/Slug.h"
#include "support/TestData.h"

namespace {

bool IsSafeFileName(const std::string& slug) {
    if (slug.empty() || slug.size() + std::string(".html").size() > 100) return false;
    for (const char c : slug) {
        const bool allowed = (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
        if (!allowed) return false;
    }
    return true;
}

TEST(Slug, HostileNamesGetSafeDistinctFileNames) {
    // Hostile names from tests/data/SlugNames.json, and two long ones alike up to the limit.
    std::vector<std::string> names = {std::string(300, 'x'), std::string(300, 'x') + 'y'};
    for (const QJsonValue& name : TestJson("SlugNames.json").array()) {
        names.push_back(JsonText(name));
    }
    SlugSet slugs;
    std::set<std::string> seen;
    for (const std::string& name : names) {
        const std::string slug = slugs.add(name);
        EXPECT_TRUE(IsSafeFileName(slug)) << slug;
        EXPECT_EQ(slug.find("---"), std::string::npos) << slug;
        EXPECT_TRUE(seen.insert(slug).second) << "\"" << name << "\" shares " << slug;
        for (const std::string device : {"con", "prn", "aux", "nul", "com1", "com9", "lpt1"}) {
            EXPECT_NE(slug, device);
        }
    }
}

TEST(Slug, PlainNamesReadAsThemselvesAndEveryNameKeepsItsSlug) {
    EXPECT_EQ(SlugOf("0503"), "0503");
    EXPECT_EQ(SlugOf("0503 limit 0"), "0503-limit-0");
    // A name that needs a hash still shows what it was.
    EXPECT_TRUE(SlugOf("Vodad R").starts_with("vodad-r--"));

    // Links to a page stay put from run to run.
    SlugSet first;
    SlugSet second;
    second.add("someone else");
    for (const std::string name : {"Vodad R", "vodad r", "CON", ".."}) {
        EXPECT_EQ(first.add(name), SlugOf(name));
        EXPECT_EQ(first.add(name), second.add(name));
    }
}

}  // namespace
