// The database definition page, usage maps and table definitions of a Jet 4 file.

#include <algorithm>
#include <numeric>
#include <utility>

#include "jetwriter/JetWriterDetail.h"

namespace jet_detail {

namespace {

// ---------------------------------------------------------------------------------------------
// Database definition page

constexpr std::size_t kEncodedStart = 0x18;
constexpr std::size_t kEncodedBytes = 128;
constexpr std::array<unsigned char, 4> kHeaderKey{0xC7, 0xDA, 0x39, 0x6B};
constexpr unsigned char kJet4 = 0x01;
constexpr std::uint16_t kCodePage = 1252;
constexpr std::uint16_t kGeneralSortOrder = 0x0409;

void Rc4(std::span<const unsigned char> key, std::span<unsigned char> data) {
    std::array<unsigned char, 256> state{};
    std::iota(state.begin(), state.end(), 0);
    for (unsigned i = 0, j = 0; i < 256; ++i) {
        j = (j + state[i] + key[i % key.size()]) & 0xFF;
        std::swap(state[i], state[j]);
    }
    unsigned i = 0, j = 0;
    for (unsigned char& byte : data) {
        i = (i + 1) & 0xFF;
        j = (j + state[i]) & 0xFF;
        std::swap(state[i], state[j]);
        byte ^= state[(state[i] + state[j]) & 0xFF];
    }
}

// ---------------------------------------------------------------------------------------------
// Usage maps

// Inline: type 0, the first page, then one bit per page from there.
constexpr std::size_t kInlineMapBytes = 64;
constexpr std::uint32_t kInlineMapPages = (kInlineMapBytes - 5) * 8;
// Reference: type 1, then the bitmap pages, each covering the pages of one stretch of the file.
constexpr unsigned char kBitmapPageType = 0x05;
constexpr std::uint32_t kPagesPerBitmap = (kPageSize - 4) * 8;
constexpr std::uint32_t kBitmapSlots = (kMaxPages + kPagesPerBitmap - 1) / kPagesPerBitmap;

void SetBit(unsigned char* bitmap, std::uint32_t bit) {
    bitmap[bit / 8] |= static_cast<unsigned char>(1u << (bit % 8));
}

Bytes InlineMap(const std::vector<std::uint32_t>& pages) {
    const std::uint32_t first = pages.empty() ? 0 : pages.front();
    Bytes map(kInlineMapBytes);
    PutLe(&map[1], first, 4);
    for (const std::uint32_t page : pages) SetBit(&map[5], page - first);
    return map;
}

Bytes ReferenceMap(const std::vector<std::uint32_t>& pages, PageFile& file) {
    Bytes map(1 + 4 * kBitmapSlots);
    map[0] = 1;
    auto page = pages.begin();
    while (page != pages.end()) {
        const std::uint32_t slot = *page / kPagesPerBitmap;
        Page bitmap{};
        bitmap[0] = kBitmapPageType;
        bitmap[1] = 1;
        for (; page != pages.end() && *page / kPagesPerBitmap == slot; ++page) {
            SetBit(&bitmap[4], *page % kPagesPerBitmap);
        }
        const std::uint32_t bitmapPage = file.allocate();
        file.write(bitmapPage, bitmap);
        PutLe(&map[1 + 4 * slot], bitmapPage, 4);
    }
    return map;
}

// ---------------------------------------------------------------------------------------------
// Table definitions

// Each definition page starts with type, a constant 1, free space and the next page.
constexpr unsigned char kDefinitionPageType = 0x02;
constexpr std::size_t kDefinitionPageHeader = 8;
constexpr std::size_t kDefinitionPageRoom = kPageSize - kDefinitionPageHeader;
constexpr unsigned char kUserTable = 0x4E;
constexpr unsigned char kSystemTable = 0x53;
constexpr unsigned char kFixedColumn = 0x01;
constexpr unsigned char kNullableColumn = 0x02;
constexpr unsigned char kCompressedText = 0x01;
constexpr std::uint16_t kNoMoreColumnMaps = 0xFFFF;

bool IsText(const JetColumn& column) {
    return column.type == kJetText || column.type == kJetMemo;
}

void AppendColumn(Bytes& out, const JetColumn& column) {
    const std::size_t start = out.size();
    out.resize(start + 25);
    unsigned char* entry = &out[start];
    entry[0] = column.type;
    PutLe(entry + 5, column.number, 2);
    PutLe(entry + 7, column.varIndex, 2);
    PutLe(entry + 9, column.number, 2);
    if (IsText(column)) {
        PutLe(entry + 11, kGeneralSortOrder, 2);
        entry[16] = kCompressedText;
    }
    entry[15] = column.fixed ? kFixedColumn | kNullableColumn : kNullableColumn;
    PutLe(entry + 21, column.fixedOffset, 2);
    PutLe(entry + 23, column.length, 2);
}

// Everything after the first page's 8-byte header, as if the pages were one.
Bytes DefinitionBody(const TableDefinition& definition) {
    const TableLayout& layout = *definition.layout;
    Bytes body(40 - kDefinitionPageHeader);  // length, counts and autonumber state: none
    PutLe(&body[16 - kDefinitionPageHeader], definition.rowCount, 4);
    body.push_back(definition.system ? kSystemTable : kUserTable);
    AppendLe(body, layout.columns.size(), 2);  // columns ever made
    AppendLe(body, layout.varColumns, 2);
    AppendLe(body, layout.columns.size(), 2);
    AppendLe(body, 0, 4);  // indexes
    AppendLe(body, 0, 4);  // index entries
    AppendLe(body, definition.usageMap, 4);
    AppendLe(body, definition.freeSpaceMap, 4);
    for (const JetColumn& column : layout.columns) AppendColumn(body, column);
    for (const JetColumn& column : layout.columns) {
        const Bytes name = Ucs2(Utf16(column.name));
        AppendLe(body, name.size(), 2);
        body.insert(body.end(), name.begin(), name.end());
    }
    AppendLe(body, kNoMoreColumnMaps, 2);
    PutLe(body.data(), body.size(), 4);
    return body;
}

}  // namespace

Page HeaderPage() {
    Page page{};
    constexpr std::string_view kSignature("\0\1\0\0Standard Jet DB", 19);
    std::copy(kSignature.begin(), kSignature.end(), page.begin());
    page[0x14] = kJet4;
    // In plain: the code page, a zero database key (so no page is encoded) and the sort order.
    PutLe(&page[0x3C], kCodePage, 2);
    PutLe(&page[0x6E], kGeneralSortOrder, 2);
    Rc4(kHeaderKey, std::span<unsigned char>(page).subspan(kEncodedStart, kEncodedBytes));
    return page;
}

Bytes UsageMap(const std::vector<std::uint32_t>& pages, PageFile& file) {
    if (pages.empty() || pages.back() - pages.front() < kInlineMapPages) return InlineMap(pages);
    return ReferenceMap(pages, file);
}

void WriteTableDefinition(PageFile& file, std::uint32_t firstPage,
                          const TableDefinition& definition) {
    const Bytes body = DefinitionBody(definition);
    const std::size_t pageCount = (body.size() + kDefinitionPageRoom - 1) / kDefinitionPageRoom;
    std::vector<std::uint32_t> pages{firstPage};
    while (pages.size() < pageCount) pages.push_back(file.allocate());
    for (std::size_t i = 0; i < pageCount; ++i) {
        const std::size_t start = i * kDefinitionPageRoom;
        const std::size_t length = std::min(kDefinitionPageRoom, body.size() - start);
        Page page{};
        page[0] = kDefinitionPageType;
        page[1] = 1;
        PutLe(&page[2], kDefinitionPageRoom - length, 2);
        PutLe(&page[4], i + 1 < pageCount ? pages[i + 1] : 0, 4);
        std::copy_n(body.begin() + static_cast<std::ptrdiff_t>(start), length,
                    page.begin() + kDefinitionPageHeader);
        file.write(pages[i], page);
    }
}

}  // namespace jet_detail
