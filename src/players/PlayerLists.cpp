#include "players/PlayerLists.h"

#include "db/Database.h"

PlayerLists ReadPlayerLists(bool showCountries) {
    PlayerLists lists;
    const QueryResult players = Query("select player, country from rankings order by player");
    lists.names.reserve(players.size() + 1);
    for (const Record row : players) {
        std::string player = row["player"].toString();
        lists.items.push_back(showCountries ? player + " (" + row["country"].toString() + ")"
                                            : player);
        lists.names.push_back(std::move(player));
    }
    lists.names.emplace_back();
    return lists;
}
