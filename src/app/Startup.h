#pragma once

#include <memory>
#include <optional>
#include <string>

class frmMain;

struct StartupChoices {
    // A DUZEDO to open for this run only. The settings keep naming their own database, and a
    // file that cannot be opened ends the start instead of asking for another.
    std::optional<std::string> database;
};

// The start-up procedure: splash, settings, database, main window. Returns the main window,
// shown, or nullptr when the database could not be opened (the user has been told, and the
// program should end with a failure status).
std::unique_ptr<frmMain> RunStartup(const StartupChoices& choices = {});

// Whether the splash has been up long enough, for a start time of day taken to the nearest whole
// second. A time of day before the start means midnight has passed (the clock starts again from
// 0) or the clock was set back; either way the splash has waited long enough.
bool SplashTimeUp(double startSecond, double now);

// Removes the misc statistics cache, whose figures may belong to another database.
void DeleteMiscCache();
// Whether a and b name the same existing file.
bool SameFile(const std::string& a, const std::string& b);

// The download site named when the database is missing.
inline constexpr const char* kDuzedoDownloadUrl = "https://www.velmoorplayers.org/duzedo";
