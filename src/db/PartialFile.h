#pragma once

#include <string>

// A file written under "<path>.partial" and renamed over path only once complete, so a crash, a
// full disk or an error never leaves a half-written file under the final name. A partial file
// that is never committed is removed; declare this before whatever writes the file, so the
// writer has closed it by then.
class PartialFile {
  public:
    // Removes a partial file an earlier run may have left.
    explicit PartialFile(std::string path);
    ~PartialFile();
    PartialFile(const PartialFile&) = delete;
    PartialFile& operator=(const PartialFile&) = delete;

    const std::string& path() const { return path_; }
    const std::string& partialPath() const { return partialPath_; }

    // Puts the finished file in place. Throws DbError when it cannot.
    void commit();

  private:
    std::string path_;
    std::string partialPath_;
    bool committed_ = false;
};
