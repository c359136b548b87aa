#include "misc/MiscCache.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <string_view>
#include <vector>

#include "core/CodePage.h"
#include "core/QtText.h"

namespace {

constexpr std::size_t kLines = kGeneralCount + kRecordCount;

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

// Lines ended by CR LF, or by a bare LF; text after the last line end is a last line.
std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (line.ends_with('\r')) line.remove_suffix(1);
        lines.emplace_back(line);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return lines;
}

}  // namespace

std::optional<MiscFigures> LoadMiscCache(const std::string& path) {
    QFile file(ToQString(path));
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return std::nullopt;
    const std::optional<QString> text = DecodeCacheBytes(bytes);
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
    QSaveFile file(ToQString(path));
    // Unbuffered, so a disk that fills part way shows as a short write here.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
    const auto size = static_cast<qint64>(text.size());
    if (file.write(text.data(), size) != size) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
