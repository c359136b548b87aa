#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// Paths are UTF-8 texts throughout the program, as Linux gives them. On Windows std::filesystem
// would read a std::string, and write one, in the C library's 8-bit code page, which turns a
// Greek or accented name into other letters; these two keep it UTF-8 on both.

inline std::filesystem::path Utf8Path(std::string_view text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

inline std::string Utf8Text(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}
