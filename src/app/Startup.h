#pragma once

#include <memory>

class frmMain;

// The start-up procedure: splash, settings, database, main window. Returns the main window,
// shown, or nullptr when the database could not be opened (the user has been told, and the
// program should end with a failure status).
std::unique_ptr<frmMain> RunStartup();

// Whether the splash has been up long enough, for a start time of day taken to the nearest whole
// second. A time of day before the start means midnight has passed (the clock starts again from
// 0) or the clock was set back; either way the splash has waited long enough.
bool SplashTimeUp(double startSecond, double now);

// The download site named when the database is missing.
inline constexpr const char* kDuzedoDownloadUrl = "https://www.velmoorplayers.org/duzedo";
