#include "duzedo/SampleDuzedo.h"

#include <stdexcept>
#include <string>

#include "duzedo/SampleDuzedoDetail.h"

void WriteSampleDuzedo(const SampleOptions& options, TableSink& sink) {
    using namespace sample_detail;
    if (options.scale < 1 || options.scale > kMaxSampleScale) {
        throw std::invalid_argument("the sample's scale must be from 1 to " +
                                    std::to_string(kMaxSampleScale));
    }
    Rng rng(options.seed);
    SampleData data;
    data.players = MakePlayers(rng, options.scale);
    data.events = MakeSchedule(rng, options.scale, data.players);
    PlaySeasons(rng, data);
    CheckEventNames(data.events, data.games);
    WriteSampleTables(data, sink);
}
