#include "BenchSample.h"

#include <filesystem>
#include <map>

#include "db/Database.h"
#include "db/DbFile.h"
#include "duzedo/SampleDuzedo.h"

const std::string& BenchSamplePath(int scale) {
    static std::map<int, std::string> paths;
    std::string& path = paths[scale];
    if (path.empty()) {
        const auto dir = std::filesystem::temp_directory_path() / "vpa-bench";
        std::filesystem::create_directories(dir);
        path = (dir / ("duzedo-" + std::to_string(scale) + ".sqlite")).string();
        SqliteFileWriter writer(path);
        WriteSampleDuzedo({.seed = 1, .scale = scale}, writer);
        writer.finish();
    }
    return path;
}

void ConnectBenchSample(int scale) {
    if (!ConnectDb(BenchSamplePath(scale))) throw DbError("The sample could not be opened");
}
