// Reading an Access file. libmdb is not safe on damaged files (it can crash, read out of bounds
// or loop for ever), so it only ever runs in the reader program, a process of its own that
// streams the tables back; this process checks that stream and survives whatever the reader does.

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <system_error>

#include "db/AccessReaderProcess.h"
#include "db/DbFile.h"

namespace {

// Cheap checks before a process is started for the file

std::size_t CheckedPageSize(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::array<char, 0x15> header{};
    if (!in.read(header.data(), header.size())) throw DbError("it is too short");
    const std::string_view head(header.data(), header.size());
    const std::string_view signature = head.substr(4, 15);
    if (head.substr(0, 4) != std::string_view("\0\1\0\0", 4) ||
        (signature != "Standard Jet DB" && signature != "Standard ACE DB")) {
        throw DbError("it is not an Access database");
    }
    return header[0x14] == 0 ? 2048 : 4096;
}

std::uintmax_t CheckedFileSize(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) throw DbError("there is no such file");
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error) throw DbError("its size cannot be read");
    return size;
}

}  // namespace

void ReadAccessFile(const std::string& path, TableSink& sink,
                    const std::vector<std::string>& tables) {
    try {
        const std::uintmax_t size = CheckedFileSize(path);
        const std::size_t pageSize = CheckedPageSize(path);
        if (size == 0 || size % pageSize != 0) throw DbError("it is truncated");
        access_detail::ChildLimits limits;
        // No sound file yields a stream many times its own size; a runaway reader would.
        limits.maxStreamBytes = std::min<std::uint64_t>(2ull << 30, (256ull << 20) + 64 * size);
        access_detail::RunReader(access_detail::ReaderProgram(),
                                 access_detail::ReaderArguments(path, tables), sink, limits);
    } catch (const DbError& e) {
        throw DbError("Cannot read the Access file '" + path + "': " + e.what());
    }
}
