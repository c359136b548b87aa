// The sample's players: invented names, countries, hidden strengths and months of activity.

#include <algorithm>
#include <array>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "duzedo/SampleDuzedoDetail.h"

namespace sample_detail {

namespace {

struct Country {
    std::string_view name;
    int weight;
};
constexpr std::array<Country, 10> kCountries = {{{"England", 10},
                                                 {"Greece", 10},
                                                 {"Spain", 7},
                                                 {"Netherlands", 6},
                                                 {"Germany", 6},
                                                 {"Scotland", 5},
                                                 {"Italy", 5},
                                                 {"Belgium", 4},
                                                 {"Curaçao", 3},
                                                 {"Türkiye", 4}}};

// Players whose names exercise quoting and non-ASCII text; always present, active throughout.
struct SpecialPlayer {
    std::string_view name;
    std::string_view country;
    int skill;
};
constexpr std::array<SpecialPlayer, 4> kSpecialPlayers = {{{"O'Neil S", "England", 95},
                                                           {"Müller K", "Germany", 75},
                                                           {"Ñandú P", "Curaçao", 55},
                                                           {"Érsek L", "Belgium", 35}}};

const std::vector<std::string_view> kOnsets = {"b",  "d",  "k", "l", "m",  "n",  "p",  "r",
                                               "s",  "t",  "v", "z", "br", "dr", "gr", "kr",
                                               "st", "tr", "h", "j", "f",  "g",  "sk", "ch"};
const std::vector<std::string_view> kVowels = {"a", "e", "i", "o", "u", "a", "e", "o", "ai", "ou"};
const std::vector<std::string_view> kMiddleCodas = {"", "", "", "", "n", "r", "l", "s"};
const std::vector<std::string_view> kFinalCodas = {"",  "d", "n",  "r", "s", "k",  "l",
                                                   "m", "t", "ng", "x", "z", "dd", "rk"};
constexpr std::string_view kInitials = "ABCDEFGHIJKLMNOPRSTVWZ";

class Roster {
  public:
    Roster(Rng& rng, int scale) : rng_(rng), scale_(scale) {}

    std::vector<Player> make() && {
        const int count = 60 * scale_;
        const int guests = 3 * scale_;
        for (const auto& s : kSpecialPlayers) {
            add(std::string(s.name), std::string(s.country), s.skill, true);
        }
        int ordinary = 0;
        while (static_cast<int>(players_.size()) < count) {
            std::string name = inventName();
            if (usedNames_.count(Folded(name)) != 0) continue;
            // Every country gets a player before the weights take over.
            std::string country = ordinary < static_cast<int>(kCountries.size())
                                      ? std::string(kCountries[ordinary].name)
                                      : pickCountry();
            const int skill = rng_.below(41) + rng_.below(41) + rng_.below(41);
            const bool guest = static_cast<int>(players_.size()) >= count - guests;
            const bool founder = !guest && rng_.chance(65, 100);
            add(std::move(name), std::move(country), skill, founder);
            setActivity(players_.back(), guest, founder);
            ++ordinary;
        }
        return std::move(players_);
    }

  private:
    std::string inventName() {
        std::string word;
        const int syllables = rng_.chance(7, 10) ? 2 : 3;
        for (int s = 0; s < syllables; ++s) {
            if (s > 0 || !rng_.chance(1, 10)) word += rng_.pick(kOnsets);
            word += rng_.pick(kVowels);
            word += rng_.pick(s + 1 == syllables ? kFinalCodas : kMiddleCodas);
        }
        word[0] = static_cast<char>(word[0] - 'a' + 'A');
        return word + " " +
               kInitials[static_cast<std::size_t>(rng_.below(static_cast<int>(kInitials.size())))];
    }

    std::string pickCountry() {
        int total = 0;
        for (const auto& c : kCountries) total += c.weight;
        int x = rng_.below(total);
        for (const auto& c : kCountries) {
            if (x < c.weight) return std::string(c.name);
            x -= c.weight;
        }
        return std::string(kCountries[0].name);
    }

    void add(std::string name, std::string country, int skill, bool founder) {
        Player p;
        p.name = std::move(name);
        p.country = std::move(country);
        p.attack = 60 + skill + rng_.range(-12, 12);
        p.defence = 60 + skill + rng_.range(-12, 12);
        p.founder = founder;
        if (founder) {
            // Founders bring a ranking from before the database began.
            p.ratingMilli = 1000LL * (1000 + skill * 4 + rng_.range(-40, 40));
        }
        usedNames_.insert(Folded(p.name));
        players_.push_back(std::move(p));
    }

    // Guests get their one month from the schedule; a quarter of the others stop early.
    void setActivity(Player& p, bool guest, bool founder) {
        p.guest = guest;
        if (!founder && !guest) p.firstMonth = rng_.range(1, 30);
        if (!guest && !rng_.chance(3, 4)) {
            p.lastMonth = std::min(kMonths - 1, p.firstMonth + 8 + rng_.below(20));
        }
    }

    Rng& rng_;
    int scale_;
    std::vector<Player> players_;
    std::set<std::string> usedNames_;
};

}  // namespace

std::string Folded(std::string s) {
    for (char& c : s) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return s;
}

std::vector<Player> MakePlayers(Rng& rng, int scale) {
    return Roster(rng, scale).make();
}

std::vector<int> ActivePlayers(const std::vector<Player>& players, int month) {
    std::vector<int> pool;
    for (std::size_t i = 0; i < players.size(); ++i) {
        const Player& p = players[i];
        if (!p.guest && p.firstMonth <= month && month <= p.lastMonth) {
            pool.push_back(static_cast<int>(i));
        }
    }
    return pool;
}

void TopUp(const std::vector<Player>& players, std::vector<int>& pool, int month,
           std::size_t wanted) {
    if (pool.size() >= wanted) return;
    std::vector<std::pair<int, int>> others;
    for (std::size_t i = 0; i < players.size(); ++i) {
        const Player& p = players[i];
        if (p.guest || (p.firstMonth <= month && month <= p.lastMonth)) continue;
        const int distance = month < p.firstMonth ? p.firstMonth - month : month - p.lastMonth;
        others.emplace_back(distance, static_cast<int>(i));
    }
    std::stable_sort(others.begin(), others.end());
    for (const auto& [distance, i] : others) {
        if (pool.size() >= wanted) break;
        pool.push_back(i);
    }
}

}  // namespace sample_detail
