#pragma once

#include <span>

// The sample as an SQLite DUZEDO, changed by SQL a user's other tools might have run on it:
// columns or tables missing, text where numbers belong, numbers at the 64-bit limits, odd names,
// tables of another kind. Every tool run and every frame has to cope with each.
struct HostileEdit {
    const char* name;
    const char* sql;
};
std::span<const HostileEdit> HostileEdits();
