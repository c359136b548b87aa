#include "db/RunningProgram.h"

#ifdef _WIN32
#include <windows.h>

#include <string>
#endif

#include <system_error>

std::optional<std::filesystem::path> RunningProgram() {
#ifdef _WIN32
    // The buffer grows until the name fits: a name cut short fills it to the last character.
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (length == 0) return std::nullopt;
        if (length < name.size()) return std::filesystem::path(name.substr(0, length));
        name.resize(name.size() * 2);
    }
#else
    std::error_code error;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return std::nullopt;
    return self;
#endif
}
