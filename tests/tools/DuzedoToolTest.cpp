// duzedo as a user runs it: help on standard output with status 0, every mistake one line on
// standard error with status 2, a mistyped command answered with the one meant; sql runs one
// statement that reads and nothing else; sample writes, byte for byte, what the library writes;
// report writes a view's printed pages as a PDF.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QProcess>
#include <QStringList>
#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "db/Database.h"
#include "rankings/Rankings.h"
#include "support/DamagedFiles.h"
#include "support/DuzedoTool.h"
#include "support/FileBytes.h"
#include "support/LineEnds.h"
#include "support/PrintedText.h"
#include "support/SampleDb.h"
#include "support/TempDir.h"
#include "support/TestData.h"

namespace {

namespace fs = std::filesystem;

// duzedo's command lines (tests/data/CommandLines.json), each with its exit status and a part of
// what it says: of standard output with status 0, of standard error with 2. Mistakes name a
// database that is not there, so a line that got past the parser fails otherwise. SQLITE and MDB
// stand for the sample the tool wrote, JUNK for a file that is no database, NEW for a file that
// must not be made: statements that write files are refused however the engine holds the data,
// and text after the first statement is refused, not silently dropped.

TEST(DuzedoTool, AnswersEveryCommandLineAsAUserRelies) {
    if (!fs::exists(DuzedoToolPath())) GTEST_SKIP() << "duzedo is not built";
    const TempDir dir("tool");
    ASSERT_EQ(RunDuzedoTool({"sample", "--seed", "1", "--out", (dir / "out").string()}), 0);
    const std::map<std::string, fs::path> files = {{"SQLITE", dir / "out/duzedo.sqlite"},
                                                   {"MDB", dir / "out/duzedo.mdb"},
                                                   {"JUNK", dir / "junk.mdb"},
                                                   {"NEW", dir / "new.db"}};
    WriteBytes(files.at("JUNK"), "not a database");
    const std::string before = ReadBytes(files.at("SQLITE"));
    for (const QJsonValue& line : TestJson("CommandLines.json").array()) {
        const int status = line["status"].toInt();
        QStringList arguments;
        for (const QJsonValue& given : line["words"].toArray()) {
            std::string word = given.toString().toStdString();
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
        const std::string out = UnixLineEnds(tool.readAllStandardOutput().toStdString());
        const std::string err = UnixLineEnds(tool.readAllStandardError().toStdString());
        const std::string what = arguments.join(' ').toStdString() + ": " + err;
        EXPECT_EQ(tool.exitCode(), status) << what;
        EXPECT_NE((status == 0 ? out : err).find(line["said"].toString().toStdString()),
                  std::string::npos)
            << what;
        EXPECT_TRUE(status == 0 || out.empty()) << what;
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), status == 0 ? 0 : 1) << what;
    }
    EXPECT_FALSE(fs::exists(files.at("NEW")));
    EXPECT_EQ(ReadBytes(files.at("SQLITE")), before);

    WriteSampleDb((dir / "library.sqlite").string(), {.seed = 1});
    EXPECT_TRUE(ReadBytes(dir / "out/duzedo.mdb") == WriteSampleAccessFile(dir / "library.mdb"));
    EXPECT_TRUE(ReadBytes(dir / "out/duzedo.sqlite") == ReadBytes(dir / "library.sqlite"));
    EXPECT_EQ(
        RunDuzedoTool({"to-sqlite", files.at("MDB").string(), (dir / "copy.sqlite").string()}), 0);
    EXPECT_TRUE(ReadBytes(dir / "copy.sqlite") == before);
}

// report --format pdf writes the view's printed pages: the PDF's text holds every ranking row
// whole, with the header row on each page.
TEST(DuzedoTool, WritesAViewsPrintedPagesWhoseTextHoldsEveryRow) {
    if (!fs::exists(DuzedoToolPath())) GTEST_SKIP() << "duzedo is not built";
    const TempDir dir("pdf");
    const fs::path db = dir / "duzedo.sqlite";
    const fs::path pdf = dir / "rankings.pdf";
    WriteSampleDb(db.string(), {.seed = 1, .scale = 3});  // rankings of several pages
    ASSERT_EQ(RunDuzedoTool(
                  {"report", "rankings", db.string(), "--format", "pdf", "--out", pdf.string()}),
              0);
    EXPECT_TRUE(ReadBytes(pdf).starts_with("%PDF-"));
    const std::optional<std::string> text = PdfText(pdf);
    if (!text) GTEST_SKIP() << "pdftotext is not installed";
    ASSERT_TRUE(ConnectDb(db.string()));
    const Grid rows = RankingsView({}).grid("grdRankings");
    DisconnectDb();
    EXPECT_GT(ExpectPrintedRows(*text, rows), 1);
}

}  // namespace
