#include "players/PlayerLists.h"

#include "db/Database.h"

PlayerLists ReadPlayerLists(bool showCountries) {
    PlayerLists lists;
    const QueryResult players = Query("select player, country from rankings order by player");
    lists.names.reserve(players.size());
    for (const Record row : players) {
        std::string player = row["player"].toString();
        lists.items.push_back(showCountries ? player + " (" + row["country"].toString() + ")"
                                            : player);
        lists.names.push_back(std::move(player));
    }
    return lists;
}
