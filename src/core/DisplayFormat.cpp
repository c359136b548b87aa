#include "core/DisplayFormat.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <stdexcept>

namespace {

// What a pattern asks for: digits forced before the separator, decimals forced and allowed.
struct Pattern {
    int minWhole = 0;
    int minDecimals = 0;
    int maxDecimals = 0;
    bool hasSeparator = false;
};

Pattern ParsePattern(std::string_view text) {
    Pattern pattern;
    int wholePlaces = 0;
    int firstWholeZero = -1;
    for (const char c : text) {
        if (c != '0' && c != '#' && c != '.') {
            throw std::invalid_argument("unknown character in number pattern");
        }
        if (c == '.') {
            if (pattern.hasSeparator) {
                throw std::invalid_argument("two separators in number pattern");
            }
            pattern.hasSeparator = true;
        } else if (pattern.hasSeparator) {
            ++pattern.maxDecimals;
            if (c == '0') pattern.minDecimals = pattern.maxDecimals;
        } else {
            if (c == '0' && firstWholeZero < 0) firstWholeZero = wholePlaces;
            ++wholePlaces;
        }
    }
    // Every place from the leftmost '0' on is a digit, so "0###" means at least four.
    if (firstWholeZero >= 0) pattern.minWhole = wholePlaces - firstWholeZero;
    return pattern;
}

// The magnitude of a finite value as decimal digits rounded to a number of decimals, halves
// away from zero. Fifteen significant digits are what a double holds reliably; rounding those
// rather than the binary value makes 1.005 and 2.675 round up as they read.
struct Digits {
    std::string whole;     // without leading zeros, empty for 0
    std::string decimals;  // exactly the asked number of digits
};

// "199" becomes "200", "99" becomes "100" and "" becomes "1".
void AddOneToLastDigit(std::string& digits) {
    std::size_t i = digits.size();
    while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
    if (i == 0) {
        digits.insert(digits.begin(), '1');
    } else {
        ++digits[i - 1];
    }
}

Digits RoundedDigits(double magnitude, int decimals) {
    constexpr int kSignificant = 15;
    char text[40];
    std::snprintf(text, sizeof text, "%.*e", kSignificant - 1, magnitude);
    std::string significand;
    for (const char* p = text; *p != 'e'; ++p) {
        if (*p != '.') significand += *p;
    }
    // text reads d.ddd...e+x: the first digit stands for 10^x.
    const int exponent = std::atoi(std::strchr(text, 'e') + 1);

    // All digits up to 10^-decimals, with zeros where the significand ends or starts late.
    const int kept = exponent + 1 + decimals;
    std::string digits;
    if (kept > 0) {
        digits = significand.substr(0, static_cast<std::size_t>(std::min(kept, kSignificant)));
        digits.append(static_cast<std::size_t>(std::max(kept - kSignificant, 0)), '0');
    }
    if (kept >= 0 && kept < kSignificant && significand[static_cast<std::size_t>(kept)] >= '5') {
        AddOneToLastDigit(digits);
    }

    // Split off the decimals, padding with zeros when the value is below 10^-decimals.
    if (digits.size() < static_cast<std::size_t>(decimals)) {
        digits.insert(0, static_cast<std::size_t>(decimals) - digits.size(), '0');
    }
    Digits result;
    result.decimals = digits.substr(digits.size() - static_cast<std::size_t>(decimals));
    result.whole = digits.substr(0, digits.size() - static_cast<std::size_t>(decimals));
    result.whole.erase(0, result.whole.find_first_not_of('0'));
    return result;
}

std::string NonFinite(double value) {
    if (std::isnan(value)) return "NaN";
    return value < 0 ? "-Inf" : "Inf";
}

}  // namespace

std::int64_t RoundHalfEven(double value) {
    if (std::isnan(value)) return 0;
    double whole = 0;
    const double fraction = std::modf(value, &whole);
    double rounded = std::round(value);  // halves away from zero
    if (std::fabs(fraction) == 0.5 && std::fmod(rounded, 2.0) != 0) {
        rounded -= std::copysign(1.0, value);
    }
    // 2^63 is exactly representable; anything at or above it does not fit.
    constexpr double kLimit = 9223372036854775808.0;
    if (rounded >= kLimit) return std::numeric_limits<std::int64_t>::max();
    if (rounded < -kLimit) return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(rounded);
}

std::string FormatNumber(double value, std::string_view patternText, const DisplayLocale& locale) {
    const Pattern pattern = ParsePattern(patternText);
    if (!std::isfinite(value)) return NonFinite(value);

    Digits digits = RoundedDigits(std::fabs(value), pattern.maxDecimals);
    while (static_cast<int>(digits.decimals.size()) > pattern.minDecimals &&
           digits.decimals.back() == '0') {
        digits.decimals.pop_back();
    }
    const bool isZero =
        digits.whole.empty() && digits.decimals.find_first_not_of('0') == std::string::npos;
    if (static_cast<int>(digits.whole.size()) < pattern.minWhole) {
        digits.whole.insert(0, static_cast<std::size_t>(pattern.minWhole) - digits.whole.size(),
                            '0');
    }

    std::string text = value < 0 && !isZero ? "-" : "";
    text += digits.whole;
    if (pattern.hasSeparator) text += Utf8(locale.decimalSeparator());
    text += digits.decimals;
    return text;
}

std::string Utf8(char32_t c) {
    std::string text;
    if (c < 0x80) {
        text += static_cast<char>(c);
    } else if (c < 0x800) {
        text += static_cast<char>(0xC0 | (c >> 6));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        text += static_cast<char>(0xE0 | (c >> 12));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (c >> 18));
        text += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    }
    return text;
}
