// Loading the delivered ZIP database and looking ZIP codes up in it.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "core/app_state.h"
#include "zip/zip_table.h"

namespace {

void UseDeliveredDatabase() { qm::App().StartFolder = std::string(QUILLMARK_SOURCE_DIR) + "/data/"; }

void BM_LoadDeliveredDatabase(benchmark::State& state) {
    UseDeliveredDatabase();
    for (auto _ : state) qm::LoadZipTable();
    state.counters["entries"] = static_cast<double>(qm::Zips().Size());
}
BENCHMARK(BM_LoadDeliveredDatabase)->Unit(benchmark::kMillisecond);

// 100,000 lookups of ZIP codes drawn from the database, one in ten unknown.
void BM_100kLookups(benchmark::State& state) {
    UseDeliveredDatabase();
    qm::LoadZipTable();
    std::vector<std::string> zips;
    std::mt19937 rng(7);
    for (int i = 0; i < 100000; ++i) {
        const auto& bucket = qm::Zips().Bucket(static_cast<int>(rng() % 10));
        zips.push_back(i % 10 == 0 ? std::to_string(rng() % 100000 + 100000).substr(1)
                                   : bucket[rng() % bucket.size()].Zip);
    }
    size_t found = 0;
    for (auto _ : state) {
        for (const std::string& zip : zips) found += qm::FindZip(zip) != nullptr;
    }
    benchmark::DoNotOptimize(found);
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(zips.size()));
    state.counters["ns_per_lookup"] = benchmark::Counter(
        static_cast<double>(state.iterations() * static_cast<int64_t>(zips.size())),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert, benchmark::Counter::kIs1000);
}
BENCHMARK(BM_100kLookups)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
