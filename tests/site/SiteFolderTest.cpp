// Writing a site: the old one stays whole until the new one is complete, a folder of other
// files is left alone, and nothing lands outside the site's folder.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "site/QueuedWriter.h"
#include "site/SiteFolder.h"
#include "support/FileBytes.h"
#include "support/HtmlTableReader.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

void Put(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path) << text;
}

// A site written before: its marker and a page.
void PutOldSite(const fs::path& dir) {
    Put(dir / kSiteMarker, "");
    Put(dir / "index.html", "old");
}

std::size_t Entries(const fs::path& dir) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), {}));
}

void WriteTwoPages(const fs::path& dir, bool force) {
    SiteFolder site(dir, force);
    site.write("index.html", "new");
    site.write("rankings/0503.html", "month");
    site.commit();
}

TEST(SiteFolder, ReplacesItsOwnSiteOrAnEmptyFolderAndOtherFilesOnlyWhenForced) {
    const TempDir temp("site-folder");
    WriteTwoPages(temp / "fresh", false);
    EXPECT_EQ(ReadBytes((temp / "fresh/rankings/0503.html").string()), "month");

    fs::create_directory(temp / "empty");
    WriteTwoPages(temp / "empty", false);
    EXPECT_EQ(ReadBytes((temp / "empty/index.html").string()), "new");

    PutOldSite(temp / "old");
    Put(temp / "old/gone.html", "");
    WriteTwoPages(temp / "old", false);
    EXPECT_EQ(ReadBytes((temp / "old/index.html").string()), "new");
    EXPECT_FALSE(fs::exists(temp / "old/gone.html")) << "the old site is replaced whole";

    Put(temp / "mine/notes.txt", "keep");
    EXPECT_THROW(WriteTwoPages(temp / "mine", false), SiteError);
    EXPECT_EQ(ReadBytes((temp / "mine/notes.txt").string()), "keep");
    WriteTwoPages(temp / "mine/", true);
    EXPECT_EQ(ReadBytes((temp / "mine/index.html").string()), "new");

    Put(temp / "file", "");
    EXPECT_THROW(SiteFolder(temp / "file", true), SiteError);
    // Only the sites and the file: no new or old folder left beside them.
    EXPECT_EQ(Entries(temp.path()), 5U);
}

TEST(SiteFolder, FollowsNoSymbolicLinkOutOfTheSite) {
    const TempDir temp("site-links");
    Put(temp / "outside/precious.txt", "keep");
    PutOldSite(temp / "site");
    fs::create_directory_symlink(temp / "outside", temp / "site/rankings");
    WriteTwoPages(temp / "site", false);
    EXPECT_TRUE(fs::is_directory(fs::symlink_status(temp / "site/rankings")));
    EXPECT_EQ(Entries(temp / "outside"), 1U);
    EXPECT_EQ(ReadBytes((temp / "outside/precious.txt").string()), "keep");

    fs::create_directory_symlink(temp / "outside", temp / "link");
    EXPECT_THROW(WriteTwoPages(temp / "link", true), SiteError);
    EXPECT_EQ(Entries(temp / "outside"), 1U);

    SiteFolder site(temp / "site", false);
    for (const std::string path : {"../escape.html", "/abs.html", "a//b.html", "", "a/./b"}) {
        EXPECT_THROW(site.write(path, "x"), SiteError) << path;
    }
    site.write("same.html", "x");
    EXPECT_THROW(site.write("same.html", "y"), SiteError);
    EXPECT_FALSE(fs::exists(temp / "escape.html"));
}

// Files written on the writer's thread: a refused one fails the run at the next write or at the
// end, and the old site stays.
TEST(SiteFolder, AFileRefusedOnTheWritersThreadFailsTheRun) {
    const TempDir temp("site-queued");
    const fs::path dir = temp / "site";
    PutOldSite(dir);
    {
        SiteFolder site(dir, false);
        QueuedWriter files(site);
        files.write("index.html", "new");
        files.write("../outside.html", "no");
        const auto writeOn = [&] {
            for (int i = 0; i < 1000; ++i) files.write("p" + std::to_string(i) + ".html", "");
            files.finish();
        };
        EXPECT_THROW(writeOn(), SiteError);
    }
    EXPECT_EQ(ReadBytes((dir / "index.html").string()), "old");
    EXPECT_FALSE(fs::exists(temp / "outside.html"));
    EXPECT_EQ(Entries(temp.path()), 1U);
}

}  // namespace
