// The sample's tournaments played in order: their fields, their formats, their tables, and the
// monthly ranking between them.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "duzedo/SampleDuzedoDetail.h"
#include "duzedo/SampleMatches.h"

namespace sample_detail {

namespace {

constexpr std::string_view kWorldCupPrefix[2] = {"World Cup I ", "World Cup II "};

// Orders the players in the given places of several group tables by their records.
std::vector<int> ByRecord(const std::vector<std::vector<TableRow>>& groups, std::size_t place) {
    std::vector<TableRow> rows;
    for (const auto& g : groups) {
        if (place < g.size()) rows.push_back(g[place]);
    }
    std::stable_sort(rows.begin(), rows.end(), Better);
    return PlayersOf(rows);
}

class EventPlayer {
  public:
    // The players' months of activity are settled before the first event.
    EventPlayer(Rng& rng, SampleData& data)
        : rng_(rng), data_(data), matches_(rng, data.players, data.games) {
        for (int month = 0; month < kMonths; ++month) {
            activeByMonth_.push_back(ActivePlayers(data.players, month));
        }
    }

    void play(std::size_t index) {
        Event& e = data_.events[index];
        matches_.setEvent(index);
        std::vector<int> field;
        switch (e.kind) {
            case EventKind::Ordinary:
                field = playOrdinary(e);
                break;
            case EventKind::Cup:
                field = playCup(e);
                break;
            case EventKind::Dadidurez:
                field = playDadidurez(e);
                break;
            case EventKind::WorldCup:
                field = playWorldCup(e);
                break;
        }
        e.players = static_cast<int>(field.size());
        if (e.country.empty()) e.country = player(rng_.pick(field)).country;
        for (int p : field) {
            ++player(p).events;
            player(p).lastEventMonth = e.month;
        }
    }

  private:
    Player& player(int p) { return data_.players[static_cast<std::size_t>(p)]; }
    const std::vector<int>& active(int month) const {
        return activeByMonth_[static_cast<std::size_t>(month)];
    }

    std::vector<int> chooseField(const Event& e, std::size_t size) {
        std::vector<int> pool = active(e.month);
        rng_.shuffle(pool);
        TopUp(data_.players, pool, e.month, size);
        std::vector<int> field = e.guests;
        for (int p : pool) {
            if (field.size() >= size) break;
            field.push_back(p);
        }
        rng_.shuffle(field);
        return field;
    }

    std::vector<int> playOrdinary(const Event& e) {
        const std::vector<int> field = chooseField(e, static_cast<std::size_t>(e.size));
        const std::size_t from = matches_.count();
        // The 6th ordinary tournament ends with a shared first place (equal points, goal
        // difference and goals): it is replayed until it does, which takes some tens of tries.
        const bool sharedFirst = ordinaryPlayed_ == 5;
        std::vector<std::int64_t> ratings;
        for (int p : field) ratings.push_back(player(p).ratingMilli);
        std::vector<TableRow> rows;
        for (int attempt = 0;; ++attempt) {
            matches_.roundRobin(field, e.name, e.doubleRound);
            rows = Standings(matches_.since(from), field, e.name, e.chrono);
            if (!sharedFirst || rows[1].p == 1 || attempt == 100000) break;
            data_.games.resize(from);
            for (std::size_t i = 0; i < field.size(); ++i)
                player(field[i]).ratingMilli = ratings[i];
        }
        // Two results were never entered: null points in the 4th and 10th ordinary tournaments.
        if (ordinaryPlayed_ == 3) rows.back().ptsNull = true;
        if (ordinaryPlayed_ == 9 && rows.size() > 1) rows[1].ptsNull = true;
        ++ordinaryPlayed_;
        data_.tables.insert(data_.tables.end(), rows.begin(), rows.end());
        return field;
    }

    std::vector<int> playCup(const Event& e) {
        const std::size_t available = active(e.month).size();
        std::size_t size = static_cast<std::size_t>(e.size);
        while (size > 4 && available < size) size /= 2;
        const std::vector<int> field = chooseField(e, size);
        matches_.knockOut(field, e.name + " ", false);
        return field;
    }

    std::vector<int> playDadidurez(const Event& e) {
        const std::string prefix = e.name + " ";
        const std::vector<int> field = chooseField(e, 12);
        const std::size_t from = matches_.count();

        std::vector<int> upper;
        std::vector<int> lower;
        for (int g = 0; g < 2; ++g) {
            const std::vector<int> group(field.begin() + g * 6, field.begin() + g * 6 + 6);
            const std::string name =
                prefix + "League Round 1 - Group " + static_cast<char>('A' + g);
            const std::size_t start = matches_.count();
            matches_.roundRobin(group, name, false);
            const std::vector<TableRow> table =
                Standings(matches_.since(start), group, name, e.chrono);
            for (std::size_t i = 0; i < table.size(); ++i) {
                (i < 3 ? upper : lower).push_back(table[i].player);
            }
        }
        upper = leagueRound2(upper, prefix + "League Round 2 - Upper Group", e.chrono);
        lower = leagueRound2(lower, prefix + "League Round 2 - Lower Group", e.chrono);

        std::vector<int> cupField = field;
        rng_.shuffle(cupField);
        cupField.resize(8);
        matches_.knockOut(cupField, prefix + "Cup - ", false);

        const std::vector<int> playouts = matches_.knockOut(
            {lower[2], lower[5], lower[3], lower[4]}, prefix + "League Playouts - ", false);
        const std::vector<int> playoffs = matches_.knockOut(
            {upper[0], upper[3], upper[1], upper[2]}, prefix + "League Playoffs - ", false);

        std::vector<int> order = playoffs;
        order.insert(order.end(), {upper[4], upper[5], lower[0], lower[1]});
        order.insert(order.end(), playouts.begin(), playouts.end());
        const std::vector<TableRow> rows =
            FinalTable(matches_.since(from), order, e.name, e.chrono);
        data_.tables.insert(data_.tables.end(), rows.begin(), rows.end());
        return field;
    }

    // Plays a group of Dadidurez VII's second round and returns it in finishing order.
    std::vector<int> leagueRound2(const std::vector<int>& group, const std::string& name,
                                  int chrono) {
        const std::size_t start = matches_.count();
        matches_.roundRobin(group, name, false);
        return PlayersOf(Standings(matches_.since(start), group, "", chrono));
    }

    // The 16 best-rated active players and eight others, in random order.
    std::vector<int> worldCupField(int month) {
        std::vector<int> pool = active(month);
        TopUp(data_.players, pool, month, 24);
        std::stable_sort(pool.begin(), pool.end(), [this](int x, int y) {
            return player(x).ratingMilli > player(y).ratingMilli;
        });
        std::vector<int> field(pool.begin(), pool.begin() + std::min<std::size_t>(16, pool.size()));
        std::vector<int> rest(pool.begin() + static_cast<std::ptrdiff_t>(field.size()), pool.end());
        rng_.shuffle(rest);
        for (std::size_t i = 0; i < rest.size() && field.size() < 24; ++i) field.push_back(rest[i]);
        rng_.shuffle(field);
        if (field.size() < 24) throw std::logic_error("too few players for a World Cup");
        return field;
    }

    // One World Cup round of four groups; their tables also go to the World Cup's own table.
    std::vector<std::vector<TableRow>> worldCupRound(const std::vector<std::vector<int>>& groups,
                                                     const Event& e, int round) {
        const std::string prefix(kWorldCupPrefix[e.worldCup]);
        std::vector<TableRow>& groupTables =
            data_.worldCupTables[static_cast<std::size_t>(e.worldCup)];
        const char firstGroup = round == 1 ? 'A' : 'E';
        std::vector<std::vector<TableRow>> tables;
        for (std::size_t g = 0; g < groups.size(); ++g) {
            const std::string groupName =
                std::string("Group ") + static_cast<char>(firstGroup + static_cast<int>(g));
            const std::size_t start = matches_.count();
            matches_.roundRobin(groups[g],
                                prefix + "Round " + std::to_string(round) + " - " + groupName,
                                round == 2);
            tables.push_back(Standings(matches_.since(start), groups[g], groupName, e.chrono));
            groupTables.insert(groupTables.end(), tables.back().begin(), tables.back().end());
        }
        return tables;
    }

    std::vector<int> playWorldCup(Event& e) {
        const std::string prefix(kWorldCupPrefix[e.worldCup]);
        e.country = "WC";
        const std::vector<int> field = worldCupField(e.month);
        const std::size_t from = matches_.count();

        std::vector<std::vector<int>> groups;
        for (int g = 0; g < 4; ++g) {
            groups.emplace_back(field.begin() + g * 6, field.begin() + g * 6 + 6);
        }
        const std::vector<std::vector<TableRow>> round1 = worldCupRound(groups, e, 1);
        // Round 2: the first four of each group, spread so that no two meet again at once.
        groups.assign(4, {});
        for (std::size_t g = 0; g < 4; ++g) {
            for (std::size_t k = 0; k < 4; ++k) groups[g].push_back(round1[(g + k) % 4][k].player);
        }
        const std::vector<std::vector<TableRow>> round2 = worldCupRound(groups, e, 2);
        auto at = [&round2](int group, int place) {
            return round2[static_cast<std::size_t>(group)][static_cast<std::size_t>(place)].player;
        };
        std::vector<int> middle;
        if (e.worldCup == 1) {
            middle = matches_.knockOut(
                {at(0, 2), at(1, 3), at(2, 2), at(3, 3), at(1, 2), at(0, 3), at(3, 2), at(2, 3)},
                prefix + "Playouts - ", false);
        } else {
            middle = ByRecord(round2, 2);
            const std::vector<int> fourth = ByRecord(round2, 3);
            middle.insert(middle.end(), fourth.begin(), fourth.end());
        }
        const std::vector<int> top = matches_.knockOut(
            {at(0, 0), at(1, 1), at(2, 0), at(3, 1), at(1, 0), at(0, 1), at(3, 0), at(2, 1)},
            prefix + "Playoffs - ", true);

        std::vector<int> order = top;
        order.insert(order.end(), middle.begin(), middle.end());
        for (std::size_t place = 4; place < 6; ++place) {
            const std::vector<int> out = ByRecord(round1, place);
            order.insert(order.end(), out.begin(), out.end());
        }
        const std::vector<TableRow> rows =
            FinalTable(matches_.since(from), order, prefix, e.chrono);
        data_.tables.insert(data_.tables.end(), rows.begin(), rows.end());
        return field;
    }

    Rng& rng_;
    SampleData& data_;
    Matches matches_;
    std::vector<std::vector<int>> activeByMonth_;
    int ordinaryPlayed_ = 0;
};

// Records the month's points of every ranked player: no guest, active, a founder or a player
// of two events, and not idle for more than twelve months.
void TakeSnapshot(SampleData& data, int month) {
    for (std::size_t i = 0; i < data.players.size(); ++i) {
        const Player& p = data.players[i];
        const bool ranked = !p.guest && month >= p.firstMonth && (p.founder || p.events >= 2) &&
                            month - p.lastEventMonth <= 12;
        if (ranked) {
            data.monthPoints[static_cast<std::size_t>(month)][i] =
                static_cast<int>((p.ratingMilli + 500) / 1000);
        }
    }
}

}  // namespace

void PlaySeasons(Rng& rng, SampleData& data) {
    data.monthPoints.assign(kMonths, std::vector<int>(data.players.size(), -1));
    EventPlayer events(rng, data);
    int snapshot = 0;
    for (std::size_t e = 0; e < data.events.size(); ++e) {
        while (snapshot < data.events[e].month) TakeSnapshot(data, snapshot++);
        events.play(e);
    }
    while (snapshot < kMonths) TakeSnapshot(data, snapshot++);
}

}  // namespace sample_detail
