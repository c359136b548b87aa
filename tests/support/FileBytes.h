#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// The whole content of file, byte for byte; empty when it cannot be read.
inline std::string ReadBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
