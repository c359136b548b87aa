#include "misc/MiscCache.h"

#include <QStringDecoder>
#include <string_view>
#include <vector>

#include "core/CodePage.h"
#include "core/NativeFile.h"
#include "core/QtText.h"

namespace {

constexpr std::size_t kLines = kGeneralCount + kRecordCount;
// Far more than the figures ever take; a huge file is not ours and is not read whole.
constexpr std::size_t kMaxCacheBytes = 1024 * 1024;

std::optional<QString> DecodeCacheBytes(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError()) {
        if (!IsWindows1252Text(bytes)) return std::nullopt;
        text = FromWindows1252(bytes);
    }
    // Cell texts hold no control characters; a file with them is not one of ours.
    for (const QChar c : text) {
        if (c.unicode() < 0x20 && c != u'\r' && c != u'\n' && c != u'\t') return std::nullopt;
    }
    return text;
}

}  // namespace

std::optional<MiscFigures> LoadMiscCache(const std::string& path) {
    const auto bytes = ReadFileStart(path, kMaxCacheBytes + 1);
    if (!bytes || bytes->size() > kMaxCacheBytes) return std::nullopt;
    const std::optional<QString> text = DecodeCacheBytes(QByteArray::fromStdString(*bytes));
    if (!text) return std::nullopt;
    const std::vector<std::string> lines = SplitLines(ToUtf8(*text));
    if (lines.empty() || lines.size() % kLines != 0) return std::nullopt;

    const auto last = lines.end() - static_cast<std::ptrdiff_t>(kLines);
    MiscFigures figures{{last, last + kGeneralCount}, {last + kGeneralCount, lines.end()}};
    // Every computation writes all the general figures; without them the frame would take the
    // file for one not yet computed at every visit.
    for (const std::string& figure : figures.general) {
        if (figure.empty()) return std::nullopt;
    }
    return figures;
}

bool SaveMiscCache(const std::string& path, const MiscFigures& figures) {
    std::string text;
    for (const Texts* block : {&figures.general, &figures.records}) {
        for (const std::string& line : *block) text += line + "\r\n";
    }
    return ReplaceFile(path, text);
}
