#pragma once

// Jet's fixed-size values, stored as raw little-endian bytes, as engine values.

#include <span>
#include <string>

#include "db/DbValue.h"

namespace access_detail {

// Date/Time: days since 1899-12-30; before that day the fraction still counts forward from
// midnight. Null outside the years 100 to 9999, which Jet cannot hold.
DbValue JetDateValue(double days);
// Date/Time Extended: in ASCII digits, days since 0001-01-01, ':', seconds since midnight and
// seven digits of their fraction, ":7". The fraction is kept unless it is zero. Null for anything
// else.
DbValue JetExtendedDateValue(std::span<const unsigned char, 42> bytes);
// Currency: a 64-bit integer of ten-thousandths.
double JetCurrency(std::span<const unsigned char, 8> bytes);
// The same as decimal text with its four places ("-12.3400"), exact.
std::string JetCurrencyText(std::span<const unsigned char, 8> bytes);
// Decimal: a sign byte, then a 96/128-bit magnitude as four little-endian 32-bit words, most
// significant first, scaled by 10^-scale.
double JetDecimal(std::span<const unsigned char, 17> bytes, int scale);
// The same as decimal text with scale places ("100.0000"), exact.
std::string JetDecimalText(std::span<const unsigned char, 17> bytes, int scale);
// Decimal as a calculated column stores it: a 2-byte length, the scale, a sign byte, then up to 16
// bytes of magnitude. Empty for bytes too short to hold one.
std::string JetCalculatedDecimalText(std::span<const unsigned char> bytes);

}  // namespace access_detail
