#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/DisplayLocale.h"

// The user's options, with the defaults SetOptionDefaults gives them. Check-box options hold 0
// (clear) or 1 (ticked).
extern std::int16_t gOptFrameAnimation;  // frames slide in, the window shrinks away on closing
extern std::int16_t gOptMinGames;        // games a player needs for the misc records
extern std::int16_t gOptRankingLimit;    // rankings list only players of two or more tournaments
extern std::int16_t gOptShowCountries;   // player lists show each player's country
// Number of program starts, this one included once start-up has counted it.
extern std::int16_t gTimesRun;

inline const std::string gVersion = "0.9";
inline const std::string gVersionDate = "18/5/2003";
// "v0.9 - 18/5/2003".
std::string VersionText();

// The database signature computed while reading the settings file; empty when none was computed.
extern std::string gDbSignature;
// False once the settings file showed that the misc statistics cache belongs to another database
// file, another database date or another program version.
extern bool gMiscCacheValid;

// Files in the application directory.
std::string SettingsFilePath();   // VPAStats.ini
std::string MiscCacheFilePath();  // misc.bfr
std::string DefaultDbPath();      // duzedo.mdb

void SetOptionDefaults();

// The four options as one value: what Apply changed is told by comparing the value before with
// the value after.
struct OptionValues {
    std::int16_t frameAnimation = 0;
    std::int16_t minGames = 0;
    std::int16_t rankingLimit = 0;
    std::int16_t showCountries = 0;
    friend bool operator==(const OptionValues&, const OptionValues&) = default;
};
// The option globals as they stand, and the globals set from a value.
OptionValues CurrentOptions();
void SetOptions(const OptionValues& options);

// Reads the settings file into the globals. On a missing line, a bad number or a database whose
// date cannot be read it stops there, keeps what it has read and tells the user.
void ReadSettings();
// Replaces the settings file with the globals. The file is swapped in whole, so a failed write
// leaves the previous file as it was; the user is told of the failure.
void WriteSettings();

// Last-modified date and time of a file, as the local clock shows it; nullopt when it has none.
std::optional<LocalDateTime> FileModifiedTime(const std::string& path);
// The file's last-modified date and time in the user's general date format; empty when the file
// cannot be found.
std::string DbFileDate(const std::string& dbPath);
// Version, version date, database date and path run together; changes whenever any of them
// does. nullopt when the database file cannot be found.
std::optional<std::string> DbSignature(const std::string& dbPath);
