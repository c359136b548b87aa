#include "app/Startup.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

#include "app/frmSplash.h"
#include "core/AppServices.h"
#include "core/NativeFile.h"
#include "core/Settings.h"
#include "core/StoredDatabase.h"
#include "db/Database.h"
#include "db/Utf8Path.h"
#include "shell/frmMain.h"

namespace {

// A clock that never reaches the end of the wait must not keep the splash up for ever.
constexpr double kSplashMaxWait = 2.0;
constexpr double kSplashPollInterval = 0.01;

std::string RequirementText() {
    return std::string(
               "This application requires the Velmoor Players Association Tournament Database "
               "(DUZEDO) to function. On the next dialog you will be asked to locate the "
               "DUZEDO.mdb file in your disk. If you don't already have it, you can download it "
               "from ") +
           kDuzedoDownloadUrl + ".";
}

// Asks the user for the database when it is not where the settings say.
void EnsureDbPath() {
    if (FileExists(gDbPath)) {
        return;
    }
    Services().message(MessageIcon::Information, RequirementText(), "Requirement");
    // The cache's figures may belong to another database.
    DeleteMiscCache();
    gDbPath = Services().locateDb();
}

void ReportAccessError(const std::string& reason) {
    std::fprintf(stderr, "VPAStats: cannot open the DUZEDO at '%s': %s\n", gDbPath.c_str(),
                 reason.c_str());
    Services().message(MessageIcon::Critical,
                       "There was an error accessing the DUZEDO - closing app", "Critical error!",
                       reason);
}

// Connects to gDbPath. A file that is there but cannot be opened is no reason to end every later
// start too: after the message the user may choose another file, which the settings remember.
// A file named for this run only is not replaced by another.
bool Connect(bool mayChooseAnother) {
    for (;;) {
        std::string reason;
        if (ConnectDb(gDbPath, &reason)) {
            return true;
        }
        const bool there = FileExists(gDbPath);
        ReportAccessError(reason);
        if (!there || !mayChooseAnother) {
            return false;
        }
        const std::string chosen = Services().locateDb();
        if (chosen.empty()) {
            return false;
        }
        DeleteMiscCache();
        gDbPath = chosen;
    }
}

// Fills the main window; a database that opens but cannot answer its first queries (a table
// without the columns they read) ends the start like one that cannot be opened.
bool LoadMainWindow(frmMain& window) {
    try {
        window.Load();
        return true;
    } catch (const std::exception& error) {
        ReportAccessError(error.what());
        DisconnectDb();
        return false;
    }
}

// Makes the file named for this run gDbPath. Returns the database the settings name when that is
// another file, so that what start-up and Apply write keeps naming it.
std::optional<StoredDatabase> UseDatabaseOfThisRun(const std::string& path) {
    if (SameFile(path, gDbPath)) return std::nullopt;
    StoredDatabase stored{gDbPath, gDbSignature};
    gDbPath = AbsoluteUtf8Path(path);
    return stored;
}

// Opens the database and writes the settings. With a file of this run's own, the settings are
// written only while the database they name is there: one that is not would make the next start
// complain about the settings it had not written.
bool OpenDatabase(const StartupChoices& choices, std::optional<StoredDatabase>& stored) {
    if (!choices.database) {
        EnsureDbPath();
        if (!Connect(true)) return false;
        WriteSettings();
        return true;
    }
    stored = UseDatabaseOfThisRun(*choices.database);
    if (!Connect(false)) return false;
    if (!stored) {
        WriteSettings();
    } else if (FileExists(stored->path)) {
        WriteSettingsNaming(*stored);
    }
    return true;
}

void WaitForSplash(double startSecond) {
    AppServices& services = Services();
    double waited = 0;
    while (!SplashTimeUp(startSecond, services.timeOfDay()) && waited < kSplashMaxWait) {
        services.sleep(kSplashPollInterval);
        waited += kSplashPollInterval;
    }
}

}  // namespace

void DeleteMiscCache() {
    std::error_code ignored;
    std::filesystem::remove(Utf8Path(MiscCacheFilePath()), ignored);
}

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code error;
    return std::filesystem::equivalent(Utf8Path(a), Utf8Path(b), error);
}

bool SplashTimeUp(double startSecond, double now) {
    // The start was rounded by at most half a second, so only a clock that went back can read
    // more than that below it.
    return now - startSecond >= 1 || now < startSecond - 0.5;
}

std::unique_ptr<frmMain> RunStartup(const StartupChoices& choices) {
    AppServices& services = Services();
    const double startSecond = std::nearbyint(services.timeOfDay());
    gMiscCacheValid = true;
    gDbPath = DefaultDbPath();
    gDbSignature.clear();

    auto splash = std::make_unique<frmSplash>();
    splash->show();
    services.processEvents();

    SetOptionDefaults();
    if (FileExists(SettingsFilePath())) {
        ReadSettings();
    }
    if (!gMiscCacheValid) {
        DeleteMiscCache();
    }
    // A run count that has reached the top of its range stays there.
    if (gTimesRun < INT16_MAX) {
        ++gTimesRun;
    }
    std::optional<StoredDatabase> stored;
    if (!OpenDatabase(choices, stored)) {
        return nullptr;
    }

    auto mainWindow = std::make_unique<frmMain>();
    if (stored) mainWindow->SetStoredDatabase(*stored);
    if (!LoadMainWindow(*mainWindow)) {
        return nullptr;
    }
    WaitForSplash(startSecond);
    splash.reset();
    services.showMainWindow(*mainWindow);
    return mainWindow;
}
