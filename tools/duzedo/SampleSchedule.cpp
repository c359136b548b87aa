// The sample's calendar: when each tournament, cup and World Cup is held, and what it is called.

#include <algorithm>
#include <cstddef>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "duzedo/SampleDuzedoDetail.h"

namespace sample_detail {

namespace {

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

std::string Roman(int n) {
    static constexpr std::string_view kTens[] = {"",  "X",  "XX",  "XXX",  "XL",
                                                 "L", "LX", "LXX", "LXXX", "XC"};
    static constexpr std::string_view kUnits[] = {"",  "I",  "II",  "III",  "IV",
                                                  "V", "VI", "VII", "VIII", "IX"};
    return std::string(static_cast<std::size_t>(n / 100), 'C') + std::string(kTens[n / 10 % 10]) +
           std::string(kUnits[n % 10]);
}

std::string NextCupName(int index) {
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

class Scheduler {
  public:
    Scheduler(Rng& rng, int scale) : rng_(rng), scale_(scale) {}

    std::vector<Event> make(std::vector<Player>& players) && {
        date();
        nameEvents();
        assignGuests(players);
        return std::move(events_);
    }

  private:
    void date() {
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
        addFixedEvents();
        std::stable_sort(events_.begin(), events_.end(), [](const Event& x, const Event& y) {
            return x.month != y.month ? x.month < y.month : x.day < y.day;
        });
        for (std::size_t i = 0; i < events_.size(); ++i) {
            events_[i].chrono = static_cast<int>(i) + 1;
            if (!events_[i].name.empty()) usedNames_.insert(Folded(events_[i].name));
        }
    }

    void addFixedEvents() {
        Event dadidurez;
        dadidurez.kind = EventKind::Dadidurez;
        dadidurez.month = kDadidurezMonth;
        dadidurez.day = 15;
        dadidurez.size = 12;
        dadidurez.name = std::string(kDadidurez);
        events_.push_back(dadidurez);
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
    }

    std::string uniqueName(const std::string& wanted) {
        std::string name = wanted;
        for (int n = 2; usedNames_.count(Folded(name)) != 0; ++n) {
            name = wanted + " " + Roman(n);
        }
        usedNames_.insert(Folded(name));
        return name;
    }

    void nameEvents() {
        std::vector<Event*> ordinary;
        int cupIndex = 0;
        for (Event& e : events_) {
            if (e.kind == EventKind::Ordinary) ordinary.push_back(&e);
            if (e.kind == EventKind::Cup) {
                std::string name = NextCupName(cupIndex++);
                while (usedNames_.count(Folded(name)) != 0) name = NextCupName(cupIndex++);
                usedNames_.insert(Folded(name));
                e.name = name;
            }
        }
        nameEarlyDadidurez(ordinary);
        nameFixed(ordinary);
        for (Event* e : ordinary) {
            if (!e->name.empty()) continue;
            const std::string year = std::to_string(YearOf(e->month));
            std::string name;
            for (int tries = 0; tries < 40; ++tries) {
                name = std::string(rng_.pick(kPlaces)) + " " + std::string(rng_.pick(kKinds)) +
                       " " + year;
                if (usedNames_.count(Folded(name)) == 0) break;
            }
            e->name = uniqueName(name);
        }
    }

    // The six earlier Dadidurez tournaments, spread over the time before the seventh.
    void nameEarlyDadidurez(const std::vector<Event*>& ordinary) {
        std::vector<Event*> early;
        for (Event* e : ordinary) {
            if (e->month < kDadidurezMonth) early.push_back(e);
        }
        const std::size_t editions = std::min<std::size_t>(6, early.size());
        for (std::size_t j = 0; j < editions; ++j) {
            Event* e = early[j * early.size() / editions];
            e->name =
                uniqueName(std::string(kDadidurez.substr(0, 10)) + Roman(static_cast<int>(j) + 1));
        }
    }

    // One name with an apostrophe; one with non-ASCII letters, held in a country with them.
    void nameFixed(const std::vector<Event*>& ordinary) {
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
                    e->name = uniqueName(std::string(f.name));
                    e->country = std::string(f.country);
                    break;
                }
            }
        }
    }

    // Guests join in the last months and play exactly one ordinary tournament.
    void assignGuests(std::vector<Player>& players) {
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
        for (std::size_t i = 0; i < players.size(); ++i) {
            if (!players[i].guest) continue;
            Event* e = late[late.size() - 1 - next % late.size()];
            ++next;
            // A tournament takes at most half its field from guests.
            if (static_cast<int>(e->guests.size()) * 2 >= e->size) ++e->size;
            e->guests.push_back(static_cast<int>(i));
            players[i].firstMonth = e->month;
            players[i].lastMonth = e->month;
        }
    }

    Rng& rng_;
    int scale_;
    std::vector<Event> events_;
    std::set<std::string> usedNames_;
};

}  // namespace

std::vector<Event> MakeSchedule(Rng& rng, int scale, std::vector<Player>& players) {
    return Scheduler(rng, scale).make(players);
}

void CheckEventNames(const std::vector<Event>& events, const std::vector<Game>& games) {
    // Every prefix of every name is looked up among the owners' names, rather than every owner
    // tried against every name: names are short, and there are many cups and games.
    std::unordered_map<std::string, std::size_t> owners;
    for (std::size_t e = 0; e < events.size(); ++e) {
        if (events[e].kind == EventKind::Cup || events[e].kind == EventKind::Dadidurez) {
            owners.emplace(Folded(events[e].name), e);
        }
    }
    // The owner whose name begins name, other than own; events.size() when there is none.
    const auto foreignOwner = [&](const std::string& name, std::size_t own) {
        for (std::size_t length = 1; length <= name.size(); ++length) {
            const auto it = owners.find(name.substr(0, length));
            if (it != owners.end() && it->second != own) return it->second;
        }
        return events.size();
    };
    for (std::size_t e = 0; e < events.size(); ++e) {
        const std::size_t owner = foreignOwner(Folded(events[e].name), e);
        if (owner != events.size()) {
            throw std::logic_error("event name " + events[e].name + " begins with " +
                                   events[owner].name);
        }
    }
    // The games of one phase are played one after another under one name: each name once.
    const Game* previous = nullptr;
    for (const Game& game : games) {
        if (previous != nullptr && previous->event == game.event &&
            previous->tournament == game.tournament) {
            continue;
        }
        previous = &game;
        const std::size_t owner = foreignOwner(Folded(game.tournament), game.event);
        if (owner != events.size()) {
            throw std::logic_error("game of " + game.tournament + " begins with " +
                                   events[owner].name);
        }
    }
}

}  // namespace sample_detail
