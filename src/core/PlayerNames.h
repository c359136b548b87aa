#pragma once

#include <string>
#include <vector>

// The bare player name behind each item of the main window's player lists, item for item in
// list order (the lists may add the country, these never do), and one empty element at the end.
// Filled once when the main window loads.
extern std::vector<std::string> gPlayers;
