#pragma once

#include <QString>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

// Paths are UTF-8 texts throughout the program, as Linux gives them. On Windows std::filesystem
// would read a std::string, and write one, in the C library's 8-bit code page, which turns a
// Greek or accented name into other letters; these two keep it UTF-8 there. On Linux a path is
// its bytes, whatever they are.

inline std::filesystem::path Utf8Path(std::string_view text) {
#ifdef _WIN32
    // Bytes that are not UTF-8 (an old settings file's code page) cannot name a Windows file:
    // they become replacement characters rather than an exception.
    const std::u16string wide =
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toStdU16String();
    return std::filesystem::path(std::wstring(wide.begin(), wide.end()));
#else
    return std::filesystem::path(std::string(text));
#endif
}

inline std::string Utf8Text(const std::filesystem::path& path) {
#ifdef _WIN32
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
#else
    return path.string();
#endif
}

// MinGW's std::filesystem knows no Windows share (\\server\share\...): it takes one for a folder
// of the current drive, and its normal form folds the leading pair of separators into one. These
// two keep a share's name whole; elsewhere they are std::filesystem's.
inline bool IsShareName([[maybe_unused]] const std::filesystem::path& path) {
#ifdef _WIN32
    const auto& text = path.native();
    const auto separator = [](wchar_t c) { return c == L'\\' || c == L'/'; };
    return text.size() > 2 && separator(text[0]) && separator(text[1]);
#else
    return false;
#endif
}

inline std::filesystem::path AbsolutePath(const std::filesystem::path& path,
                                          std::error_code& error) {
    if (!IsShareName(path)) return std::filesystem::absolute(path, error);
    error.clear();
    return path;
}

// A UTF-8 path made absolute; as given when it cannot be.
inline std::string AbsoluteUtf8Path(const std::string& path) {
    std::error_code error;
    const std::filesystem::path absolute = AbsolutePath(Utf8Path(path), error);
    return error ? path : Utf8Text(absolute);
}

// Absolute and lexically normal (no "." or ".." left), for names that are shown or compared.
inline std::filesystem::path NormalAbsolutePath(const std::filesystem::path& path,
                                                std::error_code& error) {
    if (!IsShareName(path)) return std::filesystem::absolute(path, error).lexically_normal();
    error.clear();
    const auto rest = std::filesystem::path(path.native().substr(2)).lexically_normal();
    return std::filesystem::path(path.native().substr(0, 2)) += rest.native();
}
