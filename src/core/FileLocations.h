#pragma once

#include <functional>
#include <string>

// Where the program keeps the files it writes. Beside the program while its folder is writable
// (the way it has always been); once installed where the user may not write, the settings go to
// the user's configuration folder and the misc cache and the diagram pictures to the user's cache
// folder (on Windows both are %LOCALAPPDATA%). A settings file already beside the program stays in
// use, written in place.
struct FileLocations {
    std::string settings;       // VPAStats.ini
    std::string miscCache;      // misc.bfr
    std::string defaultDb;      // duzedo.mdb, always beside the program
    std::string pictures;       // the folder the diagram pictures are drawn into
    std::string programFolder;  // ends with a separator
};

struct LocationFacts {
    std::string programFolder;  // ends with a separator
    bool programFolderWritable = true;
    std::string configHome;  // the user's configuration and cache folders (XDG base folders)
    std::string cacheHome;
    std::function<bool(const std::string&)> fileExists;
};

FileLocations ChooseLocations(const LocationFacts& facts);

// The XDG base folder named by variable when it holds an absolute path, else home + fallback
// ("/.config", "/.cache").
std::string XdgFolder(const char* variable, const char* fallback);

// The locations for this program as it runs now.
FileLocations CurrentLocations();

// Makes the folder of a file the program keeps in the user's folders, when it is missing.
void MakeUserFolderFor(const std::string& file);
