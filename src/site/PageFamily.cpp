#include "site/PageFamily.h"

#include "site/SitePage.h"

namespace {

TemplateData Link(const FamilyLink& link, std::string_view from) {
    TemplateData data;
    data.set("text", link.text);
    data.set("href", SiteLink(from, link.path));
    return data;
}

}  // namespace

TemplateData FamilyData(const PageFamily& family, std::string_view from, bool listMembers) {
    TemplateData data;
    data.set("label", family.parent.text + ": its pages");
    if (!family.parent.path.empty()) data.set("parent", Link(family.parent, from));
    TemplateList members;
    for (std::size_t at = 0; at < family.members.size(); ++at) {
        const FamilyLink& member = family.members[at];
        TemplateData link = Link(member, from);
        if (member.path != from) {
            members.push_back(std::move(link));
            continue;
        }
        link.set("current", true);
        members.push_back(std::move(link));
        if (at > 0) data.set("prev", Link(family.members[at - 1], from));
        if (at + 1 < family.members.size()) data.set("next", Link(family.members[at + 1], from));
    }
    if (listMembers && !members.empty()) {
        data.set("listed", true);
        data.set("members", std::move(members));
    }
    return data;
}
