#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

// A DUZEDO's figures can be anything 64 bits hold, and a damaged or hand-edited file's are:
// sums, differences and products of them are worked in 128 bits, which hold any product of two
// such figures and any sum or difference of fewer than 2^63 of them, so a view shows the true
// figure and never a wrapped one.
using WideInt = __int128;

// v in decimal, as std::to_string writes a 64-bit number.
inline std::string WideText(WideInt v) {
    // Negated as unsigned, so the most negative value has its magnitude too.
    unsigned __int128 magnitude = v < 0 ? -static_cast<unsigned __int128>(v) : v;
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(magnitude % 10)));
        magnitude /= 10;
    } while (magnitude != 0);
    return v < 0 ? "-" + digits : digits;
}

// The number text in decimal (an optional leading minus, then at most 38 digits, which 128 bits
// always hold); what WideText writes of any sum of 64-bit figures reads back.
inline std::optional<WideInt> ParseWide(std::string_view text) {
    const bool negative = !text.empty() && text.front() == '-';
    if (negative) text.remove_prefix(1);
    if (text.empty() || text.size() > 38) return std::nullopt;
    WideInt magnitude = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        magnitude = magnitude * 10 + (c - '0');
    }
    return negative ? -magnitude : magnitude;
}

// Whether v is within what a 64-bit figure holds.
inline bool FitsInt64(WideInt v) {
    return v >= std::numeric_limits<std::int64_t>::min() &&
           v <= std::numeric_limits<std::int64_t>::max();
}

// part / whole as a real number, for shares and averages.
inline double WideRatio(WideInt part, WideInt whole) {
    return static_cast<double>(part) / static_cast<double>(whole);
}
