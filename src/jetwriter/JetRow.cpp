// Column layout of a table and its rows as Jet 4 stores them:
//   column count (2 bytes), the fixed-size values at their offsets, the variable-length values,
//   then backwards from the end: null mask, count of variable-length values, their offsets and
//   the offset of their end. A table without variable-length columns stores neither.

#include <algorithm>
#include <bit>
#include <limits>
#include <tuple>

#include "jetwriter/JetWriterDetail.h"

namespace jet_detail {

namespace {

// Memos up to this many characters may be compressed; longer ones must not be.
constexpr std::size_t kMaxCompressedMemo = 1024;
constexpr std::uint32_t kInlineLongValue = 0x80000000;
constexpr std::size_t kLongValueHeaderBytes = std::tuple_size_v<LongValueHeader>;

bool IsFixed(std::uint8_t type) {
    return type != kJetText && type != kJetMemo && type != kJetOle;
}

std::uint16_t DeclaredLength(std::uint8_t type) {
    switch (type) {
        case kJetByte:
            return 1;
        case kJetInt:
            return 2;
        case kJetLong:
            return 4;
        case kJetMoney:
        case kJetDouble:
        case kJetDateTime:
            return 8;
        case kJetText:
            return 2 * kMaxTextChars;
        default:  // yes/no (in the null mask), memo and OLE (in the row or on their own pages)
            return 0;
    }
}

std::int64_t InRange(const DbValue& value, std::int64_t min, std::int64_t max, const char* type) {
    const std::int64_t v = value.toInt64();
    if (v < min || v > max) throw DbError(std::to_string(v) + " is out of range for " + type);
    return v;
}

void PutFixedValue(const JetColumn& column, const DbValue& value, unsigned char* out) {
    switch (column.type) {
        case kJetByte:
            PutLe(out, static_cast<std::uint64_t>(InRange(value, 0, 255, "Byte")), 1);
            break;
        case kJetInt:
            PutLe(out, static_cast<std::uint64_t>(InRange(value, -32768, 32767, "Integer")), 2);
            break;
        case kJetLong:
            PutLe(out,
                  static_cast<std::uint64_t>(
                      InRange(value, std::numeric_limits<std::int32_t>::min(),
                              std::numeric_limits<std::int32_t>::max(), "Long Integer")),
                  4);
            break;
        case kJetMoney:
            PutLe(out, static_cast<std::uint64_t>(CurrencyUnits(value.toDouble())), 8);
            break;
        case kJetDouble:
            PutLe(out, std::bit_cast<std::uint64_t>(value.toDouble()), 8);
            break;
        case kJetDateTime:
            PutLe(out, std::bit_cast<std::uint64_t>(JetDays(value)), 8);
            break;
        default:
            throw DbError("no fixed-size value for this column type");
    }
}

// Text and memo values; a memo with its 12-byte header, as it sits in a row.
Bytes VariableValue(const JetColumn& column, const DbValue& value) {
    const std::u16string text = Utf16(value.toString());
    if (column.type == kJetText) {
        if (text.size() > kMaxTextChars) {
            throw DbError("a text of " + std::to_string(text.size()) +
                          " characters; a Text column holds at most 255");
        }
        return StoredText(text, true);
    }
    if (column.type != kJetMemo) throw DbError("binary values cannot be written");
    const Bytes data = StoredText(text, text.size() <= kMaxCompressedMemo);
    Bytes stored(kLongValueHeaderBytes);
    PutLe(stored.data(), kInlineLongValue | data.size(), 4);
    stored.insert(stored.end(), data.begin(), data.end());
    return stored;
}

bool IsTrue(const DbValue& value) {
    return !value.isNull() && value.toDouble() != 0;
}

void SetBit(Bytes& mask, std::size_t bit) {
    mask[bit / 8] |= static_cast<unsigned char>(1u << (bit % 8));
}

struct RowParts {
    Bytes fixed;
    std::vector<Bytes> variable;
    std::vector<bool> inlineMemo;
    Bytes nullMask;
};

std::size_t RowSize(const RowParts& parts) {
    std::size_t size = 2 + parts.fixed.size() + parts.nullMask.size();
    for (const Bytes& value : parts.variable) size += value.size();
    if (!parts.variable.empty()) size += 2 * (parts.variable.size() + 2);
    return size;
}

RowParts SplitRow(const TableLayout& layout, const std::vector<DbValue>& row) {
    RowParts parts{Bytes(layout.fixedBytes), std::vector<Bytes>(layout.varColumns),
                   std::vector<bool>(layout.varColumns), Bytes((layout.columns.size() + 7) / 8)};
    for (const JetColumn& column : layout.columns) {
        const DbValue& value = row[column.number];
        try {
            if (column.type == kJetBool) {
                if (IsTrue(value)) SetBit(parts.nullMask, column.number);
                continue;
            }
            if (value.isNull()) continue;
            SetBit(parts.nullMask, column.number);
            if (column.fixed) {
                PutFixedValue(column, value, parts.fixed.data() + column.fixedOffset);
            } else {
                parts.variable[column.varIndex] = VariableValue(column, value);
                parts.inlineMemo[column.varIndex] = column.type == kJetMemo;
            }
        } catch (const DbError& e) {
            throw DbError("column '" + column.name + "': " + e.what());
        }
    }
    return parts;
}

// Moves memos out of the row, longest first, until it fits a page.
void MoveMemosOut(RowParts& parts, LongValueSink& longValues) {
    while (RowSize(parts) > kMaxRowBytes) {
        std::size_t longest = parts.variable.size();
        for (std::size_t i = 0; i < parts.variable.size(); ++i) {
            if (parts.inlineMemo[i] &&
                (longest == parts.variable.size() ||
                 parts.variable[i].size() > parts.variable[longest].size())) {
                longest = i;
            }
        }
        if (longest == parts.variable.size()) {
            throw DbError("the row needs " + std::to_string(RowSize(parts)) +
                          " bytes; a page holds rows of at most " + std::to_string(kMaxRowBytes));
        }
        Bytes& memo = parts.variable[longest];
        const LongValueHeader header = longValues.storeLongValue(
            std::span<const unsigned char>(memo).subspan(kLongValueHeaderBytes));
        memo.assign(header.begin(), header.end());
        parts.inlineMemo[longest] = false;
    }
}

Bytes Assemble(const RowParts& parts, std::size_t columnCount) {
    Bytes row;
    row.reserve(RowSize(parts));
    AppendLe(row, columnCount, 2);
    row.insert(row.end(), parts.fixed.begin(), parts.fixed.end());
    std::vector<std::size_t> offsets;
    for (const Bytes& value : parts.variable) {
        offsets.push_back(row.size());
        row.insert(row.end(), value.begin(), value.end());
    }
    if (!offsets.empty()) {
        AppendLe(row, row.size(), 2);
        for (auto it = offsets.rbegin(); it != offsets.rend(); ++it) AppendLe(row, *it, 2);
        AppendLe(row, offsets.size(), 2);
    }
    row.insert(row.end(), parts.nullMask.begin(), parts.nullMask.end());
    return row;
}

}  // namespace

std::uint8_t JetTypeOf(ColumnType type) {
    switch (type) {
        case ColumnType::Text:
            return kJetText;
        case ColumnType::Memo:
            return kJetMemo;
        case ColumnType::Byte:
            return kJetByte;
        case ColumnType::Integer16:
            return kJetInt;
        case ColumnType::Integer32:
            return kJetLong;
        case ColumnType::YesNo:
            return kJetBool;
        case ColumnType::Real:
            return kJetDouble;
        case ColumnType::Currency:
            return kJetMoney;
        case ColumnType::DateTime:
            return kJetDateTime;
        case ColumnType::BigInteger:
        case ColumnType::Decimal:
        case ColumnType::ExtendedDate:
        case ColumnType::Guid:
        case ColumnType::Binary:
        case ColumnType::Ole:
            break;
    }
    return kJetNone;
}

void CheckObjectName(const std::string& name, std::string_view what) {
    const std::size_t length = Utf16(name).size();
    if (length == 0 || length > kMaxNameChars) {
        throw DbError(std::string(what) + " name '" + name + "' must have 1 to " +
                      std::to_string(kMaxNameChars) + " characters");
    }
}

TableLayout LayOutColumns(const std::vector<JetColumnDef>& columns) {
    if (columns.empty() || columns.size() > kMaxColumns) {
        throw DbError("a table has 1 to " + std::to_string(kMaxColumns) + " columns, not " +
                      std::to_string(columns.size()));
    }
    TableLayout layout;
    for (const JetColumnDef& def : columns) {
        CheckObjectName(def.name, "column");
        JetColumn column{def.name, def.type, static_cast<std::uint16_t>(layout.columns.size())};
        column.fixed = IsFixed(def.type);
        column.length = DeclaredLength(def.type);
        if (column.fixed) {
            column.fixedOffset = static_cast<std::uint16_t>(layout.fixedBytes);
            layout.fixedBytes += column.length;
        } else {
            column.varIndex = static_cast<std::uint16_t>(layout.varColumns++);
        }
        layout.columns.push_back(std::move(column));
    }
    return layout;
}

Bytes EncodeRow(const TableLayout& layout, const std::vector<DbValue>& row,
                LongValueSink& longValues) {
    if (row.size() != layout.columns.size()) {
        throw DbError("a row of " + std::to_string(row.size()) + " values for " +
                      std::to_string(layout.columns.size()) + " columns");
    }
    RowParts parts = SplitRow(layout, row);
    MoveMemosOut(parts, longValues);
    return Assemble(parts, layout.columns.size());
}

}  // namespace jet_detail
