#include "support/TestData.h"

#include <algorithm>
#include <filesystem>
#include <stdexcept>

#include "db/RunningProgram.h"
#include "support/FileBytes.h"
#include "support/SqliteEdit.h"

namespace fs = std::filesystem;

std::string TestData(std::string_view name) {
    // A compiler launcher may hand over this file's path relative to the build folder of tests,
    // which lies beside the test programs' folder.
    fs::path source = __FILE__;
    if (source.is_relative()) {
        source = RunningProgram().value().parent_path().parent_path() / "tests" / source;
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

namespace {

// A script's "--include NAME" line stands for the text of that file of test data.
std::string WithIncludes(std::string script) {
    const std::string directive = "--include ";
    for (std::size_t at = script.find(directive); at != std::string::npos;
         at = script.find(directive, at)) {
        const std::size_t end = std::min(script.find('\n', at), script.size());
        const std::string included =
            TestData(script.substr(at + directive.size(), end - at - directive.size()));
        script.replace(at, end - at, included);
        at += included.size();
    }
    return script;
}

}  // namespace

void WriteSqlDuzedo(const std::string& path, std::string_view script, const std::string& more) {
    fs::remove(path);
    Exec(OpenForWriting(path).get(), WithIncludes(TestData(script)) + more);
}
