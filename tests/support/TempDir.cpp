#include "support/TempDir.h"

#include <cerrno>
#include <cstdlib>
#include <string>
#include <system_error>

TempDir::TempDir(std::string_view label) {
    std::string pattern =
        (std::filesystem::temp_directory_path() / ("vpa-" + std::string(label) + "-XXXXXX"))
            .string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::system_error(errno, std::generic_category(), "mkdtemp " + pattern);
    }
    path_ = pattern;
}

TempDir::~TempDir() {
    // Destructors must not throw; a directory left behind is harmless.
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}
