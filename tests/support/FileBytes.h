#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "db/Utf8Path.h"

// The whole content of file, byte for byte; empty when it cannot be read.
inline std::string ReadBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Writes bytes to file, replacing it, with the folders it needs.
inline void WriteBytes(const std::filesystem::path& file, const std::string& bytes) {
    if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

// The program's paths are UTF-8 texts, which Windows' std::filesystem would read in another code
// page.
inline std::string ReadBytes(const std::string& file) {
    return ReadBytes(Utf8Path(file));
}
inline std::string ReadBytes(const char* file) {
    return ReadBytes(Utf8Path(file));
}
inline void WriteBytes(const std::string& file, const std::string& bytes) {
    WriteBytes(Utf8Path(file), bytes);
}
inline void WriteBytes(const char* file, const std::string& bytes) {
    WriteBytes(Utf8Path(file), bytes);
}
