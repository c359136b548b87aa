#include "core/PlayerNames.h"

std::vector<std::string> gPlayers;
