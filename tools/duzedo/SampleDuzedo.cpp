#include "duzedo/SampleDuzedo.h"

#include <stdexcept>

#include "duzedo/SampleDuzedoDetail.h"

void WriteSampleDuzedo(const SampleOptions& options, TableSink& sink) {
    using namespace sample_detail;
    if (options.scale < 1) throw std::invalid_argument("the sample's scale must be at least 1");
    Rng rng(options.seed);
    SampleData data;
    data.players = MakePlayers(rng, options.scale);
    data.events = MakeSchedule(rng, options.scale, data.players);
    PlaySeasons(rng, data);
    CheckEventNames(data.events, data.games);
    WriteSampleTables(data, sink);
}
