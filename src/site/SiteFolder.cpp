#include "site/SiteFolder.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>
#include <string>
#include <system_error>
#include <vector>

#include "db/Utf8Path.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::string> CheckedParts(std::string_view path) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = std::min(path.find('/', start), path.size());
        const std::string_view part = path.substr(start, end - start);
        if (part.empty() || part == "." || part == ".." || part.find('\0') != part.npos) {
            throw SiteError("refused file name in the site: " + std::string(path));
        }
        parts.emplace_back(part);
        if (end == path.size()) return parts;
        start = end + 1;
    }
}

// The folder as one absolute name without a trailing separator.
fs::path Normalised(const fs::path& dir) {
    std::error_code error;
    fs::path full = NormalAbsolutePath(dir, error);
    if (error) throw fs::filesystem_error("cannot find the folder's full name", dir, error);
    if (!full.has_filename()) full = full.parent_path();
    return full;
}

void CheckTarget(const fs::path& dir, bool force) {
    const fs::file_status status = fs::symlink_status(dir);
    if (!fs::exists(status)) return;
    if (fs::is_symlink(status)) throw SiteError(Utf8Text(dir) + " is a symbolic link");
    if (!fs::is_directory(status)) throw SiteError(Utf8Text(dir) + " is not a folder");
    if (force || !HoldsOtherFiles(dir)) return;
    throw SiteError(Utf8Text(dir) +
                    " holds files the site command did not write; --force replaces it");
}

#ifdef _WIN32

// Windows has no descriptor-relative calls: each folder on the way is checked for a link (a
// junction counts) before it is entered, and files are made only where nothing is.
[[noreturn]] void Fail(const std::string& what, const fs::path& path,
                       const std::error_code& error) {
    throw SiteError(what + " " + Utf8Text(path) + ": " + error.message());
}

// A new folder beside dir whose name ends in tag and six random characters.
fs::path MakeFolderBeside(const fs::path& dir, const std::string& tag) {
    std::random_device random;
    const std::string letters = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::error_code error;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = "." + Utf8Text(dir.filename()) + tag;
        for (int i = 0; i < 6; ++i) name += letters[random() % letters.size()];
        const fs::path folder = dir.parent_path() / Utf8Path(name);
        if (fs::create_directory(folder, error)) return folder;
        if (error) break;
    }
    Fail("cannot make a folder beside", dir, error);
}

fs::path MakeTempBeside(const fs::path& dir) {
    fs::create_directories(dir.parent_path());
    return MakeFolderBeside(dir, ".new-");
}

void WriteBelow(const fs::path& top, const std::vector<std::string>& parts, std::string_view bytes,
                const fs::path& shown) {
    fs::path at = top;
    std::error_code error;
    for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
        at /= Utf8Path(parts[i]);
        fs::create_directory(at, error);
        if (error) Fail("cannot make", shown, error);
        if (!fs::is_directory(fs::symlink_status(at, error))) {
            Fail("cannot open", shown, std::make_error_code(std::errc::not_a_directory));
        }
    }
    at /= Utf8Path(parts.back());
    if (fs::exists(fs::symlink_status(at, error))) {
        Fail("cannot write", shown, std::make_error_code(std::errc::file_exists));
    }
    std::ofstream out(at, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) Fail("cannot write", shown, std::make_error_code(std::errc::io_error));
}

// Puts fresh in dir's place in two steps: Windows cannot swap two folders in one.
void Replace(const fs::path& fresh, const fs::path& dir) {
    const fs::path old = MakeFolderBeside(dir, ".old-");
    std::error_code error;
    fs::remove(old, error);
    fs::rename(dir, old, error);
    if (error) Fail("cannot move away", dir, error);
    fs::rename(fresh, dir, error);
    if (error) {
        std::error_code ignored;
        fs::rename(old, dir, ignored);
        Fail("cannot replace", dir, error);
    }
    fs::remove_all(old, error);
}

void MoveInPlace(const fs::path& fresh, const fs::path& dir) {
    std::error_code error;
    fs::rename(fresh, dir, error);
    if (error) Fail("cannot move the site to", dir, error);
}

#else

class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

  private:
    int fd_;
};

[[noreturn]] void Fail(const std::string& what, const fs::path& path) {
    throw SiteError(what + " " + Utf8Text(path) + ": " + std::strerror(errno));
}

// A new folder beside dir, readable as the user's other new folders are.
fs::path MakeTempBeside(const fs::path& dir) {
    fs::create_directories(dir.parent_path());
    std::string pattern = (dir.parent_path() / ("." + dir.filename().string() + ".new-XXXXXX"));
    if (mkdtemp(pattern.data()) == nullptr) Fail("cannot make a folder beside", dir);
    const mode_t mask = umask(0);
    umask(mask);
    chmod(pattern.c_str(), 0777 & ~mask);
    return pattern;
}

// The folder part below parent, made when missing; a symbolic link there is refused.
int OpenFolder(int parent, const std::string& part, const fs::path& shown) {
    if (mkdirat(parent, part.c_str(), 0777) != 0 && errno != EEXIST) Fail("cannot make", shown);
    const int fd = openat(parent, part.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) Fail("cannot open", shown);
    return fd;
}

void WriteAll(int fd, std::string_view bytes, const fs::path& shown) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) Fail("cannot write", shown);
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

// Puts fresh in dir's place in one step where the file system can, else in two.
void Replace(const fs::path& fresh, const fs::path& dir) {
    if (renameat2(AT_FDCWD, fresh.c_str(), AT_FDCWD, dir.c_str(), RENAME_EXCHANGE) == 0) {
        std::error_code ignored;  // the new site is in place; what is left of the old is litter
        fs::remove_all(fresh, ignored);  // now the old site; remove_all follows no link
        return;
    }
    if (errno != EINVAL && errno != ENOSYS) Fail("cannot replace", dir);
    std::string old = (dir.parent_path() / ("." + dir.filename().string() + ".old-XXXXXX"));
    if (mkdtemp(old.data()) == nullptr) Fail("cannot make a folder beside", dir);
    if (std::rename(dir.c_str(), old.c_str()) != 0) Fail("cannot move away", dir);
    if (std::rename(fresh.c_str(), dir.c_str()) != 0) {
        const int error = errno;
        std::rename(old.c_str(), dir.c_str());
        errno = error;
        Fail("cannot replace", dir);
    }
    std::error_code ignored;
    fs::remove_all(old, ignored);
}

// Writes bytes to the file parts below top, making its folders, through descriptors so that
// no symbolic link is followed on the way.
void WriteBelow(const fs::path& top, const std::vector<std::string>& parts, std::string_view bytes,
                const fs::path& shown) {
    auto folder = std::make_unique<FileDescriptor>(
        open(top.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (folder->get() < 0) Fail("cannot open", top);
    for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
        folder = std::make_unique<FileDescriptor>(OpenFolder(folder->get(), parts[i], shown));
    }
    const FileDescriptor file(openat(folder->get(), parts.back().c_str(),
                                     O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
    if (file.get() < 0) Fail("cannot write", shown);
    WriteAll(file.get(), bytes, shown);
}

void MoveInPlace(const fs::path& fresh, const fs::path& dir) {
    if (std::rename(fresh.c_str(), dir.c_str()) != 0) Fail("cannot move the site to", dir);
}

#endif

}  // namespace

bool HoldsOtherFiles(const fs::path& dir) {
    std::error_code error;
    if (!fs::is_directory(fs::symlink_status(dir, error)) || fs::is_empty(dir, error)) return false;
    return !fs::is_regular_file(fs::symlink_status(dir / kSiteMarker, error));
}

SiteFolder::SiteFolder(const fs::path& dir, bool force) : dir_(Normalised(dir)) {
    if (dir_ == dir_.root_path()) throw SiteError("the site cannot replace " + Utf8Text(dir_));
    CheckTarget(dir_, force);
    temp_ = MakeTempBeside(dir_);
}

SiteFolder::~SiteFolder() {
    if (committed_) return;
    std::error_code ignored;
    fs::remove_all(temp_, ignored);
}

void SiteFolder::write(std::string_view path, std::string_view bytes) {
    const std::vector<std::string> parts = CheckedParts(path);
    WriteBelow(temp_, parts, bytes, temp_ / path);
}

void SiteFolder::commit() {
    write(kSiteMarker, "Written by duzedo site; the next run replaces this folder whole.\n");
    if (fs::exists(fs::symlink_status(dir_))) {
        Replace(temp_, dir_);
    } else {
        MoveInPlace(temp_, dir_);
    }
    committed_ = true;
}
