#include "app/CommandLine.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "core/Settings.h"

namespace {

// The options every Qt program takes; QApplication removes them from the arguments itself.
constexpr std::array<std::string_view, 13> kQtValueOptions = {
    "platform",    "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "display", "geometry",
    "style",       "stylesheet",         "qmljsdebugger"};
constexpr std::array<std::string_view, 5> kQtFlags = {"reverse", "widgetcount", "nograb", "dograb",
                                                      "sync"};

// Qt accepts its options with one dash or two, and the valued ones also as name=value.
std::string_view QtOptionName(std::string_view argument) {
    argument.remove_prefix(argument.starts_with("--") ? 2 : 1);
    return argument.substr(0, argument.find('='));
}

bool Contains(const auto& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// How many arguments a Qt option takes up (itself included); 0 when it is none of Qt's.
std::size_t QtOptionLength(std::string_view argument) {
    const std::string_view name = QtOptionName(argument);
    if (Contains(kQtFlags, name)) return 1;
    if (!Contains(kQtValueOptions, name)) return 0;
    return argument.find('=') == std::string_view::npos ? 2 : 1;
}

CommandLine Only(CommandLine::Action action, std::string error = {}) {
    CommandLine command;
    command.action = action;
    command.error = std::move(error);
    return command;
}

CommandLine Refuse(std::string error) {
    return Only(CommandLine::Action::Error, std::move(error));
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine command;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool option = !optionsEnded && argument.size() > 1 && argument.starts_with('-');
        if (option && argument == "--") {
            optionsEnded = true;
        } else if (option && (argument == "--help" || argument == "-h")) {
            return Only(CommandLine::Action::Help);
        } else if (option && (argument == "--version" || argument == "-v")) {
            return Only(CommandLine::Action::Version);
        } else if (option) {
            const std::size_t length = QtOptionLength(argument);
            if (length == 0) return Refuse("unknown option '" + argument + "'");
            if (i + length > arguments.size()) return Refuse("'" + argument + "' needs a value");
            i += length - 1;
        } else if (command.database) {
            return Refuse("only one DUZEDO can be opened, not also '" + argument + "'");
        } else {
            command.database = argument;
        }
    }
    return command;
}

std::string UsageText() {
    return "Usage: VPAStats [PATH]\n"
           "\n"
           "Shows the statistics of a DUZEDO. Without PATH it opens the database the settings\n"
           "file VPAStats.ini names (or duzedo.mdb beside the program); with PATH it opens that\n"
           "file for this run only, and the settings keep the database they name.\n"
           "\n"
           "Options:\n"
           "  -h, --help     print this text and exit\n"
           "  -v, --version  print the program's version and exit\n"
           "  --             what follows is a PATH, even when it begins with '-'\n";
}

std::string VersionLine() {
    return "VPAStats " + VersionText() + "\n";
}
