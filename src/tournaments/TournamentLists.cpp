#include "tournaments/TournamentLists.h"

#include <QString>

#include "core/QtText.h"
#include "db/Database.h"
#include "tournaments/Tournament.h"

namespace {

// Field 0 of every record of sql, as text.
Texts FirstFields(const std::string& sql) {
    Texts result;
    for (const Record row : Query(sql)) result.push_back(row[0].toString());
    return result;
}

}  // namespace

bool IsWorldCup(std::string_view tournament) {
    return ToQString(tournament).left(9).toUpper() == QStringLiteral("WORLD CUP");
}

Texts ListedTournaments() {
    return TournamentNames(std::nullopt);
}

CountryFilter TournamentCountryFilter() {
    CountryFilter filter{{std::string(kAllItem)}, true};
    try {
        for (std::string& country :
             FirstFields("select distinct country from [tournament players] order by country")) {
            if (country != "WC") filter.items.push_back(std::move(country));
        }
    } catch (const DbError&) {
        // Older databases have no host countries: the filter cannot work on them.
        filter = {{std::string(kNotSupportedItem)}, false};
    }
    return filter;
}
