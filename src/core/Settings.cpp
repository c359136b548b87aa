#include "core/Settings.h"

#include <QDateTime>
#include <QStringDecoder>
#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <string_view>
#include <vector>

#include "core/AppServices.h"
#include "core/CodePage.h"
#include "core/FileLocations.h"
#include "core/NativeFile.h"
#include "core/QtText.h"
#include "db/Database.h"
#include "db/Utf8Path.h"

std::int16_t gOptFrameAnimation = 1;
std::int16_t gOptMinGames = 20;
std::int16_t gOptRankingLimit = 1;
std::int16_t gOptShowCountries = 1;
std::int16_t gTimesRun = 0;
std::string gDbSignature;
bool gMiscCacheValid = true;

namespace {

// Far more than seven lines of settings ever take.
constexpr qint64 kMaxSettingsBytes = 64 * 1024;

constexpr const char* kErrorTitle = "Error!";
constexpr const char* kReadFailed =
    "The VPAStats ini file could not be read. This can happen when updating from an older "
    "version - if this is the case, this message won't appear again.";
constexpr const char* kWriteFailed = "The VPAStats ini file could not be written";
constexpr const char* kPathNotStored =
    "The path of the database contains a line break, so the VPAStats ini file cannot keep it. "
    "The next start will look for duzedo.mdb beside the program again.";

bool ValidUtf8(std::string_view bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    [[maybe_unused]] const QString text =
        utf8.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return !utf8.hasError();
}

// This version writes UTF-8 text, with the database path as the platform spells it (not always
// UTF-8); earlier ones wrote the Windows code page. A file that is not UTF-8 is taken as this
// version's when its first line names an existing file or none, else as an earlier version's.
std::vector<std::string> SettingsLines(const std::string& bytes) {
    std::vector<std::string> lines = SplitLines(bytes);
    if (ValidUtf8(bytes) || (!lines.empty() && (lines[0].empty() || FileExists(lines[0])))) {
        return lines;
    }
    return SplitLines(FromWindows1252(QByteArray::fromStdString(bytes)).toStdString());
}

bool HasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

// The signature holds the path; on its line a line break becomes a blank.
std::string OneLine(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return text;
}

std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// A 16-bit whole number; a fraction goes to the nearest whole number, a half to the even one.
std::optional<std::int16_t> ParseSettingsNumber(std::string_view line) {
    std::string_view text = TrimBlanks(line);
    if (text.starts_with('+')) {
        text.remove_prefix(1);
    }
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size() ||
        !std::isfinite(value)) {
        return std::nullopt;
    }
    const double whole = std::nearbyint(value);
    if (whole < INT16_MIN || whole > INT16_MAX) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(whole);
}

// A first line that can be a path: some text without control characters or undecodable bytes.
// A garbled, binary or UTF-16 file fails here, before it can hide the database beside the program.
bool SensiblePath(const std::string& line) {
    if (TrimBlanks(line).empty()) return false;
    const bool control = std::any_of(line.begin(), line.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
    });
    return !control && line.find("\xEF\xBF\xBD") == std::string::npos;
}

// A blank in the place of the sign when there is none, and a blank after.
std::string SettingsNumber(std::int16_t value) {
    return (value >= 0 ? " " : "") + std::to_string(value) + " ";
}

// Fills the globals from the file, in file order; false at the first thing that cannot be read.
bool ReadSettingsFile() {
    // Seven short lines; a huge file is not read whole to find that it is not one.
    const auto bytes = ReadFileStart(SettingsFilePath(), kMaxSettingsBytes);
    if (!bytes) {
        return false;
    }
    const std::vector<std::string> lines = SettingsLines(*bytes);
    // The path is taken only from a file that looks like settings: a path (or none: the
    // database beside the program), then a number.
    if (lines.size() < 2 || !ParseSettingsNumber(lines[1]) ||
        !(lines[0].empty() || SensiblePath(lines[0]))) {
        return false;
    }
    gDbPath = lines[0].empty() ? DefaultDbPath() : lines[0];
    std::int16_t* const numbers[] = {&gOptFrameAnimation, &gOptMinGames, &gOptRankingLimit,
                                     &gTimesRun, &gOptShowCountries};
    std::size_t next = 1;
    for (std::int16_t* number : numbers) {
        const auto value = next < lines.size() ? ParseSettingsNumber(lines[next]) : std::nullopt;
        if (!value) {
            return false;
        }
        *number = *value;
        ++next;
    }
    const auto signature = DbSignature(gDbPath);
    if (!signature) {
        return false;
    }
    gDbSignature = *signature;
    if (next >= lines.size()) {
        return false;
    }
    if (lines[next] != OneLine(gDbSignature)) {
        gMiscCacheValid = false;
    }
    return true;
}

std::string SettingsText() {
    // A path that cannot be one line is not kept: an empty line stands for the database beside
    // the program.
    const std::string lines[] = {HasLineBreak(gDbPath) ? std::string() : gDbPath,
                                 SettingsNumber(gOptFrameAnimation),
                                 SettingsNumber(gOptMinGames),
                                 SettingsNumber(gOptRankingLimit),
                                 SettingsNumber(gTimesRun),
                                 SettingsNumber(gOptShowCountries),
                                 OneLine(gDbSignature)};
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

bool WriteSettingsFile() {
    const std::string path = SettingsFilePath();
    MakeUserFolderFor(path);
    return ReplaceFile(path, SettingsText());
}

}  // namespace

std::string SettingsFilePath() {
    return CurrentLocations().settings;
}
std::string MiscCacheFilePath() {
    return CurrentLocations().miscCache;
}
std::string DefaultDbPath() {
    return CurrentLocations().defaultDb;
}

void SetOptionDefaults() {
    gOptFrameAnimation = 1;
    gOptShowCountries = 1;
    gOptMinGames = 20;
    gOptRankingLimit = 1;
    gTimesRun = 0;
}

OptionValues CurrentOptions() {
    return {gOptFrameAnimation, gOptMinGames, gOptRankingLimit, gOptShowCountries};
}

void SetOptions(const OptionValues& options) {
    gOptFrameAnimation = options.frameAnimation;
    gOptMinGames = options.minGames;
    gOptRankingLimit = options.rankingLimit;
    gOptShowCountries = options.showCountries;
}

void ReadSettings() {
    if (!ReadSettingsFile()) {
        Services().message(MessageIcon::Information, kReadFailed, kErrorTitle);
    }
}

void WriteSettings() {
    if (HasLineBreak(gDbPath) && gDbPath != DefaultDbPath()) {
        Services().message(MessageIcon::Information, kPathNotStored, kErrorTitle);
    }
    if (!WriteSettingsFile()) {
        Services().message(MessageIcon::Information, kWriteFailed, kErrorTitle);
    }
}

std::optional<LocalDateTime> FileModifiedTime(const std::string& path) {
    std::error_code error;
    const auto written = std::filesystem::last_write_time(Utf8Path(path), error);
    if (path.empty() || error) {
        return std::nullopt;
    }
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(
        std::chrono::file_clock::to_sys(written).time_since_epoch());
    const QDateTime modified = QDateTime::fromSecsSinceEpoch(seconds.count());
    if (!modified.isValid()) {
        return std::nullopt;
    }
    const QDate date = modified.date();
    const QTime time = modified.time();
    return LocalDateTime{date.year(), date.month(),  date.day(),
                         time.hour(), time.minute(), time.second()};
}

std::string DbFileDate(const std::string& dbPath) {
    const auto modified = FileModifiedTime(dbPath);
    return modified ? CurrentLocale().generalDate(*modified) : std::string{};
}

std::optional<std::string> DbSignature(const std::string& dbPath) {
    const auto modified = FileModifiedTime(dbPath);
    if (!modified) {
        return std::nullopt;
    }
    return gVersion + gVersionDate + CurrentLocale().generalDate(*modified) + dbPath;
}

std::string VersionText() {
    return "v" + gVersion + " - " + gVersionDate;
}
