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
    // A table that does not parse would otherwise pass as one without cases.
    QJsonParseError error;
    QJsonDocument json = QJsonDocument::fromJson(QByteArray::fromStdString(TestData(name)), &error);
    if (json.isNull()) {
        throw std::runtime_error(std::string(name) + ": " + error.errorString().toStdString());
    }
    return json;
}

void WriteSqlDuzedo(const std::string& path, std::string_view script, const std::string& more) {
    fs::remove(path);
    Exec(OpenForWriting(path).get(), TestData(script) + more);
}
