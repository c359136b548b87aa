#pragma once

#include <filesystem>
#include <string_view>

// A directory of its own under the system's temporary folder, made unique so that tests running
// side by side never share one, and removed with everything in it when the object goes.
class TempDir {
  public:
    // label only names the directory, to tell left-overs apart.
    explicit TempDir(std::string_view label = "test");
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::filesystem::path& name) const {
        return path_ / name;
    }

  private:
    std::filesystem::path path_;
};
