// The file as pages, pages of rows, and the long-value pages that hold long memos.

#include <algorithm>

#include "jetwriter/JetWriterDetail.h"

namespace jet_detail {

namespace {

constexpr unsigned char kRowPageType = 0x01;
// A row pointer keeps the page in its upper three bytes.
constexpr int kRowBits = 8;
constexpr std::size_t kMaxLongValueBytes = 0x3FFFFFFF;  // the two top bits of the length are flags
constexpr std::uint32_t kSinglePageLongValue = 0x40000000;
// A chained piece starts with the pointer to the next one.
constexpr std::size_t kChainPieceBytes = kMaxRowBytes - 4;

}  // namespace

PageFile::PageFile(std::string path)
    : path_(std::move(path)), out_(path_, std::ios::binary | std::ios::trunc) {
    if (!out_) throw DbError("Cannot create " + path_);
}

std::uint32_t PageFile::allocate() {
    if (count_ >= kMaxPages)
        throw DbError("The tables need more than the 2 GiB a Jet 4 file holds");
    return count_++;
}

void PageFile::write(std::uint32_t page, const Page& bytes) {
    out_.seekp(static_cast<std::streamoff>(page) * static_cast<std::streamoff>(kPageSize));
    out_.write(reinterpret_cast<const char*>(bytes.data()), kPageSize);
    if (!out_) throw DbError("Writing " + path_ + " failed");
}

void PageFile::close() {
    out_.close();
    if (!out_) throw DbError("Writing " + path_ + " failed");
}

RowPage::RowPage(std::uint32_t owner) {
    page_[0] = kRowPageType;
    page_[1] = 1;
    PutLe(&page_[2], kPageSize - kRowPageHeader, 2);
    PutLe(&page_[4], owner, 4);
}

bool RowPage::fits(std::size_t rowBytes) const {
    const std::size_t used = kRowPageHeader + 2 * rows_;
    return rows_ < kMaxRowsPerPage && rowBytes + 2 <= top_ - used;
}

unsigned RowPage::add(std::span<const unsigned char> row) {
    if (!fits(row.size())) throw DbError("a row does not fit its page");
    top_ -= row.size();
    std::copy(row.begin(), row.end(), page_.begin() + static_cast<std::ptrdiff_t>(top_));
    PutLe(&page_[kRowPageHeader + 2 * rows_], top_, 2);
    ++rows_;
    PutLe(&page_[12], rows_, 2);
    PutLe(&page_[2], top_ - (kRowPageHeader + 2 * rows_), 2);
    return static_cast<unsigned>(rows_ - 1);
}

RowPageWriter::RowPageWriter(PageFile& file, std::uint32_t owner,
                             std::optional<std::uint32_t> firstPage)
    : file_(file), owner_(owner), reserved_(firstPage) {}

std::uint32_t RowPageWriter::append(std::span<const unsigned char> row) {
    if (!current_ || !current_->fits(row.size())) {
        flush();
        pages_.push_back(reserved_ ? *reserved_ : file_.allocate());
        reserved_.reset();
        current_.emplace(owner_);
    }
    const unsigned slot = current_->add(row);
    return pages_.back() << kRowBits | slot;
}

void RowPageWriter::flush() {
    if (current_ && !current_->empty()) file_.write(pages_.back(), current_->bytes());
    current_.reset();
}

LongValueWriter::LongValueWriter(PageFile& file) : file_(file), rows_(file, kLongValueOwner) {}

LongValueHeader LongValueWriter::storeLongValue(std::span<const unsigned char> data) {
    if (data.size() > kMaxLongValueBytes) throw DbError("a memo longer than a Jet 4 file holds");
    LongValueHeader header{};
    if (data.size() <= kMaxRowBytes) {
        PutLe(header.data(), kSinglePageLongValue | data.size(), 4);
        PutLe(header.data() + 4, rows_.append(data), 4);
        return header;
    }
    // Every piece but the last fills a page of its own; those pages are numbered first, so the
    // chain runs forwards through the file, and written last to first, each knowing its next.
    const std::size_t pieces = (data.size() + kChainPieceBytes - 1) / kChainPieceBytes;
    std::vector<std::uint32_t> pages(pieces - 1);
    for (std::uint32_t& page : pages) page = file_.allocate();
    Bytes piece(4);
    const auto lastStart = static_cast<std::ptrdiff_t>((pieces - 1) * kChainPieceBytes);
    piece.insert(piece.end(), data.begin() + lastStart, data.end());
    std::uint32_t next = rows_.append(piece);
    for (std::size_t i = pages.size(); i-- > 0;) {
        const auto start = data.begin() + static_cast<std::ptrdiff_t>(i * kChainPieceBytes);
        piece.assign(4, 0);
        PutLe(piece.data(), next, 4);
        piece.insert(piece.end(), start, start + kChainPieceBytes);
        RowPage page(kLongValueOwner);
        page.add(piece);
        file_.write(pages[i], page.bytes());
        next = pages[i] << kRowBits;
    }
    PutLe(header.data(), data.size(), 4);
    PutLe(header.data() + 4, next, 4);
    return header;
}

}  // namespace jet_detail
