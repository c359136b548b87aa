#include "core/Settings.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>
#include <vector>

#include "core/AppServices.h"
#include "core/CodePage.h"
#include "core/QtText.h"
#include "db/Database.h"

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

// This version writes UTF-8; earlier ones wrote the Windows code page, which is rarely valid
// UTF-8 once it holds anything beyond ASCII.
std::string DecodeSettingsBytes(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    return (utf8.hasError() ? FromWindows1252(bytes) : text).toStdString();
}

// Lines ended by CR LF, or by a bare LF. Text after the last line end is a last line.
std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        lines.emplace_back(line);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return lines;
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
    QFile file(ToQString(SettingsFilePath()));
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    // Seven short lines; a huge file is not read whole to find that it is not one.
    const QByteArray bytes = file.read(kMaxSettingsBytes);
    if (file.error() != QFileDevice::NoError) {
        return false;
    }
    const std::vector<std::string> lines = SplitLines(DecodeSettingsBytes(bytes));
    // The path is taken only from a file that looks like settings: a path, then a number.
    if (lines.size() < 2 || !SensiblePath(lines[0]) || !ParseSettingsNumber(lines[1])) {
        return false;
    }
    gDbPath = lines[0];
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
    if (lines[next] != gDbSignature) {
        gMiscCacheValid = false;
    }
    return true;
}

std::string SettingsText() {
    const std::string lines[] = {gDbPath,
                                 SettingsNumber(gOptFrameAnimation),
                                 SettingsNumber(gOptMinGames),
                                 SettingsNumber(gOptRankingLimit),
                                 SettingsNumber(gTimesRun),
                                 SettingsNumber(gOptShowCountries),
                                 gDbSignature};
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

bool WriteSettingsFile() {
    QSaveFile file(ToQString(SettingsFilePath()));
    // Unbuffered, so a disk that fills part way shows as a short write here; through the buffer
    // the lost bytes go unnoticed and the cut-off file would replace the good one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return false;
    }
    const std::string text = SettingsText();
    const auto size = static_cast<qint64>(text.size());
    if (file.write(text.data(), size) != size) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace

std::string SettingsFilePath() {
    return AppDir() + "VPAStats.ini";
}
std::string MiscCacheFilePath() {
    return AppDir() + "misc.bfr";
}
std::string DefaultDbPath() {
    return AppDir() + "duzedo.mdb";
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
    if (!WriteSettingsFile()) {
        Services().message(MessageIcon::Information, kWriteFailed, kErrorTitle);
    }
}

std::optional<LocalDateTime> FileModifiedTime(const std::string& path) {
    const QFileInfo info(ToQString(path));
    if (path.empty() || !info.exists()) {
        return std::nullopt;
    }
    const QDateTime modified = info.lastModified();
    if (!modified.isValid()) {
        return std::nullopt;
    }
    const QDate date = modified.date();
    const QTime time = modified.time();
    return LocalDateTime{date.year(), date.month(),  date.day(),
                         time.hour(), time.minute(), time.second()};
}

std::string DbFileDate() {
    const auto modified = FileModifiedTime(gDbPath);
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
