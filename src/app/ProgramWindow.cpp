#include "app/ProgramWindow.h"

#include <filesystem>
#include <optional>

#include "app/Startup.h"
#include "core/AppServices.h"
#include "core/QtText.h"
#include "core/Settings.h"
#include "db/Database.h"
#include "db/Utf8Path.h"
#include "shell/StatusLine.h"
#include "shell/frmMain.h"

namespace {

// The database the settings name, with the signature its misc cache was checked against.
StoredDatabase SettingsDatabase(const frmMain& window) {
    if (const auto& stored = window.StoredDatabaseOfRun()) return *stored;
    return {gDbPath, gDbSignature};
}

void Refuse(const std::string& path, const std::string& reason) {
    Services().message(MessageIcon::Critical,
                       "The DUZEDO at " + path + " cannot be opened: the one open stays open.",
                       "Open DUZEDO", reason);
}

}  // namespace

ProgramWindow::ProgramWindow(std::unique_ptr<frmMain> window) : mWindow(std::move(window)) {
    Wire();
}

ProgramWindow::~ProgramWindow() = default;

void ProgramWindow::Wire() {
    connect(mWindow.get(), &frmMain::openRequested, this,
            [this](const QString& path) { Open(ToUtf8(path)); });
    connect(mWindow.get(), &frmMain::reloadRequested, this, [this] { Reload(); });
}

bool ProgramWindow::Open(const std::string& path) {
    return Replace(path, false);
}

bool ProgramWindow::Reload() {
    return Replace(ConnectedDbPath(), true);
}

bool ProgramWindow::Replace(const std::string& path, bool reload) {
    frmMain& old = *mWindow;
    if (old.Busy()) {
        Services().message(MessageIcon::Information,
                           "Stop the calculation, or let it end, before opening a DUZEDO.",
                           "Open DUZEDO");
        return false;
    }
    std::unique_ptr<Connection> conn;
    try {
        conn = OpenDuzedo(path);
    } catch (const std::exception& error) {
        Refuse(path, error.what());
        return false;
    }
    // A file read again for this run only stays this run's; any other becomes the settings'
    // database, its misc cache kept only while it is the same file, unchanged.
    const std::optional<StoredDatabase> oneOff =
        reload ? old.StoredDatabaseOfRun() : std::optional<StoredDatabase>();
    const StoredDatabase settings = SettingsDatabase(old);
    const StoredDatabase before{gDbPath, gDbSignature};
    const std::string connectedBefore = ConnectedDbPath();
    const frmMain::Choice choice = old.CurrentChoice();
    old.Remember();
    if (!oneOff) {
        gDbPath = AbsoluteUtf8Path(path);
        gDbSignature = DbSignature(gDbPath).value_or("");
        if (!SameFile(gDbPath, settings.path) || gDbSignature != settings.signature) {
            DeleteMiscCache();
        }
    }
    UseConnection(std::move(conn));
    auto fresh = std::make_unique<frmMain>();
    if (oneOff) fresh->SetStoredDatabase(*oneOff);
    try {
        fresh->Load();
    } catch (const std::exception& error) {
        gDbPath = before.path;
        gDbSignature = before.signature;
        ConnectDb(connectedBefore);
        Refuse(path, error.what());
        return false;
    }
    if (!oneOff) WriteSettings();
    if (reload) fresh->Restore(choice);
    fresh->setGeometry(old.isMaximized() ? old.normalGeometry() : old.geometry());
    if (old.isMaximized()) fresh->setWindowState(Qt::WindowMaximized);
    Services().showMainWindow(*fresh);
    if (reload) fresh->ui.picStatus->setMessage(QStringLiteral("The DUZEDO was read again"));
    old.hide();
    mWindow.release()->deleteLater();
    mWindow = std::move(fresh);
    Wire();
    return true;
}
