// Settings files that are not what the program wrote, met at start-up: the program opens its
// window or refuses with a message, soon, and never changes the database file.

#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "app/Startup.h"
#include "core/Settings.h"
#include "support/FakeServices.h"
#include "support/FileBytes.h"
#include "support/ProgramDirFixture.h"
#include "support/TestDuzedo.h"

namespace {

using Clock = std::chrono::steady_clock;

class DamagedSettingsCorpus : public ProgramDirFixture {
  protected:
    DamagedSettingsCorpus() : ProgramDirFixture("damaged-settings") {}
};

TEST_F(DamagedSettingsCorpus, StartsOrRefusesSoonAndLeavesTheFilesAlone) {
    WriteTestDuzedo(DefaultDbPath());
    const std::string notes = (dir() / "notes.txt").string();
    WriteBytes(notes, "games, goals and tournaments, as plain text\n");
    std::mt19937 random(7);
    std::string binary(4096, '\0');
    for (char& c : binary) c = static_cast<char>(random());
    const std::string rest = "\r\n 1 \r\n 20 \r\n 1 \r\n 1 \r\n 1 \r\n\r\n";
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"empty", ""},
        {"binary", binary},
        {"a million empty lines", std::string(1u << 20, '\n')},
        {"numbers out of range",
         DefaultDbPath() + "\r\n 99999999999999999999 \r\n -32769 \r\n 1e9 \r\n \r\n x \r\n\r\n"},
        {"a text file", notes + rest},
        {"a directory", dir().path().string() + rest},
        {"a device", "/dev/zero" + rest}};
    const std::string database = ReadBytes(DefaultDbPath());
    for (const auto& [label, settings] : cases) {
        SCOPED_TRACE(label);
        WriteBytes(SettingsFilePath(), settings);
        services->messages.clear();
        const auto begin = Clock::now();
        EXPECT_NO_THROW(window = RunStartup());
        EXPECT_LT(Clock::now() - begin, std::chrono::seconds(20));
        EXPECT_TRUE(window != nullptr || !services->messages.empty());
        Stop();
        EXPECT_EQ(ReadBytes(DefaultDbPath()), database);
        EXPECT_EQ(ReadBytes(notes), "games, goals and tournaments, as plain text\n");
    }
}

}  // namespace
