#include "db/PartialFile.h"

#include <filesystem>
#include <system_error>

#include "db/DbValue.h"
#include "db/Utf8Path.h"

PartialFile::PartialFile(std::string path)
    : path_(std::move(path)), partialPath_(path_ + ".partial") {
    std::error_code ignored;
    std::filesystem::remove(Utf8Path(partialPath_), ignored);
}

PartialFile::~PartialFile() {
    if (committed_) return;
    std::error_code ignored;
    std::filesystem::remove(Utf8Path(partialPath_), ignored);
}

void PartialFile::commit() {
    std::error_code error;
    std::filesystem::rename(Utf8Path(partialPath_), Utf8Path(path_), error);
    if (error) throw DbError("Writing " + path_ + ": " + error.message());
    committed_ = true;
}
