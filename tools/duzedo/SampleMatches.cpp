#include "duzedo/SampleMatches.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace sample_detail {

namespace {

struct Tally {
    int g = 0, w = 0, d = 0, l = 0, gs = 0, gc = 0;
};

Tally TallyOf(std::span<const Game> games, int player) {
    Tally t;
    for (const Game& g : games) {
        int own = 0;
        int other = 0;
        if (g.a == player) {
            own = g.goalsA;
            other = g.goalsB;
        } else if (g.b == player) {
            own = g.goalsB;
            other = g.goalsA;
        } else {
            continue;
        }
        ++t.g;
        t.gs += own;
        t.gc += other;
        if (own > other) {
            ++t.w;
        } else if (own == other) {
            ++t.d;
        } else {
            ++t.l;
        }
    }
    return t;
}

TableRow Row(std::span<const Game> games, const std::string& tournament, int player, int chrono) {
    const Tally t = TallyOf(games, player);
    TableRow r;
    r.tournament = tournament;
    r.player = player;
    r.g = t.g;
    r.w = t.w;
    r.d = t.d;
    r.l = t.l;
    r.gs = t.gs;
    r.gc = t.gc;
    r.pts = 3 * t.w + t.d;
    r.chrono = chrono;
    return r;
}

std::string KnockOutPhase(std::size_t players) {
    switch (players) {
        case 2:
            return "Final";
        case 4:
            return "Semi-finals";
        case 8:
            return "Quarter-finals";
        default:
            return "Round of " + std::to_string(players);
    }
}

}  // namespace

// ----------------------------------------------------------------------------------------------
// Games.

// Expected goals, in thousandths, of the attacker against the defender.
int Matches::expectedGoals(int attacker, int defender, bool home) const {
    const Player& a = players_[static_cast<std::size_t>(attacker)];
    const Player& d = players_[static_cast<std::size_t>(defender)];
    const int lambda = 2100 * a.attack / d.defence + (home ? 150 : 0);
    return std::clamp(lambda, 250, 6500);
}

// Goals of one side: successes in 24 chances of lambda/24 each (close to Poisson), at most 9.
int Matches::goals(int lambdaMilli) {
    const std::uint64_t threshold = (static_cast<std::uint64_t>(lambdaMilli) << 32) / 24000;
    int n = 0;
    for (int chance = 0; chance < 24; ++chance) {
        if (rng_.bits32() < threshold) ++n;
    }
    return std::min(n, 9);
}

void Matches::updateRatings(int a, int b, int goalsA, int goalsB) {
    Player& pa = players_[static_cast<std::size_t>(a)];
    Player& pb = players_[static_cast<std::size_t>(b)];
    const std::int64_t diff = (pa.ratingMilli - pb.ratingMilli) / 1000;
    const std::int64_t expected = std::clamp<std::int64_t>(500 + diff * 5 / 4, 40, 960);
    const std::int64_t score = goalsA > goalsB ? 1000 : goalsA == goalsB ? 500 : 0;
    const std::int64_t k =
        12 + 4 * std::min(goalsA > goalsB ? goalsA - goalsB : goalsB - goalsA, 3);
    const std::int64_t delta = k * (score - expected);
    pa.ratingMilli += delta;
    pb.ratingMilli -= delta;
}

int Matches::play(int a, int b, const std::string& tournament, bool knockout) {
    const int lambdaA = expectedGoals(a, b, true);
    const int lambdaB = expectedGoals(b, a, false);
    int ga = goals(lambdaA);
    int gb = goals(lambdaB);
    if (knockout && ga == gb) {
        const bool aScores = rng_.below(lambdaA + lambdaB) < lambdaA;
        int& scorer = aScores ? ga : gb;
        int& other = aScores ? gb : ga;
        if (scorer < 9) {
            ++scorer;
        } else {
            --other;
        }
    }
    games_.push_back({a, b, ga, gb, tournament, event_});
    updateRatings(a, b, ga, gb);
    return ga > gb ? a : gb > ga ? b : -1;
}

void Matches::roundRobin(const std::vector<int>& field, const std::string& tournament, bool twice) {
    std::vector<int> ring = field;
    if (ring.size() % 2 == 1) ring.push_back(-1);
    const std::size_t n = ring.size();
    std::vector<std::pair<int, int>> fixtures;
    for (std::size_t round = 0; round + 1 < n; ++round) {
        for (std::size_t i = 0; i < n / 2; ++i) {
            int a = ring[i];
            int b = ring[n - 1 - i];
            if (a < 0 || b < 0) continue;
            if ((round + i) % 2 == 1) std::swap(a, b);
            fixtures.emplace_back(a, b);
        }
        std::rotate(ring.begin() + 1, ring.end() - 1, ring.end());
    }
    for (const auto& [a, b] : fixtures) play(a, b, tournament, false);
    if (twice) {
        for (const auto& [a, b] : fixtures) play(b, a, tournament, false);
    }
}

std::vector<int> Matches::knockOut(std::vector<int> field, const std::string& prefix,
                                   bool thirdPlace) {
    std::vector<std::vector<int>> losers;
    while (field.size() > 1) {
        if (field.size() == 2 && thirdPlace && !losers.empty() && losers.back().size() == 2) {
            std::vector<int>& semi = losers.back();
            const int winner = play(semi[0], semi[1], prefix + "Third place", true);
            if (winner != semi[0]) std::swap(semi[0], semi[1]);
        }
        const std::string phase = prefix + KnockOutPhase(field.size());
        std::vector<int> winners;
        std::vector<int> out;
        for (std::size_t i = 0; i + 1 < field.size(); i += 2) {
            const int winner = play(field[i], field[i + 1], phase, true);
            winners.push_back(winner);
            out.push_back(winner == field[i] ? field[i + 1] : field[i]);
        }
        losers.push_back(out);
        field = winners;
    }
    std::vector<int> order = field;
    for (auto it = losers.rbegin(); it != losers.rend(); ++it) {
        order.insert(order.end(), it->begin(), it->end());
    }
    return order;
}

// ----------------------------------------------------------------------------------------------
// Tables.

bool Better(const TableRow& x, const TableRow& y) {
    if (x.pts != y.pts) return x.pts > y.pts;
    if (x.gs - x.gc != y.gs - y.gc) return x.gs - x.gc > y.gs - y.gc;
    return x.gs > y.gs;
}

std::vector<TableRow> Standings(std::span<const Game> games, const std::vector<int>& field,
                                const std::string& tournament, int chrono) {
    std::vector<TableRow> rows;
    for (int p : field) rows.push_back(Row(games, tournament, p, chrono));
    std::stable_sort(rows.begin(), rows.end(), Better);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const bool tied = i > 0 && !Better(rows[i - 1], rows[i]);
        rows[i].p = tied ? rows[i - 1].p : static_cast<int>(i) + 1;
    }
    return rows;
}

std::vector<TableRow> FinalTable(std::span<const Game> games, const std::vector<int>& order,
                                 const std::string& tournament, int chrono) {
    std::vector<TableRow> rows;
    for (std::size_t i = 0; i < order.size(); ++i) {
        rows.push_back(Row(games, tournament, order[i], chrono));
        rows.back().p = static_cast<int>(i) + 1;
    }
    return rows;
}

std::vector<int> PlayersOf(const std::vector<TableRow>& rows) {
    std::vector<int> out;
    for (const TableRow& r : rows) out.push_back(r.player);
    return out;
}

}  // namespace sample_detail
