#include "app/Players.h"

std::vector<std::string> gPlayers;
