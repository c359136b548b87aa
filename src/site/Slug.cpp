#include "site/Slug.h"

#include <array>
#include <cstdint>
#include <optional>

namespace {

constexpr std::size_t kHashDigits = 12;
// The hashed slug's readable part; the rest is "--", the hash and room for a clash's number.
constexpr std::size_t kMaxBaseBytes = 40;

bool IsSlugLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// CON, PRN, AUX, NUL, COM0-9 and LPT0-9 name devices on Windows, whatever follows their dot.
bool IsWindowsDevice(std::string_view slug) {
    static constexpr std::array<std::string_view, 4> kDevices = {"con", "prn", "aux", "nul"};
    for (const std::string_view device : kDevices) {
        if (slug == device) return true;
    }
    const bool numbered = slug.starts_with("com") || slug.starts_with("lpt");
    return numbered && slug.size() == 4 && slug[3] >= '0' && slug[3] <= '9';
}

// The name with its blanks as '-' when it is words of [a-z0-9] parted by single blanks.
std::optional<std::string> PlainSlug(std::string_view name) {
    if (name.empty() || name.size() > kMaxSlugBytes) return std::nullopt;
    std::string slug(name);
    bool afterBlank = true;  // a blank may not lead, follow a blank or end the name
    for (char& c : slug) {
        if (c == ' ' && !afterBlank) {
            c = '-';
            afterBlank = true;
        } else if (IsSlugLetter(c)) {
            afterBlank = false;
        } else {
            return std::nullopt;
        }
    }
    if (afterBlank || IsWindowsDevice(slug)) return std::nullopt;
    return slug;
}

// 64-bit FNV-1a of the name's bytes: stable across runs and machines, so links stay put.
std::uint64_t NameHash(std::string_view name) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char c : name) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ULL;
    }
    return hash;
}

std::string HashDigits(std::string_view name) {
    static constexpr std::string_view kHex = "0123456789abcdef";
    const std::uint64_t hash = NameHash(name);
    std::string digits(kHashDigits, '0');
    for (std::size_t i = 0; i < kHashDigits; ++i) digits[i] = kHex[(hash >> (4 * i)) & 0xF];
    return digits;
}

// The name's ASCII letters and digits in lower case, other runs as one '-'.
std::string ReadablePart(std::string_view name) {
    std::string base;
    for (const char c : name) {
        if (base.size() == kMaxBaseBytes) break;
        const char lower = AsciiLower(c);
        if (IsSlugLetter(lower)) {
            base += lower;
        } else if (!base.empty() && base.back() != '-') {
            base += '-';
        }
    }
    while (!base.empty() && base.back() == '-') base.pop_back();
    return base.empty() ? "page" : base;
}

}  // namespace

std::string SlugOf(std::string_view name) {
    if (std::optional<std::string> plain = PlainSlug(name)) return *plain;
    return ReadablePart(name) + "--" + HashDigits(name);
}

const std::string& SlugSet::add(std::string_view name) {
    if (const auto known = byName_.find(name); known != byName_.end()) return known->second;
    const std::string first = SlugOf(name);
    std::string slug = first;
    // Plain slugs differ as their names do; only two hashes can meet.
    for (int n = 2; taken_.contains(slug); ++n) slug = first + "-" + std::to_string(n);
    taken_.insert(slug);
    return byName_.emplace(std::string(name), slug).first->second;
}
