#pragma once

#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>

#include "core/DisplayLocale.h"
#include "db/Database.h"

// A database written into a fresh temporary directory and connected as gConn, shown with the
// fixed English locale; disconnected and removed again on destruction.
class ConnectedDuzedo {
  public:
    ConnectedDuzedo(const std::string& name, const std::function<void(const std::string&)>& write)
        : dir_(std::filesystem::temp_directory_path() /
               ("vpa-" + name + "-" + std::to_string(::getpid()))) {
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
        gDbPath = (dir_ / "duzedo.mdb").string();
        write(gDbPath);
        connected_ = ConnectDb(&error_);
        SetCurrentLocale(MakeFixedLocale());
    }
    ~ConnectedDuzedo() {
        DisconnectDb();
        SetCurrentLocale(nullptr);
        std::filesystem::remove_all(dir_);
    }
    ConnectedDuzedo(const ConnectedDuzedo&) = delete;
    ConnectedDuzedo& operator=(const ConnectedDuzedo&) = delete;

    bool connected() const { return connected_; }
    const std::string& error() const { return error_; }

  private:
    std::filesystem::path dir_;
    bool connected_ = false;
    std::string error_;
};
