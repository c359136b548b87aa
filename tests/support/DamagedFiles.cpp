#include "support/DamagedFiles.h"

#include <algorithm>
#include <random>

#include "jetwriter/JetWriter.h"
#include "support/FileBytes.h"

namespace {

std::size_t Below(std::mt19937_64& random, std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
}

// Most of a page's structure is in its first bytes (type, owner, counts, row offsets) and on the
// first pages (header, usage maps, catalog); damage lands there half of the time.
std::size_t DamageSpot(std::mt19937_64& random, std::size_t size) {
    const std::size_t pages = size / kJet4PageSize;
    const std::size_t page = Below(random, 2) == 0 ? Below(random, std::min<std::size_t>(pages, 4))
                                                   : Below(random, pages);
    const std::size_t offset =
        Below(random, 2) == 0 ? Below(random, 64) : Below(random, kJet4PageSize);
    return page * kJet4PageSize + offset;
}

}  // namespace

std::string WriteSampleAccessFile(const std::filesystem::path& file, SampleOptions options) {
    {
        JetFileWriter writer(file.string());
        WriteSampleDuzedo(options, writer);
        writer.finish();
    }
    return ReadBytes(file);
}

std::string MutatedAccessBytes(const std::string& sound, std::uint64_t seed) {
    constexpr std::size_t kPage = kJet4PageSize;
    std::mt19937_64 random(seed);
    std::string bytes = sound;
    const std::size_t pages = bytes.size() / kPage;
    switch (seed % 4) {
        case 0: {  // cut short, mostly at a page boundary so that reading gets under way
            const std::size_t keep = Below(random, pages) + 1;
            bytes.resize(Below(random, 4) == 0 ? Below(random, bytes.size()) : keep * kPage);
            break;
        }
        case 1:  // bytes overwritten
            for (std::size_t n = Below(random, 16) + 1; n > 0; --n) {
                bytes[DamageSpot(random, bytes.size())] = static_cast<char>(random());
            }
            break;
        case 2: {  // two pages swapped
            const std::size_t a = Below(random, pages), b = Below(random, pages);
            std::swap_ranges(bytes.begin() + static_cast<std::ptrdiff_t>(a * kPage),
                             bytes.begin() + static_cast<std::ptrdiff_t>((a + 1) * kPage),
                             bytes.begin() + static_cast<std::ptrdiff_t>(b * kPage));
            break;
        }
        default: {  // a page zeroed, or filled with noise
            const std::size_t page = DamageSpot(random, bytes.size()) / kPage;
            const bool noise = Below(random, 2) == 0;
            for (std::size_t i = page * kPage; i < (page + 1) * kPage; ++i) {
                bytes[i] = noise ? static_cast<char>(random()) : '\0';
            }
        }
    }
    return bytes;
}
