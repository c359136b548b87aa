#include "options/Options.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string>

#include "core/DisplayFormat.h"
#include "core/DisplayLocale.h"
#include "db/DbValue.h"

namespace {

constexpr std::array<std::string_view, 4> kDescriptions = {
    "Check this box if you want a sliding effect when switching between frames",
    "This value defines how many games a player should have played in order to be considered "
    "for the best attack, best defense etc awards, as presented in the 'Misc Stats' frame. For "
    "Home and Away games stats, half of this number of games is required",
    "Sets whether all players will be displayed in the rankings or only those who have "
    "participated in at least one tournament",
    "Sets whether in each player list the originating country of the player will be shown. "
    "Applied for the next time the program is ran"};

// The number in typed, with the user's decimal separator read as well as the point; nullopt
// when typed is no number.
std::optional<double> TypedNumber(std::string_view typed) {
    std::string_view trimmed = Trimmed(typed);
    if (trimmed.starts_with('+')) trimmed.remove_prefix(1);
    // The user's decimal separator as well as the point.
    const std::string separator = Utf8(CurrentLocale().decimalSeparator());
    const auto at = trimmed.find(separator);
    const std::string text = at == std::string_view::npos
                                 ? std::string(trimmed)
                                 : std::string(trimmed.substr(0, at)) + "." +
                                       std::string(trimmed.substr(at + separator.size()));
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size() ||
        !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

// The refused text as the message quotes it: a long one is cut (between characters), since it
// need only be recognised.
std::string Quoted(std::string_view typed) {
    constexpr std::size_t kLongest = 20;
    if (typed.size() <= kLongest) return "\"" + std::string(typed) + "\"";
    std::size_t cut = kLongest;
    while (cut > 0 && (static_cast<unsigned char>(typed[cut]) & 0xC0) == 0x80) --cut;
    return "\"" + std::string(typed.substr(0, cut)) + "…\"";
}

}  // namespace

std::optional<std::int16_t> GamesOption(std::string_view typed) {
    const std::optional<double> value = TypedNumber(typed);
    if (!value || *value <= 0) return std::nullopt;
    const std::int64_t whole = RoundHalfEven(*value);
    if (whole > INT16_MAX) return std::nullopt;
    return static_cast<std::int16_t>(whole);
}

std::string GamesOptionRefusal(std::string_view typed, int inForce) {
    if (GamesOption(typed)) return {};
    std::string why;
    if (Trimmed(typed).empty()) {
        why = "No minimum number of games was given";
    } else if (const std::optional<double> value = TypedNumber(typed); !value) {
        why = Quoted(typed) + " is not a number";
    } else if (*value <= 0) {
        why = Quoted(typed) + " is not above 0";
    } else {
        why = Quoted(typed) + " is too large";
    }
    return why + ", so the minimum number of games stays " + std::to_string(inForce) +
           ". Enter a number from 1 to " + std::to_string(INT16_MAX) + ".";
}

ViewTexts OptionsView(const OptionValues& options) {
    ViewTexts view;
    view.set("chkOpt_0", CheckBoxState{options.frameAnimation, true});
    view.set("txtOptGames", std::to_string(options.minGames));
    view.set("chkOpt_2", CheckBoxState{options.rankingLimit, true});
    view.set("chkOpt_3", CheckBoxState{options.showCountries, true});
    return view;
}

std::string_view OptionDescription(int index) {
    if (index < 0 || index >= static_cast<int>(kDescriptions.size())) return kOptionsHint;
    return kDescriptions[static_cast<std::size_t>(index)];
}
