#include "support/TestData.h"

#include <filesystem>
#include <stdexcept>

#include "support/FileBytes.h"
#include "support/SqliteEdit.h"

namespace fs = std::filesystem;

std::string TestData(std::string_view name) {
    // A compiler launcher may hand over this file's path relative to the build folder of tests,
    // which lies beside the test programs' folder.
    fs::path source = __FILE__;
    if (source.is_relative()) {
        source = fs::read_symlink("/proc/self/exe").parent_path().parent_path() / "tests" / source;
    }
    const fs::path file = source.parent_path().parent_path() / "data" / name;
    std::string text = ReadBytes(file);
    if (text.empty()) throw std::runtime_error("no test data in " + file.string());
    return text;
}

QJsonDocument TestJson(std::string_view name) {
    return QJsonDocument::fromJson(QByteArray::fromStdString(TestData(name)));
}

void WriteSqlDuzedo(const std::string& path, std::string_view script, const std::string& more) {
    fs::remove(path);
    Exec(OpenForWriting(path).get(), TestData(script) + more);
}
