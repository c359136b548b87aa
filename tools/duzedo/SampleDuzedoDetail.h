#pragma once

// Inner workings of WriteSampleDuzedo: the random numbers, the data being built and the steps
// that build it, one file each: people (SamplePeople.cpp), the schedule (SampleSchedule.cpp),
// games (SampleMatches.cpp), events and rankings (SampleEvents.cpp), output (SampleOutput.cpp).
//
// Everything is integer arithmetic on the generator's own random numbers, so a seed gives the
// same database with any compiler and standard library. The steps share one Rng, so changing
// what any step draws, or the order of the steps, changes the database of every seed.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "db/DbFile.h"

namespace sample_detail {

// ----------------------------------------------------------------------------------------------
// Calendar: month index 0 is January 2001, the last is December 2003; one ranking column each.

inline constexpr int kFirstYear = 2001;
inline constexpr int kMonths = 36;

inline int YearOf(int month) {
    return kFirstYear + month / 12;
}

// ASCII letters folded to lower case: the engine compares names without regard to case, so
// names must differ in more than case.
std::string Folded(std::string s);

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
        std::uint64_t x = next();
        // The rejected remainder holds fewer than range values at the very top; the division
        // that finds its exact start is left to the rare draws up there (shuffles make many).
        while (x > UINT64_MAX - range && x >= UINT64_MAX - UINT64_MAX % range) x = next();
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

struct SampleData {
    std::vector<Player> players;
    std::vector<Event> events;  // in date order
    std::vector<Game> games;
    std::vector<TableRow> tables;
    std::array<std::vector<TableRow>, 2> worldCupTables;
    std::vector<std::vector<int>> monthPoints;  // [month][player]; -1 while unranked
};

// ----------------------------------------------------------------------------------------------
// The steps, in the order WriteSampleDuzedo takes them.

// The players, special names first, with their hidden strengths and months of activity.
std::vector<Player> MakePlayers(Rng& rng, int scale);
// Players (not guests) active in month.
std::vector<int> ActivePlayers(const std::vector<Player>& players, int month);
// Adds players not active in month to pool, closest activity first, until it holds wanted.
void TopUp(const std::vector<Player>& players, std::vector<int>& pool, int month,
           std::size_t wanted);

// Every event, dated, named and in date order; gives each guest one late ordinary tournament.
std::vector<Event> MakeSchedule(Rng& rng, int scale, std::vector<Player>& players);
// A cup's or Dadidurez VII's name begins the names of its games; no other name may. Throws
// std::logic_error when one does.
void CheckEventNames(const std::vector<Event>& events, const std::vector<Game>& games);

// Plays data.events in order, taking the monthly ranking snapshots between them.
void PlaySeasons(Rng& rng, SampleData& data);

void WriteSampleTables(const SampleData& data, TableSink& sink);

}  // namespace sample_detail
