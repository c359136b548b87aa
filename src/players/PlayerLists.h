#pragma once

#include "core/ViewTexts.h"

struct PlayerLists {
    Texts items;  // what each player list shows: the name, with " (country)" when asked for
    Texts names;  // the bare names, item for item
};
// Every player of table rankings in name order, for the player lists of the main window.
PlayerLists ReadPlayerLists(bool showCountries);
