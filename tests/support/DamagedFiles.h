#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "duzedo/SampleDuzedo.h"
#include "support/FileBytes.h"

// Deterministic damage to sound database files, for tests that feed them to the program.

inline constexpr std::size_t kJet4PageSize = 4096;

// Writes the sample DUZEDO (seed 1, scale 1 unless asked otherwise) as an Access file at file and
// returns its bytes.
std::string WriteSampleAccessFile(const std::filesystem::path& file, SampleOptions options = {});

// A damaged copy of sound, the kind of damage chosen by seed % 4: cut short (mostly at a page
// boundary), bytes overwritten, two pages swapped, a page zeroed or filled with noise. The same
// seed always gives the same damage.
std::string MutatedAccessBytes(const std::string& sound, std::uint64_t seed);
