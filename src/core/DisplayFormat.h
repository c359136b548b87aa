#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/DisplayLocale.h"

// A computed value taken to a whole number: halves go to the even neighbour (2.5 gives 2, 3.5
// gives 4, -2.5 gives -2). NaN gives 0; values beyond the 64-bit range give its nearest end.
std::int64_t RoundHalfEven(double value);

// The number patterns of the displays ("###", ".00", "###.##", "#0.##", "##0.0#", "#0.00",
// "0###"), made of the placeholders '0' and '#' and at most one '.', which stands for the
// locale's decimal separator and is always written when present.
//
// The value is rounded to as many decimals as the pattern has places after the '.', halves away
// from zero; the decimal value a double stands for counts, so 1.005 rounds up like 0.625 does.
// Before the separator, every '0' from the leftmost one on forces a digit (so "0###" writes at
// least four digits), '#' writes nothing for a leading zero, and whole-part digits beyond the
// pattern's places are still written. After the separator, places up to the rightmost '0' are
// always written and the '#' places drop trailing zeros. Negative values get a leading '-'
// unless they round to zero. Infinite and NaN values, which no pattern can show, give "Inf",
// "-Inf" and "NaN".
//
// Throws std::invalid_argument for a character outside "0#." or a second '.'.
std::string FormatNumber(double value, std::string_view pattern,
                         const DisplayLocale& locale = CurrentLocale());

// A character as UTF-8, as every text of the program is kept.
std::string Utf8(char32_t c);
