// Jet's dates, currency and decimals from any bytes, numbers as text both ways, and the display
// patterns: well-formed results that stand for the value they were made from.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <span>
#include <string>

#include "FuzzInput.h"
#include "core/DisplayFormat.h"
#include "db/JetValues.h"

using namespace access_detail;

namespace {

void CheckDate(double days) {
    const DbValue date = JetDateValue(days);
    if (date.isNull()) return;
    const std::string iso = date.toString();
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
    FUZZ_CHECK(iso.size() == 19);
    FUZZ_CHECK(std::sscanf(iso.c_str(), "%4d-%2d-%2d %2d:%2d:%2d", &y, &mo, &d, &h, &mi, &s) == 6);
    FUZZ_CHECK(y >= 100 && y <= 9999 && mo >= 1 && mo <= 12 && d >= 1 && d <= 31);
    FUZZ_CHECK(h < 24 && mi < 60 && s < 60);
}

void CheckCurrency(std::span<const unsigned char, 8> bytes) {
    std::int64_t raw = 0;
    std::memcpy(&raw, bytes.data(), sizeof raw);  // little-endian, as the machines we build on
    const double exact = static_cast<double>(raw) / 10000;
    FUZZ_CHECK(std::fabs(JetCurrency(bytes) - exact) <= std::fabs(exact) * 1e-15);
}

void CheckDecimal(std::span<const unsigned char, 17> bytes, int scale) {
    const double value = JetDecimal(bytes, scale);
    FUZZ_CHECK(std::isfinite(value) && value <= 3.5e38 && value >= -3.5e38);
}

// Text made by toString reads back as the same number.
void CheckTextNumbers(double real, std::int64_t whole, std::string_view text) {
    FUZZ_CHECK(DbValue::text(DbValue::integer(whole).toString()).toInt64() == whole);
    // Left out: subnormal numbers, which the standard library reads as out of range, and the
    // largest ones, whose 15 digits round to beyond the range.
    const double size = std::fabs(real);
    if (real == 0 || (size >= std::numeric_limits<double>::min() && size < 1.7976931348623e308)) {
        const double back = DbValue::text(DbValue::real(real).toString()).toDouble();
        FUZZ_CHECK(std::fabs(back - real) <= std::fabs(real) * 1e-14);
    }
    try {
        DbValue::text(std::string(text)).toInt64();
    } catch (const DbError&) {
    }
}

// A pattern of '0', '#' and one '.' from the bytes; the shown number is the value rounded to the
// pattern's places.
void CheckFormat(double value, std::string_view bytes) {
    static const auto locale = MakeFixedLocale(',');
    std::string pattern;
    for (const char c : bytes.substr(0, 12)) pattern += "0#0#."[static_cast<unsigned char>(c) % 5];
    if (std::count(pattern.begin(), pattern.end(), '.') > 1) return;
    const std::string shown = FormatNumber(value, pattern, *locale);
    if (!std::isfinite(value) || std::fabs(value) > 1e15) return;
    std::string dotted = shown;
    std::replace(dotted.begin(), dotted.end(), ',', '.');
    const auto point = pattern.find('.');
    const int places =
        point == std::string::npos ? 0 : static_cast<int>(pattern.size() - point - 1);
    const double back = std::strtod(dotted.c_str(), nullptr);
    // Numbers are shown with at most 15 significant digits.
    FUZZ_CHECK(std::fabs(back - value) <= 0.5 * std::pow(10.0, -places) + std::fabs(value) * 1e-14);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::array<unsigned char, 26> fixed{};
    std::memcpy(fixed.data(), data, std::min(size, fixed.size()));
    const std::string_view rest = AsText(data, size).substr(std::min(size, fixed.size()));
    double real = 0;
    std::int64_t whole = 0;
    std::memcpy(&real, fixed.data(), sizeof real);
    std::memcpy(&whole, fixed.data(), sizeof whole);

    CheckDate(real);
    CheckDate(static_cast<double>(whole % 4'000'000) + real - std::trunc(real));
    CheckCurrency(std::span<const unsigned char, 8>(fixed.data(), 8));
    CheckDecimal(std::span<const unsigned char, 17>(fixed.data() + 8, 17), fixed[25] % 29);
    CheckTextNumbers(real, whole, rest);
    CheckFormat(real, rest);
    RoundHalfEven(real);
    return 0;
}
