// Encoding and checking the reader's table stream (see AccessStream.h for its layout).

#include "db/AccessStream.h"

#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <charconv>
#include <stdexcept>
#include <system_error>
#include <utility>

namespace access_detail {

std::string ToHex(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 15];
    }
    return hex;
}

std::optional<std::string> FromHex(std::string_view hex) {
    if (hex.size() % 2 != 0) return std::nullopt;
    std::string bytes;
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        unsigned value = 0;
        const auto [end, error] = std::from_chars(hex.data() + i, hex.data() + i + 2, value, 16);
        if (error != std::errc{} || end != hex.data() + i + 2) return std::nullopt;
        bytes += static_cast<char>(value);
    }
    return bytes;
}

// ---------------------------------------------------------------------------------------------
// Stream encoding

namespace {

constexpr std::uint8_t kNull = 0;
constexpr std::uint8_t kInteger = 1;
constexpr std::uint8_t kReal = 2;
constexpr std::uint8_t kText = 3;
constexpr std::uint8_t kDate = 4;
constexpr std::size_t kDateLength = 19;      // "YYYY-MM-DD HH:MM:SS"
constexpr std::size_t kFineDateLength = 27;  // and ".fffffff", of Date/Time Extended
constexpr std::size_t kMaxReasonBytes = 1000;
constexpr std::size_t kFlushBytes = 64 * 1024;
constexpr auto kFlushInterval = std::chrono::seconds(1);
constexpr int kRowsBetweenClockReadings = 64;

void PutU8(std::string& out, std::uint8_t v) {
    out.push_back(static_cast<char>(v));
}

void PutLe(std::string& out, std::uint64_t v, int bytes) {
    // One append per number: every value of every row passes here.
    char le[8];
    for (int i = 0; i < bytes; ++i) le[i] = static_cast<char>((v >> (8 * i)) & 0xff);
    out.append(le, static_cast<std::size_t>(bytes));
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
            const std::string_view text = value.chars();
            PutU8(out, kText);
            PutU32(out, text.size());
            out.append(text);
            break;
        }
        case DbValue::Kind::Date: {
            const std::string_view iso = value.chars();
            PutU8(out, kDate);
            PutU8(out, static_cast<std::uint8_t>(iso.size()));
            out.append(iso);
            break;
        }
    }
}

std::string Reason(std::string_view text) {
    std::string body;
    text = text.substr(0, kMaxReasonBytes);
    PutU16(body, text.size());
    body.append(text);
    return body;
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
    // Straight into the buffer, the length filled in after: no body of its own per row.
    const std::size_t start = buffer_.size();
    PutU32(buffer_, 0);
    PutU8(buffer_, static_cast<std::uint8_t>(FrameKind::Row));
    PutU16(buffer_, row.size());
    for (const DbValue& value : row) PutValue(buffer_, value);
    const std::size_t length = buffer_.size() - start - 4;
    if (length > kMaxFrameBytes) {
        buffer_.resize(start);
        throw std::runtime_error("a row is too large");
    }
    for (int i = 0; i < 4; ++i) buffer_[start + i] = static_cast<char>((length >> (8 * i)) & 0xff);
    flushWhenDue();
}

void StreamWriter::endTable() {
    putFrame(FrameKind::EndTable, {});
}
void StreamWriter::done() {
    putFrame(FrameKind::Done, {});
}

void StreamWriter::failure(std::string_view reason) {
    putFrame(FrameKind::Failure, Reason(reason));
}

void StreamWriter::note(std::string_view what) {
    putFrame(FrameKind::Note, Reason(what));
}

void StreamWriter::putFrame(FrameKind kind, const std::string& body) {
    if (body.size() + 1 > kMaxFrameBytes) throw std::runtime_error("a row is too large");
    PutU32(buffer_, body.size() + 1);
    PutU8(buffer_, static_cast<std::uint8_t>(kind));
    buffer_.append(body);
}

void StreamWriter::flushWhenDue() {
    if (fd_ < 0) return;
    if (buffer_.size() >= kFlushBytes) {
        flush();
        return;
    }
    // The clock only now and then: reading it for every row costs more than the row.
    if (++rowsSinceClock_ < kRowsBetweenClockReadings) return;
    rowsSinceClock_ = 0;
    if (std::chrono::steady_clock::now() - lastFlush_ >= kFlushInterval) flush();
}

void StreamWriter::flush() {
    lastFlush_ = std::chrono::steady_clock::now();
    if (fd_ < 0) return;
    // Cleared rather than given away, so the buffer keeps its room for the next rows.
    WriteAll(fd_, buffer_);
    buffer_.clear();
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

// Into out, reusing the room of the text it held for the previous row's value.
void ReadValue(FrameReader& in, DbValue& out) {
    switch (in.number(1)) {
        case kNull:
            out = {};
            break;
        case kInteger:
            out = DbValue::integer(static_cast<std::int64_t>(in.number(8)));
            break;
        case kReal:
            out = DbValue::real(std::bit_cast<double>(in.number(8)));
            break;
        case kText:
            out.assignText(in.take(in.number(4)));
            break;
        case kDate: {
            const std::size_t length = in.number(1);
            if (length != kDateLength && length != kFineDateLength) Malformed("bad date");
            out.assignDate(in.take(length));
            break;
        }
        default:
            Malformed("unknown value kind");
    }
}

std::string ReasonOf(std::string_view payload) {
    FrameReader in(payload);
    return std::string(in.take(std::min<std::size_t>(in.number(2), kMaxReasonBytes)));
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
    if (kind == FrameKind::Failure) throw DbError(ReasonOf(payload));
    if (state_ == State::Done) Malformed("data after the end");
    if (kind == FrameKind::Note) {
        if (state_ != State::Between) Malformed("frame out of order");
        sink_.note(ReasonOf(payload));
        return;
    }
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
        if (type > static_cast<std::uint64_t>(ColumnType::Ole)) Malformed("bad column type");
        column.type = static_cast<ColumnType>(type);
    }
    in.expectEnd();
    sink_.beginTable(name, columns);
    columnCount_ = count;
    row_.clear();
    state_ = State::InTable;
}

void StreamDecoder::handleRow(std::string_view payload) {
    FrameReader in(payload);
    if (in.number(2) != columnCount_) Malformed("row does not fit its table");
    row_.resize(columnCount_);
    for (DbValue& value : row_) ReadValue(in, value);
    in.expectEnd();
    sink_.addRow(row_);
}

}  // namespace access_detail
