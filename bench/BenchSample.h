#pragma once

#include <string>

// The sample DUZEDO at a scale, written once per run as an SQLite file in the temporary folder.
const std::string& BenchSamplePath(int scale);
// Points gConn at that sample; throws DbError when it cannot be opened.
void ConnectBenchSample(int scale);
