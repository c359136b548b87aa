#include "core/NativeFile.h"

#ifdef _WIN32
#include <io.h>
#endif
#include <unistd.h>

#include <QFile>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "db/PartialFile.h"
#include "db/Utf8Path.h"

namespace fs = std::filesystem;

namespace {

// Writes bytes to an open stream and closes it; closing flushes, so a disk that fills part way
// shows here and not only in write.
bool WriteAndClose(std::ofstream& out, std::string_view bytes) {
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail();
}

}  // namespace

std::string PathFromQt(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString PathToQt(std::string_view path) {
    return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}

bool FileExists(const std::string& path) {
    std::error_code error;
    return !path.empty() && fs::is_regular_file(Utf8Path(path), error);
}

#ifdef _WIN32
// Windows answers access() from the read-only attribute alone, which a folder under Program
// Files does not have: only making a file there tells.
bool DirWritable(const std::string& dir) {
    if (dir.empty()) return false;
    const fs::path probe = Utf8Path(dir) / ".vpastats-write-probe";
    std::error_code error;
    const bool made = std::ofstream(probe, std::ios::binary).is_open();
    fs::remove(probe, error);
    return made;
}
#else
bool DirWritable(const std::string& dir) {
    return !dir.empty() && ::access(dir.c_str(), W_OK | X_OK) == 0;
}
#endif

std::optional<std::string> ReadFileStart(const std::string& path, std::size_t maxBytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open()) return std::nullopt;
    std::string bytes(maxBytes, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(maxBytes));
    if (in.bad()) return std::nullopt;
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

bool ReplaceFile(const std::string& path, std::string_view bytes) {
    {
        PartialFile partial(path);
        std::ofstream out(partial.partialPath(), std::ios::binary | std::ios::trunc);
        if (out.is_open()) {
            if (!WriteAndClose(out, bytes)) return false;
            try {
                partial.commit();
                return true;
            } catch (const std::exception&) {
                return false;
            }
        }
    }
    if (!FileExists(path)) return false;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    return out.is_open() && WriteAndClose(out, bytes);
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (line.ends_with('\r')) line.remove_suffix(1);
        lines.emplace_back(line);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return lines;
}
