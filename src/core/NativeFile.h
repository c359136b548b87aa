#pragma once

#include <QString>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// File names are kept as the platform spells them: bytes on Unix, which need not be valid UTF-8.
// A Qt string cannot hold every such name, so files are read and written through the standard
// library, and a name crosses into Qt only through these two conversions.
std::string PathFromQt(const QString& path);
// For showing a name; bytes that are not UTF-8 show as replacement characters.
QString PathToQt(std::string_view path);

// An existing regular file (or a link to one).
bool FileExists(const std::string& path);
// Whether the current user may make new files in dir.
bool DirWritable(const std::string& dir);

// At most maxBytes from the start of the file; nullopt when it cannot be opened or read.
std::optional<std::string> ReadFileStart(const std::string& path, std::size_t maxBytes);

// Replaces the file's contents with bytes. The bytes go to a new
// file beside it that is renamed over it once complete, so a failure leaves the old file whole.
// Where the folder takes no new file but the file itself is writable (a settings file in a
// folder the user may not write), the file is overwritten in place. False when neither works.
bool ReplaceFile(const std::string& path, std::string_view bytes);

// Lines ended by CR LF or by a bare LF; text after the last line end is a last line.
std::vector<std::string> SplitLines(std::string_view text);
