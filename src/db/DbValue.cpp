#include "db/DbValue.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <sstream>

namespace {

std::int64_t RoundHalfToEven(double v) {
    // Below 2^63 a double is at most 2^63 - 1024, which rounds to itself.
    if (!(v < 0x1p63 && v >= -0x1p63)) {
        throw DbError("Overflow");
    }
    return static_cast<std::int64_t>(std::nearbyint(v));  // default rounding mode: ties to even
}

std::optional<double> ParseNumber(std::string_view text) {
    text = Trimmed(text);
    if (text.empty()) return std::nullopt;
    double v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return v;
}

// Whole-number text read exactly: through a double, numbers beyond 2^53 would lose digits and
// those near the 64-bit limits would not be read at all.
std::optional<std::int64_t> ParseWholeNumber(std::string_view text) {
    text = Trimmed(text);
    std::int64_t v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return v;
}

}  // namespace

std::string_view Trimmed(std::string_view s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

DbValue DbValue::integer(std::int64_t v) {
    DbValue d;
    d.kind_ = Kind::Integer;
    d.int_ = v;
    return d;
}

DbValue DbValue::real(double v) {
    DbValue d;
    d.kind_ = Kind::Real;
    d.real_ = v;
    return d;
}

DbValue DbValue::text(std::string v) {
    DbValue d;
    d.kind_ = Kind::Text;
    d.text_ = std::move(v);
    return d;
}

DbValue DbValue::date(std::string iso) {
    DbValue d;
    d.kind_ = Kind::Date;
    d.text_ = std::move(iso);
    return d;
}

std::int64_t DbValue::toInt64() const {
    if (kind_ == Kind::Integer) return int_;
    if (const auto whole = kind_ == Kind::Text ? ParseWholeNumber(text_) : std::nullopt) {
        return *whole;
    }
    return RoundHalfToEven(toDouble());
}

double DbValue::toDouble() const {
    switch (kind_) {
        case Kind::Integer:
            return static_cast<double>(int_);
        case Kind::Real:
            return real_;
        case Kind::Text:
            if (const auto v = ParseNumber(text_)) return *v;
            throw DbError("Type mismatch: '" + text_ + "' is not a number");
        case Kind::Null:
            throw DbError("Invalid use of Null");
        case Kind::Date:
            break;
    }
    throw DbError("Type mismatch: a date is not a number");
}

std::string DbValue::toString() const {
    switch (kind_) {
        case Kind::Null:
            return {};
        case Kind::Integer:
            return std::to_string(int_);
        case Kind::Real: {
            if (real_ == std::floor(real_) && std::fabs(real_) < 1e15) {
                return std::to_string(static_cast<std::int64_t>(real_));
            }
            std::ostringstream out;
            out.precision(15);
            out << real_;
            return out.str();
        }
        case Kind::Text:
        case Kind::Date:
            return text_;
    }
    return {};
}
