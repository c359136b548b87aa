#include "players/PlayerLists.h"

#include "db/Database.h"

PlayerLists ReadPlayerLists(bool showCountries) {
    PlayerLists lists;
    gRs->open("select player, country from rankings order by player", *gConn, adOpenForwardOnly,
              adLockReadOnly);
    lists.names.reserve(static_cast<std::size_t>(CountRecords(*gRs)) + 1);
    for (; !gRs->eof(); gRs->moveNext()) {
        std::string player = gRs->fields("player").toString();
        lists.items.push_back(
            showCountries ? player + " (" + gRs->fields("country").toString() + ")" : player);
        lists.names.push_back(std::move(player));
    }
    gRs->close();
    lists.names.emplace_back();
    return lists;
}
