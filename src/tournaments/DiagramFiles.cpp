#include "tournaments/DiagramFiles.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <algorithm>
#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "core/NativeFile.h"
#include "db/Utf8Path.h"
#include "tournaments/DiagramImage.h"
#include "tournaments/Diagrams.h"

namespace {

// Raise when the drawing changes, so that pictures drawn by the old one are drawn again.
constexpr std::string_view kDrawingVersion = "1";
constexpr std::string_view kMark = "\nVPAStats diagram drawn from ";
constexpr std::size_t kSignatureSize = 64;  // SHA-256 in hexadecimal
constexpr std::size_t kTrailerSize = kMark.size() + kSignatureSize + 1;
// A diagram is a few hundred kilobytes; a file far larger is not one of the program's.
constexpr std::size_t kMaxPictureBytes = 64 * 1024 * 1024;

class Digest {
  public:
    Digest& operator<<(std::string_view text) {
        hash_.addData(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
        hash_.addData(QByteArrayView("\0", 1));  // "ab" + "c" differs from "a" + "bc"
        return *this;
    }
    Digest& operator<<(std::int64_t number) { return *this << std::to_string(number); }
    std::string hex() const { return hash_.result().toHex().toStdString(); }

  private:
    QCryptographicHash hash_{QCryptographicHash::Sha256};
};

std::string SignedBitmap(const DiagramPlan& plan, const std::vector<PhaseGroup>& groups,
                         const std::string& signature) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!DiagramImage(DrawDiagram(plan, groups)).save(&buffer, "BMP")) return {};
    // Picture loaders read the bitmap its header describes and nothing after it.
    return bytes.toStdString() + std::string(kMark) + signature + "\n";
}

}  // namespace

std::string DiagramSignature(const DiagramPlan& plan, const std::vector<PhaseGroup>& groups) {
    Digest digest;
    digest << kDrawingVersion << plan.file << plan.title << plan.base
           << static_cast<std::int64_t>(plan.kind);
    for (const PhaseGroup& group : groups) {
        digest << group.tournament << group.label << static_cast<std::int64_t>(group.games.size());
        for (const PhaseGame& g : group.games)
            digest << g.id << g.teamA << g.teamB << g.goalsA << g.goalsB;
    }
    return digest.hex();
}

std::optional<std::string> DrawnSignature(std::string_view bytes) {
    if (bytes.size() < kTrailerSize) return std::nullopt;
    const std::string_view trailer = bytes.substr(bytes.size() - kTrailerSize);
    if (!trailer.starts_with(kMark) || !trailer.ends_with('\n')) return std::nullopt;
    return std::string(trailer.substr(kMark.size(), kSignatureSize));
}

std::string DiagramFileBytes(const DiagramPlan& plan, const std::vector<PhaseGroup>& groups) {
    return SignedBitmap(plan, groups, DiagramSignature(plan, groups));
}

std::vector<std::string> WriteDiagramPictures(const std::string& dir) {
    std::error_code error;
    std::filesystem::create_directories(Utf8Path(dir), error);
    if (error || !std::filesystem::is_directory(Utf8Path(dir))) {
        throw std::runtime_error("cannot make the folder " + dir);
    }
    std::vector<std::string> written;
    for (const DiagramPlan& plan : DiagramPlans()) {
        const std::string path = Utf8Text(Utf8Path(dir) / Utf8Path(plan.file));
        // Replaced whole once complete: a viewer never sees half a picture.
        const std::string bytes = DiagramFileBytes(plan, FindPhaseGames(plan));
        if (bytes.empty() || !ReplaceFile(path, bytes)) {
            throw std::runtime_error("cannot write " + path);
        }
        written.push_back(path);
    }
    return written;
}

std::string DiagramPicture(const std::string& file, const FileLocations& places) {
    std::vector<std::string> folders = {places.programFolder};
    if (places.pictures != places.programFolder) folders.push_back(places.pictures);
    std::vector<std::pair<std::string, std::string>> drawn;  // path, signature
    for (const std::string& folder : folders) {
        const std::string path = folder + file;
        if (!FileExists(path)) continue;
        const auto bytes = ReadFileStart(path, kMaxPictureBytes);
        const auto signature = bytes ? DrawnSignature(*bytes) : std::nullopt;
        if (!signature) return path;
        drawn.emplace_back(path, *signature);
    }
    const std::vector<DiagramPlan> plans = DiagramPlans();
    const auto plan = std::find_if(plans.begin(), plans.end(),
                                   [&](const DiagramPlan& p) { return p.file == file; });
    if (plan == plans.end()) return {};
    const std::vector<PhaseGroup> groups = FindPhaseGames(*plan);
    const std::string signature = DiagramSignature(*plan, groups);
    for (const auto& [path, theirs] : drawn) {
        if (theirs == signature) return path;
    }
    std::error_code ignored;
    std::filesystem::create_directories(Utf8Path(places.pictures), ignored);
    const std::string path = places.pictures + file;
    const std::string bytes = SignedBitmap(*plan, groups, signature);
    return !bytes.empty() && ReplaceFile(path, bytes) ? path : std::string();
}
