#pragma once

#include <cmath>
#include <string>

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

// A whole figure carried as a real number (a record's value), in decimal without wrapping:
// exact up to 2^53, the nearest the real number holds beyond.
inline std::string WholeText(double v) {
    if (!(std::fabs(v) < 0x1p126)) return std::to_string(v);  // no sum of figures gets there
    return WideText(static_cast<WideInt>(v));
}

// part / whole as a real number, for shares and averages.
inline double WideRatio(WideInt part, WideInt whole) {
    return static_cast<double>(part) / static_cast<double>(whole);
}
