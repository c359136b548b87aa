#include "shell/WindowMemory.h"

#include <QSettings>
#include <QStringList>
#include <algorithm>
#include <filesystem>

#include "core/FileLocations.h"
#include "core/QtText.h"
#include "core/Settings.h"
#include "db/Utf8Path.h"

std::string WindowMemoryPath() {
    return Utf8Text(Utf8Path(SettingsFilePath()).parent_path() / "VPAStats-window.ini");
}

WindowMemory ReadWindowMemory(const std::string& path) {
    if (!std::filesystem::is_regular_file(Utf8Path(path))) return {};
    const QSettings file(ToQString(path), QSettings::IniFormat);
    WindowMemory memory;
    const QRect geometry = file.value("window/geometry").toRect();
    if (geometry.isValid()) memory.geometry = geometry;
    memory.maximised = file.value("window/maximised").toBool();
    memory.frame = std::max(0, file.value("window/frame").toInt());
    for (const QString& recent : file.value("files/recent").toStringList()) {
        if (!recent.isEmpty()) memory.recentFiles.push_back(ToUtf8(recent));
    }
    if (memory.recentFiles.size() > kRecentFileCount) memory.recentFiles.resize(kRecentFileCount);
    return memory;
}

bool WriteWindowMemory(const std::string& path, const WindowMemory& memory) {
    MakeUserFolderFor(path);
    QSettings file(ToQString(path), QSettings::IniFormat);
    file.setValue("window/geometry", memory.geometry);
    file.setValue("window/maximised", memory.maximised);
    file.setValue("window/frame", memory.frame);
    QStringList recent;
    for (const std::string& name : memory.recentFiles) recent.push_back(ToQString(name));
    file.setValue("files/recent", recent);
    file.sync();
    return file.status() == QSettings::NoError;
}

std::vector<std::string> WithRecentFile(std::vector<std::string> files, const std::string& opened) {
    std::erase(files, opened);
    files.insert(files.begin(), opened);
    if (files.size() > kRecentFileCount) files.resize(kRecentFileCount);
    return files;
}

bool StillFits(const QRect& geometry, const std::vector<QRect>& available) {
    return geometry.isValid() && std::ranges::any_of(available, [&](const QRect& area) {
               return area.contains(geometry);
           });
}
