#pragma once

#include <QDir>
#include <QTemporaryDir>
#include <filesystem>
#include <stdexcept>
#include <string_view>

// A directory of its own under the system's temporary folder, made unique so that tests running
// side by side never share one, and removed with everything in it when the object goes.
class TempDir {
  public:
    // label only names the directory, to tell left-overs apart.
    explicit TempDir(std::string_view label = "test")
        : dir_(QDir::tempPath() + "/vpa-" + QString::fromUtf8(label.data(), std::ssize(label)) +
               "-XXXXXX"),
          path_(dir_.path().toStdString()) {
        if (!dir_.isValid()) throw std::runtime_error(dir_.errorString().toStdString());
    }

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::filesystem::path& name) const {
        return path_ / name;
    }

  private:
    QTemporaryDir dir_;
    std::filesystem::path path_;
};
