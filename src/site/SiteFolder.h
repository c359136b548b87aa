#pragma once

#include <filesystem>
#include <stdexcept>
#include <string_view>

// The file that marks a folder as written by the site command, so a later run may replace it.
inline constexpr std::string_view kSiteMarker = ".duzedo-site";

class SiteError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// dir is a folder with files in it that the site command did not write: a site written there
// would take their place, so only with force.
bool HoldsOtherFiles(const std::filesystem::path& dir);

// Where a site is written: a new folder beside dir, put in dir's place only by commit(), so a
// run that fails or is stopped leaves the old site whole. Files are written only below the new
// folder, and no symbolic link is followed on the way.
class SiteFolder {
  public:
    // Throws SiteError when dir cannot take a site: it is a symbolic link or not a folder, or it
    // holds files and was not written by the site command (unless force).
    SiteFolder(const std::filesystem::path& dir, bool force);
    ~SiteFolder();  // removes the new folder unless committed
    SiteFolder(const SiteFolder&) = delete;
    SiteFolder& operator=(const SiteFolder&) = delete;

    // Writes bytes to path, '/'-separated below the folder, making its folders. A part that is
    // empty, "." or "..", and a file written before, are refused.
    void write(std::string_view path, std::string_view bytes);

    // Marks the new folder and puts it in dir's place; the old folder is removed.
    void commit();

    const std::filesystem::path& dir() const { return dir_; }

  private:
    std::filesystem::path dir_;
    std::filesystem::path temp_;
    bool committed_ = false;
};
