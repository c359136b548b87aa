#pragma once

#include <string>

#include "duzedo/SampleDuzedo.h"

// The realistic sample DUZEDO (seed 1, scale 1 unless asked otherwise), as an SQLite file at path.
void WriteSampleDb(const std::string& path, SampleOptions options = {});
