#include "duzedo/SampleDuzedo.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "db/DbValue.h"

// Everything here is integer arithmetic on the generator's own random numbers, so a seed gives
// the same database with any compiler and standard library.

namespace {

// ----------------------------------------------------------------------------------------------
// Calendar: month index 0 is January 2001, the last is December 2003; one ranking column each.

constexpr int kFirstYear = 2001;
constexpr int kMonths = 36;

constexpr std::array<std::string_view, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

int YearOf(int month) {
    return kFirstYear + month / 12;
}

std::string TwoDigits(int n) {
    return std::string(1, static_cast<char>('0' + n / 10 % 10)) + static_cast<char>('0' + n % 10);
}

std::string RankingColumn(int month) {
    return "R" + TwoDigits(month % 12 + 1) + TwoDigits(YearOf(month) % 100);
}

std::string DateText(int month, int day) {
    return std::to_string(day) + " " + std::string(kMonthNames[month % 12]) + " " +
           std::to_string(YearOf(month));
}

std::string Roman(int n) {
    static constexpr std::string_view kTens[] = {"",  "X",  "XX",  "XXX",  "XL",
                                                 "L", "LX", "LXX", "LXXX", "XC"};
    static constexpr std::string_view kUnits[] = {"",  "I",  "II",  "III",  "IV",
                                                  "V", "VI", "VII", "VIII", "IX"};
    return std::string(static_cast<std::size_t>(n / 100), 'C') + std::string(kTens[n / 10 % 10]) +
           std::string(kUnits[n % 10]);
}

// ASCII letters folded to lower case: the engine compares names without regard to case, so
// names must differ in more than case.
std::string Folded(std::string s) {
    for (char& c : s) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return s;
}

bool StartsWith(std::string_view s, std::string_view prefix) {
    return s.size() >= prefix.size() && s.substr(0, prefix.size()) == prefix;
}

// ----------------------------------------------------------------------------------------------
// Random numbers: splitmix64, and distributions of our own.

class Rng {
  public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    std::uint32_t bits32() { return static_cast<std::uint32_t>(next() >> 32); }

    // Uniform in [0, n), n > 0; rejection keeps it unbiased.
    int below(int n) {
        const auto range = static_cast<std::uint64_t>(n);
        const std::uint64_t limit = UINT64_MAX - UINT64_MAX % range;
        std::uint64_t x = next();
        while (x >= limit) x = next();
        return static_cast<int>(x % range);
    }
    // Uniform in [lo, hi].
    int range(int lo, int hi) { return lo + below(hi - lo + 1); }
    // True with probability num/den.
    bool chance(int num, int den) { return below(den) < num; }

    template <typename T>
    void shuffle(std::vector<T>& v) {
        for (std::size_t i = v.size(); i > 1; --i) {
            const auto j = static_cast<std::size_t>(below(static_cast<int>(i)));
            std::swap(v[i - 1], v[j]);
        }
    }
    template <typename T>
    const T& pick(const std::vector<T>& v) {
        return v[static_cast<std::size_t>(below(static_cast<int>(v.size())))];
    }

  private:
    std::uint64_t state_;
};

// ----------------------------------------------------------------------------------------------
// Vocabulary.

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

const std::vector<std::string_view> kPlaces = {
    "Kastrel",    "Orvane",    "Tilmouth",  "Brackwater", "Esselby",  "Caldmoor",
    "Dunmere",    "Falkreach", "Greyhaven", "Hollin",     "Irvale",   "Jorsby",
    "Kelderwick", "Lomsey",    "Marrowby",  "Norhallow",  "Oxenford", "Pellmoor",
    "Quarrow",    "Redlinch",  "Saltmarsh", "Thornby",    "Umberley", "Wexcombe"};
const std::vector<std::string_view> kKinds = {"Open",   "Masters",      "Classic",
                                              "Trophy", "Invitational", "Championship"};
// The first cups; one ends in a lower-case "cup".
const std::vector<std::string_view> kFirstCups = {"Velmoor Cup", "Spring Cup", "Harbour cup",
                                                  "Autumn Cup", "Millennium Cup"};

constexpr std::string_view kDadidurez = "Dadidurez VII";
constexpr int kDadidurezMonth = 17;         // June 2002
constexpr int kWorldCupMonth[2] = {7, 30};  // August 2001, July 2003
constexpr int kWorldCupDay[2] = {18, 12};
constexpr std::string_view kWorldCupName[2] = {"World Cup I (Dartford)", "World Cup II (Athens)"};
constexpr std::string_view kWorldCupPrefix[2] = {"World Cup I ", "World Cup II "};

// ----------------------------------------------------------------------------------------------
// The data being built.

struct Player {
    std::string name;
    std::string country;
    int attack = 100;
    int defence = 100;
    int firstMonth = 0;           // active (available for tournaments) from this month ...
    int lastMonth = kMonths - 1;  // ... to this one
    bool founder = false;         // ranked from the first month, before playing
    bool guest = false;           // plays one tournament and is never ranked
    std::int64_t ratingMilli = 1150000;
    int events = 0;
    int lastEventMonth = -1;
};

struct Game {
    int a;
    int b;
    int goalsA;
    int goalsB;
    std::string tournament;
    std::size_t event;  // index of the event that owns the game
};

struct TableRow {
    std::string tournament;
    int player = 0;
    int p = 0, g = 0, w = 0, d = 0, l = 0, gs = 0, gc = 0;
    int pts = 0;
    bool ptsNull = false;
    int chrono = 0;
};

enum class EventKind { Ordinary, Cup, Dadidurez, WorldCup };

struct Event {
    EventKind kind = EventKind::Ordinary;
    int month = 0;
    int day = 1;
    int size = 0;
    bool doubleRound = false;
    int worldCup = 0;  // 0 or 1 for the World Cups
    std::string name;
    std::string country;
    int chrono = 0;
    std::vector<int> guests;  // guests who play here
    int players = 0;          // participants, once played
};

struct Tally {
    int g = 0, w = 0, d = 0, l = 0, gs = 0, gc = 0;
};

class Generator {
  public:
    explicit Generator(const SampleOptions& options) : rng_(options.seed), scale_(options.scale) {}

    void run() {
        makePlayers();
        schedule();
        monthPoints_.assign(kMonths, std::vector<int>(players_.size(), -1));
        int snapshot = 0;
        for (std::size_t e = 0; e < events_.size(); ++e) {
            while (snapshot < events_[e].month) takeSnapshot(snapshot++);
            currentEvent_ = e;
            playEvent(events_[e]);
        }
        while (snapshot < kMonths) takeSnapshot(snapshot++);
        checkNames();
    }

    void emit(TableSink& sink) const;

  private:
    // --- players ---------------------------------------------------------------------------

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

    void addPlayer(std::string name, std::string country, int skill, bool founder) {
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

    void makePlayers() {
        const int count = 60 * scale_;
        const int guests = 3 * scale_;
        for (const auto& s : kSpecialPlayers) {
            addPlayer(std::string(s.name), std::string(s.country), s.skill, true);
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
            addPlayer(std::move(name), std::move(country), skill, founder);
            Player& p = players_.back();
            p.guest = guest;
            if (!founder && !guest) p.firstMonth = rng_.range(1, 30);
            if (!guest && !rng_.chance(3, 4)) {
                p.lastMonth = std::min(kMonths - 1, p.firstMonth + 8 + rng_.below(20));
            }
            ++ordinary;
        }
    }

    // --- calendar ----------------------------------------------------------------------------

    std::string uniqueEventName(const std::string& wanted) {
        std::string name = wanted;
        for (int n = 2; usedEventNames_.count(Folded(name)) != 0; ++n) {
            name = wanted + " " + Roman(n);
        }
        usedEventNames_.insert(Folded(name));
        return name;
    }

    std::string nextCupName(int index) {
        if (index < static_cast<int>(kFirstCups.size())) {
            return std::string(kFirstCups[static_cast<std::size_t>(index)]);
        }
        index -= static_cast<int>(kFirstCups.size());
        const int places = static_cast<int>(kPlaces.size());
        const std::string place(kPlaces[static_cast<std::size_t>(index % places)]);
        const int round = index / places;
        if (round == 0) return place + " Cup";
        if (round == 1) return place + " Winter Cup";
        if (round == 2) return place + " Summer Cup";
        return place + " " + Roman(round - 1) + " Cup";
    }

    void schedule() {
        const int ordinary = 28 * scale_;
        const int cups = 5 * scale_;
        // Spread evenly over the three seasons, with a random month within each share.
        for (int i = 0; i < ordinary; ++i) {
            Event e;
            e.kind = EventKind::Ordinary;
            e.month = (i * kMonths + rng_.below(kMonths)) / ordinary;
            e.day = rng_.range(1, 28);
            e.size = rng_.range(6, 12);
            e.doubleRound = e.size <= 8 && rng_.chance(1, 2);
            events_.push_back(e);
        }
        for (int i = 0; i < cups; ++i) {
            Event e;
            e.kind = EventKind::Cup;
            e.month = (i * kMonths + rng_.below(kMonths)) / cups;
            e.day = rng_.range(1, 28);
            e.size = rng_.chance(1, 3) ? 16 : 8;
            events_.push_back(e);
        }
        {
            Event e;
            e.kind = EventKind::Dadidurez;
            e.month = kDadidurezMonth;
            e.day = 15;
            e.size = 12;
            e.name = std::string(kDadidurez);
            events_.push_back(e);
        }
        for (int w = 0; w < 2; ++w) {
            Event e;
            e.kind = EventKind::WorldCup;
            e.month = kWorldCupMonth[w];
            e.day = kWorldCupDay[w];
            e.size = 24;
            e.worldCup = w;
            e.name = std::string(kWorldCupName[w]);
            events_.push_back(e);
        }
        std::stable_sort(events_.begin(), events_.end(), [](const Event& x, const Event& y) {
            return x.month != y.month ? x.month < y.month : x.day < y.day;
        });
        for (std::size_t i = 0; i < events_.size(); ++i) {
            events_[i].chrono = static_cast<int>(i) + 1;
            if (!events_[i].name.empty()) usedEventNames_.insert(Folded(events_[i].name));
        }
        nameEvents();
        assignGuests();
    }

    void nameEvents() {
        std::vector<Event*> ordinary;
        int cupIndex = 0;
        for (Event& e : events_) {
            if (e.kind == EventKind::Ordinary) ordinary.push_back(&e);
            if (e.kind == EventKind::Cup) {
                std::string name = nextCupName(cupIndex++);
                while (usedEventNames_.count(Folded(name)) != 0) name = nextCupName(cupIndex++);
                usedEventNames_.insert(Folded(name));
                e.name = name;
            }
        }
        // The six earlier Dadidurez tournaments, spread over the time before the seventh.
        std::vector<Event*> early;
        for (Event* e : ordinary) {
            if (e->month < kDadidurezMonth) early.push_back(e);
        }
        const std::size_t editions = std::min<std::size_t>(6, early.size());
        for (std::size_t j = 0; j < editions; ++j) {
            Event* e = early[j * early.size() / editions];
            e->name = uniqueEventName(std::string(kDadidurez.substr(0, 10)) +
                                      Roman(static_cast<int>(j) + 1));
        }
        // One name with an apostrophe; one with non-ASCII letters, held in a country with them.
        struct Fixed {
            int year;
            std::string_view name;
            std::string_view country;
        };
        const Fixed fixed[] = {{2002, "King's Trophy 2002", "England"},
                               {2003, "Curaçao Masters 2003", "Curaçao"}};
        for (const Fixed& f : fixed) {
            for (Event* e : ordinary) {
                if (e->name.empty() && YearOf(e->month) == f.year) {
                    e->name = uniqueEventName(std::string(f.name));
                    e->country = std::string(f.country);
                    break;
                }
            }
        }
        for (Event* e : ordinary) {
            if (!e->name.empty()) continue;
            const std::string year = std::to_string(YearOf(e->month));
            std::string name;
            for (int tries = 0; tries < 40; ++tries) {
                name = std::string(rng_.pick(kPlaces)) + " " + std::string(rng_.pick(kKinds)) +
                       " " + year;
                if (usedEventNames_.count(Folded(name)) == 0) break;
            }
            e->name = uniqueEventName(name);
        }
    }

    // Guests join in the last months and play exactly one ordinary tournament.
    void assignGuests() {
        std::vector<Event*> late;
        for (Event& e : events_) {
            if (e.kind == EventKind::Ordinary && e.month >= 30) late.push_back(&e);
        }
        if (late.empty()) {
            for (Event& e : events_) {
                if (e.kind == EventKind::Ordinary) late.assign(1, &e);
            }
        }
        std::size_t next = 0;
        for (std::size_t i = 0; i < players_.size(); ++i) {
            if (!players_[i].guest) continue;
            Event* e = late[late.size() - 1 - next % late.size()];
            ++next;
            // A tournament takes at most half its field from guests.
            if (static_cast<int>(e->guests.size()) * 2 >= e->size) ++e->size;
            e->guests.push_back(static_cast<int>(i));
            players_[i].firstMonth = e->month;
            players_[i].lastMonth = e->month;
        }
    }

    // --- choosing players ----------------------------------------------------------------------

    std::vector<int> activePlayers(int month) const {
        std::vector<int> pool;
        for (std::size_t i = 0; i < players_.size(); ++i) {
            const Player& p = players_[i];
            if (!p.guest && p.firstMonth <= month && month <= p.lastMonth) {
                pool.push_back(static_cast<int>(i));
            }
        }
        return pool;
    }

    // Players not active this month, by how close their activity is, to fill a short field.
    void topUp(std::vector<int>& pool, int month, std::size_t wanted) const {
        if (pool.size() >= wanted) return;
        std::vector<std::pair<int, int>> others;
        for (std::size_t i = 0; i < players_.size(); ++i) {
            const Player& p = players_[i];
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

    std::vector<int> chooseField(const Event& e, std::size_t size) {
        std::vector<int> pool = activePlayers(e.month);
        rng_.shuffle(pool);
        topUp(pool, e.month, size);
        std::vector<int> field = e.guests;
        for (int p : pool) {
            if (field.size() >= size) break;
            field.push_back(p);
        }
        rng_.shuffle(field);
        return field;
    }

    // --- games -------------------------------------------------------------------------------

    // Expected goals, in thousandths, of the attacker against the defender.
    int expectedGoals(int attacker, int defender, bool home) const {
        const Player& a = players_[static_cast<std::size_t>(attacker)];
        const Player& d = players_[static_cast<std::size_t>(defender)];
        const int lambda = 2100 * a.attack / d.defence + (home ? 150 : 0);
        return std::clamp(lambda, 250, 6500);
    }

    // Goals of one side: successes in 24 chances of lambda/24 each (close to Poisson), at most 9.
    int goals(int lambdaMilli) {
        const std::uint64_t threshold = (static_cast<std::uint64_t>(lambdaMilli) << 32) / 24000;
        int n = 0;
        for (int chance = 0; chance < 24; ++chance) {
            if (rng_.bits32() < threshold) ++n;
        }
        return std::min(n, 9);
    }

    void updateRatings(int a, int b, int goalsA, int goalsB) {
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

    // Plays one game and returns the winner, or -1 for a draw. A knock-out game is never drawn:
    // extra time ends with a golden goal.
    int play(int a, int b, const std::string& tournament, bool knockout) {
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
        games_.push_back({a, b, ga, gb, tournament, currentEvent_});
        updateRatings(a, b, ga, gb);
        return ga > gb ? a : gb > ga ? b : -1;
    }

    // Round robin by the circle method, home and away alternating; a second leg swaps sides.
    void roundRobin(const std::vector<int>& field, const std::string& tournament, bool twice) {
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

    static std::string knockOutPhase(std::size_t players) {
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

    // A knock-out over field (a power of two; 1 v 2, 3 v 4, ..., winners paired likewise).
    // Returns the players in finishing order: winner, runner-up, then the losers of each
    // earlier round. With thirdPlace the semi-final losers play for third place.
    std::vector<int> knockOut(std::vector<int> field, const std::string& prefix, bool thirdPlace) {
        std::vector<std::vector<int>> losers;
        while (field.size() > 1) {
            if (field.size() == 2 && thirdPlace && !losers.empty() && losers.back().size() == 2) {
                std::vector<int>& semi = losers.back();
                const int winner = play(semi[0], semi[1], prefix + "Third place", true);
                if (winner != semi[0]) std::swap(semi[0], semi[1]);
            }
            const std::string phase = prefix + knockOutPhase(field.size());
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

    // --- tables ------------------------------------------------------------------------------

    Tally tally(int player, std::size_t from, std::size_t to) const {
        Tally t;
        for (std::size_t i = from; i < to; ++i) {
            const Game& g = games_[i];
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

    TableRow row(const std::string& tournament, int player, std::size_t from, std::size_t to,
                 int chrono) const {
        const Tally t = tally(player, from, to);
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

    static bool better(const TableRow& x, const TableRow& y) {
        if (x.pts != y.pts) return x.pts > y.pts;
        if (x.gs - x.gc != y.gs - y.gc) return x.gs - x.gc > y.gs - y.gc;
        return x.gs > y.gs;
    }

    // Table of the games [from, to) among field: by points, goal difference, goals scored;
    // rows equal in all three share a position.
    std::vector<TableRow> standings(const std::vector<int>& field, std::size_t from, std::size_t to,
                                    const std::string& tournament, int chrono) const {
        std::vector<TableRow> rows;
        for (int p : field) rows.push_back(row(tournament, p, from, to, chrono));
        std::stable_sort(rows.begin(), rows.end(), better);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const bool tied = i > 0 && !better(rows[i - 1], rows[i]);
            rows[i].p = tied ? rows[i - 1].p : static_cast<int>(i) + 1;
        }
        return rows;
    }

    // Final table in a given finishing order, over all games [from, to).
    std::vector<TableRow> finalTable(const std::vector<int>& order, std::size_t from,
                                     std::size_t to, const std::string& tournament,
                                     int chrono) const {
        std::vector<TableRow> rows;
        for (std::size_t i = 0; i < order.size(); ++i) {
            rows.push_back(row(tournament, order[i], from, to, chrono));
            rows.back().p = static_cast<int>(i) + 1;
        }
        return rows;
    }

    static std::vector<int> playersOf(const std::vector<TableRow>& rows) {
        std::vector<int> out;
        for (const TableRow& r : rows) out.push_back(r.player);
        return out;
    }

    // --- events ------------------------------------------------------------------------------

    void playEvent(Event& e) {
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
        if (e.country.empty())
            e.country = players_[static_cast<std::size_t>(rng_.pick(field))].country;
        for (int p : field) {
            Player& player = players_[static_cast<std::size_t>(p)];
            ++player.events;
            player.lastEventMonth = e.month;
        }
    }

    std::vector<int> playOrdinary(const Event& e) {
        const std::vector<int> field = chooseField(e, static_cast<std::size_t>(e.size));
        const std::size_t from = games_.size();
        // The 6th ordinary tournament ends with a shared first place (equal points, goal
        // difference and goals): it is replayed until it does, which takes some tens of tries.
        const bool sharedFirst = ordinaryPlayed_ == 5;
        std::vector<std::int64_t> ratings;
        for (int p : field) ratings.push_back(players_[static_cast<std::size_t>(p)].ratingMilli);
        std::vector<TableRow> rows;
        for (int attempt = 0;; ++attempt) {
            roundRobin(field, e.name, e.doubleRound);
            rows = standings(field, from, games_.size(), e.name, e.chrono);
            if (!sharedFirst || rows[1].p == 1 || attempt == 100000) break;
            games_.resize(from);
            for (std::size_t i = 0; i < field.size(); ++i) {
                players_[static_cast<std::size_t>(field[i])].ratingMilli = ratings[i];
            }
        }
        // Two results were never entered: null points in the 4th and 10th ordinary tournaments.
        if (ordinaryPlayed_ == 3) rows.back().ptsNull = true;
        if (ordinaryPlayed_ == 9 && rows.size() > 1) rows[1].ptsNull = true;
        ++ordinaryPlayed_;
        tables_.insert(tables_.end(), rows.begin(), rows.end());
        return field;
    }

    std::vector<int> playCup(const Event& e) {
        std::vector<int> pool = activePlayers(e.month);
        std::size_t size = static_cast<std::size_t>(e.size);
        while (size > 4 && pool.size() < size) size /= 2;
        const std::vector<int> field = chooseField(e, size);
        knockOut(field, e.name + " ", false);
        return field;
    }

    std::vector<int> playDadidurez(const Event& e) {
        const std::string prefix = e.name + " ";
        const std::vector<int> field = chooseField(e, 12);
        const std::size_t from = games_.size();

        std::vector<std::vector<TableRow>> round1;
        for (int g = 0; g < 2; ++g) {
            const std::vector<int> group(field.begin() + g * 6, field.begin() + g * 6 + 6);
            const std::string name =
                prefix + "League Round 1 - Group " + static_cast<char>('A' + g);
            const std::size_t start = games_.size();
            roundRobin(group, name, false);
            round1.push_back(standings(group, start, games_.size(), name, e.chrono));
        }
        std::vector<int> upper;
        std::vector<int> lower;
        for (const auto& table : round1) {
            for (std::size_t i = 0; i < table.size(); ++i) {
                (i < 3 ? upper : lower).push_back(table[i].player);
            }
        }
        std::size_t start = games_.size();
        roundRobin(upper, prefix + "League Round 2 - Upper Group", false);
        upper = playersOf(standings(upper, start, games_.size(), "", e.chrono));
        start = games_.size();
        roundRobin(lower, prefix + "League Round 2 - Lower Group", false);
        lower = playersOf(standings(lower, start, games_.size(), "", e.chrono));

        std::vector<int> cupField = field;
        rng_.shuffle(cupField);
        cupField.resize(8);
        knockOut(cupField, prefix + "Cup - ", false);

        const std::vector<int> playouts = knockOut({lower[2], lower[5], lower[3], lower[4]},
                                                   prefix + "League Playouts - ", false);
        const std::vector<int> playoffs = knockOut({upper[0], upper[3], upper[1], upper[2]},
                                                   prefix + "League Playoffs - ", false);

        std::vector<int> order = playoffs;
        order.insert(order.end(), {upper[4], upper[5], lower[0], lower[1]});
        order.insert(order.end(), playouts.begin(), playouts.end());
        const std::vector<TableRow> rows = finalTable(order, from, games_.size(), e.name, e.chrono);
        tables_.insert(tables_.end(), rows.begin(), rows.end());
        return field;
    }

    // Orders the players in the given places of several group tables by their records.
    static std::vector<int> byRecord(const std::vector<std::vector<TableRow>>& groups,
                                     std::size_t place) {
        std::vector<TableRow> rows;
        for (const auto& g : groups) {
            if (place < g.size()) rows.push_back(g[place]);
        }
        std::stable_sort(rows.begin(), rows.end(), better);
        return playersOf(rows);
    }

    std::vector<int> playWorldCup(Event& e) {
        const int w = e.worldCup;
        const std::string prefix(kWorldCupPrefix[w]);
        e.country = "WC";

        // The 16 best-rated active players and eight others.
        std::vector<int> pool = activePlayers(e.month);
        topUp(pool, e.month, 24);
        std::stable_sort(pool.begin(), pool.end(), [this](int x, int y) {
            return players_[static_cast<std::size_t>(x)].ratingMilli >
                   players_[static_cast<std::size_t>(y)].ratingMilli;
        });
        std::vector<int> field(pool.begin(), pool.begin() + std::min<std::size_t>(16, pool.size()));
        std::vector<int> rest(pool.begin() + static_cast<std::ptrdiff_t>(field.size()), pool.end());
        rng_.shuffle(rest);
        for (std::size_t i = 0; i < rest.size() && field.size() < 24; ++i) field.push_back(rest[i]);
        rng_.shuffle(field);
        if (field.size() < 24) throw std::logic_error("too few players for a World Cup");

        const std::size_t from = games_.size();
        std::vector<TableRow>& groupTables = wcTables_[static_cast<std::size_t>(w)];

        std::vector<std::vector<TableRow>> round1;
        for (int g = 0; g < 4; ++g) {
            const std::vector<int> group(field.begin() + g * 6, field.begin() + g * 6 + 6);
            const std::string groupName = std::string("Group ") + static_cast<char>('A' + g);
            const std::size_t start = games_.size();
            roundRobin(group, prefix + "Round 1 - " + groupName, false);
            round1.push_back(standings(group, start, games_.size(), groupName, e.chrono));
            groupTables.insert(groupTables.end(), round1.back().begin(), round1.back().end());
        }
        // Round 2: the first four of each group, spread so that no two meet again at once.
        std::vector<std::vector<TableRow>> round2;
        for (int g = 0; g < 4; ++g) {
            std::vector<int> group;
            for (int k = 0; k < 4; ++k) {
                group.push_back(
                    round1[static_cast<std::size_t>((g + k) % 4)][static_cast<std::size_t>(k)]
                        .player);
            }
            const std::string groupName = std::string("Group ") + static_cast<char>('E' + g);
            const std::size_t start = games_.size();
            roundRobin(group, prefix + "Round 2 - " + groupName, true);
            round2.push_back(standings(group, start, games_.size(), groupName, e.chrono));
            groupTables.insert(groupTables.end(), round2.back().begin(), round2.back().end());
        }
        auto at = [&round2](int group, int place) {
            return round2[static_cast<std::size_t>(group)][static_cast<std::size_t>(place)].player;
        };
        std::vector<int> middle;
        if (w == 1) {
            middle = knockOut(
                {at(0, 2), at(1, 3), at(2, 2), at(3, 3), at(1, 2), at(0, 3), at(3, 2), at(2, 3)},
                prefix + "Playouts - ", false);
        } else {
            middle = byRecord(round2, 2);
            const std::vector<int> fourth = byRecord(round2, 3);
            middle.insert(middle.end(), fourth.begin(), fourth.end());
        }
        const std::vector<int> top = knockOut(
            {at(0, 0), at(1, 1), at(2, 0), at(3, 1), at(1, 0), at(0, 1), at(3, 0), at(2, 1)},
            prefix + "Playoffs - ", true);

        std::vector<int> order = top;
        order.insert(order.end(), middle.begin(), middle.end());
        for (std::size_t place = 4; place < 6; ++place) {
            const std::vector<int> out = byRecord(round1, place);
            order.insert(order.end(), out.begin(), out.end());
        }
        const std::vector<TableRow> rows = finalTable(order, from, games_.size(), prefix, e.chrono);
        tables_.insert(tables_.end(), rows.begin(), rows.end());
        return field;
    }

    // --- rankings ----------------------------------------------------------------------------

    void takeSnapshot(int month) {
        for (std::size_t i = 0; i < players_.size(); ++i) {
            const Player& p = players_[i];
            const bool ranked = !p.guest && month >= p.firstMonth && (p.founder || p.events >= 2) &&
                                month - p.lastEventMonth <= 12;
            if (ranked) {
                monthPoints_[static_cast<std::size_t>(month)][i] =
                    static_cast<int>((p.ratingMilli + 500) / 1000);
            }
        }
    }

    // A cup's or Dadidurez VII's name begins the names of its games; no other name may.
    void checkNames() const {
        std::vector<std::string> gameNames;
        for (const Game& g : games_) gameNames.push_back(Folded(g.tournament));
        for (std::size_t e = 0; e < events_.size(); ++e) {
            const Event& owner = events_[e];
            if (owner.kind != EventKind::Cup && owner.kind != EventKind::Dadidurez) continue;
            const std::string prefix = Folded(owner.name);
            for (std::size_t other = 0; other < events_.size(); ++other) {
                if (other != e && StartsWith(Folded(events_[other].name), prefix)) {
                    throw std::logic_error("event name " + events_[other].name + " begins with " +
                                           owner.name);
                }
            }
            for (std::size_t i = 0; i < games_.size(); ++i) {
                if (games_[i].event != e && StartsWith(gameNames[i], prefix)) {
                    throw std::logic_error("game of " + games_[i].tournament + " begins with " +
                                           owner.name);
                }
            }
        }
    }

    Rng rng_;
    int scale_;
    std::vector<Player> players_;
    std::set<std::string> usedNames_;
    std::set<std::string> usedEventNames_;
    std::vector<Event> events_;
    std::vector<Game> games_;
    std::vector<TableRow> tables_;
    std::array<std::vector<TableRow>, 2> wcTables_;
    std::vector<std::vector<int>> monthPoints_;
    std::size_t currentEvent_ = 0;
    int ordinaryPlayed_ = 0;
};

// ----------------------------------------------------------------------------------------------
// Output.

DbValue Int(std::int64_t v) {
    return DbValue::integer(v);
}
DbValue Text(std::string_view s) {
    return DbValue::text(std::string(s));
}

std::vector<ColumnDef> TableColumns() {
    return {{"tournament", ColumnType::Text}, {"player", ColumnType::Text},
            {"p", ColumnType::Integer16},     {"g", ColumnType::Integer16},
            {"w", ColumnType::Integer16},     {"d", ColumnType::Integer16},
            {"l", ColumnType::Integer16},     {"gs", ColumnType::Integer16},
            {"gc", ColumnType::Integer16},    {"pts", ColumnType::Integer16},
            {"chrono", ColumnType::Integer32}};
}

void Generator::emit(TableSink& sink) const {
    auto nameOf = [this](int player) {
        return Text(players_[static_cast<std::size_t>(player)].name);
    };

    sink.beginTable("scores", {{"id", ColumnType::Integer32},
                               {"TEAM A", ColumnType::Text},
                               {"TEAM B", ColumnType::Text},
                               {"A", ColumnType::Integer16},
                               {"B", ColumnType::Integer16},
                               {"TOURNAMENT", ColumnType::Text}});
    for (std::size_t i = 0; i < games_.size(); ++i) {
        const Game& g = games_[i];
        sink.addRow({Int(static_cast<std::int64_t>(i) + 1), nameOf(g.a), nameOf(g.b), Int(g.goalsA),
                     Int(g.goalsB), Text(g.tournament)});
    }
    sink.endTable();

    auto writeTable = [&](const std::string& name, const std::vector<TableRow>& rows) {
        sink.beginTable(name, TableColumns());
        for (const TableRow& r : rows) {
            sink.addRow({Text(r.tournament), nameOf(r.player), Int(r.p), Int(r.g), Int(r.w),
                         Int(r.d), Int(r.l), Int(r.gs), Int(r.gc),
                         r.ptsNull ? DbValue() : Int(r.pts), Int(r.chrono)});
        }
        sink.endTable();
    };
    writeTable("tables", tables_);

    sink.beginTable("tournament players", {{"tournament", ColumnType::Text},
                                           {"chrono", ColumnType::Integer32},
                                           {"country", ColumnType::Text},
                                           {"date", ColumnType::Text},
                                           {"Cup?", ColumnType::YesNo},
                                           {"players", ColumnType::Integer16}});
    for (const Event& e : events_) {
        sink.addRow({Text(e.name), Int(e.chrono), Text(e.country), Text(DateText(e.month, e.day)),
                     Int(e.kind == EventKind::Cup ? -1 : 0), Int(e.players)});
    }
    sink.endTable();

    std::vector<ColumnDef> rankingColumns = {
        {"player", ColumnType::Text}, {"country", ColumnType::Text}, {"r", ColumnType::Integer16}};
    for (int m = 0; m < kMonths; ++m)
        rankingColumns.push_back({RankingColumn(m), ColumnType::Integer16});
    sink.beginTable("rankings", rankingColumns);
    // Ranked players by their current points, best first; then the unranked, with r = 0.
    const std::vector<int>& current = monthPoints_.back();
    std::vector<int> order;
    for (std::size_t i = 0; i < players_.size(); ++i) order.push_back(static_cast<int>(i));
    std::stable_sort(order.begin(), order.end(), [&current](int x, int y) {
        const int px = current[static_cast<std::size_t>(x)];
        const int py = current[static_cast<std::size_t>(y)];
        if ((px < 0) != (py < 0)) return px >= 0;
        return px > py;
    });
    int position = 0;
    for (int i : order) {
        const auto index = static_cast<std::size_t>(i);
        const Player& p = players_[index];
        std::vector<DbValue> values = {Text(p.name), Text(p.country),
                                       Int(current[index] < 0 ? 0 : ++position)};
        for (int m = 0; m < kMonths; ++m) {
            values.push_back(Int(monthPoints_[static_cast<std::size_t>(m)][index]));
        }
        sink.addRow(values);
    }
    sink.endTable();

    writeTable("World Cup I Tables", wcTables_[0]);
    writeTable("World Cup II Tables", wcTables_[1]);
}

}  // namespace

void WriteSampleDuzedo(const SampleOptions& options, TableSink& sink) {
    if (options.scale < 1) throw std::invalid_argument("the sample's scale must be at least 1");
    Generator generator(options);
    generator.run();
    generator.emit(sink);
}
