// Any settings file: read without a crash, and what was read, written and read again, is the same.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "FuzzInput.h"
#include "core/AppServices.h"
#include "core/Settings.h"
#include "db/Database.h"

namespace {

// The messages a bad file brings are expected; they are not shown.
class QuietServices : public PlainServices {
  public:
    void message(MessageIcon, const std::string&, const std::string&) override {}
    void message(MessageIcon, const std::string&, const std::string&, const std::string&) override {
    }
};

// A folder of the program's own for this process, made at the first input.
std::filesystem::path ProgramFolder() {
    static const std::filesystem::path folder = [] {
        auto path = std::filesystem::temp_directory_path() /
                    ("vpa-fuzz-settings-" + std::to_string(getpid()));
        std::filesystem::create_directories(path);
        SetAppDir(path.string());
        SetServices(std::make_shared<QuietServices>());
        return path;
    }();
    return folder;
}

struct ReadBack {
    OptionValues options;
    std::int16_t timesRun;
    std::string dbPath;
    bool operator==(const ReadBack&) const = default;
};

ReadBack Read() {
    SetOptionDefaults();
    gDbPath.clear();
    ReadSettings();
    // No path read stands for the database beside the program, which is what is written then.
    return {CurrentOptions(), gTimesRun, gDbPath.empty() ? DefaultDbPath() : gDbPath};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ProgramFolder();
    {
        std::ofstream out(SettingsFilePath(), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    const ReadBack first = Read();
    WriteSettings();
    FUZZ_CHECK(Read() == first);
    return 0;
}
