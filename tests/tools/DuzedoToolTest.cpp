// duzedo as a user runs it: help on standard output with status 0, every mistake one line on
// standard error with status 2, a mistyped command answered with the one meant; sql runs one
// statement that reads and nothing else; sample writes, byte for byte, what the library writes.

#include <gtest/gtest.h>

#include <QProcess>
#include <QStringList>
#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "support/DamagedFiles.h"
#include "support/DuzedoTool.h"
#include "support/FileBytes.h"
#include "support/SampleDb.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

struct Case {
    std::vector<std::string> words;
    int status;
    std::string said;  // a part of standard output with status 0, of standard error with 2
};

// Mistakes name a database that is not there, so a line that got past the parser fails otherwise.
// SQLITE and MDB stand for the sample the tool wrote, JUNK for a file that is no database, NEW for
// a file that must not be made.
const std::vector<Case> kCases = {
    {{"--help"}, 0, "to-sqlite"},
    {{"help"}, 0, "pictures"},
    {{"sample", "--help"}, 0, "--scale 1..500"},
    {{"report", "-h"}, 0, "--stat 0..21"},
    {{"sample", "--seed", "one", "--help"}, 0, "--seed"},
    {{"smaple", "--seed", "1"}, 2, "did you mean 'sample'?"},
    {{"frobnicate"}, 2, "unknown command 'frobnicate'; see duzedo --help"},  // nothing is near
    {{"sample", "--seed", "one", "--out", "/dev/null/x"}, 2, "--seed: 'one' is not a whole number"},
    {{"sample", "--seed", "1", "--scale", "501", "--out", "/dev/null/x"}, 2, "from 1 to 500"},
    {{"sample", "--seed", "1", "--out", "/dev/null/x", "--colour"}, 2, "unknown option --colour"},
    {{"sql", "missing.mdb", "select 1", "--", "extra"}, 2, "unexpected argument 'extra' for sql"},
    {{"sql", "missing.mdb"}, 2, "missing argument SQL; usage: duzedo sql DB SQL [--json]"},
    {{"report", "rankings", "missing.mdb", "--month"}, 2, "option --month needs a value"},
    {{"report", "pair", "missing.mdb", "--p1", "A", "--p1", "B"}, 2, "option --p1 given twice"},
    {{"sql", "missing.mdb", "select 1", "--json=x"}, 2, "option --json takes no value"},
    {{"site", "missing.mdb"},
     2,
     "usage: duzedo site DB --out DIR [--title TEXT] [--base-url URL] [--force]"},
    {{"sql", "SQLITE", "select count(*) from scores;"}, 0, "count(*)\n1526\n"},
    {{"sql", "MDB", "select count(*) from scores", "--json"}, 0, "{\"count(*)\": 1526}"},
    // Statements that write files, however the engine holds the data; text after the first
    // statement is refused, not silently dropped.
    {{"sql", "SQLITE", "VACUUM INTO 'NEW'"}, 2, "Only queries that read are run"},
    {{"sql", "SQLITE", "ATTACH 'NEW' AS x"}, 2, "not authorized"},
    {{"sql", "SQLITE", "select 1; delete from scores"}, 2, "Only one statement can be run"},
    {{"sql", "SQLITE", "delete from scores"}, 2, "Only queries that read are run"},
    {{"sql", "MDB", "select * from nowhere"}, 2, "no such table: nowhere"},
    {{"sql", "JUNK", "select 1"}, 2, "is not a database file"},
    {{"to-sqlite", "JUNK", "NEW"}, 2, "is not a database file"},
};

TEST(DuzedoTool, AnswersEveryCommandLineAsAUserRelies) {
    if (!fs::exists(DuzedoToolPath())) GTEST_SKIP() << "duzedo is not built";
    const TempDir dir("tool");
    ASSERT_EQ(RunDuzedoTool("sample --seed 1 --out '" + (dir / "out").string() + "'"), 0);
    const std::map<std::string, fs::path> files = {{"SQLITE", dir / "out/duzedo.sqlite"},
                                                   {"MDB", dir / "out/duzedo.mdb"},
                                                   {"JUNK", dir / "junk.mdb"},
                                                   {"NEW", dir / "new.db"}};
    WriteBytes(files.at("JUNK"), "not a database");
    const std::string before = ReadBytes(files.at("SQLITE"));
    for (const Case& c : kCases) {
        QStringList arguments;
        for (std::string word : c.words) {
            for (const auto& [name, file] : files) {
                if (const auto at = word.find(name); at != word.npos) {
                    word.replace(at, name.size(), file.string());
                }
            }
            arguments << QString::fromStdString(word);
        }
        QProcess tool;
        tool.start(QString::fromStdString(DuzedoToolPath().string()), arguments);
        ASSERT_TRUE(tool.waitForFinished(20000));
        const std::string out = tool.readAllStandardOutput().toStdString();
        const std::string err = tool.readAllStandardError().toStdString();
        const std::string what = arguments.join(' ').toStdString() + ": " + err;
        EXPECT_EQ(tool.exitCode(), c.status) << what;
        EXPECT_NE((c.status == 0 ? out : err).find(c.said), std::string::npos) << what;
        EXPECT_TRUE(c.status == 0 || out.empty()) << what;
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), c.status == 0 ? 0 : 1) << what;
    }
    EXPECT_FALSE(fs::exists(files.at("NEW")));
    EXPECT_EQ(ReadBytes(files.at("SQLITE")), before);

    WriteSampleDb((dir / "library.sqlite").string(), {.seed = 1});
    EXPECT_TRUE(ReadBytes(dir / "out/duzedo.mdb") == WriteSampleAccessFile(dir / "library.mdb"));
    EXPECT_TRUE(ReadBytes(dir / "out/duzedo.sqlite") == ReadBytes(dir / "library.sqlite"));
    EXPECT_EQ(RunDuzedoTool("to-sqlite '" + files.at("MDB").string() + "' '" +
                            (dir / "copy.sqlite").string() + "'"),
              0);
    EXPECT_TRUE(ReadBytes(dir / "copy.sqlite") == before);
}

}  // namespace
