// Reading an Access file. libmdb is not safe on damaged files (it can crash, read out of bounds
// or loop for ever), so it only ever runs in a forked child process that streams the tables back
// through a pipe; this process checks that stream and survives whatever the child does.

#include <fcntl.h>
// Before mdbtools.h, which would pull glib's C++ templates into an extern "C" block.
#include <glib.h>
#include <iconv.h>
#include <mdbtools.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <stdexcept>
#include <system_error>
#include <utility>

#include "db/AccessFileDetail.h"
#include "db/DbFile.h"

namespace access_detail {

// ---------------------------------------------------------------------------------------------
// Stream encoding

namespace {

constexpr std::uint8_t kNull = 0;
constexpr std::uint8_t kInteger = 1;
constexpr std::uint8_t kReal = 2;
constexpr std::uint8_t kText = 3;
constexpr std::uint8_t kDate = 4;
constexpr std::size_t kDateLength = 19;  // "YYYY-MM-DD HH:MM:SS"
constexpr std::size_t kMaxReasonBytes = 1000;
constexpr std::size_t kFlushBytes = 64 * 1024;
constexpr auto kFlushInterval = std::chrono::seconds(1);

void PutU8(std::string& out, std::uint8_t v) {
    out.push_back(static_cast<char>(v));
}

void PutLe(std::string& out, std::uint64_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xff));
}

void PutU16(std::string& out, std::size_t v) {
    PutLe(out, v, 2);
}
void PutU32(std::string& out, std::size_t v) {
    PutLe(out, v, 4);
}
void PutU64(std::string& out, std::uint64_t v) {
    PutLe(out, v, 8);
}

void PutName(std::string& out, std::string_view name) {
    if (name.size() > kMaxNameBytes) throw std::runtime_error("a name is too long");
    PutU16(out, name.size());
    out.append(name);
}

void PutValue(std::string& out, const DbValue& value) {
    switch (value.kind()) {
        case DbValue::Kind::Null:
            PutU8(out, kNull);
            break;
        case DbValue::Kind::Integer:
            PutU8(out, kInteger);
            PutU64(out, static_cast<std::uint64_t>(value.toInt64()));
            break;
        case DbValue::Kind::Real:
            PutU8(out, kReal);
            PutU64(out, std::bit_cast<std::uint64_t>(value.toDouble()));
            break;
        case DbValue::Kind::Text: {
            const std::string text = value.toString();
            PutU8(out, kText);
            PutU32(out, text.size());
            out.append(text);
            break;
        }
        case DbValue::Kind::Date: {
            const std::string iso = value.toString();
            PutU8(out, kDate);
            PutU8(out, static_cast<std::uint8_t>(iso.size()));
            out.append(iso);
            break;
        }
    }
}

void WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) throw std::system_error(errno, std::generic_category(), "write");
        data.remove_prefix(static_cast<std::size_t>(n));
    }
}

}  // namespace

StreamWriter::StreamWriter(int fd) : fd_(fd), lastFlush_(std::chrono::steady_clock::now()) {}

void StreamWriter::beginTable(const std::string& name, const std::vector<ColumnDef>& columns) {
    if (columns.empty() || columns.size() > kMaxColumns) {
        throw std::runtime_error("table '" + name + "' has an impossible number of columns");
    }
    std::string body;
    PutName(body, name);
    PutU16(body, columns.size());
    for (const ColumnDef& column : columns) {
        PutName(body, column.name);
        PutU8(body, static_cast<std::uint8_t>(column.type));
    }
    putFrame(FrameKind::Table, body);
}

void StreamWriter::addRow(const std::vector<DbValue>& row) {
    std::string body;
    PutU16(body, row.size());
    for (const DbValue& value : row) PutValue(body, value);
    putFrame(FrameKind::Row, body);
    flushWhenDue();
}

void StreamWriter::endTable() {
    putFrame(FrameKind::EndTable, {});
}
void StreamWriter::done() {
    putFrame(FrameKind::Done, {});
}

void StreamWriter::failure(std::string_view reason) {
    std::string body;
    reason = reason.substr(0, kMaxReasonBytes);
    PutU16(body, reason.size());
    body.append(reason);
    putFrame(FrameKind::Failure, body);
}

void StreamWriter::putFrame(FrameKind kind, const std::string& body) {
    if (body.size() + 1 > kMaxFrameBytes) throw std::runtime_error("a row is too large");
    PutU32(buffer_, body.size() + 1);
    PutU8(buffer_, static_cast<std::uint8_t>(kind));
    buffer_.append(body);
}

void StreamWriter::flushWhenDue() {
    if (fd_ < 0) return;
    const auto now = std::chrono::steady_clock::now();
    if (buffer_.size() >= kFlushBytes || now - lastFlush_ >= kFlushInterval) flush();
}

void StreamWriter::flush() {
    lastFlush_ = std::chrono::steady_clock::now();
    if (fd_ < 0) return;
    std::string pending = std::exchange(buffer_, {});
    WriteAll(fd_, pending);
}

// ---------------------------------------------------------------------------------------------
// Stream decoding

namespace {

[[noreturn]] void Malformed(std::string_view what) {
    throw DbError("the reader sent a malformed stream (" + std::string(what) + ")");
}

std::uint64_t LoadLe(const char* p, int bytes) {
    std::uint64_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(p[i]);
    return v;
}

// Bounds-checked reading of one frame body.
class FrameReader {
  public:
    explicit FrameReader(std::string_view data) : data_(data) {}

    std::uint64_t number(int bytes) {
        return LoadLe(take(static_cast<std::size_t>(bytes)).data(), bytes);
    }
    std::string_view take(std::size_t n) {
        if (n > data_.size()) Malformed("a length points past the frame");
        const std::string_view part = data_.substr(0, n);
        data_.remove_prefix(n);
        return part;
    }
    std::string name() {
        const std::size_t length = number(2);
        if (length > kMaxNameBytes) Malformed("name too long");
        return std::string(take(length));
    }
    void expectEnd() const {
        if (!data_.empty()) Malformed("trailing bytes in a frame");
    }

  private:
    std::string_view data_;
};

DbValue ReadValue(FrameReader& in) {
    switch (in.number(1)) {
        case kNull:
            return {};
        case kInteger:
            return DbValue::integer(static_cast<std::int64_t>(in.number(8)));
        case kReal:
            return DbValue::real(std::bit_cast<double>(in.number(8)));
        case kText:
            return DbValue::text(std::string(in.take(in.number(4))));
        case kDate: {
            const std::size_t length = in.number(1);
            if (length != kDateLength) Malformed("bad date");
            return DbValue::date(std::string(in.take(length)));
        }
        default:
            Malformed("unknown value kind");
    }
}

}  // namespace

StreamDecoder::StreamDecoder(TableSink& sink, std::uint64_t maxStreamBytes)
    : sink_(sink), maxStreamBytes_(maxStreamBytes) {}

void StreamDecoder::feed(std::string_view bytes) {
    received_ += bytes.size();
    if (received_ > maxStreamBytes_) Malformed("far more data than the file can hold");
    pending_.append(bytes);
    std::size_t pos = 0;
    while (pending_.size() - pos >= 4) {
        const std::size_t length = LoadLe(pending_.data() + pos, 4);
        if (length == 0 || length > kMaxFrameBytes) Malformed("bad frame length");
        if (pending_.size() - pos - 4 < length) break;
        handleFrame(std::string_view(pending_).substr(pos + 4, length));
        pos += 4 + length;
    }
    pending_.erase(0, pos);
}

void StreamDecoder::finish() const {
    if (state_ != State::Done || !pending_.empty()) Malformed("it ended early");
}

void StreamDecoder::handleFrame(std::string_view body) {
    const auto kind = static_cast<FrameKind>(body.front());
    const std::string_view payload = body.substr(1);
    if (kind == FrameKind::Failure) {
        FrameReader in(payload);
        throw DbError(std::string(in.take(std::min<std::size_t>(in.number(2), kMaxReasonBytes))));
    }
    if (state_ == State::Done) Malformed("data after the end");
    const State expected =
        kind == FrameKind::Row || kind == FrameKind::EndTable ? State::InTable : State::Between;
    if (state_ != expected) Malformed("frame out of order");
    switch (kind) {
        case FrameKind::Table:
            handleTable(payload);
            break;
        case FrameKind::Row:
            handleRow(payload);
            break;
        case FrameKind::EndTable:
        case FrameKind::Done:
            FrameReader(payload).expectEnd();
            if (kind == FrameKind::EndTable) sink_.endTable();
            state_ = kind == FrameKind::EndTable ? State::Between : State::Done;
            break;
        default:
            Malformed("unknown frame");
    }
}

void StreamDecoder::handleTable(std::string_view payload) {
    FrameReader in(payload);
    const std::string name = in.name();
    const std::size_t count = in.number(2);
    if (count == 0 || count > kMaxColumns) Malformed("bad column count");
    std::vector<ColumnDef> columns(count);
    for (ColumnDef& column : columns) {
        column.name = in.name();
        const auto type = in.number(1);
        if (type > static_cast<std::uint64_t>(ColumnType::DateTime)) Malformed("bad column type");
        column.type = static_cast<ColumnType>(type);
    }
    in.expectEnd();
    sink_.beginTable(name, columns);
    columnCount_ = count;
    state_ = State::InTable;
}

void StreamDecoder::handleRow(std::string_view payload) {
    FrameReader in(payload);
    if (in.number(2) != columnCount_) Malformed("row does not fit its table");
    std::vector<DbValue> row;
    row.reserve(columnCount_);
    for (std::size_t i = 0; i < columnCount_; ++i) row.push_back(ReadValue(in));
    in.expectEnd();
    sink_.addRow(row);
}

// ---------------------------------------------------------------------------------------------
// The child process

namespace {

class UniqueFd {
  public:
    explicit UniqueFd(int fd) : fd_(fd) {}
    ~UniqueFd() { reset(); }
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;

    int get() const { return fd_; }
    void reset() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }

  private:
    int fd_;
};

// Kills and reaps the child unless it has been waited for.
class ChildProcess {
  public:
    explicit ChildProcess(pid_t pid) : pid_(pid) {}
    ~ChildProcess() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGKILL);
        wait();
    }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // The wait status; none when it cannot be known (SIGCHLD ignored, so the child reaped itself).
    std::optional<int> wait() {
        int status = 0;
        pid_t r;
        do {
            r = ::waitpid(pid_, &status, 0);
        } while (r < 0 && errno == EINTR);
        pid_ = -1;
        if (r < 0) return std::nullopt;
        return status;
    }

  private:
    pid_t pid_;
};

// The parent's signal handlers (a crash reporter, say) must not run in the child, and a blocked
// SIGALRM would defeat the lifetime limit.
void ResetSignals() {
    struct sigaction defaults {};
    defaults.sa_handler = SIG_DFL;
    sigemptyset(&defaults.sa_mask);
    for (int signal = 1; signal < NSIG; ++signal) ::sigaction(signal, &defaults, nullptr);
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
}

// Leaves the child with /dev/null as standard streams (libmdb chatters on them), the pipe as
// descriptor 3, and nothing else of the parent's open.
int IsolateDescriptors(int pipeFd) {
    const int out = ::fcntl(pipeFd, F_DUPFD, 3);
    if (out < 0) ::_exit(3);
    const int devNull = ::open("/dev/null", O_RDWR);
    for (int fd = 0; fd < 3 && devNull >= 0; ++fd) ::dup2(devNull, fd);
    if (out != 3 && ::dup2(out, 3) < 0) ::_exit(3);
    ::close_range(4, ~0u, 0);
    return 3;
}

[[noreturn]] void RunChild(int pipeFd, const ChildBody& body, const ChildLimits& limits) {
    ResetSignals();
    const rlimit noCore{0, 0};
    ::setrlimit(RLIMIT_CORE, &noCore);
    ::alarm(limits.lifetimeSeconds);
    StreamWriter out(IsolateDescriptors(pipeFd));
    int status = 0;
    try {
        body(out);
        out.done();
        out.flush();
    } catch (const std::exception& e) {
        status = 1;
        try {
            out.failure(e.what());
            out.flush();
        } catch (...) {
        }
    } catch (...) {
        status = 1;
    }
    // _exit: the parent's atexit handlers and stdio buffers belong to the parent.
    ::_exit(status);
}

// Feeds the decoder until the child closes the pipe; throws when it stays silent too long.
void PumpStream(int fd, StreamDecoder& decoder, std::chrono::milliseconds stall) {
    using Clock = std::chrono::steady_clock;
    std::vector<char> chunk(64 * 1024);
    auto deadline = Clock::now() + stall;
    for (;;) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) throw DbError("the reader stopped making progress");
        pollfd p{fd, POLLIN, 0};
        const int ready = ::poll(&p, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno != EINTR) throw DbError("waiting for the reader failed");
        if (ready <= 0) continue;
        const ssize_t n = ::read(fd, chunk.data(), chunk.size());
        if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
        if (n < 0) throw DbError("reading from the reader failed");
        if (n == 0) return;
        decoder.feed(std::string_view(chunk.data(), static_cast<std::size_t>(n)));
        deadline = Clock::now() + stall;
    }
}

void CheckExit(const std::optional<int>& status) {
    if (!status) return;
    if (WIFSIGNALED(*status)) {
        const int signal = WTERMSIG(*status);
        throw DbError(signal == SIGALRM ? std::string("the reader took too long")
                                        : "the reader crashed (signal " + std::to_string(signal) +
                                              "): the file is damaged");
    }
    if (!WIFEXITED(*status) || WEXITSTATUS(*status) != 0) throw DbError("the reader failed");
}

}  // namespace

void RunIsolated(const ChildBody& body, TableSink& sink, const ChildLimits& limits) {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) throw DbError("cannot create a pipe for the reader");
    UniqueFd readEnd(fds[0]);
    UniqueFd writeEnd(fds[1]);
    const pid_t pid = ::fork();
    if (pid < 0) throw DbError("cannot start the reader");
    if (pid == 0) {
        ::close(fds[0]);
        RunChild(fds[1], body, limits);
    }
    ChildProcess child(pid);
    writeEnd.reset();
    StreamDecoder decoder(sink, limits.maxStreamBytes);
    PumpStream(readEnd.get(), decoder, limits.stall);
    readEnd.reset();
    CheckExit(child.wait());
    decoder.finish();
}

// ---------------------------------------------------------------------------------------------
// Jet values

namespace {

// "[-]digits" scaled by 10^-scale, correctly rounded to the nearest double.
double ScaledDecimal(bool negative, std::string digits, int scale) {
    std::string text = (negative ? "-" : "") + digits + "e-" + std::to_string(scale);
    double v = 0;
    std::from_chars(text.data(), text.data() + text.size(), v);
    return v;
}

std::string Digits(unsigned __int128 v) {
    std::string digits;
    do {
        digits.push_back(static_cast<char>('0' + static_cast<int>(v % 10)));
        v /= 10;
    } while (v != 0);
    std::reverse(digits.begin(), digits.end());
    return digits;
}

// Jet's own limits: 100-01-01 and 9999-12-31 as days since 1899-12-30.
constexpr double kFirstDay = -657434;
constexpr double kLastDay = 2958465;

}  // namespace

DbValue JetDateValue(double days) {
    if (!std::isfinite(days) || days <= kFirstDay - 1 || days >= kLastDay + 1) return {};
    const double whole = std::trunc(days);
    auto day = static_cast<long long>(whole);
    auto seconds = std::llround(std::abs(days - whole) * 86400.0);
    if (seconds == 86400) {
        seconds = 0;
        ++day;
    }
    using namespace std::chrono;
    const year_month_day date{sys_days{1899y / December / 30} + std::chrono::days{day}};
    if (date.year() < year{100} || date.year() > year{9999}) return {};
    const int time = static_cast<int>(seconds);
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u %02d:%02d:%02d", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                  time / 3600, time / 60 % 60, time % 60);
    return DbValue::date(text);
}

double JetCurrency(std::span<const unsigned char, 8> bytes) {
    const auto raw =
        static_cast<std::int64_t>(LoadLe(reinterpret_cast<const char*>(bytes.data()), 8));
    const bool negative = raw < 0;
    const std::uint64_t magnitude =
        negative ? ~static_cast<std::uint64_t>(raw) + 1 : static_cast<std::uint64_t>(raw);
    return ScaledDecimal(negative, Digits(magnitude), 4);
}

double JetDecimal(std::span<const unsigned char, 17> bytes, int scale) {
    unsigned __int128 magnitude = 0;
    for (int word = 0; word < 4; ++word) {
        const auto* p = reinterpret_cast<const char*>(bytes.data()) + 1 + 4 * word;
        magnitude = (magnitude << 32) | LoadLe(p, 4);
    }
    return ScaledDecimal((bytes[0] & 0x80) != 0, Digits(magnitude), scale);
}

}  // namespace access_detail

// ---------------------------------------------------------------------------------------------
// Reading with libmdb, in the child

namespace {

using namespace access_detail;

struct MdbCloser {
    void operator()(MdbHandle* mdb) const { mdb_close(mdb); }
};
using MdbPtr = std::unique_ptr<MdbHandle, MdbCloser>;

struct TableDefFreer {
    void operator()(MdbTableDef* table) const { mdb_free_tabledef(table); }
};
using TableDefPtr = std::unique_ptr<MdbTableDef, TableDefFreer>;

struct GFreer {
    void operator()(char* text) const { g_free(text); }
};
using GText = std::unique_ptr<char, GFreer>;

constexpr int kJetBigInt = 0x13;  // "Large Number" of newer ACE files, unknown to libmdb 1.0.0
// Row offsets on a data page carry two flags above the offset itself.
constexpr int kRowOffsetMask = 0x1fff;
constexpr int kDeletedRow = 0x8000;
constexpr int kOverflowRow = 0x4000;
constexpr int kMaxOverflowHops = 4;
// System objects carry the top bit; hidden ones the 0x2 bit. Neither is a table of the user's.
constexpr std::uint32_t kSystemObject = 0x80000002;
constexpr std::size_t kDefaultBindSize = MDB_BIND_SIZE;

[[noreturn]] void Damaged(const std::string& what) {
    throw std::runtime_error("the file is damaged (" + what + ")");
}

ColumnType ColumnTypeOf(int jetType) {
    switch (jetType) {
        case MDB_TEXT:
            return ColumnType::Text;
        case MDB_BYTE:
            return ColumnType::Byte;
        case MDB_INT:
            return ColumnType::Integer16;
        case MDB_LONGINT:
        case MDB_COMPLEX:
        case kJetBigInt:
            return ColumnType::Integer32;
        case MDB_BOOL:
            return ColumnType::YesNo;
        case MDB_FLOAT:
        case MDB_DOUBLE:
        case MDB_NUMERIC:
            return ColumnType::Real;
        case MDB_MONEY:
            return ColumnType::Currency;
        case MDB_DATETIME:
            return ColumnType::DateTime;
        default:  // memo, and as text what has no column type of its own (GUID, binary, OLE)
            return ColumnType::Memo;
    }
}

// Bytes a fixed-size value needs; 0 for variable-size ones.
std::size_t FixedSize(int jetType) {
    switch (jetType) {
        case MDB_BYTE:
            return 1;
        case MDB_INT:
            return 2;
        case MDB_LONGINT:
        case MDB_COMPLEX:
        case MDB_FLOAT:
            return 4;
        case MDB_DOUBLE:
        case MDB_DATETIME:
        case MDB_MONEY:
        case kJetBigInt:
            return 8;
        case MDB_REPID:
            return 16;
        case MDB_NUMERIC:
            return 17;
        default:
            return 0;
    }
}

std::uint64_t Le(std::span<const unsigned char> bytes, std::size_t size) {
    std::uint64_t v = 0;
    for (std::size_t i = size; i-- > 0;) v = (v << 8) | bytes[i];
    return v;
}

// A float widened as the decimal it was typed as (0.1, not 0.100000001490116).
double FloatValue(std::uint32_t bits) {
    const float f = std::bit_cast<float>(bits);
    if (!std::isfinite(f)) return f;
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, f).ptr;
    double v = 0;
    std::from_chars(text, end, v);
    return v;
}

std::string GuidText(std::span<const unsigned char> b) {
    char text[40];
    std::snprintf(text, sizeof text,
                  "{%02X%02X%02X%02X-%02X%02X-%02X%02X-%02X%02X-%02X%02X%02X%02X%02X%02X}", b[3],
                  b[2], b[1], b[0], b[5], b[4], b[7], b[6], b[8], b[9], b[10], b[11], b[12], b[13],
                  b[14], b[15]);
    return text;
}

std::string HexText(std::span<const unsigned char> bytes) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string text;
    for (const unsigned char b : bytes) {
        text.push_back(kHex[b >> 4]);
        text.push_back(kHex[b & 15]);
    }
    return text;
}

// Text through libmdb, which writes at most its bind size: room enough for the UTF-8 of
// sourceBytes, whatever the encoding (three bytes per source byte at worst).
std::string LibmdbText(MdbHandle& mdb, int jetType, int start, int size, std::size_t sourceBytes) {
    mdb_set_bind_size(&mdb, std::max(kDefaultBindSize, 3 * sourceBytes + 16));
    const GText text(mdb_col_to_string(&mdb, mdb.pg_buf, start, jetType, size));
    return text ? std::string(text.get()) : std::string();
}

// A memo's length comes from its 12-byte header: inline, on one other page, or a chain of pages.
std::size_t MemoSourceBytes(const MdbHandle& mdb, std::span<const unsigned char> bytes) {
    const auto header = static_cast<std::uint32_t>(Le(bytes, 4));
    if (header & 0x80000000u) return bytes.size() - MDB_MEMO_OVERHEAD;
    if (header & 0x40000000u) return static_cast<std::size_t>(mdb.fmt->pg_size);
    return header & 0x00ffffffu;
}

DbValue NonNullValue(MdbHandle& mdb, const MdbColumn& column, const MdbField& field) {
    const std::span<const unsigned char> bytes(mdb.pg_buf + field.start,
                                               static_cast<std::size_t>(field.siz));
    const int type = column.col_type;
    if (bytes.size() < FixedSize(type)) {
        Damaged("short value in '" + std::string(column.name) + "'");
    }
    switch (type) {
        case MDB_BYTE:
            return DbValue::integer(bytes[0]);
        case MDB_INT:
            return DbValue::integer(static_cast<std::int16_t>(Le(bytes, 2)));
        case MDB_LONGINT:
        case MDB_COMPLEX:
            return DbValue::integer(static_cast<std::int32_t>(Le(bytes, 4)));
        case kJetBigInt:
            return DbValue::integer(static_cast<std::int64_t>(Le(bytes, 8)));
        case MDB_FLOAT:
            return DbValue::real(FloatValue(static_cast<std::uint32_t>(Le(bytes, 4))));
        case MDB_DOUBLE:
            return DbValue::real(std::bit_cast<double>(Le(bytes, 8)));
        case MDB_DATETIME:
            return JetDateValue(std::bit_cast<double>(Le(bytes, 8)));
        case MDB_MONEY:
            return DbValue::real(JetCurrency(bytes.first<8>()));
        case MDB_NUMERIC:
            return DbValue::real(JetDecimal(bytes.first<17>(), column.col_scale));
        case MDB_REPID:
            return DbValue::text(GuidText(bytes));
        case MDB_BINARY:
            return DbValue::text(HexText(bytes));
        case MDB_TEXT:
            return DbValue::text(LibmdbText(mdb, type, field.start, field.siz, bytes.size()));
        case MDB_MEMO:
            if (bytes.size() < MDB_MEMO_OVERHEAD) return DbValue::text({});
            return DbValue::text(
                LibmdbText(mdb, type, field.start, field.siz, MemoSourceBytes(mdb, bytes)));
        default:  // OLE objects and types libmdb does not know hold nothing readable as text
            return {};
    }
}

DbValue FieldValue(MdbHandle& mdb, const MdbColumn& column, const MdbField& field, int rowColumns) {
    // A column added after the row was written is absent from it: null, and a yes/no is false.
    const bool present = !field.is_null && column.col_num < rowColumns;
    if (column.col_type == MDB_BOOL) return DbValue::integer(present ? -1 : 0);
    if (!present) return {};
    if (field.siz < 0 || field.start < 0 || field.start + field.siz > mdb.fmt->pg_size) {
        Damaged("value outside its page");
    }
    return NonNullValue(mdb, column, field);
}

struct RowBuffers {
    std::vector<MdbField> fields;
    std::vector<DbValue> values;
};

const MdbColumn& ColumnAt(const MdbTableDef& table, unsigned i) {
    return *static_cast<const MdbColumn*>(g_ptr_array_index(table.columns, i));
}

std::vector<ColumnDef> ColumnDefs(const MdbTableDef& table) {
    std::vector<ColumnDef> columns;
    for (unsigned i = 0; i < table.num_cols; ++i) {
        const MdbColumn& column = ColumnAt(table, i);
        columns.push_back({column.name, ColumnTypeOf(column.col_type)});
    }
    return columns;
}

// Splits the row at start (offset flags removed) of the page in pg_buf into values.
void DecodeRow(MdbTableDef& table, int start, std::size_t size, RowBuffers& buffers) {
    MdbHandle& mdb = *table.entry->mdb;
    const int rowColumns = mdb_crack_row(&table, start, size, buffers.fields.data());
    if (rowColumns < 0) Damaged("row layout");
    for (unsigned i = 0; i < table.num_cols; ++i) {
        const MdbField& field = buffers.fields[i];
        buffers.values[i] = FieldValue(mdb, ColumnAt(table, static_cast<unsigned>(field.colnum)),
                                       field, rowColumns);
    }
}

// An updated row that outgrew its page lives on another one; its old place holds a pointer
// there (row number in the low byte, page above). The page being scanned is read back after.
void DecodeMovedRow(MdbTableDef& table, int start, std::size_t size, RowBuffers& buffers) {
    MdbHandle& mdb = *table.entry->mdb;
    for (int hop = 0; hop < kMaxOverflowHops; ++hop) {
        if (size < 4) Damaged("row pointer");
        const auto pointer = static_cast<std::uint32_t>(mdb_get_int32(mdb.pg_buf, start));
        if (mdb_read_pg(&mdb, pointer >> 8) != mdb.fmt->pg_size || mdb.pg_buf[0] != MDB_PAGE_DATA ||
            static_cast<unsigned long>(mdb_get_int32(mdb.pg_buf, 4)) != table.entry->table_pg ||
            mdb_find_row(&mdb, static_cast<int>(pointer & 0xff), &start, &size) != 0) {
            Damaged("moved row");
        }
        if (!(start & kOverflowRow)) {
            DecodeRow(table, start & kRowOffsetMask, size, buffers);
            mdb_read_pg(&mdb, table.cur_phys_pg);
            return;
        }
        start &= kRowOffsetMask;
    }
    Damaged("chain of moved rows");
}

// Reads the rows of a table in stored order: data page by data page, slot by slot. libmdb 1.0.0's
// own fetching swaps the meaning of the two row flags: it returns deleted rows and drops moved
// ones.
void ReadRows(MdbTableDef& table, StreamWriter& out) {
    MdbHandle& mdb = *table.entry->mdb;
    RowBuffers buffers{std::vector<MdbField>(table.num_cols), std::vector<DbValue>(table.num_cols)};
    mdb_rewind_table(&table);
    while (mdb_read_next_dpg(&table)) {
        const int slots = mdb_get_int16(mdb.pg_buf, mdb.fmt->row_count_offset);
        for (int slot = 0; slot < slots; ++slot) {
            int start = 0;
            std::size_t size = 0;
            // An unusable slot is no row, as libmdb sees it too.
            if (mdb_find_row(&mdb, slot, &start, &size) != 0 || size == 0) continue;
            if (start & kDeletedRow) continue;  // also the moved copy, read through its pointer
            if (start & kOverflowRow) {
                DecodeMovedRow(table, start & kRowOffsetMask, size, buffers);
            } else {
                DecodeRow(table, start & kRowOffsetMask, size, buffers);
            }
            out.addRow(buffers.values);
        }
    }
}

void ReadTable(MdbCatalogEntry& entry, StreamWriter& out) {
    const std::string name = entry.object_name;
    TableDefPtr table(mdb_read_table(&entry));
    if (!table) Damaged("definition of table '" + name + "'");
    if (table->num_cols == 0 || table->num_cols > kMaxColumns || !mdb_read_columns(table.get()) ||
        table->columns->len != table->num_cols) {
        Damaged("columns of table '" + name + "'");
    }
    out.beginTable(name, ColumnDefs(*table));
    ReadRows(*table, out);
    out.endTable();
}

bool IsUserTable(const MdbCatalogEntry& entry) {
    if (entry.object_type != MDB_TABLE) return false;
    if (static_cast<std::uint32_t>(entry.flags) & kSystemObject) return false;
    return g_ascii_strncasecmp(entry.object_name, "MSys", 4) != 0;
}

// libmdb decodes Jet 4 text as UCS-2, which turns every character beyond the Basic Multilingual
// Plane into question marks; Jet 4 text is UTF-16.
void DecodeTextAsUtf16(MdbHandle& mdb) {
    if (mdb.f->jet_version == MDB_VER_JET3) return;
    const iconv_t utf16 = iconv_open("UTF-8", "UTF-16LE");
    const auto failed = reinterpret_cast<iconv_t>(static_cast<std::intptr_t>(-1));
    if (utf16 == failed) return;
    if (mdb.iconv_in != failed) iconv_close(mdb.iconv_in);
    mdb.iconv_in = utf16;
}

void ReadWithLibmdb(const std::string& path, StreamWriter& out) {
    // Settings of libmdb's own tools: other target encodings, debug output, a search path.
    for (const char* name : {"MDBICONV", "MDB_JET3_CHARSET", "MDBOPTS", "MDBPATH"}) {
        ::unsetenv(name);
    }
    const MdbPtr mdb(mdb_open(path.c_str(), MDB_NOFLAGS));
    if (!mdb) throw std::runtime_error("libmdb does not recognise it as an Access database");
    DecodeTextAsUtf16(*mdb);
    if (!mdb_read_catalog(mdb.get(), MDB_TABLE)) Damaged("catalog");
    for (unsigned i = 0; i < mdb->num_catalog; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb->catalog, i));
        if (IsUserTable(*entry)) ReadTable(*entry, out);
    }
}

// ---------------------------------------------------------------------------------------------
// Cheap checks before a process is started for the file

std::size_t CheckedPageSize(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::array<char, 0x15> header{};
    if (!in.read(header.data(), header.size())) throw DbError("it is too short");
    const std::string_view head(header.data(), header.size());
    const std::string_view signature = head.substr(4, 15);
    if (head.substr(0, 4) != std::string_view("\0\1\0\0", 4) ||
        (signature != "Standard Jet DB" && signature != "Standard ACE DB")) {
        throw DbError("it is not an Access database");
    }
    return header[0x14] == 0 ? 2048 : 4096;
}

std::uintmax_t CheckedFileSize(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) throw DbError("there is no such file");
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error) throw DbError("its size cannot be read");
    return size;
}

}  // namespace

void ReadAccessFile(const std::string& path, TableSink& sink) {
    try {
        const std::uintmax_t size = CheckedFileSize(path);
        const std::size_t pageSize = CheckedPageSize(path);
        if (size == 0 || size % pageSize != 0) throw DbError("it is truncated");
        ChildLimits limits;
        // No sound file yields a stream many times its own size; a runaway reader would.
        limits.maxStreamBytes = std::min<std::uint64_t>(2ull << 30, (256ull << 20) + 64 * size);
        RunIsolated([&path](StreamWriter& out) { ReadWithLibmdb(path, out); }, sink, limits);
    } catch (const DbError& e) {
        throw DbError("Cannot read the Access file '" + path + "': " + e.what());
    }
}
