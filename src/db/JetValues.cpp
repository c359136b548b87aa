#include "db/JetValues.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace access_detail {

namespace {

std::uint64_t LoadLe(const unsigned char* p, int bytes) {
    std::uint64_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | p[i];
    return v;
}

// "[-]digits" scaled by 10^-scale, correctly rounded to the nearest double.
double ScaledDecimal(bool negative, std::string digits, int scale) {
    std::string text = (negative ? "-" : "") + digits + "e-" + std::to_string(scale);
    double v = 0;
    std::from_chars(text.data(), text.data() + text.size(), v);
    return v;
}

std::string Digits(unsigned __int128 v) {
    std::string digits;
    do {
        digits.push_back(static_cast<char>('0' + static_cast<int>(v % 10)));
        v /= 10;
    } while (v != 0);
    std::reverse(digits.begin(), digits.end());
    return digits;
}

// "[-]digits" with the last scale of them after the decimal point; no sign for zero.
std::string DecimalText(bool negative, std::string digits, int scale) {
    const auto places = static_cast<std::size_t>(std::max(scale, 0));
    if (digits.size() <= places) digits.insert(0, places + 1 - digits.size(), '0');
    if (places > 0) digits.insert(digits.size() - places, ".");
    const bool zero = digits.find_first_not_of("0.") == std::string::npos;
    return (negative && !zero ? "-" : "") + digits;
}

// Words of 32 bits, most significant first, each little-endian.
unsigned __int128 Magnitude(const unsigned char* words, int count) {
    unsigned __int128 magnitude = 0;
    for (int word = 0; word < count; ++word) {
        magnitude = (magnitude << 32) | LoadLe(words + 4 * word, 4);
    }
    return magnitude;
}

std::uint64_t CurrencyMagnitude(std::span<const unsigned char, 8> bytes, bool& negative) {
    const auto raw = static_cast<std::int64_t>(LoadLe(bytes.data(), 8));
    negative = raw < 0;
    return negative ? ~static_cast<std::uint64_t>(raw) + 1 : static_cast<std::uint64_t>(raw);
}

// Jet's own limits: 100-01-01 and 9999-12-31 as days since 1899-12-30.
constexpr double kFirstDay = -657434;
constexpr double kLastDay = 2958465;

}  // namespace

DbValue JetDateValue(double days) {
    if (!std::isfinite(days) || days <= kFirstDay - 1 || days >= kLastDay + 1) return {};
    const double whole = std::trunc(days);
    auto day = static_cast<long long>(whole);
    auto seconds = std::llround(std::abs(days - whole) * 86400.0);
    if (seconds == 86400) {
        seconds = 0;
        ++day;
    }
    using namespace std::chrono;
    const year_month_day date{sys_days{1899y / December / 30} + std::chrono::days{day}};
    if (date.year() < year{100} || date.year() > year{9999}) return {};
    const int time = static_cast<int>(seconds);
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u %02d:%02d:%02d", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                  time / 3600, time / 60 % 60, time % 60);
    return DbValue::date(text);
}

DbValue JetExtendedDateValue(std::span<const unsigned char, 42> bytes) {
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    const auto number = [&](std::size_t at, std::size_t digits) -> std::optional<long long> {
        long long v = 0;
        const auto [end, error] = std::from_chars(&text[at], &text[at] + digits, v);
        if (error != std::errc() || end != &text[at] + digits) return std::nullopt;
        return v;
    };
    const auto days = number(0, 19), seconds = number(20, 12), fraction = number(32, 7);
    constexpr long long kLastDay = 3652058;  // 9999-12-31
    if (text[19] != ':' || text.substr(39, 2) != ":7" || !days || !seconds || !fraction ||
        *days > kLastDay || *seconds >= 86400) {
        return {};
    }
    using namespace std::chrono;
    const year_month_day date{sys_days{1y / January / 1} + std::chrono::days{*days}};
    const auto s = static_cast<int>(*seconds);
    char iso[48];
    std::snprintf(iso, sizeof iso, "%04d-%02u-%02u %02d:%02d:%02d", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()), s / 3600,
                  s / 60 % 60, s % 60);
    std::string value = iso;
    if (*fraction != 0) value += "." + std::string(text.substr(32, 7));
    return DbValue::date(value);
}

double JetCurrency(std::span<const unsigned char, 8> bytes) {
    bool negative = false;
    const std::uint64_t magnitude = CurrencyMagnitude(bytes, negative);
    return ScaledDecimal(negative, Digits(magnitude), 4);
}

std::string JetCurrencyText(std::span<const unsigned char, 8> bytes) {
    bool negative = false;
    const std::uint64_t magnitude = CurrencyMagnitude(bytes, negative);
    return DecimalText(negative, Digits(magnitude), 4);
}

double JetDecimal(std::span<const unsigned char, 17> bytes, int scale) {
    return ScaledDecimal((bytes[0] & 0x80) != 0, Digits(Magnitude(bytes.data() + 1, 4)), scale);
}

std::string JetDecimalText(std::span<const unsigned char, 17> bytes, int scale) {
    return DecimalText((bytes[0] & 0x80) != 0, Digits(Magnitude(bytes.data() + 1, 4)), scale);
}

std::string JetCalculatedDecimalText(std::span<const unsigned char> bytes) {
    if (bytes.size() < 4) return {};
    const auto stated = static_cast<std::size_t>(LoadLe(bytes.data(), 2));
    std::size_t n = stated > 0 ? stated : bytes.size() - 2;
    n = std::min({(n >= 2 ? n - 2 : 0) / 4 * 4, std::size_t{16}, (bytes.size() - 4) / 4 * 4});
    // Most significant first: a word of 4 bytes where the length calls for one, then words of 8,
    // each little-endian.
    const unsigned char* p = bytes.data() + 4;
    unsigned __int128 magnitude = 0;
    if (n % 8 != 0) {
        magnitude = LoadLe(p, 4);
        p += 4;
        n -= 4;
    }
    for (; n > 0; n -= 8, p += 8) magnitude = (magnitude << 64) | LoadLe(p, 8);
    return DecimalText(bytes[3] != 0, Digits(magnitude), bytes[2]);
}

}  // namespace access_detail
