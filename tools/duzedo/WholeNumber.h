#pragma once

#include <charconv>
#include <stdexcept>
#include <string>
#include <string_view>

// A command-line value that is not what its option takes.
class OptionError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The whole number an option's text gives, from min to max; anything else (blanks, a sign where
// T has none, a fraction, a number out of range) is an OptionError naming the option.
template <typename T>
T WholeNumberOption(std::string_view option, std::string_view text, T min, T max) {
    T value{};
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || value < min || value > max) {
        throw OptionError("option " + std::string(option) + ": '" + std::string(text) +
                          "' is not a whole number from " + std::to_string(min) + " to " +
                          std::to_string(max));
    }
    return value;
}
