#pragma once

#include <optional>
#include <string>
#include <vector>

// What the program was asked to do on its command line.
struct CommandLine {
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Run;
    // A DUZEDO to open for this run only, instead of the one the settings name.
    std::optional<std::string> database;
    // Why the command line was refused (Action::Error).
    std::string error;
};

// Reads the arguments after the program's name. Qt's own options (-platform, -style ...) are
// left for the application object; anything else beginning with "-" is an error, unless it comes
// after "--".
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// The usage text of --help, ending in a line break.
std::string UsageText();
// "VPAStats v0.9 - 18/5/2003" and a line break.
std::string VersionLine();
