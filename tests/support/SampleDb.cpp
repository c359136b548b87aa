#include "support/SampleDb.h"

#include "db/DbFile.h"

void WriteSampleDb(const std::string& path, SampleOptions options) {
    SqliteFileWriter out(path);
    WriteSampleDuzedo(options, out);
    out.finish();
}
