#pragma once

#include <QRect>
#include <string>
#include <vector>

// What the main window remembers between runs, in a file of its own beside the settings (the
// settings file's lines are not the window's to change): its place and size, whether it was
// maximised, the frame in front and the DUZEDOs opened last.
struct WindowMemory {
    QRect geometry;  // the normal window's, empty when none was kept
    bool maximised = false;
    int frame = 0;
    std::vector<std::string> recentFiles;  // newest first
};

inline constexpr std::size_t kRecentFileCount = 5;

// VPAStats-window.ini, in the folder of the settings file.
std::string WindowMemoryPath();
// What the file holds; a missing or unreadable file, or a value out of place, is forgotten.
WindowMemory ReadWindowMemory(const std::string& path);
// False when the file could not be written; the window goes on without it.
bool WriteWindowMemory(const std::string& path, const WindowMemory& memory);

// files with opened in front, once, and at most kRecentFileCount of them.
std::vector<std::string> WithRecentFile(std::vector<std::string> files, const std::string& opened);

// Whether a window kept at geometry fits whole within the screens' available area now.
bool StillFits(const QRect& geometry, const std::vector<QRect>& available);
