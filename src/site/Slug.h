#pragma once

#include <map>
#include <set>
#include <string>
#include <string_view>

// File names of pages, made from names (a player's, a month's). Only lower-case ASCII letters,
// digits and '-' appear, so a file system that ignores letter case sees the same names as one
// that does not, and no slug is empty, "." or "..", longer than kMaxSlugBytes, or a device name
// Windows reserves. A name made of lower-case letters and digits in words parted by single
// blanks is its own slug ("0503 limit 0" gives "0503-limit-0"); any other name gets a hash of
// its bytes after "--", which a slug of the first kind never holds, so the two never meet.

inline constexpr std::size_t kMaxSlugBytes = 64;  // leaves room for ".grdGames-away.csv"

// The slug of name on its own; two names may share it only through a hash collision.
std::string SlugOf(std::string_view name);

// Slugs for the names of one folder: the same name always gets the same slug, and two names never
// share one (the rare clash of hashes is settled by a number).
class SlugSet {
  public:
    const std::string& add(std::string_view name);

  private:
    std::map<std::string, std::string, std::less<>> byName_;
    std::set<std::string, std::less<>> taken_;
};
