// duzedo's command line: help on standard output with status 0, every mistake one line on
// standard error with status 2, and a mistyped command answered with the one meant.

#include <gtest/gtest.h>

#include <QProcess>
#include <QStringList>
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "support/DuzedoTool.h"

namespace {

struct Case {
    std::vector<std::string> words;
    int status;
    std::string said;  // a part of standard output with status 0, of standard error with 2
};

// Mistakes name a database that is not there, so a line that got past the parser fails otherwise.
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
};

TEST(DuzedoCommandLine, HelpAndMistakes) {
    if (!std::filesystem::exists(DuzedoToolPath())) GTEST_SKIP() << "duzedo is not built";
    for (const Case& c : kCases) {
        QStringList arguments;
        for (const std::string& word : c.words) arguments << QString::fromStdString(word);
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
}

}  // namespace
