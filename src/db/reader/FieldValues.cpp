// The values of a row's fields: those of fixed size decoded here from their bytes, text and memo
// through libmdb.

#include "db/reader/FieldValues.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <span>

#include "db/JetValues.h"
#include "db/reader/TablePages.h"

namespace {

using namespace access_detail;

constexpr int kJetBigInt = 0x13;  // "Large Number" of newer ACE files, unknown to libmdb 1.0.0
constexpr int kJetExtendedDate = 0x14;  // "Date/Time Extended" of Access 2019, likewise
constexpr std::size_t kDefaultBindSize = MDB_BIND_SIZE;

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
        case kJetExtendedDate:
            return 42;
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

// A Decimal column's definition holds its precision, then its scale. libmdb 1.0.0 reads both bytes
// but files them under each other's name: its col_prec is the scale.
int DecimalScale(const MdbColumn& column) {
    return column.col_prec;
}

std::string GuidText(std::span<const unsigned char> b) {
    char text[40];
    std::snprintf(text, sizeof text,
                  "{%02X%02X%02X%02X-%02X%02X-%02X%02X-%02X%02X-%02X%02X%02X%02X%02X%02X}", b[3],
                  b[2], b[1], b[0], b[5], b[4], b[7], b[6], b[8], b[9], b[10], b[11], b[12], b[13],
                  b[14], b[15]);
    return text;
}

std::string Bytes(std::span<const unsigned char> bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

std::span<const unsigned char> FieldBytes(const MdbHandle& mdb, const MdbField& field) {
    return {mdb.pg_buf + field.start, static_cast<std::size_t>(field.siz)};
}

// Text through libmdb, which writes at most its bind size: room enough for the UTF-8 of
// sourceBytes, whatever the encoding (three bytes per source byte at worst).
std::string LibmdbText(MdbHandle& mdb, const void* buffer, int jetType, int start, int size,
                       std::size_t sourceBytes) {
    mdb_set_bind_size(&mdb, std::max(kDefaultBindSize, 3 * sourceBytes + 16));
    // libmdb only reads the buffer, though its signature does not say so.
    const GText text(mdb_col_to_string(&mdb, const_cast<void*>(buffer), start, jetType, size));
    return text ? std::string(text.get()) : std::string();
}

// A memo's length comes from its 12-byte header: inline, on one other page, or a chain of pages.
std::size_t MemoSourceBytes(const MdbHandle& mdb, std::span<const unsigned char> bytes) {
    const auto header = static_cast<std::uint32_t>(Le(bytes, 4));
    if (header & 0x80000000u) return bytes.size() - MDB_MEMO_OVERHEAD;
    if (header & 0x40000000u) return static_cast<std::size_t>(mdb.fmt->pg_size);
    return header & 0x00ffffffu;
}

DbValue NonNullValue(MdbHandle& mdb, const MdbColumn& column, int type, const MdbField& field) {
    const std::span<const unsigned char> bytes = FieldBytes(mdb, field);
    if (bytes.size() < FixedSize(type)) {
        Damaged("short value in '" + std::string(column.name) + "'");
    }
    switch (type) {
        case MDB_BYTE:
            return DbValue::integer(bytes[0]);
        case MDB_INT:
            return DbValue::integer(static_cast<std::int16_t>(Le(bytes, 2)));
        case MDB_LONGINT:
            return DbValue::integer(static_cast<std::int32_t>(Le(bytes, 4)));
        case kJetBigInt:
            return DbValue::integer(static_cast<std::int64_t>(Le(bytes, 8)));
        case MDB_FLOAT:
            return DbValue::real(FloatValue(static_cast<std::uint32_t>(Le(bytes, 4))));
        case MDB_DOUBLE:
            return DbValue::real(std::bit_cast<double>(Le(bytes, 8)));
        case MDB_DATETIME:
            return JetDateValue(std::bit_cast<double>(Le(bytes, 8)));
        case kJetExtendedDate:
            return JetExtendedDateValue(bytes.first<42>());
        case MDB_MONEY:
            return DbValue::text(JetCurrencyText(bytes.first<8>()));
        case MDB_NUMERIC:
            return DbValue::text(JetDecimalText(bytes.first<17>(), DecimalScale(column)));
        case MDB_REPID:
            return DbValue::text(GuidText(bytes));
        case MDB_BINARY:
            return DbValue::text(Bytes(bytes));
        case MDB_OLE:
            return DbValue::text(LongValueBytes(mdb, bytes, column.name));
        case MDB_TEXT:
            return DbValue::text(
                LibmdbText(mdb, mdb.pg_buf, type, field.start, field.siz, bytes.size()));
        case MDB_MEMO:
            if (bytes.size() < MDB_MEMO_OVERHEAD) return DbValue::text({});
            return DbValue::text(LibmdbText(mdb, mdb.pg_buf, type, field.start, field.siz,
                                            MemoSourceBytes(mdb, bytes)));
        default:  // types libmdb does not know hold nothing readable
            return {};
    }
}

// A calculated column (Access 2010 and later) keeps its result behind a header of its own: the
// result's length at byte 16, the result from byte 20. A memo's whole long value is so wrapped.
constexpr std::size_t kCalculatedLengthAt = 16;
constexpr std::size_t kCalculatedResultAt = 20;

std::span<const unsigned char> CalculatedResult(std::span<const unsigned char> bytes) {
    if (bytes.size() < kCalculatedResultAt) return {};
    const std::size_t length = Le(bytes.subspan(kCalculatedLengthAt), 4);
    return bytes.subspan(kCalculatedResultAt, std::min(length, bytes.size() - kCalculatedResultAt));
}

DbValue CalculatedValue(MdbHandle& mdb, const MdbColumn& column, int type, const MdbField& field) {
    if (type == MDB_MEMO) {
        const std::string stored = LongValueBytes(mdb, FieldBytes(mdb, field), column.name);
        const auto result = CalculatedResult(
            {reinterpret_cast<const unsigned char*>(stored.data()), stored.size()});
        if (result.empty()) return DbValue::text({});
        const int size = static_cast<int>(result.size());
        return DbValue::text(LibmdbText(mdb, result.data(), MDB_TEXT, 0, size, result.size()));
    }
    const auto result = CalculatedResult(FieldBytes(mdb, field));
    if (result.empty()) {
        // Access writes some nulls so.
        if (type == MDB_BOOL) return DbValue::integer(0);
        return type == MDB_TEXT ? DbValue::text({}) : DbValue();
    }
    const auto start = static_cast<int>(result.data() - mdb.pg_buf);
    const auto size = static_cast<int>(result.size());
    switch (type) {
        case MDB_BOOL:
            return DbValue::integer(result[0] != 0 ? -1 : 0);
        case MDB_TEXT:
            return DbValue::text(LibmdbText(mdb, mdb.pg_buf, MDB_TEXT, start, size, result.size()));
        case MDB_NUMERIC: {
            std::string text = JetCalculatedDecimalText(result);
            return text.empty() ? DbValue() : DbValue::text(std::move(text));
        }
        default:
            break;
    }
    MdbField inner = field;
    inner.start = start;
    inner.siz = size;
    return NonNullValue(mdb, column, type, inner);
}

}  // namespace

ColumnType ColumnTypeOf(int jetType) {
    switch (jetType) {
        case MDB_TEXT:
            return ColumnType::Text;
        case MDB_BYTE:
            return ColumnType::Byte;
        case MDB_INT:
            return ColumnType::Integer16;
        case MDB_LONGINT:
            return ColumnType::Integer32;
        case kJetBigInt:
            return ColumnType::BigInteger;
        case MDB_BOOL:
            return ColumnType::YesNo;
        case MDB_FLOAT:
        case MDB_DOUBLE:
            return ColumnType::Real;
        case MDB_NUMERIC:
            return ColumnType::Decimal;
        case MDB_MONEY:
            return ColumnType::Currency;
        case MDB_DATETIME:
            return ColumnType::DateTime;
        case kJetExtendedDate:
            return ColumnType::ExtendedDate;
        case MDB_REPID:
            return ColumnType::Guid;
        case MDB_BINARY:
            return ColumnType::Binary;
        case MDB_OLE:
            return ColumnType::Ole;
        default:  // memo, and as text what has no column type of its own
            return ColumnType::Memo;
    }
}

DbValue FieldValue(MdbHandle& mdb, const MdbColumn& column, const MdbField& field, int rowColumns,
                   std::optional<int> resultType) {
    // A column added after the row was written is absent from it: null, and a yes/no is false.
    // A calculated yes/no keeps its result in the row, not in the null mask.
    const bool present = !field.is_null && column.col_num < rowColumns;
    if (column.col_type == MDB_BOOL && !resultType) return DbValue::integer(present ? -1 : 0);
    if (!present) return {};
    if (field.siz < 0 || field.start < 0 || field.start + field.siz > mdb.fmt->pg_size) {
        Damaged("value outside its page");
    }
    return resultType ? CalculatedValue(mdb, column, *resultType, field)
                      : NonNullValue(mdb, column, column.col_type, field);
}
