#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "db/AccessReaderProcess.h"
#include "db/AccessStream.h"
#include "db/DbFile.h"
#include "db/JetValues.h"
#include "support/RecordingSink.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;
using namespace access_detail;
using Clock = std::chrono::steady_clock;

const std::vector<ColumnDef> kColumns = {{"id", ColumnType::Integer32},
                                         {"TEAM A", ColumnType::Text},
                                         {"Cup?", ColumnType::YesNo},
                                         {"Cost", ColumnType::Currency},
                                         {"when", ColumnType::DateTime}};

const std::vector<DbValue> kRow = {DbValue::integer(-7), DbValue::text("Ünal \"O'Neil\"\n"),
                                   DbValue::integer(-1), DbValue::real(0.1),
                                   DbValue::date("2003-05-17 14:30:00")};
const std::vector<DbValue> kSparseRow = {DbValue::integer(1), DbValue::text(""),
                                         DbValue::integer(0), DbValue(), DbValue()};

std::string ValidStream() {
    StreamWriter out;
    out.beginTable("scores", kColumns);
    out.addRow(kRow);
    out.addRow(kSparseRow);
    out.endTable();
    out.note("a column left out");  // for the user alone: no sink's table holds it
    out.beginTable("empty", {{"x", ColumnType::Memo}});
    out.endTable();
    out.done();
    return out.buffer();
}

void Decode(std::string_view stream, TableSink& sink) {
    StreamDecoder decoder(sink, 1 << 20);
    decoder.feed(stream);
    decoder.finish();
}

void ExpectMalformed(std::string_view stream) {
    RecordingSink sink;
    EXPECT_THROW(Decode(stream, sink), DbError);
}

// --- Stream ------------------------------------------------------------------------------------

TEST(AccessStream, CarriesTablesAndEveryValueKindWhateverTheChunking) {
    RecordingSink sink;
    StreamDecoder decoder(sink, 1 << 20);
    for (const char c : ValidStream()) decoder.feed(std::string_view(&c, 1));
    decoder.finish();
    // The empty text of the sparse row stays apart from null.
    ExpectSameTables(sink.tables, {{"scores", kColumns, {kRow, kSparseRow}},
                                   {"empty", {{"x", ColumnType::Memo}}, {}}});
}

TEST(AccessStream, RefusesEveryCutShortStream) {
    const std::string stream = ValidStream();
    for (std::size_t length = 0; length < stream.size(); ++length) {
        SCOPED_TRACE(length);
        ExpectMalformed(std::string_view(stream).substr(0, length));
    }
}

TEST(AccessStream, RefusesBadLengthsAndTablesOutOfPlace) {
    StreamWriter nested;
    nested.beginTable("a", kColumns);
    nested.beginTable("b", kColumns);  // otherwise a whole stream
    nested.endTable();
    nested.done();
    ExpectMalformed(nested.buffer());
    // A 4 GiB frame and an empty one are refused at once, not after 4 GiB more.
    for (const std::string& length : {std::string("\xff\xff\xff\xff", 4), std::string(4, '\0')}) {
        RecordingSink sink;
        StreamDecoder decoder(sink, 1ull << 40);
        EXPECT_THROW(decoder.feed(length), DbError);
    }
}

// --- The reader process ------------------------------------------------------------------------
// Shell scripts stand in for the reader: they write prepared streams, then crash, hang or flood.

ChildLimits QuickLimits() {
    ChildLimits limits;
    limits.stall = std::chrono::milliseconds(300);
    limits.lifetimeSeconds = 5;
    return limits;
}

std::string TableHead() {
    StreamWriter out;
    out.beginTable("scores", kColumns);
    out.addRow(kRow);
    return out.buffer();
}

std::string Rows(int count) {
    StreamWriter out;
    for (int i = 0; i < count; ++i) out.addRow(kRow);
    return out.buffer();
}

class AccessReaderProcess : public testing::Test {
  protected:
    // A file for the script to read, quoted for the shell.
    std::string file(const std::string& name, const std::string& bytes) const {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
        return "'" + (dir_ / name).string() + "'";
    }

    // The script records its process id first, so that tests can see it was reaped.
    void run(const std::string& script, TableSink& sink, const ChildLimits& limits) const {
        RunReader("/bin/sh", {"-c", "echo $$ > " + file("pid", "") + "; " + script}, sink, limits);
    }

    std::string failure(const std::string& script, TableSink& sink,
                        const ChildLimits& limits = QuickLimits()) const {
        try {
            run(script, sink, limits);
        } catch (const DbError& e) {
            return e.what();
        }
        return "(no failure)";
    }
    std::string failure(const std::string& script) const {
        RecordingSink sink;
        return failure(script, sink);
    }

    void expectReaped() const {
        pid_t pid = 0;
        std::ifstream(dir_ / "pid") >> pid;
        ASSERT_GT(pid, 0);
        EXPECT_EQ(::kill(pid, 0), -1);  // neither running nor a zombie
    }

    TempDir dir_{"reader"};
};

bool Contains(const std::string& text, std::string_view part) {
    return text.find(part) != std::string::npos;
}

TEST_F(AccessReaderProcess, TurnsEveryWayOfDyingIntoDbError) {
    StreamWriter refusal;
    refusal.failure("no catalog");
    // The child's own account of the failure reaches the caller.
    EXPECT_EQ(failure("cat " + file("failure", refusal.buffer()) + "; exit 1"), "no catalog");

    EXPECT_TRUE(
        Contains(failure("cat " + file("head", TableHead()) + "; kill -SEGV $$"), "crashed"));
    expectReaped();
    EXPECT_TRUE(Contains(failure("kill -ALRM $$"), "took too long"));  // its own lifetime limit
    EXPECT_TRUE(Contains(failure("echo 'no frames at all'"), "malformed"));
    EXPECT_TRUE(Contains(failure("exit 0"), "ended early"));
    EXPECT_EQ(failure("cat " + file("stream", ValidStream()) + "; exit 3"), "the reader failed");
}

TEST_F(AccessReaderProcess, KillsAHungOrFloodingChild) {
    const auto start = Clock::now();
    EXPECT_TRUE(
        Contains(failure("cat " + file("head", TableHead()) + "; exec sleep 30"), "progress"));
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(3));
    expectReaped();

    ChildLimits limits = QuickLimits();
    limits.maxStreamBytes = 1 << 20;
    const std::string flood = file("flood", TableHead() + Rows(30'000));  // several MiB
    RecordingSink sink;
    EXPECT_TRUE(Contains(failure("cat " + flood + "; exec sleep 30", sink, limits), "malformed"));
    expectReaped();
}

TEST_F(AccessReaderProcess, ReapsTheChildWhenTheSinkFails) {
    struct FailingSink : RecordingSink {
        void addRow(const std::vector<DbValue>& row) override {
            RecordingSink::addRow(row);
            throw std::runtime_error("disk full");
        }
    } sink;
    EXPECT_THROW(run("cat " + file("head", TableHead()) + "; exec sleep 30", sink, QuickLimits()),
                 std::runtime_error);
    expectReaped();
}

pid_t gTestPid = 0;
fs::path gAtExitMarker;

// A program that cannot be executed leaves a bare copy of this process behind for a moment, which
// must not run this process's exit handlers.
TEST_F(AccessReaderProcess, RefusesAMissingOrUnstartableReader) {
    gTestPid = ::getpid();
    gAtExitMarker = dir_ / "atexit-ran";
    std::atexit([] {
        if (::getpid() != gTestPid) std::ofstream(gAtExitMarker) << "ran";
    });
    RecordingSink sink;
    try {
        RunReader(dir_ / "vpa_mdbreader", {}, sink, QuickLimits());
        ADD_FAILURE() << "ran a missing program";
    } catch (const DbError& e) {
        EXPECT_TRUE(Contains(e.what(), "missing"));
    }
    file("not-a-program", "no execute permission");
    EXPECT_THROW(RunReader(dir_ / "not-a-program", {}, sink, QuickLimits()), DbError);
    EXPECT_FALSE(fs::exists(gAtExitMarker));
}

// --- Jet values --------------------------------------------------------------------------------

TEST(JetValues, DatesCountDaysFrom1899_12_30AndImpossibleOnesAreNull) {
    EXPECT_EQ(JetDateValue(37758.6041666667), DbValue::date("2003-05-17 14:30:00"));
    EXPECT_EQ(JetDateValue(1.9999999), DbValue::date("1900-01-01 00:00:00"));  // rounds up a day
    // Before the epoch the day counts backwards but the time of day still forwards.
    EXPECT_EQ(JetDateValue(-1.25), DbValue::date("1899-12-29 06:00:00"));
    EXPECT_EQ(JetDateValue(-1.9999999), DbValue::date("1899-12-30 00:00:00"));
    EXPECT_TRUE(JetDateValue(std::nan("")).isNull());
    EXPECT_TRUE(JetDateValue(-657435).isNull());  // year 99
    EXPECT_TRUE(JetDateValue(2958466).isNull());  // year 10000
}

TEST(JetValues, DecimalsKeepSignAndScale) {
    std::array<unsigned char, 17> bytes{};
    bytes[0] = 0x80;
    bytes[13] = 0x39;  // least significant word: 12345
    bytes[14] = 0x30;
    EXPECT_EQ(JetDecimal(bytes, 2), -123.45);
    EXPECT_EQ(JetDecimalText(bytes, 2), "-123.45");
    EXPECT_EQ(JetDecimalText(bytes, 7), "-0.0012345");
    bytes[13] = bytes[14] = 0;
    EXPECT_EQ(JetDecimalText(bytes, 2), "0.00");  // no sign on zero
    std::array<unsigned char, 8> money{};
    money.fill(0xff);
    EXPECT_EQ(JetCurrencyText(money), "-0.0001");
    // A calculated column's: length, scale 3, negative, then a word of 4 bytes before one of 8.
    const std::array<unsigned char, 16> calculated{14, 0, 3, 1, 1, 0, 0, 0, 5, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(JetCalculatedDecimalText(calculated), "-18446744073709551.621");  // -(2^64 + 5)
}

}  // namespace
