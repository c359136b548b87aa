#pragma once

#include <string>
#include <vector>

// SQL that damages the sample as a user's other tools might have: the edits of
// tests/data/HostileEdits.sql. Every tool run and every frame has to cope with each.
struct HostileEdit {
    std::string name;
    std::string sql;
};
const std::vector<HostileEdit>& HostileEdits();
