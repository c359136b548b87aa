// The misc.bfr cache: what is written, what is read back, and what is refused.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "misc/MiscCache.h"
#include "support/FileBytes.h"
#include "support/TempDir.h"

namespace {

MiscFigures Figures() {
    MiscFigures f;
    for (int i = 0; i < 7; ++i) f.general.push_back("g" + std::to_string(i) + " (1.5)");
    for (int i = 0; i < 22; ++i) f.records.push_back(i % 3 == 1 ? "" : "Müller K (2.25)");
    return f;
}

std::string Lines(const MiscFigures& f, const char* end = "\r\n") {
    std::string text;
    for (const Texts* block : {&f.general, &f.records}) {
        for (const std::string& line : *block) text += line + end;
    }
    return text;
}

class MiscCache : public testing::Test {
  protected:
    void Write(const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }
    std::optional<MiscFigures> Load() { return LoadMiscCache(path); }

    TempDir dir{"misc-cache"};
    std::string path = (dir / "misc.bfr").string();
};

TEST_F(MiscCache, RoundTripInUtf8WithCrLf) {
    ASSERT_TRUE(SaveMiscCache(path, Figures()));
    EXPECT_EQ(ReadBytes(path), Lines(Figures()));
    EXPECT_EQ(Load(), Figures());
    // Nothing left beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST_F(MiscCache, OlderFilesAreReadAsTheyWereWritten) {
    // Windows-1252 ("ü" is one byte), bare line feeds, no line end after the last line.
    std::string old = Lines(Figures(), "\n");
    old.pop_back();
    for (std::size_t at; (at = old.find("ü")) != std::string::npos;) old.replace(at, 2, "\xFC");
    Write(old);
    EXPECT_EQ(Load(), Figures());

    // Of two whole sets, the later one counts.
    MiscFigures later = Figures();
    later.general[0] = "later";
    Write(Lines(Figures()) + Lines(later));
    EXPECT_EQ(Load(), later);
}

TEST_F(MiscCache, DamagedFilesAreRefused) {
    EXPECT_EQ(Load(), std::nullopt);  // none at all
    const std::string whole = Lines(Figures());
    const std::vector<std::pair<const char*, std::string>> damaged = {
        {"empty", ""},
        {"cut short", whole.substr(0, whole.size() - 20)},
        {"one line short", whole.substr(0, whole.rfind("\r\n", whole.size() - 3) + 2)},
        {"a partial second set", whole + "12\r\n"},
        {"29 empty lines", std::string(29, '\n')},
        {"binary", std::string("\x00\x01\x02", 3) + whole},
        {"unassigned byte", "\x81" + whole},
    };
    for (const auto& [what, bytes] : damaged) {
        Write(bytes);
        EXPECT_EQ(Load(), std::nullopt) << what;
    }
}

}  // namespace
