#include "core/FileLocations.h"

#include <QString>
#include <QtGlobal>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "core/NativeFile.h"
#include "db/Database.h"
#include "db/Utf8Path.h"

namespace {

constexpr const char* kUserFolder = "VPAStats/";

std::string WithSlash(std::string folder) {
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder;
}

}  // namespace

FileLocations ChooseLocations(const LocationFacts& facts) {
    const std::string& program = facts.programFolder;
    FileLocations places{program + "VPAStats.ini", program + "misc.bfr", program + "duzedo.mdb",
                         program, program};
    if (facts.programFolderWritable) return places;
    if (!facts.fileExists(places.settings)) {
        places.settings = WithSlash(facts.configHome) + kUserFolder + "VPAStats.ini";
    }
    const std::string cache = WithSlash(facts.cacheHome) + kUserFolder;
    if (!facts.fileExists(places.miscCache)) places.miscCache = cache + "misc.bfr";
    places.pictures = cache;
    return places;
}

std::string XdgFolder(const char* variable, const char* fallback) {
    const char* value = std::getenv(variable);
    if (value != nullptr && value[0] == '/') return value;
    const char* home = std::getenv("HOME");
    return std::string(home != nullptr ? home : "") + fallback;
}

FileLocations CurrentLocations() {
    const std::string program = AppDir();
#ifdef _WIN32
    // Where Windows programs keep what belongs to one user on one machine.
    const std::string appData = PathFromQt(qEnvironmentVariable("LOCALAPPDATA"));
    return ChooseLocations({program, DirWritable(program), appData, appData, FileExists});
#else
    return ChooseLocations({program, DirWritable(program), XdgFolder("XDG_CONFIG_HOME", "/.config"),
                            XdgFolder("XDG_CACHE_HOME", "/.cache"), FileExists});
#endif
}

void MakeUserFolderFor(const std::string& file) {
    if (file.starts_with(CurrentLocations().programFolder)) return;
    std::error_code ignored;
    std::filesystem::create_directories(Utf8Path(file).parent_path(), ignored);
}
