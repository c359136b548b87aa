// Settings files that are not what the program wrote, met at start-up: the program opens its
// window or refuses with a message, soon, and never changes the database file.

#include <gtest/gtest.h>

#include <QApplication>
#include <chrono>
#include <filesystem>
#include <random>
#include <string>

#include "app/Startup.h"
#include "core/Settings.h"
#include "db/Database.h"
#include "shell/frmMain.h"
#include "support/DamagedFiles.h"
#include "support/FakeServices.h"
#include "support/FileBytes.h"
#include "support/ProgramDirFixture.h"
#include "support/TestDuzedo.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

class DamagedSettingsCorpus : public ProgramDirFixture {
  protected:
    DamagedSettingsCorpus() : ProgramDirFixture("damaged-settings") {}
    void SetUp() override {
        ProgramDirFixture::SetUp();
        WriteTestDuzedo(DefaultDbPath());
        WriteBytes(dir() / "notes.txt", "games, goals and tournaments, as plain text\n");
        WriteBytes(dir() / "cut.mdb", WriteSampleAccessFile(dir() / "whole.mdb").substr(0, 40960));
    }

    // Starts the program on settings; it must open its window or say why it cannot.
    void start(const std::string& settings, const std::string& label) {
        WriteBytes(SettingsFilePath(), settings);
        const std::string database = ReadBytes(DefaultDbPath());
        const std::string notes = ReadBytes(dir() / "notes.txt");
        services->messages.clear();
        const auto begin = Clock::now();
        EXPECT_NO_THROW(window = RunStartup()) << label;
        EXPECT_LT(Clock::now() - begin, std::chrono::seconds(20)) << label;
        if (window == nullptr) {
            EXPECT_FALSE(services->messages.empty()) << label;
        }
        Stop();
        EXPECT_EQ(ReadBytes(DefaultDbPath()), database) << label;
        EXPECT_EQ(ReadBytes(dir() / "notes.txt"), notes) << label;
    }

    std::string path(const std::string& name) const { return (dir() / name).string(); }
};

TEST_F(DamagedSettingsCorpus, GarbledBinaryAndHugeFiles) {
    start("", "empty");
    start("\x01\x02garbage\nno numbers here\n\xff\xfe\n", "garbled");
    std::mt19937 random(7);
    std::string binary(4096, '\0');
    for (char& c : binary) c = static_cast<char>(random());
    start(binary, "binary");
    start(std::string(20u << 20, 'x'), "20 MB on one line");
    start(std::string(1u << 20, '\n'), "a million empty lines");
    start(DefaultDbPath() + "\r\n 99999999999999999999 \r\n -32769 \r\n 1e9 \r\n \r\n x \r\n\r\n",
          "numbers out of range");
}

TEST_F(DamagedSettingsCorpus, OtherEncodingsAndLineEnds) {
    const std::string text = DefaultDbPath() + "\r\n 1 \r\n 20 \r\n 1 \r\n 1 \r\n 1 \r\n\r\n";
    std::string utf16 = "\xff\xfe";
    for (const char c : text) utf16 += std::string{c, '\0'};
    start(utf16, "UTF-16");
    std::string crOnly = text;
    std::erase(crOnly, '\n');
    start(crOnly, "CR line ends only");
    start(std::string("\0", 1) + text, "a NUL first");
}

TEST_F(DamagedSettingsCorpus, NamingWhatIsNoDatabase) {
    const std::string rest = "\r\n 1 \r\n 20 \r\n 1 \r\n 1 \r\n 1 \r\n\r\n";
    start(path("notes.txt") + rest, "a text file");
    start(dir().path().string() + rest, "a directory");
    start(path("cut.mdb") + rest, "a cut Access file");
    start(path("absent.mdb") + rest, "a file that is not there");
    start("/dev/zero" + rest, "a device");
}

}  // namespace
