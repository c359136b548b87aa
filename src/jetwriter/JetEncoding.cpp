// Values as a Jet 4 file stores them: text in UTF-16 (compressed where it can be), dates as day
// counts, currency as ten-thousandths.

#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <limits>

#include "jetwriter/JetWriterDetail.h"

namespace jet_detail {

void PutLe(unsigned char* out, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out[i] = static_cast<unsigned char>(value >> (8 * i));
}

void AppendLe(Bytes& out, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

namespace {

constexpr char32_t kReplacement = 0xFFFD;

char32_t NextCodePoint(std::string_view s, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(s[i++]);
    if (lead < 0x80) return lead;
    int extra = 0;
    char32_t c = 0;
    char32_t min = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        extra = 1, c = lead & 0x1Fu, min = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        extra = 2, c = lead & 0x0Fu, min = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        extra = 3, c = lead & 0x07u, min = 0x10000;
    } else {
        return kReplacement;
    }
    for (int k = 0; k < extra; ++k) {
        if (i >= s.size() || (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) return kReplacement;
        c = (c << 6) | (static_cast<unsigned char>(s[i++]) & 0x3Fu);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return kReplacement;
    return c;
}

// Readers take a zero byte in compressed text as the switch between one- and two-byte
// characters, so no character whose low byte is zero can be compressed.
std::optional<Bytes> Compressed(std::u16string_view text) {
    Bytes out{0xFF, 0xFE};
    bool oneByte = true;
    for (const char16_t unit : text) {
        if ((unit & 0xFF) == 0) return std::nullopt;
        if ((unit < 0x100) != oneByte) {
            out.push_back(0);
            oneByte = !oneByte;
        }
        out.push_back(static_cast<unsigned char>(unit & 0xFF));
        if (!oneByte) out.push_back(static_cast<unsigned char>(unit >> 8));
    }
    return out;
}

struct DateTimeParts {
    unsigned year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

// "YYYY-MM-DD", then optionally " HH:MM" (or "THH:MM") and ":SS".
std::optional<DateTimeParts> ParseDateTime(std::string_view text) {
    DateTimeParts p;
    const auto number = [text](std::size_t pos, std::size_t digits, unsigned& out) {
        const char* begin = text.data() + pos;
        const auto [end, ec] = std::from_chars(begin, begin + digits, out);
        return ec == std::errc() && end == begin + digits;
    };
    if (text.size() < 10 || !number(0, 4, p.year) || text[4] != '-' || !number(5, 2, p.month) ||
        text[7] != '-' || !number(8, 2, p.day)) {
        return std::nullopt;
    }
    if (text.size() == 10) return p;
    if ((text.size() != 16 && text.size() != 19) || (text[10] != ' ' && text[10] != 'T') ||
        !number(11, 2, p.hour) || text[13] != ':' || !number(14, 2, p.minute)) {
        return std::nullopt;
    }
    if (text.size() == 19 && (text[16] != ':' || !number(17, 2, p.second))) return std::nullopt;
    return p;
}

}  // namespace

std::u16string Utf16(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t c = NextCodePoint(utf8, i);
        if (c < 0x10000) {
            out.push_back(static_cast<char16_t>(c));
        } else {
            out.push_back(static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
        }
    }
    return out;
}

Bytes Ucs2(std::u16string_view text) {
    Bytes out;
    out.reserve(2 * text.size());
    for (const char16_t unit : text) AppendLe(out, unit, 2);
    return out;
}

Bytes StoredText(std::u16string_view text, bool mayCompress) {
    // Plain text starting with U+FEFF would read as the compressed form's marker.
    const bool looksCompressed = !text.empty() && text.front() == 0xFEFF;
    if (mayCompress || looksCompressed) {
        std::optional<Bytes> compressed = Compressed(text);
        if (compressed && (looksCompressed || compressed->size() < 2 * text.size())) {
            return std::move(*compressed);
        }
        if (looksCompressed) {
            throw DbError("text starting with U+FEFF cannot hold a character whose low byte is 0");
        }
    }
    return Ucs2(text);
}

double JetDays(const DbValue& value) {
    if (value.kind() == DbValue::Kind::Integer || value.kind() == DbValue::Kind::Real) {
        return value.toDouble();
    }
    using namespace std::chrono;
    const std::optional<DateTimeParts> p = ParseDateTime(value.toString());
    const year_month_day date =
        p ? year{static_cast<int>(p->year)} / month{p->month} / day{p->day} : year_month_day{};
    if (!p || !date.ok() || p->year < 100 || p->hour > 23 || p->minute > 59 || p->second > 59) {
        throw DbError("'" + value.toString() + "' is not a date");
    }
    const auto days = (sys_days{date} - sys_days{1899y / December / 30}).count();
    const double fraction = (p->hour * 3600 + p->minute * 60 + p->second) / 86400.0;
    return days >= 0 ? static_cast<double>(days) + fraction : static_cast<double>(days) - fraction;
}

std::int64_t CurrencyUnits(double value) {
    // The range's ends as the nearest doubles show them.
    constexpr double kLimit = 922337203685477.6;
    if (!std::isfinite(value) || std::fabs(value) > kLimit) {
        throw DbError(std::to_string(value) + " is out of range for Currency");
    }
    // The shortest decimal that reads back as value: 0.1 is 1000 units, not 999.
    char text[64];
    const char* end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed).ptr;
    std::string_view digits(text, static_cast<std::size_t>(end - text));
    const bool negative = digits.front() == '-';
    if (negative) digits.remove_prefix(1);
    const std::size_t point = std::min(digits.find('.'), digits.size());
    const std::string_view fraction = digits.substr(std::min(point + 1, digits.size()));
    __int128 units = 0;
    for (const char c : digits.substr(0, point)) units = units * 10 + (c - '0');
    for (std::size_t i = 0; i < 4; ++i)
        units = units * 10 + (i < fraction.size() ? fraction[i] - '0' : 0);
    // What follows the fourth decimal rounds half to even.
    const std::string_view rest = fraction.size() > 4 ? fraction.substr(4) : std::string_view();
    if (!rest.empty() &&
        (rest[0] > '5' ||
         (rest[0] == '5' &&
          (rest.find_first_not_of('0', 1) != std::string_view::npos || units % 2 != 0)))) {
        ++units;
    }
    units = negative ? -units : units;
    // Beyond the ends only because the double cannot show them exactly.
    units = std::min<__int128>(units, std::numeric_limits<std::int64_t>::max());
    units = std::max<__int128>(units, std::numeric_limits<std::int64_t>::min());
    return static_cast<std::int64_t>(units);
}

}  // namespace jet_detail
