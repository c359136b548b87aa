#pragma once

// The byte stream by which the reader process hands the tables of an Access file to the program.
// The program trusts nothing in it: the reader runs libmdb on files that may be damaged.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "db/DbValue.h"
#include "db/TableSink.h"

namespace access_detail {

// The reader's command line: FILE, or kHexArgument and the file name's bytes in hexadecimal for
// a name that cannot pass through a Qt string (not every byte string that is not UTF-8 can).
inline constexpr std::string_view kHexArgument = "--hex";
std::string ToHex(std::string_view bytes);
std::optional<std::string> FromHex(std::string_view hex);

// The reader's exit status when it outlives ChildLimits::lifetimeSeconds where no alarm signal
// ends it (Windows).
inline constexpr int kReaderTimedOut = 124;

// What the program lets the reader take; the reader also ends itself at the end of its lifetime.
struct ChildLimits {
    // Longest silence from the reader before it counts as hung.
    std::chrono::milliseconds stall{15'000};
    // Hard limit on the reader's life, against loops that keep producing output.
    unsigned lifetimeSeconds = 300;
    std::uint64_t maxStreamBytes = 1ull << 30;
};

// Every frame is a little-endian u32 body length followed by the body, whose first byte is the
// frame kind:
//   Table:    u16 name length, name, u16 column count, per column: u16 name length, name, u8 type
//   Row:      u16 value count, per value: u8 kind, then i64 (Integer), f64 bits (Real),
//             u32 length and UTF-8 text (Text), u8 length and "YYYY-MM-DD HH:MM:SS" (Date),
//             with ".fffffff" after it for a Date/Time Extended value with a fraction
//   EndTable, Done: nothing more
//   Failure:  u16 length, reason
//   Note:     u16 length, what was left out and why (between tables)
enum class FrameKind : std::uint8_t { Table = 1, Row, EndTable, Done, Failure, Note };

// Jet allows 255 columns and object names of 64 characters; the limits leave room and still
// keep a garbled stream from making the program allocate without bound.
inline constexpr std::size_t kMaxColumns = 255;
inline constexpr std::size_t kMaxNameBytes = 1024;
inline constexpr std::size_t kMaxFrameBytes = 64u << 20;

// Builds frames. Given a file descriptor, it writes them there whenever enough has gathered or a
// second has passed, so the reading side sees steady progress; otherwise they stay in buffer().
class StreamWriter {
  public:
    explicit StreamWriter(int fd = -1);

    void beginTable(const std::string& name, const std::vector<ColumnDef>& columns);
    void addRow(const std::vector<DbValue>& row);
    void endTable();
    void done();
    void failure(std::string_view reason);
    void note(std::string_view what);
    // Writes out everything gathered. Throws std::system_error when the pipe is gone.
    void flush();

    const std::string& buffer() const { return buffer_; }

  private:
    void putFrame(FrameKind kind, const std::string& body);
    void flushWhenDue();

    int fd_;
    std::string buffer_;
    std::chrono::steady_clock::time_point lastFlush_;
    int rowsSinceClock_ = 0;
};

// Checks a stream frame by frame and hands what it carries to a sink. Every length is checked
// before anything is allocated or read; anything out of order or out of bounds throws DbError,
// and so does a Failure frame, with the reader's reason.
class StreamDecoder {
  public:
    StreamDecoder(TableSink& sink, std::uint64_t maxStreamBytes);

    void feed(std::string_view bytes);
    // Throws DbError unless the stream ended with Done and nothing after it.
    void finish() const;

  private:
    enum class State { Between, InTable, Done };
    void handleFrame(std::string_view body);
    void handleTable(std::string_view payload);
    void handleRow(std::string_view payload);

    TableSink& sink_;
    std::uint64_t maxStreamBytes_;
    std::uint64_t received_ = 0;
    std::string pending_;
    State state_ = State::Between;
    std::size_t columnCount_ = 0;
    // One row's values, kept from row to row so that their texts' room is reused.
    std::vector<DbValue> row_;
};

}  // namespace access_detail
