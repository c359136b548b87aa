// Any misc cache file: read without a crash, and figures that were read are saved and read again
// unchanged.
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "FuzzInput.h"
#include "misc/MiscCache.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path = (std::filesystem::temp_directory_path() /
                                     ("vpa-fuzz-misc-" + std::to_string(getpid()) + ".bfr"))
                                        .string();
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    const auto figures = LoadMiscCache(path);
    if (!figures) return 0;
    FUZZ_CHECK(std::ssize(figures->general) == kGeneralCount);
    FUZZ_CHECK(std::ssize(figures->records) == kRecordCount);
    FUZZ_CHECK(SaveMiscCache(path, *figures));
    FUZZ_CHECK(LoadMiscCache(path) == figures);
    return 0;
}
