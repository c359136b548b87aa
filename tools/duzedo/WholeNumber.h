#pragma once

#include <charconv>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

// A command-line value that is not what its option takes.
class OptionError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The whole numbers an option takes.
struct WholeNumberRange {
    std::uint64_t min = 0;
    std::uint64_t max = 0;
};

// The number text gives in decimal, when it is one from min to max: no blanks, no sign where T
// has none, no fraction.
template <typename T>
std::optional<T> ParseWholeNumber(std::string_view text, T min, T max) {
    T value{};
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || value < min || value > max) return {};
    return value;
}

template <typename T>
std::string NotAWholeNumber(std::string_view text, T min, T max) {
    return "'" + std::string(text) + "' is not a whole number from " + std::to_string(min) +
           " to " + std::to_string(max);
}

// The whole number an option's text gives, from min to max; anything else is an OptionError
// naming the option.
template <typename T>
T WholeNumberOption(std::string_view option, std::string_view text, T min, T max) {
    if (const std::optional<T> value = ParseWholeNumber(text, min, max)) return *value;
    throw OptionError("option " + std::string(option) + ": " + NotAWholeNumber(text, min, max));
}
